// Single macro commands through the interpreter: the System group's
// variables, the commands that check their numbers, and the data expansion
// that the caller sees.

#include "MacroRun.h"
#include "macro/Interpreter.h"
#include "shell/frmMain.h"

namespace {

void exec(TestProgram& t, const QString& command, QString data = QString()) {
    Interpreter(t.program()).ExecMacro(command, data);
}

TEST(MacroInterpreter, TheCallerSeesTheExpandedData) {
    TestProgram t;
    t->macro.setMcrVar(0, "dur:=00:00:02,000");
    QString data = "dur";
    Interpreter(t.program()).ExecMacro("Editor.Shift.Duration", data);
    EXPECT_EQ(data, "00:00:02,000");
    EXPECT_EQ(t.main().shift.rtfShiftDuration.text(), "00:00:02,000");
    EXPECT_EQ(t->macro.MacroAction.code, 517);
    QString unknown = "dur";
    Interpreter(t.program()).ExecMacro("No.Such.Command", unknown); // does nothing
    EXPECT_EQ(unknown, "00:00:02,000");
}

TEST(MacroInterpreter, SystemVariablesAreFreshForEachCommand) {
    TestProgram t;
    t->sysVars.UpdateSysVars();
    const QString host = t->sysVars.sysVar[19];
    EXPECT_FALSE(host.isEmpty()) << "the local host name";
    t->system().List1.clear();
    t->doc.FileChanged = true;
    exec(t, "System.mcrVar.Set", "sysvar[52]");
    EXPECT_EQ(variableValues(t), QStringList({"True"}));
    EXPECT_EQ(t->sysVars.sysVar[19], host);
    EXPECT_EQ(t->system().List1.listCount(), 0) << "the list is rebuilt when the window shows";
    t->system().ShowWindow(0);
    EXPECT_GT(t->system().List1.listCount(), 20);
    t->system().hide();
}

TEST(MacroInterpreter, VariablesAreStoredInTheFirstFreeSlot) {
    TestProgram t;
    t->sysVars.sysVar[200] = "unused"; // refreshed away: 200 is no variable
    exec(t, "System.mcrVar.Set");
    exec(t, "System.mcrVar.Set", "sysvar[21]");
    t->macro.setMcrVar(3, "named:=v");
    exec(t, "System.mcrVar.Set", "mcrVar[3]");
    exec(t, "System.mcrVar.Set", "mcrVar[1]"); // a variable's name: its value is taken
    EXPECT_EQ(t->macro.McrVar(0), "mcrVar[0]:=");
    EXPECT_EQ(t->macro.McrVar(1), "mcrVar[1]:=" + t->shell.ProgramVersion);
    EXPECT_EQ(t->macro.McrVar(2), "mcrVar[2]:=named:=v") << "the entry is copied whole";
    EXPECT_EQ(t->macro.McrVar(4), "mcrVar[4]:=" + t->shell.ProgramVersion);
    EXPECT_EQ(t->system().lstVar.listCount(), 5) << "the list follows each command";

    struct Case {
        const char* data;
        int first, last; // the slots emptied
    } cases[] = {{"5", 5, 5}, {"90-200", 90, 100}, {"-3", 0, 3}, {"", 0, 100}, {"7-7", 7, 7}};
    for (const Case& c : cases) {
        for (int i = 0; i <= 100; ++i)
            t->macro.setMcrVar(i, "v:=1");
        exec(t, "System.mcrVar.Clear", c.data);
        for (int i = 0; i <= 100; ++i)
            EXPECT_EQ(t->macro.McrVar(i).isEmpty(), i >= c.first && i <= c.last)
                << c.data << " slot " << i;
    }
}

TEST(MacroInterpreter, NumbersOutOfRangeEndTheCommandWithMacroError) {
    TestProgram t;
    const char* cases[][2] = {
        {"System.mcrVar.Set.Node.Start", "100"},
        {"System.mcrVar.Set.Node.End", "-1"},
        {"System.Item.Wait", "9999"},
        {"System.Item.Do.Macro", "0,M"},
        {"System.mcrVar.Set", "mcrVar[101]"},
        {"System.For.Do", "1,99999"},
        {"System.Show.IH.File", "../../System/i.set"},
        {"System.Show.IH.File", "/etc/passwd"},
        {"View.SysWindow", "-1"},
        {"File.Handling.Set.Settings.Type", "99"},
    };
    for (const auto& c : cases) {
        Message seen;
        t.reply(AnswerOk, &seen);
        exec(t, c[0], c[1]);
        EXPECT_EQ(seen.title, "Macro Error") << c[0] << ":=" << c[1];
        EXPECT_TRUE(seen.text.startsWith("There was an error while executing this macro."));
    }
    EXPECT_FALSE(t.main().recorder.Timer2.enabled()) << "no trigger was armed";
    EXPECT_TRUE(t->macro.mcrVar[0].isEmpty());
}

TEST(MacroInterpreter, NodesAndHelpPagesWithinRange) {
    TestProgram t;
    mustLoad(t.program(), t.writeDataFile("a.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
                                                   "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"));
    exec(t, "System.mcrVar.Set.Node.Start", "0");
    exec(t, "System.mcrVar.Set.Node.End", "0");
    EXPECT_EQ(variableValues(t), QStringList({"1", "2"}));

    const QString page = t.writeFile("Data/Macro/guide/page.htm", "<p>Guide</p>");
    exec(t, "System.Show.IH.File", "guide/page.htm");
    EXPECT_TRUE(t.main().brwHelp.locationURL().endsWith("Data/Macro/guide/page.htm"))
        << t.main().brwHelp.locationURL().toStdString();
}

TEST(MacroInterpreter, SystemWindowCommandsShowItsTabs) {
    TestProgram t;
    exec(t, "View.SysWindow.Macro.EL");
    EXPECT_EQ(t->system().SSTab1.tab(), frmSystem::TabMacro);
    EXPECT_EQ(t->system().SSTab2.tab(), frmSystem::TabExecuteList);
    EXPECT_EQ(t->macro.MacroAction.code, 36);
    exec(t, "View.SysWindow.System");
    EXPECT_EQ(t->system().SSTab1.tab(), frmSystem::TabSystem);
    exec(t, "View.SysWindow", "0");
    EXPECT_TRUE(t->system().visible()) << "0 shows it without waiting";
    t->system().cmdOk.onClick();
    EXPECT_FALSE(t->system().visible());
    bool modal = false;
    t.answer<frmSystem>([&modal](frmSystem& sys) {
        modal = true;
        sys.cmdOk.onClick();
    });
    exec(t, "View.SysWindow", "7");
    EXPECT_TRUE(modal) << "values above 1 wait for the user";
}

TEST(MacroInterpreter, MessageAndInputWindows) {
    TestProgram t;
    t->macro.setMcrVar(0, "who:=world");
    Message seen;
    t.reply(AnswerOk, &seen);
    exec(t, "View.Messagebox", "hello who");
    EXPECT_EQ(seen.title, "Macro Message");
    EXPECT_EQ(seen.text, "hello world");

    // Cancel in the message window stops the run before its next command.
    defineMacro(t, 0, "M", {"View.Messagebox:=stop?", "System.mcrVar.Set:=never"});
    t.reply(AnswerCancel);
    Message end;
    t.reply(AnswerOk, &end);
    pressGo(t, 0);
    EXPECT_EQ(end.text, "Macro job terminated. Press Ok to exit.");
    EXPECT_EQ(variableValues(t), QStringList({"world"}));
}

} // namespace
