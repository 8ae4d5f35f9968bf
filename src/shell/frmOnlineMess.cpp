#include "shell/frmOnlineMess.h"

#include "shell/Program.h"
#include "shell/SmallWindowFrame.h"
#include "shell/frmHelp.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"

namespace {
constexpr int WindowWidth = 7800, WindowHeight = 6300;
constexpr int CheckNewsBox = 3;
} // namespace

frmOnlineMess::frmOnlineMess(Program& p)
    : SmallWindowFrame(p, "frmOnlineMess", "Online Message",
                       "Here you read all the lastest news about Mirel."),
      Label1(*this, "Label1", "Information"), Picture1(*this, "Picture1"),
      brwHelp(Picture1, "brwHelp"), Check1(*this, "Check1", "Display this window on next startup"),
      Command1(*this, "Command1", "Close"), p_(p) {
    setCaption(QStringLiteral("Mirel News"));
    layOut();
    Check1.setValue(platform::CheckBox::Checked);
    onLoad = [this] { Form_Load(); };
    onUnload = [this](int&) { Form_Unload(); };
    closeWith(Command1);
    p.languageTargets.Relabel(*this);
}

void frmOnlineMess::layOut() {
    using F = SmallWindowFrame;
    layOutFrame(WindowWidth, WindowHeight);
    Label1.move(F::Margin, F::BodyTop + 60, 3000, 255);
    Label1.setFontBold(true);
    const int bottom = WindowHeight - F::Margin - F::ButtonHeight;
    Picture1.move(F::Margin, F::BodyTop + 360, WindowWidth - 2 * F::Margin,
                  bottom - F::BodyTop - 480);
    Picture1.setBorderStyle(1);
    Check1.move(F::Margin, bottom - 30, 4500, 315);
    F::PlaceButton(Command1, WindowWidth - F::ButtonWidth - F::Margin, bottom);
}

// A news page that arrives during start-up holds the splash.
void frmOnlineMess::Form_Load() {
    PauseSplash(true);
    FitBrowserToFrame(brwHelp, Picture1);
}

void frmOnlineMess::Form_Unload() {
    if (Check1.value() != platform::CheckBox::Checked)
        p_.settings().StoreStartupTick(CheckNewsBox, platform::CheckBox::Unchecked);
    PauseSplash(false);
}

// A splash that has closed is not counted down again.
void frmOnlineMess::PauseSplash(bool paused) {
    if (!p_.hasSplash() || !p_.splash().isLoaded()) return;
    p_.splash().Timer2.setEnabled(!paused);
}
