#include "macro/frmSystem.h"

#include "shell/Program.h"

frmSystem::frmSystem(Program& p)
    : Form(p.host, "frmSystem"), pMove(*this, "pMove"), Label68(*this, "Label68"),
      lstVar(*this, "lstVar"), p_(p) {
    setCaption("System");
    Label68.setCaption(p_.texts.TextTable(7, 0));
    layOut();
}

void frmSystem::layOut() {
    makeBorderless(pMove, 4815, 4335, 180);
    Label68.move(120, 300, 4575, 255);
    lstVar.move(120, 600, 4575, 3615);
}
