// The in-cell editors lie on their cell as the user meets them: after a
// search scrolled the grid, after the splitter between the panes was dragged,
// and the calculator's cell editor as the window starts.

#include "document/EditorTab.h"
#include "timing_fixture.h"
#include "tools/SearchTab.h"
#include "window_steps.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

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
    static std::string place(int left, int top, int width, int height) {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(left)
            .arg(top)
            .arg(width)
            .arg(height)
            .toStdString();
    }
    // The editor's place and size against the cell's, as "left top width height".
    std::string editorPlace() {
        const platform::Control& e = m().editor.rtfEdit;
        return place(e.left(), e.top(), e.width(), e.height());
    }
    std::string cellPlace() {
        const platform::Grid& g = grid();
        return place(g.left() + g.cellLeft(), g.top() + g.cellTop(), g.cellWidth(), g.cellHeight());
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
