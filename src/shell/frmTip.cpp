#include "shell/frmTip.h"

#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/SmallWindowFrame.h"
#include "shell/frmSettings.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
constexpr int WindowWidth = 6600, WindowHeight = 4200;
constexpr int ShowTipsBox = 4, ShowWizardBox = 5;
} // namespace

frmTip::frmTip(Program& p)
    : SmallWindowFrame(p, "frmTip", "Tip of the day.", "Read usefull tips on handling Mirel."),
      Label1(*this, "Label1", "Did you know..."), Label2(*this, "Label2", "Information"),
      lblTipText(*this, "lblTipText"), cmdNextTip(*this, "cmdNextTip", "Next Tip"),
      chkLoadTipsAtStartup(*this, "chkLoadTipsAtStartup", "&Show Tips at Startup"),
      cmdOk(*this, "cmdOk", "Close"), p_(p) {
    setCaption(QStringLiteral("Tip of the day"));
    layOut();
    onLoad = [this] { Form_Load(); };
    cmdNextTip.onClick = [this] { ShowRandomTip(); };
    closeWith(cmdOk);
    chkLoadTipsAtStartup.onClick = [this] { chkLoadTipsAtStartupClick(); };
    p.languageTargets.Relabel(*this);
}

void frmTip::layOut() {
    using F = SmallWindowFrame;
    layOutFrame(WindowWidth, WindowHeight);
    Label1.move(F::Margin, F::BodyTop + 60, 3000, 255);
    Label1.setFontBold(true);
    Label2.move(F::Margin, F::BodyTop + 360, 3000, 255);
    lblTipText.move(F::Margin, F::BodyTop + 660, WindowWidth - 2 * F::Margin, 1860);
    lblTipText.setWordWrap(true);
    lblTipText.setBorderStyle(1);
    lblTipText.setBackColor(platform::ColorWhite);
    const int bottom = WindowHeight - F::Margin - F::ButtonHeight;
    chkLoadTipsAtStartup.move(F::Margin, bottom - 30, 3000, 315);
    F::PlaceButton(cmdNextTip, WindowWidth - 2 * (F::ButtonWidth + F::Margin), bottom);
    F::PlaceButton(cmdOk, WindowWidth - F::ButtonWidth - F::Margin, bottom);
}

// The box starts ticked; the tip comes from the language's help folder.
void frmTip::Form_Load() {
    ShowStartupSetting(true);
    random_.seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    const QString folder = p_.folder.path(runtime::Place::HelpFolder, p_.shell.LanguageFolder);
    const QString file = folder.isEmpty() ? QString() : folder + QStringLiteral("/tip.sdf");
    if (!LoadTips(file))
        lblTipText.setCaption(QStringLiteral("That the tip.sdf file was not found? ") +
                              runtime::CrLf + runtime::CrLf +
                              QStringLiteral("Re-install the language pack."));
}

bool frmTip::LoadTips(const QString& fileName) {
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) return false;
    const runtime::TextFileContent content = runtime::ReadTextFile(fileName);
    Tips = content.lines;
    ShowRandomTip();
    return true;
}

// Any tip, with equal chance; the same one may come twice in a row.
void frmTip::ShowRandomTip() {
    if (Tips.isEmpty()) return;
    std::uniform_int_distribution<int> pick(1, static_cast<int>(Tips.size()));
    CurrentTip = pick(random_);
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (CurrentTip >= 1 && CurrentTip <= Tips.size()) lblTipText.setCaption(Tips[CurrentTip - 1]);
}

void frmTip::ShowStartupSetting(bool ticked) {
    quiet_ = true;
    chkLoadTipsAtStartup.setValue(ticked ? platform::CheckBox::Checked
                                         : platform::CheckBox::Unchecked);
    quiet_ = false;
}

// Tips and wizard are never both set to open at start.
void frmTip::chkLoadTipsAtStartupClick() {
    if (quiet_) return;
    const int value = chkLoadTipsAtStartup.value();
    frmSettings& settings = p_.settings();
    settings.StoreStartupTick(ShowTipsBox, value);
    if (value == platform::CheckBox::Checked && settings.startupShowWizard())
        settings.StoreStartupTick(ShowWizardBox, platform::CheckBox::Unchecked);
}

void frmTip::MenuShowTips(Program& p) {
    ShowAtStart(p);
    p.macro.SetMacroAction(QString(), 108);
}

void frmTip::ShowAtStart(Program& p) {
    frmTip tip(p);
    tip.load();
    tip.ShowStartupSetting(p.settings().startupShowTips());
    tip.showModal();
}
