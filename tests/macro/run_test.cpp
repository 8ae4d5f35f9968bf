// Running stored macros with Go and Test: the execute list with nested
// calls, comment blocks, conditions, loops, exit and the messages that end a
// run; a wait inside a loop, conditions inside conditions, names the language
// does not know, and calls that multiply beyond any real macro.

#include "MacroRun.h"
#include "support/WindowLook.h"
#include "tools/History.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

namespace {

TEST(MacroRun, CallsAreListedIndentedBetweenTheirCommentLines) {
    TestProgram t;
    defineMacro(t, 0, "A", {"System.Comment:=a1", "System.Call.Macro:=B", "System.Comment:=a2"});
    defineMacro(t, 1, "B", {"System.Call.Macro:=C  //the last one", "System.Comment:=b1"});
    defineMacro(t, 2, "C", {"System.Comment:=c1"});
    pressGo(t, 0);
    EXPECT_EQ(executeList(t), QStringList({
                                  "System.Comment:=a1",
                                  "  System.Comment:=Call.Macro.Start[B]",
                                  "    System.Comment:=Call.Macro.Start[C]",
                                  "    System.Comment:=c1",
                                  "    System.Comment:=Macro.End[C]",
                                  "  System.Comment:=b1",
                                  "  System.Comment:=Macro.End[B]",
                                  "System.Comment:=a2",
                              }));
    EXPECT_EQ(t->system().Label1.caption(), " 8 functions with 2 embedded macro('s).");
}

TEST(MacroRun, OnlyCallLinesCallAndTheFirstMacroOfANameIsTaken) {
    TestProgram t;
    defineMacro(t, 0, "Main",
                {"System.mcrVar.Set:=System.Call.Macro  //names a call but is none",
                 "System.Call.Macro:=Twin", "System.Call.Macro:=", "System.Call.Macro:=Nobody"});
    defineMacro(t, 1, "Twin", {"System.mcrVar.Set:=first"});
    defineMacro(t, 2, "Twin", {"System.mcrVar.Set:=second"});
    pressGo(t, 0);
    const QStringList list = executeList(t);
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list[0], "System.mcrVar.Set:=System.Call.Macro  //names a call but is none");
    EXPECT_EQ(list[4], "System.Call.Macro:=") << "an empty name calls no empty slot";
    EXPECT_EQ(list[5], "System.Call.Macro:=Nobody") << "an unknown name stays a plain line";
    EXPECT_EQ(variableValues(t), QStringList({"System.Call.Macro", "first"}));
}

TEST(MacroRun, AMacroThatCallsItselfStopsTheBuildWithAMessage) {
    TestProgram t;
    defineMacro(t, 0, "Loop", {"System.mcrVar.Set:=ran", "System.Call.Macro:=Loop"});
    Message seen;
    t.reply(AnswerOk, &seen);
    EXPECT_FALSE(t.main().executeList.GoMacro(true)) << "no macro picked: nothing to build";
    t.main().macroPickers.Combo5.setListIndex(0);
    EXPECT_TRUE(t.main().executeList.GoMacro(true));
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.contains("Check for endless loops.")) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains("Last known macro caused error is 'Loop'"));
    EXPECT_TRUE(variableValues(t).isEmpty()) << "nothing runs";
}

TEST(MacroRun, CommentBlocksAndFalseConditionsSkipTheirLines) {
    TestProgram t;
    t->macro.setMcrVar(0, "n:=3");
    defineMacro(t, 0, "M",
                {"<Comment>", "Not.A.Command", "</Comment>", "System.If.Do:=n>5",
                 "System.mcrVar.Set:=skipped", "System.If.Do:=1=1", "System.mcrVar.Set:=nested",
                 "System.If.Do.End", "System.mcrVar.Set:=after the first end", "System.If.Do.End",
                 "System.If.Do:=n<5", "System.mcrVar.Set:=ran", "System.If.Do.End",
                 "System.If.Do:=1=1", "System.If.Do:=1=2", "System.mcrVar.Set:=false inside true",
                 "System.If.Do.End", "System.mcrVar.Set:=rest of the true block",
                 "System.If.Do.End"});
    pressGo(t, 0);
    // The End of a block inside another block closes only the inner block.
    EXPECT_EQ(variableValues(t), QStringList({"3", "ran", "rest of the true block"}));
}

TEST(MacroRun, ForDoRunsItsBodyOncePerValue) {
    TestProgram t;
    defineMacro(t, 0, "M",
                {"System.For.Do:=1,3", "System.mcrVar.Set:=sysvar[64]", "System.For.Do.End",
                 "System.mcrVar.Set:=sysvar[64]", "System.For.Do:=5,1", "System.mcrVar.Set:=once",
                 "System.For.Do.End"});
    pressGo(t, 0);
    EXPECT_EQ(variableValues(t), QStringList({"1", "2", "3", "0", "once"}));
}

TEST(MacroRun, ExitAndUnknownCommandsEndTheRunWithAMessage) {
    TestProgram t;
    defineMacro(t, 0, "Exit",
                {"System.mcrVar.Set:=one", "System.Macro.Exit", "System.mcrVar.Set:=two"});
    defineMacro(t, 1, "Bad",
                {"System.mcrVar.Set:=one", "Editor.No.Such  //typo", "System.mcrVar.Set:=two"});
    Message seen;
    t.reply(AnswerOk, &seen);
    pressGo(t, 0);
    EXPECT_EQ(seen.text, "Macro job terminated. Press Ok to exit.");
    EXPECT_EQ(seen.title, "Macro Message");
    EXPECT_EQ(variableValues(t), QStringList({"one"}));

    t->macro.mcrVar.fill(QString());
    t.reply(AnswerOk, &seen);
    pressGo(t, 1);
    EXPECT_EQ(seen.text, "Invalid code 'Editor.No.Such' found in macro. Press Ok to exit.");
    EXPECT_EQ(variableValues(t), QStringList({"one"}));
    EXPECT_EQ(t.main().StatusBar1.panelText(3), "") << "the run's status goes when it ends";
}

TEST(MacroRun, TestMarksEachLineAndShowsTheList) {
    TestProgram t;
    defineMacro(
        t, 0, "M",
        {"System.For.Do:=1,3", "System.mcrVar.Set:=x", "Editor.No.Such:=1", "System.For.Do.End"});
    bool shown = false;
    t.answer<frmSystem>([&shown](frmSystem& sys) {
        shown = sys.SSTab1.tab() == frmSystem::TabMacro &&
                sys.SSTab2.tab() == frmSystem::TabExecuteList;
        QApplication::processEvents();
        sys.window()->grab().save(QCoreApplication::applicationDirPath() + "/frmSystem_test.png");
        sys.cmdOk.onClick();
    });
    t.main().macroPickers.Combo5.setListIndex(0);
    t.main().executeList.cmdTest.onClick();
    EXPECT_TRUE(shown) << "the system window opens on the execute list";
    EXPECT_EQ(executeList(t), QStringList({"[Ok] System.For.Do:=1,3", "[Ok] System.mcrVar.Set:=x",
                                           "[Error] Editor.No.Such:=1", "[Ok] System.For.Do.End"}));
    EXPECT_TRUE(variableValues(t).isEmpty()) << "a test runs nothing";
}

TEST(MacroRun, AFullMacroRunsToItsLastLine) {
    TestProgram t;
    QStringList lines;
    for (int i = 1; i <= 199; ++i)
        lines << QString("System.mcrVar.Clear  //line %1").arg(i);
    lines.last() = "System.mcrVar.Set:=last";
    defineMacro(t, 0, "Full", lines);
    pressGo(t, 0);
    EXPECT_EQ(executeList(t).size(), 199);
    EXPECT_EQ(variableValues(t), QStringList({"last"}));
}

TEST(MacroRunControl, AWaitInsideALoopGoesOnInTheLoopAndThenAfterIt) {
    TestProgram t;
    defineMacro(t, 0, "Waits",
                {"System.mcrVar.Set:=before", "System.For.Do:=1,2", "System.mcrVar.Set:=sysvar[64]",
                 "System.Item.Wait:=605", "System.For.Do.End", "System.mcrVar.Set:=after"});
    pressGo(t, 0);
    EXPECT_EQ(variableValues(t), QStringList({"before", "1"}));
    for (int press = 0; press < 2; ++press) {
        t.main().player.Command49[0].onClick();
        tick(t);
    }
    EXPECT_EQ(variableValues(t), QStringList({"before", "1", "2", "after"}));
    EXPECT_FALSE(t.main().recorder.Timer2.enabled()) << "the run ended after the loop";
}

// Names the program knows for its menus or windows are no macro commands.
TEST(MacroRunControl, NamesOutsideTheCommandTableAreRefusedAndMarkedFailed) {
    for (const QString name : {"Menu.File.Exit", "Collection.Delete", "Menu.History.Show"}) {
        SCOPED_TRACE(name.toStdString());
        TestProgram t;
        defineMacro(t, 0, "Bad", {"System.mcrVar.Set:=one", name, "System.mcrVar.Set:=two"});
        Message seen;
        t.reply(AnswerOk, &seen);
        pressGo(t, 0);
        EXPECT_EQ(seen.text, "Invalid code '" + name + "' found in macro. Press Ok to exit.");
        EXPECT_EQ(variableValues(t), QStringList({"one"}));

        t.answer<frmSystem>([](frmSystem& sys) { sys.cmdOk.onClick(); });
        t.main().executeList.cmdTest.onClick();
        EXPECT_EQ(executeList(t), QStringList({"[Ok] System.mcrVar.Set:=one", "[Error] " + name,
                                               "[Ok] System.mcrVar.Set:=two"}));
    }
}

TEST(MacroRunControl, CallsThatMultiplyStopTheBuildAndNothingRuns) {
    TestProgram t;
    // Five macros, each calling the next 30 times: millions of lines.
    for (int m = 0; m < 5; ++m) {
        QStringList lines{"System.mcrVar.Set:=ran"};
        for (int c = 0; c < 30 && m < 4; ++c)
            lines << QString("System.Call.Macro:=M%1").arg(m + 1);
        defineMacro(t, m, QString("M%1").arg(m), lines);
    }
    Message seen;
    t.reply(AnswerOk, &seen);
    QElapsedTimer clock;
    clock.start();
    t.main().macroPickers.Combo5.setListIndex(0);
    EXPECT_TRUE(t.main().executeList.GoMacro(true));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.contains("Check for endless loops.")) << seen.text.toStdString();
    EXPECT_TRUE(variableValues(t).isEmpty()) << "nothing runs";
    EXPECT_LE(executeList(t).size(), ExecuteList::MaxListLines + 1);
    const QString cut = "The execute list was cut at 50,000 lines.";
    EXPECT_TRUE(seen.text.contains(cut)) << seen.text.toStdString();
    t->system().Label1.setCaption(QString()); // Test says so too, above the list it shows
    t.answer<frmSystem>([](frmSystem& sys) {
        EXPECT_EQ(window_look::CaptionCut(sys.Label1.widget()), "");
        const int wide = sys.Label1.width();
        sys.window()->resize(sys.window()->width() * 3 / 2, sys.window()->height());
        EXPECT_GT(sys.Label1.width(), wide) << "the summary grows with the window";
        sys.cmdOk.onClick();
    });
    t.main().executeList.cmdTest.onClick();
    const QString listed = t->system().Label1.caption();
    EXPECT_TRUE(listed.contains(cut)) << listed.toStdString();
}

// A refused step ends the run: not met again each pass; refused loop bounds run nothing.
TEST(MacroRunControl, ARefusedStepEndsTheRunAtOnce) {
    TestProgram t;
    loadFixture(t);
    while (t->history.snapshots().size() < std::size_t(History::MaxSnapshots))
        ASSERT_TRUE(t->history.SaveSnapshot("Step", QString()));
    defineMacro(t, 0, "Fills",
                {"System.For.Do:=1,5", "Editor.Shift.Set.Direction.End",
                 "Editor.Shift.Duration:=00:00:01,000", "Editor.Shift.Go",
                 "System.mcrVar.Set:=pass", "System.For.Do.End"});
    defineMacro(t, 1, "Long",
                {"System.For.Do:=1,100000", "System.mcrVar.Set:=pass", "System.For.Do.End"});
    const struct {
        int slot;
        const char *refusal, *cause; // how the message starts, what it names
    } cases[] = {
        {0, "The change history is full", "10,000 snapshots"},
        {1, "There was an error while executing this macro.", "-32,768 to 32,767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        Message refused, ended;
        t.reply(AnswerOk, &refused);
        t.reply(AnswerOk, &ended);
        pressGo(t, c.slot);
        EXPECT_TRUE(refused.text.startsWith(c.refusal)) << refused.text.toStdString();
        EXPECT_TRUE(refused.text.contains(c.cause)) << refused.text.toStdString();
        EXPECT_EQ(ended.text, "Macro job terminated. Press Ok to exit.");
        EXPECT_TRUE(variableValues(t).isEmpty()) << "no line after the refused one ran";
    }
}

} // namespace
