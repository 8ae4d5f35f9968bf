#include "macro/frmSystem.h"

#include "shell/Program.h"

namespace {
constexpr platform::Color StripColor = 6582129; // the window strips' grey
}

frmSystem::frmSystem(Program& p)
    : Form(p.host, "frmSystem"), pMove(*this, "pMove"), Label68(*this, "Label68"),
      lstVar(*this, "lstVar"), p_(p) {
    setCaption("System");
    Label68.setCaption(p_.texts.TextTable(7, 0));
    layOut();
    attachDragStrip(pMove);
}

void frmSystem::layOut() {
    move(0, 0, 4815, 4335);
    pMove.move(0, 0, 4815, 180);
    pMove.setBackColor(StripColor);
    Label68.move(120, 300, 4575, 255);
    lstVar.move(120, 600, 4575, 3615);
}
