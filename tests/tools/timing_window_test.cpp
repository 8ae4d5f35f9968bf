// The four timing tools used as a user uses them in the shown main window:
// typing into the fields and clicking Go with the mouse. Each tool's page and
// the grid are saved before and after (timing_<tool>_before.png / _after.png
// in the build's test folder) for a look. The in-cell editors lie on their
// cell after a search scrolled the grid, after the splitter between the panes
// was dragged, and the calculator's cell editor as the window starts.

#include "document/EditorTab.h"
#include "support/Printing.h"
#include "timing_fixture.h"
#include "tools/FrameRateTab.h"
#include "tools/SearchTab.h"
#include "tools/ShiftTab.h"
#include "tools/StretchTab.h"
#include "tools/TimeTab.h"
#include "window_steps.h"

#include <QApplication>
#include <QPixmap>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <functional>

namespace {

class TimingWindowTest : public TimingTest {
protected:
    void SetUp() override {
        loadLines(6);
        m().tabMain.setTab(frmMain::TabEditor);
        m().show();
        QApplication::processEvents();
    }
    void TearDown() override { m().hide(); }

    void page(int tab) {
        m().editor.SSTab3.setTab(tab);
        QApplication::processEvents();
    }
    static void type(platform::Control& field, const QString& text) {
        window_steps::type(field, text);
    }
    static void click(platform::Control& button) { window_steps::click(button); }
    void shot(const char* name) { window_steps::shot(m(), "timing", name); }
};

TEST_F(TimingWindowTest, ShiftByTypingAndClickingGo) {
    page(0);
    type(m().editor.Text1[0], "2");
    type(m().editor.Text1[1], "4");
    type(m().shift.rtfShiftDuration, "00:00:03,250");
    if (m().shift.Label37.caption() == ">>") click(m().shift.Label37);
    m().shift.Combo2.setListIndex(1);
    shot("shift_before");
    click(m().shift.Command13);
    shot("shift_after");
    EXPECT_EQ(times()[1], "00:00:23,250-00:00:25,250");
    EXPECT_EQ(times()[3], "00:00:43,250-00:00:45,250");
    EXPECT_EQ(times()[4], "00:00:50,000-00:00:52,000");
}

TEST_F(TimingWindowTest, StretchByTypingAndClickingGo) {
    page(1);
    type(m().editor.Text1[2], "1");
    type(m().editor.Text1[3], "6");
    type(m().editor.rtfStretchFirst, "00:00:00,000");
    type(m().editor.rtfStretchLast, "00:01:40,000");
    shot("stretch_before");
    click(m().stretch.Command12);
    shot("stretch_after");
    EXPECT_EQ(times()[0], "00:00:00,000-00:00:02,000");
    EXPECT_EQ(times()[1], "00:00:20,000-00:00:22,000");
    EXPECT_EQ(times()[5], "00:01:40,000-00:01:42,000");
}

TEST_F(TimingWindowTest, TimeByClickingALineTheStepsAndGo) {
    page(2);
    grid().setCurrentCell(3, 3);
    TimeTab& time = m().timeTab;
    type(time.rtfDurShift, "00:00,500");
    click(time.Command16); // later
    click(time.Command18); // longer at both ends
    shot("time_before");
    click(time.Command19);
    shot("time_after");
    EXPECT_EQ(times()[2], "00:00:30,000-00:00:33,000");
}

TEST_F(TimingWindowTest, FrameRateByPickingTheRatesAndClickingGo) {
    page(3);
    FrameRateTab& fr = m().frameRate;
    if (fr.Label29.caption() == ">>") click(fr.Label29);
    fr.Combo14[0].setListIndex(2); // 25.000
    if (fr.Label45.caption() == ">>") click(fr.Label45);
    fr.Combo14[1].setListIndex(0); // 23.970
    shot("framerate_before");
    click(fr.Command52);
    shot("framerate_after");
    EXPECT_EQ(times()[0], "00:00:09,588-00:00:11,505");
}

// A Go that would put a time below 00:00:00,000 is refused with the first
// line it would move there, and nothing changes: no snapshot, no time.
TEST_F(TimingWindowTest, AGoThatWouldGoBelowZeroIsRefusedBeforeAnythingChanges) {
    struct Case {
        const char* tool;
        std::function<void()> steps;
        const char* says;
    } cases[] = {
        {"Shift",
         [&] {
             page(0);
             type(m().editor.Text1[0], "1");
             type(m().editor.Text1[1], "3");
             type(m().shift.rtfShiftDuration, "00:00:15,000");
             if (m().shift.Label37.caption() == ">>") click(m().shift.Label37);
             m().shift.Combo2.setListIndex(0); // towards the beginning
             click(m().shift.Command13);
         },
         "Line 1 would move below 00:00:00,000: its start would be -1:59:55,000."},
        {"Stretch",
         [&] {
             page(1);
             type(m().editor.Text1[2], "2");
             type(m().editor.Text1[3], "6");
             type(m().editor.rtfStretchFirst, "-1:59:58,000");
             type(m().editor.rtfStretchLast, "00:00:40,000");
             click(m().stretch.Command12);
         },
         "Line 2 would move below 00:00:00,000: its start would be -1:59:58,000."},
        {"Time",
         [&] {
             page(2);
             grid().setCurrentCell(2, 3);
             type(m().timeTab.rtfDurShift, "00:21,000");
             click(m().timeTab.Command15); // earlier
             click(m().timeTab.Command19);
         },
         "Line 2 would move below 00:00:00,000: its start would be -1:59:59,000."},
    };
    for (const Case& c : cases) {
        settle();
        const QStringList before = times();
        Message seen;
        t.reply(AnswerOk, &seen);
        c.steps();
        EXPECT_EQ(seen.title, c.tool);
        EXPECT_EQ(seen.text, QString::fromLatin1(c.says) + "\r\nNothing was changed.") << c.tool;
        EXPECT_EQ(times(), before) << c.tool;
        EXPECT_TRUE(snapshots().empty()) << c.tool;
        EXPECT_FALSE(t->doc.FileChanged) << c.tool;
    }
}

// Time's Go takes only time codes, as the edit area does: whatever else is
// typed stays out of the grid.
TEST_F(TimingWindowTest, TimeRefusesAStartOrEndThatIsNotATimeCode) {
    const struct {
        bool start;
        const char *typed, *says;
    } cases[] = {
        {true, "1:5", "The start time '1:5' is not a time code."},
        {true, "hello", "The start time 'hello' is not a time code."},
        {false, "00:00:61,000", "The end time '00:00:61,000' is not a time code."},
        {false, "00:00:32", "The end time '00:00:32' is not a time code."},
    };
    page(2);
    settle();
    const QStringList before = times();
    TimeTab& time = m().timeTab;
    for (const auto& c : cases) {
        grid().setCurrentCell(1, 3);
        grid().setCurrentCell(3, 3); // the fields show line 3 afresh
        type(c.start ? time.rtfTimeStart : time.rtfTimeEnd, QString::fromLatin1(c.typed));
        Message seen;
        t.reply(AnswerOk, &seen);
        click(time.Command19);
        EXPECT_EQ(seen.title, "Time");
        EXPECT_EQ(seen.text, QString::fromLatin1(c.says) +
                                 "\r\nType it as hh:mm:ss,fff, for example 00:01:02,500.");
        EXPECT_EQ(times(), before) << c.typed;
        EXPECT_TRUE(snapshots().empty()) << c.typed;
    }
}

class EditorPlaceTest : public TimingTest {
protected:
    void SetUp() override {
        loadLines(40);
        settle();
        m().tabMain.setTab(frmMain::TabEditor);
        m().show();
        m().move(0, 0, frmMain::MinWidth, frmMain::MinHeight);
        m().Resize();
        QApplication::processEvents();
    }
    void TearDown() override { m().hide(); }
    // The editor's place and size against the cell's.
    QRect editorPlace() {
        const platform::Control& e = m().editor.rtfEdit;
        return {e.left(), e.top(), e.width(), e.height()};
    }
    QRect cellPlace() {
        const platform::Grid& g = grid();
        return {g.left() + g.cellLeft(), g.top() + g.cellTop(), g.cellWidth(), g.cellHeight()};
    }
};

TEST_F(EditorPlaceTest, AfterASearchScrolledTheGrid) {
    m().editor.SSTab2.setTab(1);
    grid().setCurrentCell(1, 3);
    t->edit.EditorCellSelect();
    SearchTab& s = m().search;
    window_steps::typeAndEnter(s.rtfSearch, "Line 30");
    QApplication::processEvents();
    ASSERT_EQ(grid().row(), 30);
    EXPECT_EQ(editorPlace(), cellPlace());
}

TEST_F(EditorPlaceTest, AfterTheSplitterWasDragged) {
    grid().setCurrentCell(5, 3);
    QApplication::processEvents();
    ASSERT_EQ(editorPlace(), cellPlace());
    QWidget* bar = m().pMove.widget();
    const int before = m().pMove.left();
    const QPoint grip(bar->width() / 2, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip - QPoint(60, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip - QPoint(60, 0));
    QApplication::processEvents();
    ASSERT_NE(m().pMove.left(), before) << "the drag moved the splitter";
    EXPECT_EQ(editorPlace(), cellPlace());
}

TEST(CalculatorEditorPlace, TheCellEditorLiesOnItsCellAtStart) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    const CalculatorTab& c = m.calculator;
    ASSERT_TRUE(c.rtfCalc.visible());
    EXPECT_EQ(c.rtfCalc.left(), c.Calc.left() + c.Calc.cellLeft());
    EXPECT_EQ(c.rtfCalc.width(), c.Calc.cellWidth());
    EXPECT_EQ(c.rtfCalc.top(), c.Calc.top() + c.Calc.cellTop());
}

} // namespace
