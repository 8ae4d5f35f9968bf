// Triggers armed by a macro: Item.Wait continues the waiting macro after the
// user's action, Item.Do.Macro starts a macro; neither fires while a run is
// going on, nor on the actions the run reported itself.

#include "MacroRun.h"
#include "document/frmMessageBox.h"
#include "platform/Palette.h"
#include "shell/frmMain.h"
#include "support/ChooserAnswers.h"

namespace {

TEST(MacroTriggers, WaitContinuesTheMacroThatWaitedAfterTheUsersAction) {
    TestProgram t;
    defineMacro(t, 0, "Waits",
                {"System.mcrVar.Set:=before", "System.Item.Wait:=605", "System.mcrVar.Set:=after"});
    defineMacro(t, 1, "Other", {"System.mcrVar.Set:=other"});
    frmMain& w = t.main();
    const platform::Color own = w.player.Command49[0].foreColor();
    pressGo(t, 0);
    EXPECT_EQ(variableValues(t), QStringList({"before"})) << "the run ends quietly at the Wait";
    EXPECT_TRUE(w.recorder.Timer2.enabled());
    EXPECT_EQ(w.StatusBar1.panelText(3), "Trigger [605,Player.Set.Start]");
    EXPECT_EQ(w.player.Command49[0].foreColor(), platform::palette::TriggerArmed);

    tick(t); // nothing done yet
    EXPECT_EQ(variableValues(t), QStringList({"before"}));
    w.macroPickers.Combo5.setListIndex(1); // the user looks at another macro
    w.player.Command49[0].onClick();
    tick(t);
    EXPECT_EQ(variableValues(t), QStringList({"before", "after"}));
    EXPECT_FALSE(w.recorder.Timer2.enabled());
    EXPECT_EQ(w.player.Command49[0].foreColor(), own) << "the button gets its colour back";
    EXPECT_EQ(w.StatusBar1.panelText(3), "");
    EXPECT_EQ(t->macro.RecordMode, 0) << "idle again: Record.Start works";
}

TEST(MacroTriggers, DoMacroStartsTheNamedMacroOnceOnTheUsersAction) {
    TestProgram t;
    loadFixture(t);
    defineMacro(t, 0, "Arms",
                {"System.Item.Do.Macro:=518,Runs", "Editor.Shift.Set.Direction.End",
                 "Editor.Shift.Duration:=00:00:01,000", "Editor.Shift.Go"});
    defineMacro(t, 1, "Runs", {"System.mcrVar.Set:=ran"});
    frmMain& w = t.main();
    pressGo(t, 0);
    EXPECT_EQ(w.StatusBar1.panelText(3), "Trigger [518,Editor.Shift.Go]");
    tick(t);
    EXPECT_TRUE(variableValues(t).isEmpty()) << "the macro's own Shift.Go is not the user's";
    w.shift.Command13.onClick();
    tick(t);
    EXPECT_EQ(variableValues(t), QStringList({"ran"}));
    EXPECT_EQ(w.macroPickers.Combo5.listIndex(), 1);
    w.shift.Command13.onClick();
    tick(t);
    EXPECT_EQ(variableValues(t), QStringList({"ran"})) << "fired once";
}

TEST(MacroTriggers, AMacroThatArmsItsOwnTriggerDoesNotRunForever) {
    TestProgram t;
    loadFixture(t);
    defineMacro(t, 0, "Again",
                {"System.mcrVar.Set:=ran", "System.Item.Do.Macro:=518,Again",
                 "Editor.Shift.Set.Direction.End", "Editor.Shift.Duration:=00:00:01,000",
                 "Editor.Shift.Go"});
    pressGo(t, 0);
    for (int i = 0; i < 5; ++i)
        tick(t);
    EXPECT_EQ(variableValues(t), QStringList({"ran"}));
    EXPECT_TRUE(t.main().recorder.Timer2.enabled()) << "still waiting for the user";
}

TEST(MacroTriggers, NoTickFiresWhileARunIsGoingOn) {
    TestProgram t;
    defineMacro(t, 0, "Arms", {"System.Item.Do.Macro:=30,Runs"});
    defineMacro(t, 1, "Runs", {"System.mcrVar.Set:=ran"});
    defineMacro(t, 2, "Asks", {"View.Messagebox:=question", "System.mcrVar.Set:=asked"});
    pressGo(t, 0);
    // Another run shows a message (code 30) and the timer ticks while it is open.
    t.answer<frmMessageBox>([&t](frmMessageBox& box) {
        t.main().recorder.Timer2Tick();
        box.cmdActionClick(frmMessageBox::Ok);
    });
    t.main().macroPickers.Combo5.setListIndex(2);
    t->macro.SetMacroAction("", -1);
    t.main().recorder.Timer2.setEnabled(true); // the user's run turned it off
    t.main().executeList.GoMacro(true);
    EXPECT_EQ(variableValues(t), QStringList({"asked"}));
}

TEST(MacroTriggers, ADoMacroNamingNoMacroIsDropped) {
    TestProgram t;
    defineMacro(t, 0, "Arms", {"System.Item.Do.Macro:=503,Missing"});
    frmMain& w = t.main();
    pressGo(t, 0);
    EXPECT_EQ(w.editor.basic.Command47.foreColor(), platform::palette::TriggerArmed);
    t->macro.SetMacroAction("", 503);
    tick(t);
    EXPECT_FALSE(w.recorder.Timer2.enabled());
    EXPECT_EQ(w.StatusBar1.panelText(3), "");
    EXPECT_EQ(w.editor.basic.Command47.foreColor(), platform::palette::TriggerArmed)
        << "the button keeps its mark";
}

// A wait on a load is resumed by the load the user makes, however it is made.
TEST(MacroTriggers, AWaitOnALoadContinuesAfterEveryLoadCommand) {
    for (int way = 0; way < 4; ++way) { // File > Open, a dropped file, the tree's Load, a recent
        SCOPED_TRACE(way);
        TestProgram t;
        loadFixture(t);
        const QString path = t.folder() + "/Data/Files/fixture.srt";
        defineMacro(
            t, 0, "Waits",
            {"System.mcrVar.Set:=before", "System.Item.Wait:=1404", "System.mcrVar.Set:=after"});
        pressGo(t, 0);
        EXPECT_EQ(t.main().StatusBar1.panelText(3), "Trigger [1404,File.Handling.Load]");
        tick(t);
        EXPECT_EQ(variableValues(t), QStringList({"before"}));
        if (way < 3) pickInChooser(t, path);
        if (way == 0) t.main().mnuLoadFile.click();
        if (way == 1) t.main().onDragDrop();
        if (way == 2) t.main().TV1.clickNode("load");
        if (way == 3) t.main().TV1.clickNode("lf_" + path);
        tick(t);
        EXPECT_EQ(variableValues(t), QStringList({"before", "after"}));
        EXPECT_FALSE(t.main().recorder.Timer2.enabled());
        EXPECT_EQ(t.main().StatusBar1.panelText(3), "");
    }
}

// Go while a trigger waits or while recording ends either, and says so.
TEST(MacroTriggers, ARunThatEndsAWaitOrARecordingSaysSo) {
    TestProgram t;
    loadFixture(t);
    frmMain& w = t.main();
    defineMacro(t, 0, "Waits", {"System.Item.Wait:=605", "System.mcrVar.Set:=after"});
    defineMacro(t, 1, "Other", {"System.mcrVar.Set:=other"});
    pressGo(t, 0);
    ASSERT_EQ(w.player.Command49[0].foreColor(), platform::palette::TriggerArmed);
    pressGo(t, 1);
    EXPECT_EQ(w.StatusBar1.panelText(3), "Trigger [605,Player.Set.Start] ended: another macro ran");
    EXPECT_NE(w.player.Command49[0].foreColor(), platform::palette::TriggerArmed);
    w.player.Command49[0].onClick();
    tick(t);
    EXPECT_EQ(variableValues(t), QStringList({"other"})) << "the ended wait does not go on";

    platform::Label& record = w.macroEditor.Command32[MacroEditor::Record];
    record.onClick();
    ASSERT_EQ(record.caption(), "Record.Stop");
    pressGo(t, 1);
    EXPECT_EQ(record.caption(), "Record.Start");
    EXPECT_EQ(t->macro.RecordMode, Macro::WatchMode);
    EXPECT_EQ(w.StatusBar1.panelText(3), "Recording ended: a macro ran");
    record.onClick();
    EXPECT_EQ(record.caption(), "Record.Stop") << "one click starts recording again";
}

} // namespace
