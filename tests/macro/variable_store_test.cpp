// The macro variables seen from outside the interpreter: a full store
// refuses a new variable instead of writing over one, and only a macro's own
// messages take the variables' values.

#include "MacroRun.h"

namespace {

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
        Message seen;
        t.reply(AnswerOk, &seen);
        t.reply(AnswerOk, &seen);
        pressGo(t, 0);
        EXPECT_TRUE(seen.text.startsWith("All 101 macro variables are in use"))
            << seen.text.toStdString();
        for (int i = 0; i < Macro::McrVarCount; ++i)
            ASSERT_EQ(t->macro.McrVar(i), QString("v%1:=%1").arg(i));
    }
}

TEST(MacroVariableStore, OnlyAMacrosOwnMessageTakesTheVariables) {
    TestProgram t;
    loadFixture(t);
    t->macro.setMcrVar(0, "file:=macro");
    // The program's own question keeps its words.
    t->doc.FileChanged = true;
    Message seen;
    t.reply(AnswerCancel, &seen);
    t.main().mnuNewFile.click();
    EXPECT_TRUE(seen.text.contains("before creating a new file?")) << seen.text.toStdString();
    // A macro's message names its variables.
    defineMacro(t, 0, "Says", {"View.Messagebox:=delete the selected file?"});
    t.reply(AnswerOk, &seen);
    pressGo(t, 0);
    EXPECT_EQ(seen.text, "delete the selected macro?");
}

} // namespace
