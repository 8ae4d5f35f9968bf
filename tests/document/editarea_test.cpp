// The current-line edit area: what selecting a cell shows in the Basic tab,
// the script player and the overlays over the grid, and what the keys of the
// grid, the in-cell editor and the Basic text field do.

#include "document/BasicTab.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "shell/frmSettings.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

namespace {

class EditAreaTest : public ::testing::Test {
protected:
    EditorTab& editor() { return t.main().editor; }
    BasicTab& basic() { return editor().basic; }
    platform::Grid& grid() { return editor().grdSubEdit; }
    ScriptPlayerTab& player() { return t.main().scriptPlayer; }
    Document& doc() { return t->doc; }

    // Lines 1..n: line r starts at 10 r seconds, ends 2 seconds later, and has
    // the texts " line r", " second r" and " third r"; one part for the whole.
    void makeLines(int n) {
        grid().setRows(n + 2);
        doc().lstFont = QStringList{QString()};
        for (int r = 1; r <= n; ++r) {
            setLine(grid(), r, timeAt(10 * r), timeAt(10 * r + 2),
                    {QStringLiteral(" line %1").arg(r), QStringLiteral(" second %1").arg(r),
                     QStringLiteral(" third %1").arg(r)});
            doc().lstFont.append(doc().DefaultFontSpec());
        }
        NodeTable& nodes = doc().FileNodes;
        nodes.setFirstRow(0, 1);
        nodes.setLastRow(0, n);
        writeParts(nodes, {{1, n, ""}});
    }
    void select(int row, int col) { grid().setCurrentCell(row, col); }
    void fillFontLists() {
        auto& lists = editor().font.Combo9;
        for (const char* name : {"Arial", "Verdana", "Times New Roman"})
            lists[0].addItem(QString::fromLatin1(name));
        for (const char* style : {"Regular", "Bold", "Italic", "Bold Italic", "Strikeout"})
            lists[1].addItem(QString::fromLatin1(style));
        lists[0].setListIndex(1);
        lists[1].setListIndex(0);
    }

    TestProgram t;
};

TEST_F(EditAreaTest, CellShowsItsPositionTextAndTimes) {
    makeLines(10);
    select(7, 4);
    EXPECT_EQ(basic().Label13.caption(), "Row: 7, Col: 4 = Text #2");
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "second 7") << "the cell's text, trimmed";
    EXPECT_EQ(basic().rtfLineStart.text(), "00:01:10,000");
    EXPECT_EQ(basic().rtfLineEnd.text(), "00:01:12,000");
    EXPECT_EQ(editor().rtfEdit.text(), "second 7");
    EXPECT_EQ(doc().CurLine, 7);
    EXPECT_EQ(player().Label23[0].caption(), "line 7");
    EXPECT_EQ(player().Label23[1].caption(), "second 7");
    EXPECT_EQ(player().Label23[2].caption(), "third 7");
    EXPECT_EQ(player().lblSubRowCount.caption(), " 7/ 10");

    select(7, 0);
    EXPECT_EQ(basic().Label13.caption(), "Row: 7, Col: 0 = ");
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "7");

    // The caption follows the language pack's words.
    t->texts.setTextTable(4, 0, QStringLiteral("Zeile"));
    t->texts.setTextTable(4, 1, QStringLiteral("Spalte"));
    select(10, 1);
    EXPECT_EQ(basic().Label13.caption(), "Zeile: 10, Spalte: 1 = Start");
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "00:01:40,000");
}

TEST_F(EditAreaTest, ScriptClockAndStartLabel) {
    makeLines(4);
    grid().setTextMatrix(1, 1, QStringLiteral("00:00:01,000"));
    grid().setTextMatrix(2, 1, QStringLiteral("00:00:00,000"));
    grid().setTextMatrix(3, 1, QStringLiteral("00:01:02,345"));
    grid().setTextMatrix(4, 1, QString());

    select(1, 3);
    EXPECT_EQ(doc().ScriptTime, 99);
    EXPECT_EQ(player().Label24.caption(), "00:00:01,00");
    select(2, 3);
    EXPECT_EQ(doc().ScriptTime, -1);
    EXPECT_EQ(player().Label24.caption(), "00:00:00,00");
    select(3, 3);
    EXPECT_EQ(doc().ScriptTime, 6234) << "62,345 ms: 6234.5 hundredths less one, rounded";
    EXPECT_EQ(player().Label24.caption(), "00:01:02,34");
    select(4, 3);
    EXPECT_EQ(doc().ScriptTime, -1) << "an empty start counts as zero";
    EXPECT_EQ(player().Label24.caption(), "00:01:02,34") << "an empty start leaves the label";
}

TEST_F(EditAreaTest, EditorBlockedLeavesEverythingAlone) {
    makeLines(6);
    select(2, 3);
    doc().EditorBlocked = true;
    select(5, 1);
    EXPECT_EQ(basic().Label13.caption(), "Row: 2, Col: 3 = Text #1");
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "line 2");
    EXPECT_EQ(basic().rtfLineStart.text(), "00:00:20,000");
    EXPECT_EQ(doc().CurLine, 2);
    EXPECT_EQ(doc().ScriptTime, 1999);
    EXPECT_EQ(player().Label23[0].caption(), "line 2");

    doc().EditorBlocked = false;
    t->edit.ShowCurrentLine();
    EXPECT_EQ(doc().CurLine, 5);
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "00:00:50,000");
}

TEST_F(EditAreaTest, SpareRowAndHeaderRow) {
    makeLines(5);
    select(3, 3);
    ASSERT_TRUE(basic().Command11.enabled());

    select(6, 1); // the spare row
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "");
    EXPECT_EQ(basic().rtfLineStart.text(), "");
    EXPECT_EQ(basic().rtfLineEnd.text(), "");
    EXPECT_EQ(doc().CurLine, 6);
    EXPECT_FALSE(basic().Command10.enabled());
    EXPECT_FALSE(basic().Command11.enabled());
    EXPECT_FALSE(basic().Command14.enabled());
    EXPECT_FALSE(editor().cmdInvCalc.visible()) << "no calculator on the spare row";
    EXPECT_FALSE(editor().btnNode[0].visible());

    select(3, 3);
    select(0, 3); // the header
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "line 3") << "the header leaves the fields";
    EXPECT_EQ(basic().rtfLineStart.text(), "00:00:30,000");
    EXPECT_EQ(doc().CurLine, 0);
    EXPECT_FALSE(basic().Command10.enabled());
    EXPECT_FALSE(basic().Command14.enabled());
}

TEST_F(EditAreaTest, LineOneEnablesDeleteAndHidesTheNodeButton) {
    makeLines(5);
    select(2, 1);
    EXPECT_TRUE(basic().Command11.enabled());
    EXPECT_TRUE(editor().btnNode[0].visible());
    EXPECT_EQ(editor().btnNode[0].top(), grid().top() + grid().cellTop());

    select(1, 1);
    EXPECT_TRUE(basic().Command11.enabled());
    EXPECT_FALSE(editor().btnNode[0].visible());

    select(6, 1); // the spare row disables all three
    EXPECT_FALSE(basic().Command11.enabled());
    select(1, 1);
    EXPECT_TRUE(basic().Command10.enabled());
    EXPECT_TRUE(basic().Command14.enabled());
    EXPECT_TRUE(basic().Command11.enabled()) << "line 1 of several lines can be deleted";

    select(5, 1);
    EXPECT_FALSE(editor().btnNode[0].visible()) << "no node button on the last line";
    EXPECT_TRUE(basic().Command11.enabled());
}

TEST_F(EditAreaTest, OverlaysFollowTheCell) {
    makeLines(5);
    select(2, 2);
    const platform::Grid& g = grid();
    const platform::RichTextBox& box = editor().rtfEdit;
    EXPECT_EQ(box.left(), g.left() + g.cellLeft());
    EXPECT_EQ(box.top(), g.top() + g.cellTop());
    EXPECT_EQ(box.width(), g.colWidth(2));
    EXPECT_EQ(box.height(), g.rowHeight());
    const platform::Label& calc = editor().cmdInvCalc;
    EXPECT_TRUE(calc.visible());
    EXPECT_EQ(calc.left() + calc.width(), g.left() + g.cellLeft() + g.cellWidth())
        << "at the cell's right end, the next cell stays readable";
    EXPECT_EQ(calc.top(), g.top() + g.cellTop());

    select(2, 3);
    EXPECT_FALSE(calc.visible()) << "no calculator over a text cell";
    select(0, 1);
    EXPECT_TRUE(calc.visible()) << "the header's time column still offers it";

    select(3, 1);
    editor().errExp.setVisible(true);
    grid().onScroll();
    EXPECT_FALSE(box.visible());
    EXPECT_FALSE(calc.visible());
    EXPECT_FALSE(editor().btnNode[0].visible());
    EXPECT_FALSE(editor().errExp.visible());
    select(3, 2);
    EXPECT_TRUE(box.visible());
    EXPECT_TRUE(calc.visible());
}

TEST_F(EditAreaTest, ScriptSettingDecidesWhereTheInCellEditorShows) {
    makeLines(5);
    platform::CheckBox& script = t->settings().Check6[0];
    script.setValue(platform::CheckBox::Checked);
    select(2, 3);
    EXPECT_FALSE(editor().rtfEdit.visible()) << "ticked: never over a text cell";
    select(2, 1);
    EXPECT_TRUE(editor().rtfEdit.visible());

    script.setValue(platform::CheckBox::Grayed);
    select(2, 4);
    EXPECT_TRUE(editor().rtfEdit.visible()) << "greyed: left as it was";
    script.setValue(platform::CheckBox::Checked);
    select(2, 5);
    script.setValue(platform::CheckBox::Grayed);
    select(3, 1);
    EXPECT_FALSE(editor().rtfEdit.visible()) << "greyed: left as it was";

    script.setValue(platform::CheckBox::Unchecked);
    select(3, 4);
    EXPECT_TRUE(editor().rtfEdit.visible()) << "unticked: over every cell";
}

TEST_F(EditAreaTest, BalloonShowsTheMessageBesideTheCell) {
    makeLines(20);
    t->diag.setDiagMsg(2, QStringLiteral("Line overlaps the next one"));
    t->diag.setDiagMsg(9, QStringLiteral("Too long"));
    const platform::Grid& g = grid();
    const platform::PictureBox& balloon = editor().errExp;

    select(2, 1);
    ASSERT_TRUE(balloon.visible());
    EXPECT_EQ(editor().lblErrExp.caption(), "Line overlaps the next one");
    EXPECT_EQ(balloon.left(), g.left() + g.cellLeft() + g.cellWidth() + 30);
    EXPECT_EQ(balloon.top(), g.top() + g.cellTop() + g.cellHeight() + 30);

    select(2, 4); // near the right edge: its right edge meets the grid's width
    EXPECT_EQ(balloon.left() + balloon.width(), g.width());
    EXPECT_EQ(balloon.top(), g.top() + g.cellTop() + g.cellHeight() + 30);

    grid().setTopRow(1);
    select(9, 1); // near the bottom: above the cell
    ASSERT_EQ(g.topRow(), 1);
    ASSERT_GT(g.cellTop() + 2 * g.cellHeight() + balloon.height() + 30, g.height());
    EXPECT_EQ(balloon.top() + balloon.height() + 30, g.top() + g.cellTop());
    EXPECT_EQ(editor().lblErrExp.caption(), "Too long");

    select(3, 1);
    EXPECT_FALSE(balloon.visible()) << "a line without a message has no balloon";
}

TEST_F(EditAreaTest, FontSpecPicksStyleAndListEntries) {
    makeLines(6);
    fillFontLists();
    auto& lists = editor().font.Combo9;
    doc().lstFont[2] = QStringLiteral("Courier;Western;Bold Italic;16");
    doc().lstFont[3] = QStringLiteral("times new roman;Western;Underline;12");
    doc().lstFont[4] = QStringLiteral("Arial;Western;Strikeout;12");
    doc().lstFont[5] = QStringLiteral("verdana;Bold;20"); // two ";": no style

    select(2, 3);
    EXPECT_EQ(lists[0].listIndex(), 1) << "a font not in the list leaves the selection";
    EXPECT_EQ(lists[1].listIndex(), 3);
    EXPECT_TRUE(player().Label23[0].fontBold());
    EXPECT_TRUE(player().Label23[2].fontItalic());

    select(3, 3);
    EXPECT_EQ(lists[0].listIndex(), 2) << "names match without case";
    EXPECT_EQ(lists[1].listIndex(), 3) << "a style matching none leaves the selection";
    EXPECT_FALSE(player().Label23[0].fontBold());
    EXPECT_FALSE(player().Label23[1].fontItalic());

    select(4, 3);
    EXPECT_EQ(lists[0].listIndex(), 0);
    EXPECT_EQ(lists[1].listIndex(), 3) << "only the first four styles are looked at";

    select(5, 3);
    EXPECT_EQ(lists[0].listIndex(), 1);
    EXPECT_EQ(lists[1].listIndex(), 3);
    EXPECT_FALSE(player().Label23[0].fontBold()) << "the style field is empty";

    // The script player's own calls: index 3 does not exist and is skipped.
    t->edit.subShowSubtitle(QStringLiteral("   spoken"), 1);
    t->edit.subShowSubtitle(QStringLiteral("lost"), 3);
    EXPECT_EQ(player().Label23[1].caption(), "spoken");
    doc().CurLine = 40; // past the font list: no style at all
    t->edit.subShowSubtitle(QStringLiteral("x"), 0);
    EXPECT_EQ(player().lblSubRowCount.caption(), " 40/ 6");
    EXPECT_FALSE(player().Label23[0].fontBold());
}

TEST_F(EditAreaTest, CellSelectReportsColumnThenRow) {
    makeLines(10);
    select(7, 4);
    doc().CurLine = 0;
    grid().onClick();
    EXPECT_EQ(t->macro.MacroAction.code, 549);
    EXPECT_EQ(t->macro.MacroAction.text, "4,7");
    EXPECT_EQ(t->edit.SearchIndex, 7);
    EXPECT_EQ(doc().CurLine, 7);
}

TEST_F(EditAreaTest, EnterInTheCellEditorChangesTheCellWhileRecordingToo) {
    makeLines(5);
    select(3, 3);
    platform::RichTextBox& box = editor().rtfEdit;
    box.setText(QStringLiteral("  new words "));
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "  new words ") << "the editor feeds the field";

    // A recording keeps what the user typed: the cell changes as it does
    // without one, and the change is the action left for the recorder.
    t->macro.RecordMode = 1;
    int key = 13;
    box.onKeyPress(key);
    EXPECT_EQ(grid().textMatrix(3, 3), " new words");
    EXPECT_EQ(t->macro.MacroAction.code, 504);
    EXPECT_EQ(t->history.snapshots().size(), 1u);
    EXPECT_TRUE(doc().FileChanged);

    t->macro.RecordMode = 0;
    box.setText(QStringLiteral("other words"));
    key = 13;
    box.onKeyPress(key);
    EXPECT_EQ(grid().textMatrix(3, 3), " other words");
    EXPECT_EQ(t->macro.MacroAction.code, 504);
    EXPECT_EQ(t->history.snapshots().size(), 2u);

    // Enter in the Basic text field does the same.
    select(3, 2);
    basic().rtfSubEditBasic.setText(QStringLiteral("00:00:31,500"));
    key = 13;
    basic().rtfSubEditBasic.onKeyPress(key);
    EXPECT_EQ(grid().textMatrix(3, 2), "00:00:31,500");
}

TEST_F(EditAreaTest, TabCallsTheCalculatorOnlyOverTimesAndNumbers) {
    makeLines(5);
    t.main().tabMain.setTab(frmMain::TabEditor);
    select(2, 3);
    int key = 9;
    editor().rtfEdit.onKeyPress(key);
    EXPECT_EQ(t->calc.CalcInvokeTarget, -1);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabEditor) << "no calculator over a text cell";

    select(2, 1);
    key = 9;
    editor().rtfEdit.onKeyPress(key);
    EXPECT_EQ(t->calc.CalcInvokeTarget, 10);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabCalculator);
}

TEST_F(EditAreaTest, ClipFollowsTheBasicTextAndFocusSelectsIt) {
    makeLines(3);
    platform::RichTextBox& text = basic().rtfSubEditBasic;
    text.setText(QStringLiteral("   "));
    EXPECT_FALSE(basic().Command47.enabled());
    text.setText(QStringLiteral(" a "));
    EXPECT_TRUE(basic().Command47.enabled());
    select(2, 0);
    EXPECT_TRUE(basic().Command47.enabled()) << "the line number is text too";

    editor().rtfEdit.setText(QStringLiteral("other")); // the editor feeds the field
    EXPECT_EQ(text.text(), "other");
    text.setText(QStringLiteral("hello there")); // the field does not feed the editor
    EXPECT_EQ(editor().rtfEdit.text(), "other");
    text.setSelStart(3);
    text.onGotFocus();
    EXPECT_EQ(text.selStart(), 0);
    EXPECT_EQ(text.selLength(), 11);
    EXPECT_EQ(editor().rtfEdit.text(), "hello there");
}

TEST_F(EditAreaTest, EnterInTheGridPutsTheCaretIntoTheCellEditor) {
    makeLines(5);
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::setActiveWindow(m.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m.window()));
    select(4, 3);
    grid().setFocus();
    QApplication::processEvents();

    QTest::keyClick(grid().widget(), Qt::Key_Return);
    EXPECT_TRUE(editor().rtfEdit.hasFocus());
    EXPECT_EQ(editor().rtfEdit.selStart(), 0);
    EXPECT_EQ(editor().rtfEdit.selLength(), 6) << "all of \"line 4\"";

    QTest::keyClick(editor().rtfEdit.widget(), Qt::Key_Escape);
    EXPECT_TRUE(grid().hasFocus());
    m.hide();
}

// The grid on screen, as the user sees and handles it.
struct GridOnScreen {
    platform::Grid& grid;
    QTableView* view() const { return static_cast<QTableView*>(grid.widget()); }
    // Where a cell is drawn, in pixels of the tab page the overlays sit on.
    QRect cellOnPage(int row, int col) const {
        const QRect r = view()->visualRect(view()->model()->index(row - grid.fixedRows(), col));
        return QRect(view()->viewport()->mapTo(view()->parentWidget(), r.topLeft()), r.size());
    }
    void click(int row, int col) const {
        const QRect r = view()->visualRect(view()->model()->index(row - grid.fixedRows(), col));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    // The wheel turned one notch down with the pointer over the cell: the
    // window system gives it to the widget under the pointer.
    void wheelOver(int row, int col) const {
        QWidget* page = view()->parentWidget();
        const QPoint at = cellOnPage(row, col).center();
        QWidget* under = page->childAt(at);
        ASSERT_NE(under, nullptr);
        const QPoint local = under->mapFrom(page, at);
        QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &wheel);
        QApplication::processEvents();
    }
};

// Pixels of a control on its page.
QRect onPage(const platform::Control& c) {
    return c.widget()->geometry();
}

// The in-cell editor covers the cell the user sees, also after the grid was
// scrolled sideways and its columns dragged wider; the balloon stays beside it.
TEST_F(EditAreaTest, OverlaysSitOnTheirCellAfterSidewaysScrollingAndColumnResizing) {
    makeLines(12);
    t->diag.setDiagMsg(3, QStringLiteral("Line 3 ends after line 4 starts."));
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::processEvents();
    GridOnScreen screen{grid()};
    QHeaderView* header = screen.view()->horizontalHeader();
    header->resizeSection(3, 400); // the user drags Text #1 wider: the grid now scrolls sideways
    QApplication::processEvents();

    QScrollBar* sideways = screen.view()->horizontalScrollBar();
    sideways->setValue(sideways->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(!editor().rtfEdit.visible() || onPage(editor().rtfEdit) == screen.cellOnPage(1, 3))
        << "scrolling hides the in-cell editor or it stays on its cell";

    screen.click(3, 5); // the last column, in view now
    QRect cell = screen.cellOnPage(3, 5);
    ASSERT_TRUE(editor().rtfEdit.visible());
    EXPECT_NEAR(onPage(editor().rtfEdit).left(), cell.left(), 2);
    EXPECT_NEAR(onPage(editor().rtfEdit).top(), cell.top(), 2);
    EXPECT_NEAR(onPage(editor().rtfEdit).width(), cell.width(), 2);

    sideways->setValue(header->sectionPosition(2)); // End is the first column in view
    QApplication::processEvents();
    ASSERT_GT(sideways->value(), 0);
    screen.click(3, 2);
    cell = screen.cellOnPage(3, 2);
    ASSERT_TRUE(editor().rtfEdit.visible());
    EXPECT_NEAR(onPage(editor().rtfEdit).left(), cell.left(), 2);
    EXPECT_NEAR(onPage(editor().rtfEdit).width(), cell.width(), 2);
    ASSERT_TRUE(editor().cmdInvCalc.visible());
    EXPECT_NEAR(onPage(editor().cmdInvCalc).right(), cell.right(), 2) << "at its right end";
    ASSERT_TRUE(editor().errExp.visible());
    EXPECT_NEAR(onPage(editor().errExp).left(), cell.right() + 1 + 2, 2) << "the balloon too";

    select(4, 5); // a tool moves the current cell out of view: the grid brings it in
    QApplication::processEvents();
    EXPECT_NEAR(onPage(editor().rtfEdit).left(), screen.cellOnPage(4, 5).left(), 2);
    EXPECT_GE(screen.cellOnPage(4, 5).right(), 0);
    select(3, 2);
    QApplication::processEvents();

    header->resizeSection(1, 150); // a column left of the cell grows: the cell moves right
    QApplication::processEvents();
    const QRect moved = screen.cellOnPage(3, 2);
    EXPECT_TRUE(!editor().rtfEdit.visible() ||
                std::abs(onPage(editor().rtfEdit).left() - moved.left()) <= 2)
        << "the in-cell editor went with its cell or out of sight";
    header->resizeSection(2, 200); // the cell itself grows
    QApplication::processEvents();
    EXPECT_TRUE(!editor().rtfEdit.visible() ||
                std::abs(onPage(editor().rtfEdit).width() - screen.cellOnPage(3, 2).width()) <= 2);
    m.hide();
}

// The pointer stays over the cell the user clicked, where the in-cell editor
// now lies: turning the wheel there still scrolls the lines.
TEST_F(EditAreaTest, TheWheelScrollsTheGridAfterACellWasClicked) {
    makeLines(80);
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::processEvents();
    GridOnScreen screen{grid()};
    screen.wheelOver(3, 3);
    const int afterFirstTurn = grid().topRow();
    EXPECT_GT(afterFirstTurn, 1) << "the wheel scrolls the grid";
    screen.click(afterFirstTurn + 1, 3);
    ASSERT_TRUE(editor().rtfEdit.visible());
    screen.wheelOver(afterFirstTurn + 1, 3);
    EXPECT_GT(grid().topRow(), afterFirstTurn) << "the wheel over the clicked cell scrolls too";
    m.hide();
}

// A picture of the Editor tab with a few lines and a diagnose message, saved
// as editarea.png beside the tests for a look at the layout.
// A line of a megabyte (one word, or tabs) is shown by its start until the
// user works on it; clicked into, the Basic field holds all of it, End goes
// to its end, and Enter writes the whole line back; Enter in the grid selects
// all of it in the in-cell editor.
TEST_F(EditAreaTest, AMegabyteLineStaysWholeThroughTheFields) {
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::setActiveWindow(m.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m.window()));
    for (const QString& line :
         {QString(1000000, u'x') + "end", "a" + QString(430000, u'\t') + "z"}) {
        doc().FileChanged = false; // the last round's edit is not asked about
        t.loadDataFile(QStringLiteral("long%1.srt").arg(line.size()),
                       "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + line.toUtf8() + "\r\n");
        QApplication::processEvents();
        ASSERT_EQ(grid().textMatrix(1, 3).trimmed().size(), line.size());
        platform::RichTextBox& field = basic().rtfSubEditBasic;
        EXPECT_EQ(field.text(), line);
        EXPECT_EQ(editor().rtfEdit.text(), line);

        auto* edit = qobject_cast<QTextEdit*>(field.widget());
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(edit->toPlainText(), line) << "the field holds the whole line to edit";
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, "!");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(grid().textMatrix(1, 3), " " + line.trimmed() + "!");

        grid().setFocus();
        QTest::keyClick(grid().widget(), Qt::Key_Return);
        EXPECT_EQ(editor().rtfEdit.selLength(), line.trimmed().size() + 1);
    }
    m.hide();
}

TEST_F(EditAreaTest, ScreenshotOfTheEditorTab) {
    makeLines(8);
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    t->diag.setDiagMsg(3, QStringLiteral("Line 3 ends after line 4 starts."));
    doc().MarkNodes(1);
    m.show();
    select(3, 2);
    QApplication::processEvents();
    ASSERT_TRUE(editor().errExp.visible());
    window_look::SaveShot(m.window(), "editarea.png");
    m.hide();
}

} // namespace
