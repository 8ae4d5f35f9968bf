// The Clipboard tab: copies of the selected item to the tool on the tab shown,
// Accept, Delete and Clear, the Length of a movie, the Basic tab's Clip and
// the clipboard's macro commands.

#include "calculator/Tablets.h"
#include "fileio/frmFile.h"
#include "platform/Keys.h"
#include "player_fixture.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"

namespace {

struct Clipboard : PlayerFixture {
    void add(const QString& item) { clipboard().AddClipboardItem(item); }
    void copy(int button) { clipboard().command4[button].onClick(); }
    frmMain& main() { return t.main(); }
    void showEditorTool(int tool) {
        main().tabMain.setTab(frmMain::TabEditor);
        main().editor.SSTab3.setTab(tool);
    }
    platform::Grid& spans() { return main().partition.grid; }
    QStringList spanRow(int row) {
        return {spans().textMatrix(row, 0), spans().textMatrix(row, 1), spans().textMatrix(row, 2)};
    }
};

// A movie's item copied to the Partition tab: its file name and its length
// (with "." before the milliseconds) as a new part.
TEST_F(Clipboard, ThePartitionTabTakesTheItemAsANewPart) {
    main().tabMain.setTab(frmMain::TabPartition);
    add("/films/cd1.avi>01:00:00,000");
    copy(0);
    EXPECT_EQ(reported(), 1003);
    ASSERT_EQ(spans().rows(), 3);
    EXPECT_EQ(spanRow(1), QStringList({"1", "cd1.avi", "01:00:00.000"}));
    add("C:\\Films\\cd2.avi>00:50:00,500");
    add("True.Time.End:4>00:01:02,345");
    copy(0);
    clipboard().List1.setListIndex(1);
    copy(1);
    EXPECT_EQ(spanRow(2), QStringList({"2", "True.Time.End:4", "00:01:02.345"}));
    EXPECT_EQ(spanRow(3), QStringList({"3", "cd2.avi", "00:50:00.500"}));
    EXPECT_EQ(spans().rows(), 5) << "the spare row stays last";
}

TEST_F(Clipboard, TheEditorsTimingToolTakesTheTimeByItsButtons) {
    struct Case {
        int tab, tool, button, code;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {frmMain::TabEditor, 1, 0, 1005, "01:00:00,000", "-"},
        {frmMain::TabEditor, 1, 1, 1006, "-", "01:00:00,000"},
        {frmMain::TabPlayer, 1, 1, 1006, "-", "01:00:00,000"},
        {frmMain::TabEditor, 0, 1, 1004, "-", "-"}, // Shift: its duration
        {frmMain::TabEditor, 2, 0, 1007, "-", "-"}, // Time: its start
        {frmMain::TabEditor, 2, 1, 1008, "-", "-"}, // Time: its end
    };
    EditorTab& editor = main().editor;
    add("/films/cd1.avi>01:00:00,000");
    for (const Case& c : cases) {
        editor.rtfStretchFirst.setText("-");
        editor.rtfStretchLast.setText("-");
        showEditorTool(c.tool);
        main().tabMain.setTab(c.tab);
        forgetAction();
        copy(c.button);
        EXPECT_EQ(reported(), c.code) << c.tool << "/" << c.button;
        EXPECT_EQ(editor.rtfStretchFirst.text(), c.first) << c.tool << "/" << c.button;
        EXPECT_EQ(editor.rtfStretchLast.text(), c.last) << c.tool << "/" << c.button;
    }
}

TEST_F(Clipboard, TheAdvancedCalculatorTakesTheTimeIntoItsSelectedCell) {
    CalculatorTab& calculator = main().calculator;
    main().tabMain.setTab(frmMain::TabCalculator);
    calculator.tabCalculator.setTab(0);
    calculator.Calc.setCurrentCell(2, 3);
    add("True.Time.Start:1>00:01:02,345");
    forgetAction();
    copy(0);
    EXPECT_EQ(calculator.Calc.textMatrix(2, 3), "00:01:02.345");
    EXPECT_EQ(t->tablets.TabletValue[1][2], "tc_00:01:02.345");
    EXPECT_EQ(reported(), -1) << "the spreadsheet copy reports nothing";

    calculator.tabCalculator.setTab(1);
    copy(1);
    EXPECT_EQ(reported(), 1002) << "Copy.To.B on the classic page";
    copy(0);
    EXPECT_EQ(reported(), 1001);
}

TEST_F(Clipboard, OtherTabsAndNoSelectionCopyNothing) {
    add("/films/cd1.avi>01:00:00,000");
    main().tabMain.setTab(frmMain::TabDiagnose);
    forgetAction();
    copy(0);
    EXPECT_EQ(reported(), -1);

    main().tabMain.setTab(frmMain::TabPartition);
    clipboard().List1.setListIndex(-1);
    forgetAction(); // the tab change reported its own code
    copy(0);
    EXPECT_EQ(reported(), -1);
    EXPECT_EQ(spans().rows(), 2) << "no part without a selected item";
}

TEST_F(Clipboard, MalformedItemsCopyAsFarAsTheySplit) {
    main().tabMain.setTab(frmMain::TabPartition);
    add("no value at all");
    add("Label>12:34");
    copy(0);
    clipboard().List1.setListIndex(0);
    copy(0);
    EXPECT_EQ(spanRow(1), QStringList({"1", "Label", "12::."}));
    EXPECT_EQ(spanRow(2), QStringList({"2", "no value at all", "::."}));
}

TEST_F(Clipboard, AcceptWritesTheFieldBackAndEnterDoesTheSame) {
    add("first>00:00:01,000");
    add("second>00:00:02,000");
    clipboard().List1.setListIndex(0);
    EXPECT_EQ(clipboard().rtfClipBoard.text(), "first>00:00:01,000");
    clipboard().rtfClipBoard.setText("first>00:00:09,000");
    forgetAction();
    copy(ClipboardTab::Accept);
    EXPECT_EQ(items(), QStringList({"first>00:00:09,000", "second>00:00:02,000"}));
    EXPECT_EQ(reported(), -1) << "Accept reports nothing";

    clipboard().List1.setListIndex(1);
    clipboard().rtfClipBoard.setText("edited");
    int key = platform::KeyReturn;
    clipboard().rtfClipBoard.onKeyPress(key);
    EXPECT_EQ(items().last(), "edited");
}

TEST_F(Clipboard, AcceptAndDeleteWithoutASelectionAsk) {
    add("only>00:00:01,000");
    clipboard().List1.setListIndex(-1);
    Message seen;
    t.reply(AnswerOk, &seen);
    copy(ClipboardTab::Accept);
    EXPECT_EQ(seen.text, "Please select an item from the Clipboard 1st.");
    EXPECT_EQ(seen.title, "Error");
    Message again;
    t.reply(AnswerOk, &again);
    copy(ClipboardTab::Delete);
    EXPECT_EQ(again.text, seen.text);
    EXPECT_EQ(items(), QStringList{"only>00:00:01,000"});
}

TEST_F(Clipboard, DeletingTheLastItemEmptiesTheFieldAndDisablesTheButtons) {
    add("only>00:00:01,000");
    clipboard().command4[0].setEnabled(false);
    copy(ClipboardTab::Delete);
    EXPECT_EQ(reported(), 1009);
    EXPECT_EQ(items(), QStringList{});
    EXPECT_EQ(clipboard().rtfClipBoard.text(), "");
    for (int i = ClipboardTab::CopyB; i <= ClipboardTab::Clear; ++i)
        EXPECT_FALSE(clipboard().command4[i].enabled()) << i;
    EXPECT_FALSE(clipboard().command4[0].enabled()) << "button 0 is left as it was";

    clipboard().command4[0].setEnabled(true);
    copy(ClipboardTab::Clear);
    EXPECT_EQ(reported(), 1010) << "Clear on an empty list still reports";
    EXPECT_TRUE(clipboard().command4[0].enabled());
    EXPECT_FALSE(clipboard().command4[ClipboardTab::Clear].enabled());
}

TEST_F(Clipboard, LengthAddsAMoviesPathAndLength) {
    const QString movie = t.dataFilesPath("cd1.avi");
    ASSERT_TRUE(writeVideo(movie, 2.0, 10, 64, 48));
    pickInChooser(t, movie, -1, [](frmFile& f) {
        EXPECT_EQ(f.List3.listIndex(), 18);
        EXPECT_FALSE(f.txtFilename.enabled());
        EXPECT_FALSE(f.Check1.enabled());
        EXPECT_EQ(f.lblInfo.caption(), "Load movie file (reading file length)");
    });
    clipboard().command9.onClick();
    EXPECT_EQ(reported(), 1011);
    EXPECT_EQ(items(), QStringList{movie + ">00:00:02,000"});
    EXPECT_EQ(media().fileName(), movie);
    EXPECT_TRUE(clipboard().command4[ClipboardTab::Delete].enabled());

    t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    forgetAction();
    clipboard().command9.onClick();
    EXPECT_EQ(reported(), 1011);
    EXPECT_EQ(items().size(), 1) << "a cancelled choice adds nothing";
}

TEST_F(Clipboard, BasicClipTakesTheBasicText) {
    mustLoad(t.program(), t.writeDataFile("one.srt", SubRip(2, "Hello")));
    grid().setCurrentCell(2, 3);
    add("first>00:00:01,000");
    t.main().editor.basic.Command47.onClick();
    EXPECT_EQ(reported(), 503);
    EXPECT_EQ(items().last(), "Editor.Text:2>Hello 2");
    EXPECT_EQ(clipboard().List1.listIndex(), 1);
}

TEST_F(Clipboard, ItemSelectCountsFromOne) {
    add("a>00:00:01,000");
    add("b>00:00:02,000");
    ASSERT_TRUE(t->commands.run("Clipboard.Item.Select", "1"));
    EXPECT_EQ(clipboard().List1.listIndex(), 0);
    EXPECT_EQ(clipboard().rtfClipBoard.text(), "a>00:00:01,000");
    EXPECT_EQ(reported(), 1012);
    EXPECT_EQ(t->macro.MacroAction.text, "1");
    ASSERT_TRUE(t->commands.run("Clipboard.Item.Select", "x"));
    EXPECT_EQ(clipboard().List1.listIndex(), -1) << "no number selects nothing";

    main().tabMain.setTab(frmMain::TabPartition);
    clipboard().List1.setListIndex(1);
    ASSERT_TRUE(t->commands.run("Clipboard.Copy.To.Partitionlist"));
    EXPECT_EQ(spanRow(1), QStringList({"1", "b", "00:00:02.000"}));
    ASSERT_TRUE(t->commands.run("Clipboard.Clear"));
    EXPECT_EQ(items(), QStringList{});
}

} // namespace
