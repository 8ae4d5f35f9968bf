// The System group of the macro language and the View commands of the
// message, input and system windows.

#include "macro/Interpreter.h"
#include "macro/Recorder.h"
#include "macro/Variables.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QDir>
#include <algorithm>

namespace {

using Handler = CommandRegistry::Handler;

const QString Assign = QStringLiteral(":=");

QString Before(const QString& data, QChar c) {
    const qsizetype at = data.indexOf(c);
    return at < 0 ? data : data.left(at);
}

QString After(const QString& data, QChar c) {
    const qsizetype at = data.indexOf(c);
    return at < 0 ? QString() : data.mid(at + 1);
}

void StoreInFreeSlot(Program& p, const QString& value) {
    p.macro.StoreVariable(QString(), value);
}

// "mcrvar[n]" takes macro variable n whole, "sysvar[n]" system variable n.
void McrVarSet(Program& p, QString data) {
    const QString lower = data.toLower();
    if (lower.startsWith(QStringLiteral("mcrvar["))) {
        const int n = TakeBracketIndex(data);
        if (n < 0 || n >= Macro::McrVarCount) throw MacroError("no such macro variable");
        data = p.macro.McrVar(n);
    } else if (lower.startsWith(QStringLiteral("sysvar["))) {
        const int n = BracketIndex(data);
        if (n < 0 || n >= SystemVariables::Count) throw MacroError("no such system variable");
        data = p.sysVars.sysVar[static_cast<std::size_t>(n)];
    }
    StoreInFreeSlot(p, data);
}

void McrVarClear(Program& p, const QString& data) {
    int from = 0, to = Macro::McrVarCount - 1;
    if (data.contains(u'-')) {
        from = MacroInteger(Before(data, u'-'));
        to = MacroInteger(After(data, u'-'));
    } else if (!data.isEmpty()) {
        from = to = MacroInteger(data);
    }
    from = std::max(from, 0);
    to = std::min(to, Macro::McrVarCount - 1);
    for (int i = from; i <= to; ++i)
        p.macro.setMcrVar(i, QString());
}

void StoreNodeRow(Program& p, const QString& data, bool first) {
    const int n = MacroInteger(data);
    if (n < 0 || n > NodeTable::MaxCount) throw MacroError("no such node");
    const NodeTable& nodes = p.doc.FileNodes;
    StoreInFreeSlot(p, runtime::TrimStr(first ? nodes.FirstRow(n) : nodes.LastRow(n)));
}

// The help pane shows a page of the macro folder; a name that leads out of
// the folder is refused.
void ShowHelpFile(Program& p, const QString& data) {
    const QString folder = QDir::cleanPath(p.folder.path(runtime::Place::MacroFolder));
    const QString file = QDir::cleanPath(folder + u'/' + data);
    if (QDir::isAbsolutePath(data) || !file.startsWith(folder + u'/'))
        throw MacroError("help file outside the macro folder");
    p.main().brwHelp.navigate(file);
}

void ForDo(Program& p, const QString& data) {
    p.macro.ForDoStart = MacroInteger(Before(data, u','));
    p.macro.ForDoEnd = MacroInteger(After(data, u','));
}

void RegisterSystemGroup(Program& p) {
    CommandRegistry& c = p.commands;
    const auto nothing = [](const QString&) {};
    // A comment the recorder wrote for what it could not record is said again.
    c.add(QStringLiteral("System.Comment"), 1301, [&p](const QString& d) {
        if (!d.startsWith(Recorder::NotRecorded)) return;
        p.macro.ReplayNotes << p.texts.Say("Not recorded: %1", d.mid(Recorder::NotRecorded.size()));
        p.main().StatusBar1.setPanelText(3, p.macro.ReplayNotes.back());
    });
    c.add(QStringLiteral("System.Call.Macro"), 1302, Handler(nothing));
    c.add(QStringLiteral("System.mcrVar.Set"), 1303, [&p](const QString& d) { McrVarSet(p, d); });
    c.add(QStringLiteral("System.mcrVar.Clear"), 1304,
          [&p](const QString& d) { McrVarClear(p, d); });
    c.add(QStringLiteral("System.Show.IH.File"), 1305,
          [&p](const QString& d) { ShowHelpFile(p, d); });
    c.add(QStringLiteral("System.Item.Do.Macro"), 1306, [&p](const QString& d) {
        p.main().recorder.ArmTrigger(Macro::WatchMode, MacroInteger(Before(d, u',')),
                                     After(d, u','));
    });
    c.add(QStringLiteral("System.If.Do"), 1307,
          [&p](const QString& d) { p.macro.MacroExecWatch = EvalCondition(d); });
    c.add(QStringLiteral("System.If.Do.End"), 1308, Handler(nothing));
    c.add(QStringLiteral("System.Macro.Exit"), 1309, [&p] { p.macro.MacroRunning = false; });
    c.add(QStringLiteral("System.Item.Wait"), 1310, [&p](const QString& d) {
        p.main().recorder.ArmTrigger(Macro::WaitMode, MacroInteger(d));
        p.macro.MacroRunning = false;
    });
    c.add(QStringLiteral("System.mcrVar.Set.Node.Start"), 1311,
          [&p](const QString& d) { StoreNodeRow(p, d, true); });
    c.add(QStringLiteral("System.mcrVar.Set.Node.End"), 1312,
          [&p](const QString& d) { StoreNodeRow(p, d, false); });
    c.add(QStringLiteral("System.For.Do"), 1313, [&p](const QString& d) { ForDo(p, d); });
    c.add(QStringLiteral("System.For.Do.End"), 1308, Handler(nothing));
}

// Empty data or a value above 1 shows the window modally; 0 modeless.
int ShowStyle(const QString& data) {
    const int style = data.isEmpty() ? 1 : MacroInteger(data);
    if (style < 0) throw MacroError("no such show style");
    return std::min(style, 1);
}

void ShowSystemTabs(Program& p, int code, int main, int macro) {
    p.macro.SetMacroAction(QString(), code);
    frmSystem& sys = p.system();
    sys.SSTab1.setTab(main);
    if (macro >= 0) sys.SSTab2.setTab(macro);
}

void RegisterWindowCommands(Program& p) {
    CommandRegistry& c = p.commands;
    const QString title = QStringLiteral("Macro Message");
    // A macro's own text takes the values of the macro variables it names.
    c.add(QStringLiteral("View.Messagebox"), 30, [&p, title](const QString& d) {
        if (p.macro.ArmAnswer(d)) return; // a recorded answer to the next question
        if (d.isEmpty()) return;          // nothing to say: no empty box
        QString text = d;
        p.messages.ShowMessage(p.macro.InsertMcrVars(text), KindInformation,
                               QStringLiteral("okcancel"), title);
    });
    c.add(QStringLiteral("View.Inputbox"), 30, [&p, title](const QString& d) {
        QString text = d;
        p.messages.ShowMessage(p.macro.InsertMcrVars(text), KindInformation,
                               QStringLiteral("okcancel"), title, true);
    });
    c.add(QStringLiteral("View.SysWindow"), 32,
          [&p](const QString& d) { p.system().ShowWindow(ShowStyle(d)); });
    c.add(QStringLiteral("View.SysWindow.System"), 33,
          [&p] { ShowSystemTabs(p, 33, frmSystem::TabSystem, -1); });
    c.add(QStringLiteral("View.SysWindow.Macro"), 34,
          [&p] { ShowSystemTabs(p, 34, frmSystem::TabMacro, frmSystem::TabVariables); });
    c.add(QStringLiteral("View.SysWindow.Macro.Var"), 35,
          [&p] { ShowSystemTabs(p, 35, frmSystem::TabMacro, frmSystem::TabVariables); });
    c.add(QStringLiteral("View.SysWindow.Macro.EL"), 36,
          [&p] { ShowSystemTabs(p, 36, frmSystem::TabMacro, frmSystem::TabExecuteList); });
}

// The menu items of the system and wizard windows.
void MenuMacro(Program& p) {
    if (p.settings().autoHelp()) {
        p.main().SSTab1.setTab(1);
        ShowHelpPage(p, 26);
    }
    p.system().ShowWindow(1);
}

void RegisterMenuCommands(Program& p) {
    p.commands.add(QStringLiteral("Menu.Options.System"), 0, [&p] { MenuMacro(p); });
    // Wizard > Show (and the start-up's wizard) open the wizard window.
    if (!p.shell.ShowWizardWindow) p.shell.ShowWizardWindow = [&p] { p.wizard().ShowWindow(); };
}

} // namespace

void RegisterMacroCommands(Program& p) {
    RegisterSystemGroup(p);
    RegisterWindowCommands(p);
    RegisterMenuCommands(p);
    RegisterFileHandlingCommands(p);
    RegisterEditorCommands(p);
}
