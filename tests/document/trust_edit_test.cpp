// Editing a loaded file as a user does, through the Basic tab's buttons, its
// text field, the in-cell editor and the part button: the current cell stays
// on the user's row, times that are not time codes are refused, inserted lines
// keep the order of times, part toggles count as changes, and Delete can be
// used on line 1.

#include "document/BasicTab.h"
#include "document/frmMessageBox.h"
#include "platform/Keys.h"
#include "support/FileBytes.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

struct TrustEdit : ::testing::Test {
    TestProgram t;
    EditorTab& editor() { return t.main().editor; }
    platform::Grid& grid() { return editor().grdSubEdit; }
    BasicTab& basic() { return editor().basic; }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    int lines() { return t->doc.lineCount(); }
    // The user clicks a cell.
    void select(int row, int col) {
        grid().setCurrentCell(row, col);
        grid().onClick();
    }
    // The user types into the Basic text field and presses Change.
    void change(const QString& text) {
        basic().rtfSubEditBasic.setText(text);
        basic().Command14.onClick();
    }
    bool shown(int row) {
        return grid().topRow() <= row && row < grid().topRow() + grid().visibleRows();
    }
    // Line r of SubRip(n) starts at r - 1 seconds and ends half a second later.
    void load(int n) { t.loadDataFile("film.srt", SubRip(n)); }
};

// ---- The current cell -----------------------------------------------------------

TEST_F(TrustEdit, InsertDeleteAndThePartToggleLeaveTheCellWhereTheUserWas) {
    load(19);
    const QString lastEnd = cell(19, 2);
    select(5, 3);
    basic().Command10.onClick(); // Insert
    EXPECT_EQ(grid().row(), 5);
    EXPECT_EQ(grid().col(), 3);
    EXPECT_EQ(basic().Label13.caption(), "Row: 5, Col: 3 = Text #1");
    change("A new line");
    EXPECT_EQ(cell(5, 3), " A new line") << "the text goes into the inserted line";
    EXPECT_EQ(cell(20, 2), lastEnd) << "the last line's end keeps its time";

    select(8, 1);
    basic().Command11.onClick(); // Delete: the line after it takes the row
    EXPECT_EQ(grid().row(), 8);
    EXPECT_EQ(grid().col(), 1);
    EXPECT_EQ(cell(8, 3), " Line 8");
    basic().Command11.onClick(); // a second Delete removes that line, not the last one
    EXPECT_EQ(lines(), 18);
    EXPECT_EQ(cell(8, 3), " Line 9");
    EXPECT_EQ(cell(18, 3), " Line 19");
    EXPECT_EQ(cell(18, 2), lastEnd);

    select(10, 2);
    editor().btnNode[0].onClick(); // split at row 10
    EXPECT_EQ(grid().row(), 10);
    EXPECT_EQ(grid().col(), 2);
    change("00:00:11,250");
    EXPECT_EQ(cell(10, 2), "00:00:11,250");
    EXPECT_EQ(cell(18, 2), lastEnd);
    editor().btnNode[0].onClick(); // and join again
    EXPECT_EQ(grid().row(), 10);
    EXPECT_EQ(cell(18, 2), lastEnd);
}

TEST_F(TrustEdit, TheGridShowsTheRowTheUserWorksOn) {
    load(400);
    grid().setTopRow(200);
    select(200 + grid().visibleRows() - 1, 3); // the last row in view
    const int row = grid().row();
    basic().Command10.onClick();
    EXPECT_EQ(grid().row(), row);
    EXPECT_TRUE(shown(row)) << "top row " << grid().topRow();
    basic().Command11.onClick();
    EXPECT_EQ(grid().row(), row);
    EXPECT_TRUE(shown(row));
    editor().btnNode[0].onClick();
    EXPECT_EQ(grid().row(), row);
    EXPECT_TRUE(shown(row));

    // Scrolled away from the selected row, the user presses a button: the
    // grid brings the row back with the overlays on it.
    select(150, 1);
    for (platform::Label* button : {&basic().Command10, &basic().Command11}) {
        grid().setTopRow(300);
        grid().onScroll();
        ASSERT_FALSE(editor().cmdInvCalc.visible());
        button->onClick();
        EXPECT_EQ(grid().row(), 150);
        EXPECT_TRUE(shown(150)) << "top row " << grid().topRow();
        EXPECT_TRUE(editor().cmdInvCalc.visible());
        EXPECT_EQ(editor().cmdInvCalc.top(), grid().top() + grid().cellTop());
    }
}

// ---- Times typed by the user ----------------------------------------------------

TEST_F(TrustEdit, ATimeThatIsNotATimeCodeIsRefusedAndTheCellKeepsItsValue) {
    load(19);
    struct Typed {
        const char* text;
        bool accepted;
    };
    const Typed table[] = {{"abc", false},          {"", false},
                           {"1:2:3", false},        {"00:00:61,000", false},
                           {"00:61:00,000", false}, {"00:00:05.500", false},
                           {"00:00:05,5", false},   {"0a:00:05,500", false},
                           {"00:00:05,500", true},  {"  01:02:03,456 ", true},
                           {"-1:59:59,000", true}};
    for (int col : {1, 2}) {
        for (const Typed& typed : table) {
            SCOPED_TRACE(std::string(typed.text) + " in column " + std::to_string(col));
            select(6, col);
            const QString before = cell(6, col);
            const std::size_t snapshots = t->history.snapshots().size();
            t->doc.FileChanged = false;
            Message said;
            if (!typed.accepted) t.reply(frmMessageBox::Ok, &said);
            change(typed.text);
            if (typed.accepted) {
                EXPECT_EQ(cell(6, col), QString::fromLatin1(typed.text).trimmed());
                EXPECT_TRUE(t->doc.FileChanged);
                grid().setTextMatrix(6, col, before);
                continue;
            }
            EXPECT_EQ(cell(6, col), before);
            EXPECT_FALSE(t->doc.FileChanged);
            EXPECT_EQ(t->history.snapshots().size(), snapshots) << "nothing changed";
            EXPECT_TRUE(said.text.contains("hh:mm:ss,fff")) << said.text.toStdString();
            EXPECT_EQ(basic().rtfLineStart.text(), cell(6, 1));
        }
    }
}

TEST_F(TrustEdit, TheInCellEditorAndEnterRefuseATimeToo) {
    load(19);
    select(7, 1);
    const QString before = cell(7, 1);
    Message said;
    t.reply(frmMessageBox::Ok, &said);
    editor().rtfEdit.setText("abc"); // follows into the Basic text field
    int enter = platform::KeyReturn;
    editor().rtfEdit.onKeyPress(enter);
    EXPECT_EQ(cell(7, 1), before);
    EXPECT_TRUE(said.text.contains("abc")) << said.text.toStdString();

    t.reply(frmMessageBox::Ok);
    basic().rtfSubEditBasic.setText("12");
    enter = platform::KeyReturn;
    basic().rtfSubEditBasic.onKeyPress(enter);
    EXPECT_EQ(cell(7, 1), before);

    select(7, 3); // a text cell takes any text
    editor().rtfEdit.setText("abc");
    enter = platform::KeyReturn;
    editor().rtfEdit.onKeyPress(enter);
    EXPECT_EQ(cell(7, 3), " abc");
}

// ---- Inserted lines -------------------------------------------------------------

TEST_F(TrustEdit, AnInsertedLineKeepsTheOrderOfTimes) {
    struct Case {
        const char *previousEnd, *nextStart, *start, *end;
    };
    const Case table[] = {
        // room for a one-second gap: the line fills the rest up to the next line
        {"00:00:30,000", "00:00:40,000", "00:00:31,000", "00:00:40,000"},
        // less than a second of room: the line starts at the previous end
        {"00:00:30,000", "00:00:30,500", "00:00:30,000", "00:00:30,500"},
        {"00:00:30,000", "00:00:31,000", "00:00:30,000", "00:00:31,000"},
        // no room: the line starts and ends with the next line
        {"00:00:30,000", "00:00:30,000", "00:00:30,000", "00:00:30,000"},
        // the two lines overlap: never after the next line's start
        {"00:00:35,000", "00:00:30,000", "00:00:30,000", "00:00:30,000"},
        // the next line has no time yet: one second long
        {"00:00:30,000", "", "00:00:31,000", "00:00:32,000"},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(std::string(c.previousEnd) + " / " + c.nextStart);
        setLines(t.program(), {{"00:00:20,000", c.previousEnd, " before"},
                               {c.nextStart, "00:00:50,000", " after"}});
        select(2, 3);
        basic().Command10.onClick();
        EXPECT_EQ(cell(2, 1), c.start);
        EXPECT_EQ(cell(2, 2), c.end);
        EXPECT_EQ(cell(3, 3), " after");
    }

    // A new first line starts at zero and ends where the old first line starts.
    setLines(t.program(), {{"00:00:05,000", "00:00:06,000", " first"}});
    select(1, 3);
    basic().Command10.onClick();
    EXPECT_EQ(cell(1, 1), "00:00:00,000");
    EXPECT_EQ(cell(1, 2), "00:00:05,000");
    setLines(t.program(), {{"00:00:00,000", "00:00:06,000", " first"}});
    select(1, 3);
    basic().Command10.onClick();
    EXPECT_EQ(cell(1, 1), "00:00:00,000");
    EXPECT_EQ(cell(1, 2), "00:00:00,000");
}

TEST_F(TrustEdit, InsertSaysWhyAFullDocumentTakesNoMoreLines) {
    load(Document::MaxLines);
    ASSERT_EQ(lines(), Document::MaxLines);
    select(100, 3);
    t->doc.FileChanged = false;
    Message said;
    t.reply(frmMessageBox::Ok, &said);
    basic().Command10.onClick();
    EXPECT_EQ(lines(), Document::MaxLines);
    EXPECT_TRUE(said.text.contains("9,998")) << said.text.toStdString();
    EXPECT_FALSE(t->doc.FileChanged);
    EXPECT_EQ(cell(100, 3), " Line 100");
}

// ---- Parts and leaving ----------------------------------------------------------

TEST_F(TrustEdit, SplittingOrJoiningPartsMarksTheDocumentChanged) {
    load(19);
    ASSERT_FALSE(t->doc.FileChanged);
    select(8, 1);
    editor().btnNode[0].onClick();
    EXPECT_EQ(t->doc.FileNodes.Count(), 2);
    EXPECT_TRUE(t->doc.FileChanged);

    Message asked;
    t.reply(frmMessageBox::Cancel, &asked); // leaving for a new file asks first
    t.main().mnuNewFile.click();
    EXPECT_EQ(asked.title, "Warning: File not saved");
    EXPECT_EQ(lines(), 19);

    t->doc.FileChanged = false;
    editor().btnNode[0].onClick(); // the join
    EXPECT_EQ(t->doc.FileNodes.Count(), 1);
    EXPECT_TRUE(t->doc.FileChanged);
    t.reply(frmMessageBox::No);
    t.main().mnuNewFile.click();
}

// ---- Delete on line 1 -----------------------------------------------------------

TEST_F(TrustEdit, DeleteCanBeUsedOnLineOneRightAfterALoad) {
    load(3);
    ASSERT_EQ(grid().row(), 1);
    EXPECT_TRUE(basic().Command11.enabled());
    basic().Command11.onClick();
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(cell(1, 3), " Line 2");

    select(3, 1); // the spare row disables the buttons; line 1 enables Delete again
    EXPECT_FALSE(basic().Command11.enabled());
    select(1, 1);
    EXPECT_TRUE(basic().Command11.enabled());

    // The only line is not deleted from the Basic tab: Insert needs a line to
    // insert before, so a document without lines could not be edited.
    t->doc.FileChanged = false;
    t.loadDataFile("one.srt", SubRip(1));
    select(1, 1);
    EXPECT_FALSE(basic().Command11.enabled());
    EXPECT_TRUE(basic().Command10.enabled());
}

// The editor after an Insert, and the refusal of a time, as the user sees them.
TEST_F(TrustEdit, ScreenshotsOfAnInsertAndARefusedTime) {
    load(40);
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    select(6, 3);
    basic().Command10.onClick();
    select(6, 1);
    window_look::SaveShot(m.window(), "trust_edit_after_insert.png");
    t.answer<frmMessageBox>([](frmMessageBox& box) {
        window_look::SaveShot(box.window(), "trust_edit_refused_time.png");
        box.cmdActionClick(frmMessageBox::Ok);
    });
    change("abc");
    m.hide();
}

} // namespace
