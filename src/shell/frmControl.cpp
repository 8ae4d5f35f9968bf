#include "shell/frmControl.h"

#include "shell/Program.h"

namespace {
constexpr platform::Color StripColor = 6582129; // the window strips' grey
}

frmControl::frmControl(Program& p)
    : Form(p.host, "frmControl"), pMove(*this, "pMove"), Text1(*this, "Text1", true),
      ProgressBar1(*this, "ProgressBar1"), lblEnd(*this, "lblEnd"),
      chkClose(*this, "chkClose", "Close when finished"), p_(p) {
    setCaption("Progress");
    Text1.setLocked(true);
    layOut();
    attachDragStrip(pMove);
    // Closing keeps the window and its log; it only goes out of sight.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}

void frmControl::layOut() {
    move(0, 0, 6495, 4335);
    pMove.move(0, 0, 6495, 180);
    pMove.setBackColor(StripColor);
    Text1.move(120, 300, 6255, 2895);
    ProgressBar1.move(120, 3300, 6255, 255);
    lblEnd.move(120, 3690, 3975, 255);
    chkClose.move(4215, 3660, 2160, 315);
}
