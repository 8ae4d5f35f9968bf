#include "shell/SmallWindowCommands.h"

#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/frmAbout.h"
#include "shell/frmHelp.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"
#include "shell/frmTip.h"

namespace {

constexpr int WizardHelpPage = 28;

// The help index of the online pages, in the help window.
void MenuHelpIndex(Program& p) {
    {
        frmHelp help(p);
        help.load();
        help.brwHelp.navigate(p.online.OnlineUrl + QStringLiteral("/help/index.htm"));
        help.showModal();
    }
    p.macro.SetMacroAction(QString(), 107);
}

// The wizard window, once there is one; with Auto Help its page first.
void MenuWizShow(Program& p) {
    if (p.settings().autoHelp()) {
        p.main().SSTab1.setTab(1);
        ShowHelpPage(p, WizardHelpPage);
    }
    if (p.shell.ShowWizardWindow) p.shell.ShowWizardWindow();
}

} // namespace

void RegisterSmallWindowCommands(Program& p) {
    CommandRegistry& c = p.commands;
    c.add(QStringLiteral("Menu.Online.Help"), 107, [&p] { MenuHelpIndex(p); });
    c.add(QStringLiteral("Menu.Show.Tips"), 108, [&p] { frmTip::MenuShowTips(p); });
    c.add(QStringLiteral("Menu.About"), 110, [&p] { frmAbout::MenuAbout(p); });
    c.add(QStringLiteral("Menu.Wizard.Show"), 0, [&p] { MenuWizShow(p); });
    if (!p.shell.ShowTipsWindow) p.shell.ShowTipsWindow = [&p] { frmTip::ShowAtStart(p); };
}
