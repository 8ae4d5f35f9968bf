#include "shell/MenuBar.h"

#include "macro/frmSystem.h"
#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

namespace {

enum HelpPage { SystemPage = 26, WizardPage = 28 };
enum Code { CodeOnlineHelp = 107, CodeShowTips = 108, CodeAbout = 110 };

// Registers a command unless the window that owns it did already.
void AddMissing(Program& p, const char* name, int code, std::function<void()> run) {
    const QString n = QString::fromLatin1(name);
    if (!p.commands.find(n)) p.commands.add(n, code, std::move(run));
}

void ShowHelp(Program& p, int page) {
    if (!p.settings().autoHelp()) return;
    p.main().SSTab1.setTab(1);
    ShowHelpPage(p, page);
}

// System: the program's state as the macro language reads it, modally.
void MenuMacro(Program& p) {
    ShowHelp(p, SystemPage);
    p.sysVars.UpdateSysVars();
    p.system().showModal();
}

void MenuShowTips(Program& p) {
    if (p.shell.ShowTipsWindow) p.shell.ShowTipsWindow();
    p.macro.SetMacroAction(QString(), CodeShowTips);
}

void MenuAbout(Program& p) {
    if (p.shell.ShowAboutWindow) p.shell.ShowAboutWindow();
    p.macro.SetMacroAction(QString(), CodeAbout);
}

void MenuWizShow(Program& p) {
    ShowHelp(p, WizardPage);
    if (p.shell.ShowWizardWindow) p.shell.ShowWizardWindow();
}

void RegisterMenuCommands(Program& p) {
    AddMissing(p, "Menu.Online.Help", CodeOnlineHelp, [&p] { MenuHelpIndex(p); });
    AddMissing(p, "Menu.Show.Tips", CodeShowTips, [&p] { MenuShowTips(p); });
    AddMissing(p, "Menu.About", CodeAbout, [&p] { MenuAbout(p); });
    AddMissing(p, "Menu.Wizard.Show", 0, [&p] { MenuWizShow(p); });
    AddMissing(p, "Menu.Options.System", 0, [&p] { MenuMacro(p); });
}

void Wire(Program& p, platform::Menu& item, const char* command) {
    const QString name = QString::fromLatin1(command);
    item.onClick = [&p, name] { p.commands.run(name); };
}

} // namespace

QString HelpIndexAddress(const QString& base) {
    QString address = base;
    while (address.endsWith(QLatin1Char('/')) || address.endsWith(QLatin1Char('\\')))
        address.chop(1);
    // An address that names the help folder already is not given a second one.
    if (address.endsWith(QStringLiteral("/help"), Qt::CaseInsensitive))
        return address + QStringLiteral("/index.htm");
    return address + QStringLiteral("/help/index.htm");
}

void MenuHelpIndex(Program& p) {
    const QString address = HelpIndexAddress(p.online.OnlineUrl);
    if (p.shell.ShowHelpWindow) p.shell.ShowHelpWindow(address);
    p.macro.SetMacroAction(QString(), CodeOnlineHelp);
}

void WireMenuBar(Program& p, frmMain& m) {
    RegisterMenuCommands(p);
    Wire(p, m.mnuDBManage, "Menu.Collection.Manage");
    Wire(p, m.mnuMacro, "Menu.Options.System");
    Wire(p, m.mnuHistory, "Menu.History.Show");
    Wire(p, m.mnuWizShow, "Menu.Wizard.Show");
    Wire(p, m.mnuHelpIndex, "Menu.Online.Help");
    Wire(p, m.mnuShowTips, "Menu.Show.Tips");
    Wire(p, m.mnuAbout, "Menu.About");
}
