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

using window_steps::click;
using window_steps::type;

class TimingWindowTest : public ShownWindowTest {
protected:
    void SetUp() override {
        loadLines(6);
        show(frmMain::TabEditor);
    }

    void page(int tab) {
        m().editor.SSTab3.setTab(tab);
        QApplication::processEvents();
    }
    void shot(const char* name) { window_steps::shot(m(), "timing", name); }
    // Each tool's fields filled as a user fills them, up to its Go button.
    platform::Control& shift(const char* first, const char* last, const char* by, int direction) {
        page(0);
        type(m().editor.Text1[0], first);
        type(m().editor.Text1[1], last);
        type(m().shift.rtfShiftDuration, by);
        if (m().shift.Label37.caption() == ">>") click(m().shift.Label37);
        m().shift.Combo2.setListIndex(direction); // 0 towards the beginning, 1 the end
        return m().shift.Command13;
    }
    platform::Control& stretch(const char* first, const char* last, const char* from,
                               const char* to) {
        page(1);
        type(m().editor.Text1[2], first);
        type(m().editor.Text1[3], last);
        type(m().editor.rtfStretchFirst, from);
        type(m().editor.rtfStretchLast, to);
        return m().stretch.Command12;
    }
    platform::Control& time(int row, const char* by, platform::Control& step) {
        page(2);
        grid().setCurrentCell(row, 3);
        type(m().timeTab.rtfDurShift, by);
        click(step);
        return m().timeTab.Command19;
    }
};

// Each tool's page is saved before and after its Go.
TEST_F(TimingWindowTest, EachToolByTypingAndClickingGo) {
    FrameRateTab& fr = m().frameRate;
    const struct {
        const char* tool;
        std::function<platform::Control&()> steps;
        std::vector<std::pair<int, const char*>> times; // index into times(), wanted
    } cases[] = {
        {"shift",
         [&]() -> platform::Control& { return shift("2", "4", "00:00:03,250", 1); },
         {{1, "00:00:23,250-00:00:25,250"},
          {3, "00:00:43,250-00:00:45,250"},
          {4, "00:00:50,000-00:00:52,000"}}},
        {"shift_after_delete_insert", // the range's last line follows both
         [&]() -> platform::Control& {
             grid().setCurrentCell(2, 3);
             m().editor.basic.Command11.onClick();
             m().editor.basic.Command10.onClick();
             const QByteArray last = m().editor.Text1[1].text().toUtf8(); // as shown
             return shift("1", last.constData(), "00:00:01,000", 1);
         },
         {{5, "00:01:01,000-00:01:03,000"}}},
        {"stretch",
         [&]() -> platform::Control& { return stretch("1", "6", "00:00:00,000", "00:01:40,000"); },
         {{0, "00:00:00,000-00:00:02,000"},
          {1, "00:00:20,000-00:00:22,000"},
          {5, "00:01:40,000-00:01:42,000"}}},
        {"time",
         [&]() -> platform::Control& {
             platform::Control& go = time(3, "00:00,500", m().timeTab.Command16); // later
             click(m().timeTab.Command18); // longer at both ends
             return go;
         },
         {{2, "00:00:30,000-00:00:33,000"}}},
        {"framerate",
         [&]() -> platform::Control& {
             page(3);
             if (fr.Label29.caption() == ">>") click(fr.Label29);
             fr.Combo14[0].setListIndex(2); // 25.000
             if (fr.Label45.caption() == ">>") click(fr.Label45);
             fr.Combo14[1].setListIndex(0); // 23.970
             return fr.Command52;
         },
         {{0, "00:00:09,588-00:00:11,505"}}},
    };
    for (const auto& c : cases) {
        loadLines(6);
        platform::Control& go = c.steps();
        shot((std::string(c.tool) + "_before").c_str());
        click(go);
        shot((std::string(c.tool) + "_after").c_str());
        for (const auto& [index, wanted] : c.times)
            EXPECT_EQ(times()[index], wanted) << c.tool;
    }
}

// A Go below zero, past 99:59:59,999 or moving no line says why and changes nothing.
TEST_F(TimingWindowTest, AGoThatWouldGoBelowZeroIsRefusedBeforeAnythingChanges) {
    const struct {
        const char* tool;
        std::function<platform::Control&()> steps;
        const char* says;
    } cases[] = {
        {"Shift", [&]() -> platform::Control& { return shift("1", "3", "00:00:15,000", 0); },
         "Line 1 would move below 00:00:00,000: its start would be -00:00:05,000."},
        {"Shift", [&]() -> platform::Control& { return shift("1", "3", "first", 0); },
         "The shift time 'first' is not a time code.\r\nType it as hh:mm:ss,fff, for example "
         "00:01:02,500."},
        {"Shift", [&]() -> platform::Control& { return shift("1", "3", "00:00:00,000", 1); },
         "A shift by 00:00:00,000 moves no line."},
        {"Shift", [&]() -> platform::Control& { return shift("1", "3", "99:59:55,000", 1); },
         "Shifting lines 1 to 3 by 99:59:55,000 would take their times past 99:59:59,999."},
        {"Stretch",
         [&]() -> platform::Control& { return stretch("2", "6", "-1:59:58,000", "00:00:40,000"); },
         "Line 2 would move below 00:00:00,000: its start would be -00:00:02,000."},
        {"Time",
         [&]() -> platform::Control& {
             return page(2), grid().setCurrentCell(2, 3), m().timeTab.Command19;
         },
         nullptr},
        {"Time",
         [&]() -> platform::Control& {
             return time(2, "00:21,000", m().timeTab.Command15); // earlier
         },
         "Line 2 would move below 00:00:00,000: its start would be -00:00:01,000."},
    };
    for (const auto& c : cases) {
        settle();
        const QStringList before = times();
        Message seen;
        if (c.says) t.reply(AnswerOk, &seen);
        click(c.steps());
        const QString says = QString::fromLatin1(c.says);
        EXPECT_EQ(seen.title, c.says ? c.tool : "");
        EXPECT_EQ(seen.text,
                  !c.says || says.contains('\n') ? says : says + "\r\nNothing was changed.");
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

class EditorPlaceTest : public ShownWindowTest {
protected:
    void SetUp() override {
        loadLines(40);
        settle();
        show(frmMain::TabEditor);
        m().move(0, 0, frmMain::MinWidth, frmMain::MinHeight);
        m().Resize();
        QApplication::processEvents();
    }
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

// The editor lies on its cell after a search scrolled the grid and after the
// splitter between the panes was dragged.
TEST_F(EditorPlaceTest, AfterASearchOrASplitterDrag) {
    m().editor.SSTab2.setTab(1);
    grid().setCurrentCell(1, 3);
    t->edit.EditorCellSelect();
    window_steps::typeAndEnter(m().search.rtfSearch, "Line 30");
    QApplication::processEvents();
    ASSERT_EQ(grid().row(), 30);
    EXPECT_EQ(editorPlace(), cellPlace()) << "after the search";

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
    EXPECT_EQ(editorPlace(), cellPlace()) << "after the drag";
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
