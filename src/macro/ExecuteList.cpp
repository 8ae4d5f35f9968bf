#include "macro/ExecuteList.h"

#include "macro/Interpreter.h"
#include "macro/frmSystem.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QLocale>
#include <array>
#include <exception>

namespace {

const QString CallCommand = QStringLiteral("System.Call.Macro");
const QString Assign = QStringLiteral(":=");
const QString CommentMark = QStringLiteral("//");

// The line without its "//" comment, trimmed.
QString WithoutComment(const QString& line) {
    const qsizetype at = line.indexOf(CommentMark);
    return runtime::Trim(at < 0 ? line : line.left(at));
}

QString Indent(int level) {
    return QString(2 * level, u' ');
}

} // namespace

QString CalledMacroName(const QString& line) {
    const QString text = WithoutComment(line);
    const qsizetype assign = text.indexOf(Assign);
    const QString command = runtime::Trim(assign < 0 ? text : text.left(assign));
    if (command != CallCommand || assign < 0) return QString();
    return runtime::Trim(text.mid(assign + Assign.size()));
}

ExecuteList::ExecuteList(Program& p, platform::Container& page)
    : Command31(page, "Command31", "Go"), cmdTest(page, "cmdTest", "Test"), p_(p) {
    // Below the editor's column of list buttons.
    Command31.move(4140, 3060, 1095, 255);
    cmdTest.move(4140, 3360, 1095, 255);
    MakeLabelButton(Command31, QStringLiteral("Execute selected macro"));
    MakeLabelButton(cmdTest, QStringLiteral("Test selected macro"));
    Command31.onClick = [this] { MacroGo(); };
    cmdTest.onClick = [this] { MacroTest(); };
}

void ExecuteList::MacroGo() {
    p_.macro.ResumeLine = 0;
    GoMacro(true);
}

void ExecuteList::MacroTest() {
    p_.macro.ResumeLine = 0;
    if (GoMacro(false)) return;
    frmSystem& sys = p_.system();
    sys.SSTab1.setTab(frmSystem::TabMacro);
    sys.SSTab2.setTab(frmSystem::TabExecuteList);
    sys.showModal();
}

bool ExecuteList::GoMacro(bool execute) {
    return RunMacro(p_.main().macroEditor.currentSlot(), execute);
}

int ExecuteList::findMacro(const QString& name) const {
    if (name.isEmpty()) return -1;
    for (int k = 0; k < MacroLibrary::Macros; ++k)
        if (p_.macroLibrary.MacroStore[static_cast<std::size_t>(k)][0] == name) return k;
    return -1;
}

ExecuteList::Built ExecuteList::build(int slot) const {
    Built b;
    const auto& store = p_.macroLibrary.MacroStore;
    std::array<int, MaxLevel + 1> macro{}, resume{};
    int level = 0, l = 0;
    macro[0] = slot;
    while (level >= 0) {
        ++l;
        const auto& lines = store[static_cast<std::size_t>(macro[static_cast<std::size_t>(level)])];
        if (b.lines.size() > MaxListLines) { // calls that multiply: stop before it grows
            b.overflow = lines[0];
            b.cut = true;
            return b;
        }
        const QString line =
            l < MacroLibrary::Lines ? lines[static_cast<std::size_t>(l)] : QString();
        if (line.isEmpty()) { // this macro ends: back to the caller
            const QString ended = lines[0];
            if (--level < 0) break;
            l = resume[static_cast<std::size_t>(level)];
            b.lines << Indent(level + 1) + QStringLiteral("System.Comment:=Macro.End[") + ended +
                           u']';
            continue;
        }
        const int k = findMacro(CalledMacroName(line));
        if (k < 0) {
            b.lines << Indent(level) + line;
            continue;
        }
        resume[static_cast<std::size_t>(level)] = l;
        if (++level > MaxLevel) {
            b.overflow = store[static_cast<std::size_t>(k)][0];
            return b;
        }
        macro[static_cast<std::size_t>(level)] = k;
        b.lastLevel = level;
        l = 0;
        b.lines << Indent(level) + QStringLiteral("System.Comment:=Call.Macro.Start[") +
                       store[static_cast<std::size_t>(k)][0] + u']';
    }
    return b;
}

bool ExecuteList::RunMacro(int slot, bool execute) {
    if (running_) return false; // one run at a time
    frmMain& w = p_.main();
    const QString ended = w.recorder.EndForRun();
    w.StatusBar1.setPanelText(3, p_.texts.Say("Macro"));
    w.recorder.Timer2.setEnabled(false);
    const QString help = w.brwHelp.locationURL();
    Macro& m = p_.macro;
    m.MacroRunning = true;
    m.MacroExecWatch = true;
    frmSystem& sys = p_.system();
    sys.lstExec.clear();
    if (slot < 0 || slot >= MacroLibrary::Macros) {
        endRun(help, ended);
        return false;
    }
    m.RunMacro = slot;
    running_ = true;
    bool failed = false;
    try {
        const Built b = build(slot);
        for (const QString& line : b.lines)
            sys.lstExec.addItem(line);
        // Test and Go both say where a list that grew too long was cut.
        const QString cut = p_.texts.Say("The execute list was cut at %1 lines.",
                                         QLocale(QLocale::English).toString(MaxListLines));
        sys.Label1.setCaption(p_.texts.Say(" %1 functions with %2 embedded macro('s).",
                                           runtime::TrimStr(b.lines.size()),
                                           runtime::TrimStr(b.lastLevel)) +
                              (b.cut ? u' ' + cut : QString()));
        if (!b.overflow.isEmpty()) {
            if (execute)
                p_.messages.ShowMessage(
                    p_.texts.Say("Error during building execute list./n%1Check for endless "
                                 "loops./nLast known macro caused error is '%2'",
                                 b.cut ? cut + QStringLiteral("/n") : QString(), b.overflow),
                    KindExclamation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
            failed = execute;
        } else {
            runLines(execute);
        }
    } catch (const std::exception&) {
        failed = execute;
    }
    running_ = false;
    endRun(help, ended);
    return failed;
}

// `ended`: what the run's start ended (a recording, a trigger), said once the
// run is over, before a trigger the run armed itself.
void ExecuteList::endRun(const QString& help, const QString& ended) {
    p_.macro.PendingAnswers.clear(); // recorded answers no question took
    p_.macro.AnswerArmed = false;
    p_.macro.RunOwnsEdits = false;
    frmMain& w = p_.main();
    if (w.brwHelp.locationURL() != help && !help.isEmpty()) w.brwHelp.navigate(help);
    QString note = p_.system().ShowReplayNotes(p_.macro.ReplayNotes);
    p_.macro.ReplayNotes.clear();
    if (!ended.isEmpty()) note = note.isEmpty() ? ended : ended + QStringLiteral("; ") + note;
    if (!w.recorder.Timer2.enabled())
        w.StatusBar1.setPanelText(3, note);
    else if (!ended.isEmpty())
        w.StatusBar1.setPanelText(3, ended + QStringLiteral("; ") + w.StatusBar1.panelText(3));
    w.recorder.RunEnded();
}

bool ExecuteList::runLines(bool execute) {
    const int count = p_.system().lstExec.listCount();
    Macro& m = p_.macro;
    // A run continued after Item.Wait goes on inside the loop it waited in.
    if (m.ResumeLine == 0) m.ForDoLine = 0;
    skipDepth_ = 0;
    for (int i = m.ResumeLine; i < count; ++i)
        if (!runLine(i, execute, m.ForDoLine)) return false;
    return true;
}

// Splits the command from its data and comment; true when it names a command.
bool ExecuteList::lookUp(QString& text, QString& data) const {
    text = WithoutComment(text);
    const qsizetype assign = text.indexOf(Assign);
    if (assign >= 0) {
        data = text.mid(assign + Assign.size());
        text = runtime::Trim(text.left(assign));
    }
    // Only the macro command table is the language: a command the program
    // registers for its menus alone is no macro command.
    return p_.macroTable.find(text).found();
}

bool ExecuteList::stopped() {
    if (!p_.main().recorder.Timer2.enabled())
        p_.messages.ShowMessage(QStringLiteral("Macro job terminated. Press Ok to exit."), KindStop,
                                QStringLiteral("ok"), QStringLiteral("Macro Message"));
    return false;
}

bool ExecuteList::runLine(int& i, bool execute, int& forLine) {
    if (onLine) onLine();
    Macro& m = p_.macro;
    platform::ListBox& list = p_.system().lstExec;
    bool error = false;
    if (!execute) list.setListIndex(i);
    QString text = runtime::Trim(list.list(i)), data;
    if (text == QStringLiteral("<Comment>")) m.MacroExecWatch = false;
    const bool endIf = text.startsWith(QStringLiteral("System.If.Do.End"));
    if (!m.MacroExecWatch && !endIf && text.startsWith(QStringLiteral("System.If.Do")))
        ++skipDepth_; // an If.Do inside a skipped block: its End is not ours
    if (m.MacroExecWatch) {
        const bool found = lookUp(text, data);
        if (!m.MacroRunning) return stopped();
        if (found && execute) {
            m.WaitLine = i;
            list.setListIndex(i);
            const int refusals = p_.messages.RefusalsShown;
            Interpreter(p_).ExecMacro(text, data);
            if (p_.messages.RefusalsShown != refusals) m.MacroRunning = false;
        } else if (!found && execute) {
            p_.messages.ShowMessage(p_.texts.Say("Invalid code '%1' found in macro. Press Ok to "
                                                 "exit.",
                                                 text),
                                    KindStop, QStringLiteral("ok"),
                                    QStringLiteral("Macro Message"));
            return false;
        }
        error = !found;
    }
    if (endIf && !m.MacroExecWatch && skipDepth_ > 0)
        --skipDepth_;
    else if (text == QStringLiteral("</Comment>") || endIf)
        m.MacroExecWatch = true;
    if (text == QStringLiteral("</Comment>")) skipDepth_ = 0;
    if (execute) stepLoop(text, i, forLine);
    if (!execute)
        list.setList(i,
                     (error ? QStringLiteral("[Error] ") : QStringLiteral("[Ok] ")) + list.list(i));
    return true;
}

// A loop body runs ForDoEnd - ForDoStart + 1 times, at least once, with
// ForDoValue counting from ForDoStart; one loop is active at a time.
void ExecuteList::stepLoop(const QString& text, int& i, int& forLine) {
    Macro& m = p_.macro;
    if (text.startsWith(QStringLiteral("System.For.Do.End"))) {
        if (--m.ForDoCounter > 0) {
            ++m.ForDoValue;
            i = forLine;
        } else {
            m.ForDoValue = 0;
        }
    } else if (text.startsWith(QStringLiteral("System.For.Do"))) {
        forLine = i;
        m.ForDoCounter = m.ForDoEnd - m.ForDoStart + 1;
        m.ForDoValue = m.ForDoStart;
    }
}
