#include "shell/frmControl.h"

#include "shell/Program.h"

frmControl::frmControl(Program& p)
    : Form(p.host, "frmControl"), pMove(*this, "pMove"), Text1(*this, "Text1", true),
      ProgressBar1(*this, "ProgressBar1"), lblEnd(*this, "lblEnd"),
      chkClose(*this, "chkClose", "Close when finished"), p_(p) {
    setCaption("Progress");
    Text1.setLocked(true);
    layOut();
    // Closing keeps the window and its log; it only goes out of sight.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}

void frmControl::layOut() {
    makeBorderless(pMove, 6495, 4335, 180);
    Text1.move(120, 300, 6255, 2895);
    ProgressBar1.move(120, 3300, 6255, 255);
    lblEnd.move(120, 3690, 3975, 255);
    chkClose.move(4215, 3660, 2160, 315);
}
