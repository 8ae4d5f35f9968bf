#include "shell/frmControl.h"

#include "shell/Program.h"
#include "shell/SmallWindowFrame.h"

namespace {
constexpr int WindowWidth = 6495, WindowHeight = 4980;
} // namespace

frmControl::frmControl(Program& p)
    : SmallWindowFrame(p, "frmControl", "File Info",
                       "Reads and displays information about the opened file(s)."),
      Label1(*this, "Label1", "Info"), Text1(*this, "Text1", true),
      ProgressBar1(*this, "ProgressBar1"), lblEnd(*this, "lblEnd", "Succesfull reading"),
      chkClose(*this, "chkClose", "Close automatic"), cmdOk(*this, "cmdOk", "Close"), p_(p) {
    setCaption("Progress");
    Text1.setLocked(true);
    layOut();
    cmdOk.onClick = [this] { cmdOkClick(); };
    hideOnClose(); // the log stays
    onEscape = [this] { cmdOkClick(); };
    // The log belongs to the moment: going to another window puts it away.
    onDeactivate = [this] { hide(); };
}

void frmControl::layOut() {
    using F = SmallWindowFrame;
    layOutFrame(WindowWidth, WindowHeight);
    Label1.move(120, 1080, 3000, 255);
    Label1.setFontBold(true);
    Text1.move(120, 1380, WindowWidth - 240, 2535);
    ProgressBar1.move(120, 4020, WindowWidth - 240, 255);
    lblEnd.move(120, 4470, 2880, 255);
    chkClose.move(3060, 4440, 2160, 315);
    F::PlaceButton(cmdOk, WindowWidth - 1095, 4470);
}

void frmControl::StartLoadLog() {
    show();
    ProgressBar1.setVisible(true);
    Text1.setText(QString());
    lblEnd.setCaption(QString());
}

void frmControl::EndLoadLog(bool read) {
    if (lblEnd.caption().isEmpty()) lblEnd.setCaption(p_.texts.TextTable(9, read ? 17 : 14));
    if (chkClose.value() == platform::CheckBox::Checked) hide();
}

void frmControl::cmdOkClick() {
    hide();
}
