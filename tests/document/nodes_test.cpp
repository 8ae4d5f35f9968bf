// Parts of the document: split and join at the current row, the boundary marks
// in the grid, previous/next navigation, and the toggles that must be refused.

#include "document/Document.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <vector>

namespace {

class Nodes : public ::testing::Test {
protected:
    Document& doc() { return t->doc; }
    NodeTable& nodes() { return t->doc.FileNodes; }
    platform::Grid& grid() { return t.main().editor.grdSubEdit; }

    // A document of `lines` lines with plain numbers, and its whole-document entry.
    void makeLines(int lines) {
        grid().setRows(lines + 2);
        for (int r = 1; r <= lines; ++r)
            setLine(grid(), r, QStringLiteral("00:00:01,000"), QStringLiteral("00:00:02,000"),
                    {QStringLiteral(" line %1").arg(r)});
        nodes().setFirstRow(0, 1);
        nodes().setLastRow(0, lines);
        nodes().setName(0, QStringLiteral("whole"));
    }
    void setParts(const std::vector<Part>& parts) { writeParts(nodes(), parts); }
    std::vector<Part> parts() { return partsOf(nodes()); }
    Part entry0() { return partAt(nodes(), 0); }
    void toggleAt(int row) {
        grid().setCurrentCell(row, 1);
        doc().NodeToggle();
    }
    QString number(int row) { return grid().textMatrix(row, 0); }
    platform::Color back(int row, int col) { return grid().cellBackColorAt(row, col); }

    TestProgram t;
};

TEST_F(Nodes, SplitAndJoinOnRow15RoundTrip) {
    makeLines(20);
    setParts({{1, 10, "intro"}, {11, 20, "main"}});
    doc().MarkNodes(1);

    toggleAt(15);
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 10, "intro"}, {11, 14, "main"}, {15, 20, "Part_3"}}));
    EXPECT_EQ(number(14), " 14 }");
    EXPECT_EQ(number(15), " { 15");
    EXPECT_EQ(back(14, 2), Red);
    EXPECT_EQ(back(15, 1), Green);

    toggleAt(15);
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 10, "intro"}, {11, 20, "main"}}));
    EXPECT_EQ(number(14), "14");
    EXPECT_EQ(number(15), "15");
    EXPECT_EQ(back(14, 2), White);
    EXPECT_EQ(back(15, 1), White);
    // The other boundaries keep their marks.
    EXPECT_EQ(number(11), " { 11");
    EXPECT_EQ(number(20), " 20 }");
    EXPECT_EQ(back(20, 2), Red);
    EXPECT_EQ(entry0(), (Part{1, 20, "whole"}));
}

TEST_F(Nodes, SplitOnRow8OfAOnePartDocument) {
    makeLines(20);
    setParts({{1, 20, "film"}});
    grid().setTopRow(6);
    toggleAt(8);
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 7, "film"}, {8, 20, "Part_2"}}));
    EXPECT_EQ(number(7), " 7 }");
    EXPECT_EQ(number(8), " { 8");
    EXPECT_EQ(entry0(), (Part{1, 20, "whole"}));
    EXPECT_EQ(grid().topRow(), 6) << "the toggle keeps the view where it was";
}

TEST_F(Nodes, StatusTextComesBackAndTheCurrentCellStays) {
    makeLines(20);
    setParts({{1, 20, "film"}});
    platform::StatusBar& bar = t.main().StatusBar1;
    bar.setPanelText(3, "Ready");
    grid().setCurrentCell(8, 1);
    int moves = 0; // the marks are written beside the current cell, never through it
    grid().onRowColChange = [&] { ++moves; };
    doc().NodeToggle();
    grid().onRowColChange = nullptr;
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(bar.panelText(3), "Ready");
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 7, "film"}, {8, 20, "Part_2"}}));
}

TEST_F(Nodes, MarksASingleRowPartAtBothEnds) {
    makeLines(6);
    setParts({{1, 3, "a"}, {4, 4, "b"}, {5, 6, "c"}});
    grid().setCurrentCell(2, 4);
    doc().MarkNodes(1);
    QStringList numbers;
    for (int r = 1; r <= 6; ++r)
        numbers << number(r);
    EXPECT_EQ(numbers, QStringList({" { 1", "2", " 3 }", " { 4 }", " { 5", " 6 }"}));
    EXPECT_EQ(back(1, 1), Green);
    EXPECT_EQ(back(1, 2), White);
    EXPECT_EQ(back(2, 1), White);
    EXPECT_EQ(back(3, 2), Red);
    EXPECT_EQ(back(4, 1), Green);
    EXPECT_EQ(back(4, 2), Red);
    // The marks are written beside the current cell, which stays where it was.
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(grid().col(), 4);
}

TEST_F(Nodes, MarkNodesDropsPartsPastTheLastLineAndClampsTheEnd) {
    makeLines(20);
    setParts({{1, 10, "a"}, {11, 25, "b"}, {21, 30, "c"}, {31, 40, "d"}});
    doc().MarkNodes(5);
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 10, "a"}, {11, 20, "b"}}));
    EXPECT_EQ(number(20), " 20 }");
    EXPECT_EQ(back(20, 2), Red);
    // The spare row stays empty and unpainted.
    EXPECT_EQ(number(21), "");
    EXPECT_EQ(back(21, 2), White);
    EXPECT_EQ(grid().rows(), 22);
    EXPECT_EQ(grid().topRow(), 5);
}

TEST_F(Nodes, MarkNodesClampsAPartThatStartsOnTheLastLine) {
    makeLines(20);
    setParts({{1, 19, "a"}, {20, 30, "b"}});
    doc().MarkNodes(1);
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 19, "a"}, {20, 20, "b"}}));
    EXPECT_EQ(number(20), " { 20 }");
    EXPECT_EQ(back(20, 1), Green);
    EXPECT_EQ(back(20, 2), Red);
}

TEST_F(Nodes, PreviousAndNextStopAtTheEndsButStillScroll) {
    makeLines(200);
    setParts({{1, 100, "a"}, {101, 197, "b"}, {198, 200, "c"}});
    const int lastTop = grid().rows() - grid().visibleRows();
    ASSERT_LT(lastTop, 198) << "the grid must be too short to bring row 198 to the top";

    grid().setTopRow(50);
    doc().PreviousNode();
    EXPECT_EQ(nodes().Current(), 1);
    EXPECT_EQ(grid().topRow(), 1);
    EXPECT_EQ(grid().row(), 1);

    doc().NextNode();
    EXPECT_EQ(nodes().Current(), 2);
    EXPECT_EQ(grid().topRow(), 101);
    EXPECT_EQ(grid().row(), 101);

    doc().NextNode();
    doc().NextNode();
    EXPECT_EQ(nodes().Current(), 3);
    // Row 198 cannot reach the top: the current row follows the grid's top row.
    EXPECT_EQ(grid().topRow(), lastTop);
    EXPECT_EQ(grid().row(), lastTop);

    grid().setTopRow(1);
    doc().NextNode();
    EXPECT_EQ(nodes().Current(), 3);
    EXPECT_EQ(grid().topRow(), lastTop);
}

TEST_F(Nodes, RefusesASplitWhen99PartsExist) {
    makeLines(200);
    std::vector<Part> full;
    for (int i = 1; i <= 99; ++i)
        full.push_back({2 * i - 1, i == 99 ? 200 : 2 * i, QStringLiteral("p%1").arg(i)});
    setParts(full);
    t.main().StatusBar1.setPanelText(3, "Ready");

    toggleAt(199);
    EXPECT_EQ(parts(), full);
    EXPECT_EQ(nodes().FirstRow(99), 197);
    EXPECT_EQ(t.main().StatusBar1.panelText(3), "Ready");

    // Joining still works with a full table.
    toggleAt(197);
    EXPECT_EQ(nodes().Count(), 98);
    EXPECT_EQ(nodes().LastRow(98), 200);
}

TEST_F(Nodes, RefusedTogglesLeaveTheTableAndTheWholeDocumentAlone) {
    makeLines(20);
    setParts({{1, 10, "a"}, {11, 20, "b"}});
    doc().MarkNodes(1);
    const std::vector<Part> before = parts();
    t.main().StatusBar1.setPanelText(3, "Ready");

    for (int row : {1, 0, 21}) { // part 1's first row, the header, the spare row
        toggleAt(row);
        EXPECT_EQ(parts(), before) << "row " << row;
        EXPECT_EQ(entry0(), (Part{1, 20, "whole"})) << "row " << row;
    }
    EXPECT_EQ(number(1), " { 1");
    EXPECT_EQ(back(1, 1), Green);
    EXPECT_EQ(grid().textMatrix(0, 0), "#");
    EXPECT_EQ(number(21), "");
    EXPECT_EQ(t.main().StatusBar1.panelText(3), "Ready");
}

TEST_F(Nodes, NoSplitAbovePartOne) {
    // Parts that leave the first rows uncovered: a split there would have no
    // part before it but the whole document.
    makeLines(20);
    setParts({{3, 10, "a"}, {11, 20, "b"}});
    toggleAt(2);
    toggleAt(3);
    EXPECT_EQ(parts(), (std::vector<Part>{{3, 10, "a"}, {11, 20, "b"}}));
    EXPECT_EQ(entry0(), (Part{1, 20, "whole"}));
}

TEST_F(Nodes, NoToggleBeforeAnyPartExists) {
    makeLines(20);
    nodes().setCount(0);
    toggleAt(5);
    toggleAt(1);
    EXPECT_EQ(nodes().Count(), 0);
    EXPECT_EQ(entry0(), (Part{1, 20, "whole"}));
    EXPECT_EQ(nodes().FirstRow(1), 0);
    EXPECT_EQ(number(5), "5");
}

TEST_F(Nodes, InIndexMovesWithItsPart) {
    makeLines(20);
    setParts({{1, 5, "a"}, {6, 10, "b"}, {11, 20, "c"}});
    nodes().setInIndex(1, true);
    nodes().setInIndex(2, false);
    nodes().setInIndex(3, true);

    toggleAt(3); // a splits: a 1-2, Part_2 3-5, b, c
    EXPECT_EQ(parts(),
              (std::vector<Part>{{1, 2, "a"}, {3, 5, "Part_2"}, {6, 10, "b"}, {11, 20, "c"}}));
    EXPECT_TRUE(nodes().InIndex(2)) << "the new part is a piece of a";
    EXPECT_FALSE(nodes().InIndex(3)) << "b keeps its flag";
    EXPECT_TRUE(nodes().InIndex(4));

    toggleAt(6); // b joins Part_2
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 2, "a"}, {3, 10, "Part_2"}, {11, 20, "c"}}));
    EXPECT_TRUE(nodes().InIndex(3)) << "c moved down with its flag";
}

TEST_F(Nodes, PartButtonsRunTheRoutines) {
    makeLines(20);
    setParts({{1, 20, "film"}});
    EditorTab& e = t.main().editor;
    EXPECT_EQ(e.btnNode[0].caption(), "{}");
    EXPECT_EQ(e.btnNode[0].toolTipText(), "Create or remove a node");
    EXPECT_EQ(e.Label74.caption(), "{<}");
    EXPECT_EQ(e.Label74.toolTipText(), "Previous node");
    EXPECT_EQ(e.Label75.caption(), "{>}");
    EXPECT_EQ(e.Label75.toolTipText(), "Next node");

    grid().setCurrentCell(12, 3);
    e.btnNode[0].onClick();
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 11, "film"}, {12, 20, "Part_2"}}));
    e.Label75.onClick();
    EXPECT_EQ(nodes().Current(), 2);
    e.Label74.onClick();
    EXPECT_EQ(nodes().Current(), 1);
}

} // namespace
