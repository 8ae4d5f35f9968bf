// Macro variables: bounds of the table, the free-slot search, the listing in
// the system window and the substitution into message texts; and the action
// hook that keeps only the last reported action. A full store refuses a new
// variable instead of writing over one, and only a macro's own messages take
// the variables' values.

#include "MacroRun.h"
#include "macro/frmSystem.h"
#include "support/TestProgram.h"

namespace {

TEST(MacroVariables, TheTableIsBoundsChecked) {
    TestProgram t;
    Macro& m = t->macro;
    EXPECT_TRUE(m.setMcrVar(0, "a:=1"));
    EXPECT_TRUE(m.setMcrVar(100, "z:=26"));
    EXPECT_FALSE(m.setMcrVar(101, "over:=1"));
    EXPECT_FALSE(m.setMcrVar(-1, "under:=1"));
    EXPECT_EQ(m.McrVar(0), "a:=1");
    EXPECT_EQ(m.McrVar(100), "z:=26");
    EXPECT_EQ(m.McrVar(101), "");
    EXPECT_EQ(m.McrVar(-1), "");
}

TEST(MacroVariables, FreeSlotIsTheLowestEmptyOneOrZeroWhenFull) {
    TestProgram t;
    Macro& m = t->macro;
    EXPECT_EQ(m.FreeMcrVarSlot(), 0);
    m.setMcrVar(0, "a:=1");
    m.setMcrVar(1, "b:=2");
    m.setMcrVar(3, "d:=4");
    EXPECT_EQ(m.FreeMcrVarSlot(), 2);
    for (int i = 0; i <= 99; ++i)
        m.setMcrVar(i, "v:=1");
    EXPECT_EQ(m.FreeMcrVarSlot(), 100);
    m.setMcrVar(100, "v:=1");
    EXPECT_EQ(m.FreeMcrVarSlot(), 0);
}

TEST(MacroVariables, ListingShowsEveryStoredEntryInSlotOrder) {
    TestProgram t;
    Macro& m = t->macro;
    frmSystem& sys = t->system();
    EXPECT_EQ(sys.Label68.caption(), "Defined Variables:");
    sys.lstVar.addItem("stale");
    m.ListMcrVars();
    EXPECT_EQ(sys.lstVar.listCount(), 0) << "the old list goes first";
    EXPECT_EQ(sys.Label68.caption(), "Defined Variables: 0") << "none defined";

    m.setMcrVar(0, "a:=1");
    m.setMcrVar(3, "b:= two ");
    m.setMcrVar(57, "c:=3"); // behind empty slots: listed all the same
    m.ListMcrVars();
    m.ListMcrVars();
    ASSERT_EQ(sys.lstVar.listCount(), 3);
    EXPECT_EQ(sys.lstVar.list(0), "a:=1");
    EXPECT_EQ(sys.lstVar.list(1), "b:= two ");
    EXPECT_EQ(sys.lstVar.list(2), "c:=3");
    // The heading counts the variables defined, not the last slot in use.
    EXPECT_EQ(sys.Label68.caption(), "Defined Variables: 3");
    for (int i : {0, 3, 57})
        m.setMcrVar(i, "");
    m.ListMcrVars();
    EXPECT_EQ(sys.Label68.caption(), "Defined Variables: 0") << "back to none";
}

TEST(MacroVariables, SubstitutionReplacesTheFirstOccurrenceOfEachName) {
    TestProgram t;
    Macro& m = t->macro;
    m.setMcrVar(0, "x:=  5 ");
    QString text = "x+x";
    EXPECT_EQ(m.InsertMcrVars(text), "5+x");
    EXPECT_EQ(text, "5+x") << "the argument changes too";

    QString word = "the cat";
    m.setMcrVar(0, "a:=O");
    EXPECT_EQ(m.InsertMcrVars(word), "the cOt") << "also inside a word";

    QString cased = "Cat";
    m.setMcrVar(0, "cat:=dog");
    EXPECT_EQ(m.InsertMcrVars(cased), "Cat") << "names are matched with their case";

    QString chained = "a";
    m.setMcrVar(0, "a:=b");
    m.setMcrVar(1, "b:=c");
    EXPECT_EQ(m.InsertMcrVars(chained), "c") << "each name is looked for in the text so far";
}

TEST(MacroVariables, SubstitutionStopsAtTheFirstFreeSlot) {
    TestProgram t;
    Macro& m = t->macro;
    m.setMcrVar(0, "one:=1");
    m.setMcrVar(2, "two:=2");
    QString text = "one two";
    EXPECT_EQ(m.InsertMcrVars(text), "1 two");

    QString empty;
    EXPECT_EQ(m.InsertMcrVars(empty), "");

    // An entry without ":=" names nothing but does not end the walk.
    m.setMcrVar(1, "junk");
    QString after = "one two";
    EXPECT_EQ(m.InsertMcrVars(after), "1 2");
}

TEST(MacroActionHook, KeepsOnlyTheLastReportedPair) {
    TestProgram t;
    Macro& m = t->macro;
    EXPECT_EQ(m.MacroAction.code, 0);
    EXPECT_EQ(m.MacroAction.text, "");
    m.SetMacroAction("3,7", 549);
    m.SetMacroAction("", 501);
    EXPECT_EQ(m.MacroAction.code, 501);
    EXPECT_EQ(m.MacroAction.text, "");
    m.SetMacroAction(" new text", 505);
    EXPECT_EQ(m.MacroAction.code, 505);
    EXPECT_EQ(m.MacroAction.text, " new text");
}

TEST(SystemWindow, IsBorderlessAndDraggedByItsStrip) {
    TestProgram t;
    frmSystem& sys = t->system();
    EXPECT_EQ(&sys, &t->system()) << "one window for the whole run";
    EXPECT_EQ(sys.style(), platform::Form::Style::Borderless);
    sys.move(1500, 1500, sys.width(), sys.height());
    sys.pMove.onMouseDown(1, 0, 300, 60);
    sys.pMove.onMouseMove(1, 0, 600, 120);
    sys.pMove.onMouseUp(1, 0, 600, 120);
    EXPECT_EQ(sys.left(), 1800);
    EXPECT_EQ(sys.top(), 1560);
}

TEST(MacroVariableStore, AFullStoreRefusesANewVariableAndKeepsEveryOther) {
    for (const QString line :
         {"System.mcrVar.Set:=new", "Editor.mcrVar.Set.Basic:=basic",
          "Editor.mcrVar.Set.Search:=search", "Calculator.Classic.mcrVar.Set.Cel.A1:=a1",
          "System.mcrVar.Set.Node.Start:=0"}) {
        SCOPED_TRACE(line.toStdString());
        TestProgram t;
        loadFixture(t);
        for (int i = 0; i < Macro::McrVarCount; ++i)
            t->macro.setMcrVar(i, QString("v%1:=%1").arg(i));
        defineMacro(t, 0, "Stores", {line, "System.mcrVar.Set:=went on"});
        Message seen, ended;
        t.reply(AnswerOk, &seen);
        t.reply(AnswerOk, &ended);
        pressGo(t, 0);
        EXPECT_TRUE(seen.text.startsWith("All 101 macro variables are in use"))
            << seen.text.toStdString();
        EXPECT_EQ(ended.text, "Macro job terminated. Press Ok to exit.") << "the run ends there";
        for (int i = 0; i < Macro::McrVarCount; ++i)
            ASSERT_EQ(t->macro.McrVar(i), QString("v%1:=%1").arg(i));
    }
}

// A macro's message names its variables (the program's own messages keep
// their words: MessageWindow.BreaksLinesInPlaceAndKeepsItsWords).
TEST(MacroVariableStore, AMacrosOwnMessageTakesTheVariables) {
    TestProgram t;
    loadFixture(t);
    t->macro.setMcrVar(0, "file:=macro");
    defineMacro(t, 0, "Says", {"View.Messagebox:=delete the selected file?"});
    Message seen;
    t.reply(AnswerOk, &seen);
    pressGo(t, 0);
    EXPECT_EQ(seen.text, "delete the selected macro?");
}

} // namespace
