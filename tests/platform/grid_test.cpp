// The document grid: cells in a plain table, the current cell and its
// RowColChange, the clamped top row, per-cell colours and the current cell's
// geometry in twips.

#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Host.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct GridFixture : ::testing::Test {
    platform::Host host;
    platform::Form form{host, "frmTest", platform::Form::Style::Main};
    platform::Grid grid{form, "grdTest", 2, 6};
    int rowColChanges = 0;
    void SetUp() override {
        form.move(0, 0, 12000, 9000);
        grid.move(0, 0, 9000, 3000); // 12 rows of 240 twips, header included
        grid.onRowColChange = [this] { ++rowColChanges; };
    }
    QTableView* view() { return static_cast<QTableView*>(grid.widget()); }
};

TEST_F(GridFixture, CellsReadBackAndOutOfRangeIsHarmless) {
    grid.setRows(10000);
    for (int r = 1; r < 10000; ++r)
        grid.setTextMatrix(r, 3, QString::number(r));
    EXPECT_EQ(grid.textMatrix(9999, 3), "9999");
    EXPECT_EQ(grid.textMatrix(10000, 3), "");
    EXPECT_EQ(grid.textMatrix(-1, 0), "");
    grid.setTextMatrix(10000, 0, "x"); // ignored, no growth
    grid.setTextMatrix(5, 6, "x");
    EXPECT_EQ(grid.rows(), 10000);

    grid.setRows(3);
    EXPECT_EQ(grid.textMatrix(2, 3), "2");
    grid.setRows(5);
    EXPECT_EQ(grid.textMatrix(3, 3), "") << "rows added again start empty";

    grid.setCols(4);
    EXPECT_EQ(grid.textMatrix(2, 3), "2") << "cells keep their place when columns change";
    EXPECT_EQ(grid.textMatrix(2, 5), "");
}

TEST_F(GridFixture, CurrentCellChangesFireRowColChangeOnce) {
    grid.setRows(10);
    grid.setRow(3);
    EXPECT_EQ(rowColChanges, 1);
    grid.setRow(3);
    EXPECT_EQ(rowColChanges, 1) << "the same row is no change";
    grid.setCol(2);
    grid.setCurrentCell(4, 5);
    EXPECT_EQ(rowColChanges, 3);
    EXPECT_EQ(grid.row(), 4);
    EXPECT_EQ(grid.col(), 5);
    grid.setRow(10); // beyond the last row: refused
    EXPECT_EQ(grid.row(), 4);
    grid.setText("here");
    EXPECT_EQ(grid.textMatrix(4, 5), "here");

    grid.setRows(3); // the current row disappears: the grid moves to its last row
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(rowColChanges, 4);
}

TEST_F(GridFixture, AHeldWalkOverCellsFiresOneRowColChangeWhereItEnds) {
    grid.setRows(10);
    grid.holdRowColChange();
    grid.setCurrentCell(3, 1);
    grid.setCurrentCell(5, 2);
    EXPECT_EQ(rowColChanges, 0);
    grid.releaseRowColChange();
    EXPECT_EQ(rowColChanges, 1);
    grid.holdRowColChange();
    grid.setCurrentCell(7, 1);
    grid.setCurrentCell(5, 2); // back where it was held
    grid.releaseRowColChange();
    EXPECT_EQ(rowColChanges, 1) << "no change, no event";
    grid.releaseRowColChange(); // an extra release does nothing
    grid.setRow(6);
    EXPECT_EQ(rowColChanges, 2);
}

TEST_F(GridFixture, TopRowIsClampedSoTheLastRowsFillTheView) {
    grid.setRows(100);
    const int visible = grid.visibleRows();
    EXPECT_EQ(visible, 11);
    grid.setTopRow(50);
    EXPECT_EQ(grid.topRow(), 50);
    grid.setTopRow(99);
    EXPECT_EQ(grid.topRow(), 100 - visible);
    grid.setTopRow(0);
    EXPECT_EQ(grid.topRow(), 1) << "the top row is never a fixed row";
    grid.setRows(5);
    EXPECT_EQ(grid.topRow(), 1);
}

TEST_F(GridFixture, CurrentCellGeometryIsInTwipsRelativeToTheGrid) {
    grid.setRows(100);
    grid.setColWidth(0, 600);
    grid.setColWidth(1, 1200);
    grid.setColWidth(2, 1500);
    grid.setTopRow(20);
    grid.setCurrentCell(23, 2);
    EXPECT_EQ(grid.cellLeft(), 1800);
    EXPECT_EQ(grid.cellWidth(), 1500);
    EXPECT_EQ(grid.cellTop(), 240 + 3 * 240);
    EXPECT_EQ(grid.cellHeight(), 240);
    grid.setCurrentCell(0, 1);
    EXPECT_EQ(grid.cellTop(), 0) << "the header row stays at the top";
}

TEST_F(GridFixture, BackgroundColoursBelongToCells) {
    grid.setRows(5);
    grid.setCurrentCell(2, 1);
    EXPECT_EQ(grid.cellBackColor(), platform::ColorWhite);
    grid.setCellBackColor(65280);
    grid.setCurrentCell(3, 2);
    grid.setCellBackColor(255);
    EXPECT_EQ(grid.cellBackColorAt(2, 1), 65280u);
    EXPECT_EQ(grid.cellBackColorAt(3, 2), 255u);
    EXPECT_EQ(grid.cellBackColorAt(0, 3), platform::SysButtonFace) << "fixed cells are grey";
    EXPECT_EQ(grid.cellBackColorAt(2, 0), platform::SysButtonFace);

    grid.removeItem(2); // the colour leaves with its row
    EXPECT_EQ(grid.cellBackColorAt(2, 2), 255u);
    grid.clear();
    EXPECT_EQ(grid.cellBackColorAt(2, 2), platform::ColorWhite);
}

TEST_F(GridFixture, RemoveAndAddItemsKeepTheRowsInOrder) {
    grid.setRows(4);
    for (int r = 1; r < 4; ++r)
        grid.setTextMatrix(r, 1, QString("r%1").arg(r));
    EXPECT_TRUE(grid.removeItem(2));
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.textMatrix(2, 1), "r3");
    EXPECT_FALSE(grid.removeItem(0)) << "a fixed row is not removed";
    grid.addItem("1\tnew\tx", 1);
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.textMatrix(1, 1), "new");
    EXPECT_EQ(grid.textMatrix(2, 1), "r1");
    grid.setRows(2);
    EXPECT_FALSE(grid.removeItem(1)) << "the last row below the header stays";
}

TEST_F(GridFixture, TheViewFollowsTheTableAfterTheEventLoopTurns) {
    grid.setRows(1000);
    grid.setTextMatrix(0, 1, "Start");
    grid.setTextMatrix(500, 1, "00:00:01,000");
    QApplication::processEvents();
    QAbstractItemModel* m = view()->model();
    EXPECT_EQ(m->rowCount(), 999) << "the header row is the view's header";
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Start");
    EXPECT_EQ(m->index(499, 1).data().toString(), "00:00:01,000");
    grid.setRows(10);
    QApplication::processEvents();
    EXPECT_EQ(m->rowCount(), 9);
}

TEST_F(GridFixture, AUserClickMovesTheCurrentCellAndClicks) {
    grid.setRows(20);
    form.show();
    QApplication::processEvents();
    int clicks = 0;
    std::vector<std::string> order;
    grid.onRowColChange = [&] { order.push_back("RowColChange"); };
    grid.onClick = [&] {
        ++clicks;
        order.push_back("Click");
    };
    QTableView* v = view();
    const QRect cell = v->visualRect(v->model()->index(4, 3)); // grid row 5
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"RowColChange", "Click"}));
    form.hide();
}

TEST_F(GridFixture, KeysReachTheHandlers) {
    grid.setRows(5);
    form.show();
    QApplication::processEvents();
    int pressed = 0;
    grid.onKeyPress = [&](int& k) { pressed = k; };
    QTest::keyClick(grid.widget(), Qt::Key_Return);
    EXPECT_EQ(pressed, 13);
    form.hide();
}

} // namespace

namespace {

// The row the view draws first below its header.
int FirstRowShown(QTableView* v, int fixedRows) {
    return v->rowAt(0) + fixedRows;
}

// Scrolled to the bottom by the user (the scroll bar's end) or by code, the
// top row is the one the view draws first, with and without a sideways
// scroll bar taking room from the rows: anything laid over a row lands on it.
TEST_F(GridFixture, TopRowIsTheFirstRowTheViewShowsAtTheBottom) {
    struct Case {
        int width; // a narrow grid shows a sideways scroll bar
        int height;
    };
    for (const Case c : {Case{9000, 3000}, Case{3000, 3000}, Case{9000, 3100}, Case{3000, 2950}}) {
        grid.move(0, 0, c.width, c.height);
        grid.setRows(100);
        form.show();
        QApplication::processEvents();
        QScrollBar* bar = view()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QApplication::processEvents();
        EXPECT_EQ(grid.topRow(), FirstRowShown(view(), 1)) << c.width << "x" << c.height;
        EXPECT_EQ(grid.topRow() + grid.visibleRows() - 1, 99) << "the last row is the last shown";
        grid.setTopRow(1);
        grid.setTopRow(99);
        QApplication::processEvents();
        EXPECT_EQ(grid.topRow(), FirstRowShown(view(), 1)) << c.width << "x" << c.height;
        grid.setTopRow(1);
        QApplication::processEvents();
    }
    form.hide();
}

} // namespace
