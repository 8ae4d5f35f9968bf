// The macro editor on the Macros tab, through its controls, with the macro
// store behind every change; its lists after a change: a deleted macro
// leaves the wizard lists, the indents of a macro are lined up, an export
// names its author.

#include "MacroTabFixture.h"
#include "fileio/frmFile.h"
#include "macro/frmWizard.h"

#include <pwd.h>
#include <unistd.h>

namespace {

class MacroEditorTest : public ::testing::Test {
protected:
    MacroEditorTest() : p(folder.path()), tab(p) { p.main().load(); }

    // A new macro with the given View commands as its lines.
    void newMacroWith(const QStringList& viewCommands) {
        click(tab.ed().Command34);
        for (const QString& c : viewCommands)
            tab.add("View", c);
    }

    ProgramFolder folder;
    ProgramOn p;
    MacroTab tab;
};

TEST_F(MacroEditorTest, NewNumbersMacrosAndStopsAtTwenty) {
    MacroEditor& ed = tab.ed();
    EXPECT_FALSE(ed.Command36.enabled()) << "nothing to rename yet";
    click(ed.Command34);
    EXPECT_EQ(itemsOf(tab.pickers().Combo5), QStringList{"New Macro1"});
    EXPECT_EQ(tab.pickers().Combo5.listIndex(), 0);
    EXPECT_EQ(tab.store(0, 0), "New Macro1");
    EXPECT_EQ(ed.rtfMacroName.text(), "New Macro1");
    EXPECT_EQ(ed.Label19.caption(), "Execute list [199 functions left]");
    EXPECT_TRUE(ed.Command36.enabled());
    EXPECT_TRUE(ed.Command32[MacroEditor::Record].enabled());
    for (int i = 2; i <= 20; ++i)
        click(ed.Command34);
    EXPECT_EQ(tab.pickers().Combo5.listCount(), 20);
    EXPECT_EQ(tab.store(19, 0), "New Macro20");
    click(ed.Command34);
    EXPECT_EQ(tab.pickers().Combo5.listCount(), 20) << "twenty is the most New makes";
    EXPECT_EQ(tab.store(20, 0), "");
}

TEST_F(MacroEditorTest, AddPutsTheCommandBelowTheSelectedLineInListAndStore) {
    newMacroWith({"Calculator", "Partition", "Editor"});
    MacroEditor& ed = tab.ed();
    EXPECT_EQ(itemsOf(ed.List7), QStringList({"View.Calculator", "View.Partition", "View.Editor"}));
    EXPECT_EQ(ed.List7.listIndex(), 2) << "the new line is selected";
    tab.pickLine(0);
    tab.add("Editor", "Shift.Go");
    const QStringList expected = {"View.Calculator", "Editor.Shift.Go", "View.Partition",
                                  "View.Editor"};
    EXPECT_EQ(itemsOf(ed.List7), expected);
    EXPECT_EQ(tab.storedLines(0), expected);
    EXPECT_EQ(ed.List7.listIndex(), 1);
    EXPECT_EQ(ed.Label19.caption(), "Execute list [195 functions left]");
}

TEST_F(MacroEditorTest, AddWithLinesButNoSelectionAppendsAtTheEnd) {
    newMacroWith({"Calculator", "Partition"});
    MacroEditor& ed = tab.ed();
    tab.pickLine(-1);
    tab.add("System", "Comment");
    const QStringList expected = {"View.Calculator", "View.Partition", "System.Comment"};
    EXPECT_EQ(itemsOf(ed.List7), expected);
    EXPECT_EQ(tab.storedLines(0), expected);
    EXPECT_EQ(ed.List7.listIndex(), 2);
}

TEST_F(MacroEditorTest, AddStopsAt199LinesAndNeedsAMacro) {
    MacroEditor& ed = tab.ed();
    tab.pickGroup("View");
    tab.pickCommand("Player");
    click(ed.Command32[MacroEditor::Add]);
    EXPECT_EQ(ed.List7.listCount(), 0) << "no macro to add to";
    click(ed.Command34);
    for (int i = 0; i < 200; ++i)
        click(ed.Command32[MacroEditor::Add]);
    EXPECT_EQ(ed.List7.listCount(), 199);
    EXPECT_EQ(tab.storedLines(0).size(), 199);
    EXPECT_EQ(tab.store(0, 199), "View.Player");
    EXPECT_EQ(ed.Label19.caption(), "Execute list [0 functions left]");
}

TEST_F(MacroEditorTest, UpDownAndDeleteMoveLinesInListAndStore) {
    newMacroWith({"Calculator", "Partition", "Editor"});
    MacroEditor& ed = tab.ed();
    struct Step {
        int select, button;
        QStringList lines;
        int selectedAfter;
    } steps[] = {
        {0, MacroEditor::Up, {"View.Calculator", "View.Partition", "View.Editor"}, 0},
        {0, MacroEditor::Down, {"View.Partition", "View.Calculator", "View.Editor"}, 1},
        {2, MacroEditor::Down, {"View.Partition", "View.Calculator", "View.Editor"}, 2},
        {2, MacroEditor::Up, {"View.Partition", "View.Editor", "View.Calculator"}, 1},
        {-1, MacroEditor::Down, {"View.Partition", "View.Editor", "View.Calculator"}, -1},
        {1, MacroEditor::Delete, {"View.Partition", "View.Calculator"}, 0},
        {0, MacroEditor::Delete, {"View.Calculator"}, -1},
    };
    for (const Step& s : steps) {
        tab.pickLine(s.select);
        click(ed.Command32[s.button]);
        EXPECT_EQ(itemsOf(ed.List7), s.lines) << s.select << " " << s.button;
        EXPECT_EQ(tab.storedLines(0), s.lines) << s.select << " " << s.button;
        EXPECT_EQ(ed.List7.listIndex(), s.selectedAfter) << s.select << " " << s.button;
    }
    EXPECT_EQ(tab.store(0, 2), "") << "the deleted lines leave the store";
    EXPECT_EQ(ed.Label19.caption(), "Execute list [198 functions left]");
}

TEST_F(MacroEditorTest, SelectingALineSplitsItAndAcceptBuildsItBack) {
    newMacroWith({"Editor"});
    MacroEditor& ed = tab.ed();
    struct Case {
        const char *line, *data, *comment, *typedData, *typedComment, *accepted;
    } cases[] = {
        {"View.Editor:=5  //go", "5", "go", "5", "go", "View.Editor:=5  //go"},
        {"View.Editor:=5  //go", "5", "go", "", "note", "View.Editor  //note"},
        {"View.Editor  //note", "", "note", "7", "", "View.Editor:=7"},
        {"View.Editor:=a//b", "a", "b", "a//b", "", "View.Editor:=a//b"},
        {"View.Editor", "", "", "two\r\nlines", "one\nmore",
         "View.Editor:=two/nlines  //one/nmore"},
    };
    for (const Case& c : cases) {
        tab.store(0, 1) = c.line;
        tab.pickMacro(0); // shows the line and selects it
        EXPECT_EQ(ed.rtfItemDescr.text(), c.data) << c.line;
        EXPECT_EQ(ed.Text3.text(), c.comment) << c.line;
        ed.rtfItemDescr.setText(c.typedData);
        ed.Text3.setText(c.typedComment);
        int enter = 13;
        ed.Text3.onKeyPress(enter);
        EXPECT_EQ(ed.List7.list(0), c.accepted) << c.line;
        EXPECT_EQ(tab.store(0, 1), c.accepted) << c.line;
    }
}

TEST_F(MacroEditorTest, RenameRefusesEmptyAndDuplicateNames) {
    MacroEditor& ed = tab.ed();
    click(ed.Command34);
    click(ed.Command34);
    // A refused name is told with the reason.
    struct Case {
        const char* typed;
        const char* name;
        const char* why;
    } cases[] = {{"Tidy up", "Tidy up", nullptr},
                 {"   ", "Tidy up", "A macro needs a name"},
                 {"", "Tidy up", "A macro needs a name"},
                 {"new macro1", "Tidy up", "Another macro is named 'new macro1' already"},
                 {"TIDY UP", "TIDY UP", nullptr}};
    for (const Case& c : cases) {
        ed.rtfMacroName.setText(c.typed);
        Message seen;
        if (c.why) p.reply(frmMessageBox::Ok, &seen);
        click(ed.Command36);
        if (c.why) {
            EXPECT_TRUE(seen.text.startsWith(c.why)) << seen.text.toStdString();
        }
        EXPECT_EQ(tab.pickers().Combo5.list(1), c.name) << c.typed;
        EXPECT_EQ(tab.store(1, 0), c.name) << c.typed;
        EXPECT_EQ(ed.rtfMacroName.text(), c.name) << c.typed;
    }
    ed.rtfMacroName.setText("By key");
    int enter = 13;
    ed.rtfMacroName.onKeyPress(enter);
    EXPECT_EQ(tab.store(1, 0), "By key");
    EXPECT_EQ(tab.store(0, 0), "New Macro1");
}

TEST_F(MacroEditorTest, DeleteAsksForAMacroWithLinesAndMovesTheLaterOnesUp) {
    MacroEditor& ed = tab.ed();
    newMacroWith({"Calculator"});
    newMacroWith({"Partition"});
    tab.lib().WizardTexts[1] = "second";
    newMacroWith({"Editor"});
    tab.m().macroEditor.Check5.setValue(1);
    tab.pickMacro(1);
    Message seen;
    p.reply(frmMessageBox::Cancel, &seen);
    click(ed.Command35);
    EXPECT_EQ(seen.title, "Warning");
    EXPECT_EQ(tab.pickers().Combo5.listCount(), 3) << "Cancel keeps the macro";
    p.reply(frmMessageBox::Ok);
    click(ed.Command35);
    EXPECT_EQ(itemsOf(tab.pickers().Combo5), QStringList({"New Macro1", "New Macro3"}));
    EXPECT_EQ(tab.store(1, 0), "New Macro3");
    EXPECT_EQ(tab.storedLines(1), QStringList{"View.Editor"});
    EXPECT_EQ(tab.lib().WizardFlags[1], 1) << "the mark moves with its macro";
    EXPECT_EQ(tab.lib().WizardTexts[1], "");
    EXPECT_EQ(tab.store(2, 0), "");
    EXPECT_EQ(tab.store(2, 1), "");
    EXPECT_EQ(tab.lib().WizardFlags[2], 0);
    EXPECT_EQ(tab.pickers().Combo5.listIndex(), 1) << "the last macro is selected";
    EXPECT_EQ(ed.rtfMacroName.text(), "New Macro3");
    // A macro without lines goes without a question.
    click(ed.Command34);
    click(ed.Command35);
    EXPECT_EQ(tab.pickers().Combo5.listCount(), 2);
    EXPECT_EQ(tab.store(2, 0), "");
}

TEST_F(MacroEditorTest, GroupsListTheirCommandsWithDescriptionAndCode) {
    MacroEditor& ed = tab.ed();
    tab.pickGroup("System");
    EXPECT_EQ(ed.Label55.caption(), "System");
    EXPECT_EQ(ed.List6.listCount(), 14);
    EXPECT_EQ(ed.List6.list(0), "Comment") << "position 0 is listed";
    EXPECT_EQ(ed.lblMacroComment.caption(), "All text entered will be ignored by Mirel.");
    EXPECT_EQ(ed.Label68.caption(), "Trigger.Index=1301");
    tab.pickGroup("Editor");
    tab.pickCommand("Filter.Set.CLL.On");
    EXPECT_EQ(ed.lblMacroComment.caption(), "Set correct long line on.");
    EXPECT_EQ(ed.Label68.caption(), "Trigger.Index=^0566");
    tab.pickCommand("Shift.Go");
    EXPECT_EQ(ed.Label68.caption(), "Trigger.Index=0518");
    click(ed.Command34);
    ed.List6.onDblClick();
    EXPECT_EQ(itemsOf(ed.List7), QStringList{"Editor.Shift.Go"}) << "a double click adds";
}

TEST_F(MacroEditorTest, RecordToggleSwitchesModeCaptionAndStatus) {
    MacroEditor& ed = tab.ed();
    click(ed.Command34);
    std::vector<bool> seen;
    ed.onRecordToggle = [&seen](bool on) { seen.push_back(on); };
    click(ed.Command32[MacroEditor::Record]);
    EXPECT_EQ(p->macro.RecordMode, 1);
    EXPECT_EQ(ed.Command32[MacroEditor::Record].caption(), "Record.Stop");
    EXPECT_EQ(tab.m().StatusBar1.panelText(3), "Recording macro");
    click(ed.Command32[MacroEditor::Record]);
    EXPECT_EQ(p->macro.RecordMode, 0);
    EXPECT_EQ(ed.Command32[MacroEditor::Record].caption(), "Record.Start");
    EXPECT_EQ(tab.m().StatusBar1.panelText(3), "");
    EXPECT_EQ(seen, std::vector<bool>({true, false}));
}

TEST_F(MacroEditorTest, ADeletedMacroLeavesBothWizardLists) {
    click(tab.ed().Command34);
    click(tab.ed().Command34);
    tab.pickMacro(0);
    tab.ed().Check5.setValue(1);
    tab.pickMacro(1);
    tab.ed().Check5.setValue(1);
    ASSERT_EQ(itemsOf(tab.wizard().List12), QStringList({"New Macro1", "New Macro2"}));
    tab.pickMacro(0);
    click(tab.ed().Command35); // no lines: no question
    EXPECT_EQ(itemsOf(tab.wizard().List12), QStringList{"New Macro2"});
    QStringList listed;
    p.answer<frmWizard>([&listed](frmWizard& w) {
        listed = itemsOf(w.List1);
        w.Label1.onClick();
    });
    p.main().mnuWizShow.click();
    EXPECT_EQ(listed, QStringList{"New Macro2"});
}

TEST_F(MacroEditorTest, LineUpIndentsEachIfBlockByFourBlanks) {
    click(tab.ed().Command34);
    const QStringList typed = {"System.If.Do:=1=1",    "  View.Editor",    "System.If.Do:=2=2",
                               "View.Calculator",      "System.If.Do.End", "System.If.Do.End",
                               "      View.Partition", "System.If.Do.End"};
    for (int l = 0; l < typed.size(); ++l)
        tab.store(0, l + 1) = typed[l];
    tab.pickMacro(-1);
    tab.pickMacro(0);
    p.main().LineUpMacro();
    const QStringList lined = {"System.If.Do:=1=1",        "    View.Editor",
                               "    System.If.Do:=2=2",    "        View.Calculator",
                               "        System.If.Do.End", "    System.If.Do.End",
                               "View.Partition",           "System.If.Do.End"};
    EXPECT_EQ(itemsOf(tab.ed().List7), lined);
    EXPECT_EQ(tab.storedLines(0), lined) << "the store keeps what the editor shows";
}

TEST_F(MacroEditorTest, ExportNamesTheAccountWhenTheEnvironmentDoesNot) {
    click(tab.ed().Command34);
    p.answer<frmFile>([](frmFile& f) {
        f.txtFilename.setText("mine");
        f.cmdActionClick(frmFile::Ok);
    });
    const QByteArray user = qgetenv("USER"), username = qgetenv("USERNAME");
    qunsetenv("USER");
    qunsetenv("USERNAME");
    click(tab.ed().Label17);
    if (!user.isNull()) qputenv("USER", user);
    if (!username.isNull()) qputenv("USERNAME", username);
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    const QStringList lines = folder.lines("Data/Macro/Export/mine.mcr");
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[2], "  This macro was created by: " + QString::fromLocal8Bit(account->pw_name));
}

} // namespace
