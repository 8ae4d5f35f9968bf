// How a run finds its way through a macro: a wait inside a loop, conditions
// inside conditions, names the language does not know, and calls that
// multiply beyond any real macro.

#include "MacroRun.h"

#include <QElapsedTimer>

namespace {

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

TEST(MacroRunControl, AnInnerEndClosesOnlyTheInnerBlock) {
    TestProgram t;
    defineMacro(t, 0, "Nested",
                {"System.If.Do:=1=2", "System.If.Do:=1=1", "System.mcrVar.Set:=inner",
                 "System.If.Do.End", "System.mcrVar.Set:=rest of the false block",
                 "System.If.Do.End", "System.If.Do:=1=1", "System.If.Do:=1=2",
                 "System.mcrVar.Set:=false inside true", "System.If.Do.End",
                 "System.mcrVar.Set:=rest of the true block", "System.If.Do.End",
                 "System.mcrVar.Set:=after"});
    pressGo(t, 0);
    EXPECT_EQ(variableValues(t), QStringList({"rest of the true block", "after"}));
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
}

} // namespace
