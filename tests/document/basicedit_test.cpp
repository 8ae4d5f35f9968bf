// The Basic tab's line operations: Insert, Delete and Change keep the grid,
// the font list, the diagnose messages and the parts in step, save their
// snapshots and report their actions.

#include "document/BasicEdit.h"
#include "document/BasicTab.h"
#include "document/frmMessageBox.h"
#include "platform/ComboBox.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <vector>

namespace {

class BasicEditTest : public ::testing::Test {
protected:
    platform::Grid& grid() { return t.main().editor.grdSubEdit; }
    BasicTab& basic() { return t.main().editor.basic; }
    Document& doc() { return t->doc; }
    NodeTable& nodes() { return t->doc.FileNodes; }

    // Lines 1..n: line r starts at 10 r seconds, ends 2 seconds later, says
    // " line r" and " second r", and has the font "Font r"; one part "all".
    void makeLines(int n) {
        grid().setRows(n + 2);
        doc().lstFont = QStringList{QString()};
        for (int r = 1; r <= n; ++r) {
            setLine(grid(), r, timeAt(10 * r), timeAt(10 * r + 2),
                    {QStringLiteral(" line %1").arg(r), QStringLiteral(" second %1").arg(r)});
            doc().lstFont.append(QStringLiteral("Font %1;Western;Regular;16").arg(r));
        }
        nodes().setFirstRow(0, 1);
        nodes().setLastRow(0, n);
        setParts({{1, n, "all"}});
    }
    void setParts(const std::vector<Part>& parts) {
        writeParts(nodes(), parts);
        doc().MarkNodes(1);
    }
    std::vector<Part> parts() { return partsOf(nodes()); }
    Part whole() { return partAt(nodes(), 0); }
    void select(int row, int col) { grid().setCurrentCell(row, col); }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    platform::Color back(int row, int col) { return grid().cellBackColorAt(row, col); }
    void chooseFont(const QString& name, const QString& style) {
        auto& lists = t.main().editor.font.Combo9;
        lists[0].addItem(QStringLiteral("Arial"));
        lists[0].addItem(name);
        lists[1].addItem(QStringLiteral("Regular"));
        lists[1].addItem(style);
        lists[0].setListIndex(1);
        lists[1].setListIndex(1);
    }
    // Marks the reported action as taken, as the recorder does.
    void forgetAction() { t->macro.MacroAction = {-1, QStringLiteral("taken")}; }
    int reported() { return t->macro.MacroAction.code; }
    std::size_t snapshots() { return t->history.snapshots().size(); }

    TestProgram t;
};

// ---- Insert -----------------------------------------------------------------

TEST_F(BasicEditTest, InsertOnLineOneStartsAtZero) {
    makeLines(5);
    grid().setTextMatrix(1, 1, QStringLiteral("00:00:05,000"));
    select(1, 3);
    forgetAction();
    basic().Command10.onClick();

    EXPECT_EQ(grid().rows(), 8);
    EXPECT_EQ(cell(1, 1), "00:00:00,000");
    EXPECT_EQ(cell(1, 2), "00:00:05,000") << "ends where the line after it starts";
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 4), "");
    EXPECT_EQ(cell(2, 1), "00:00:05,000");
    EXPECT_EQ(cell(2, 3), " line 1");
    EXPECT_EQ(cell(6, 3), " line 5");
    EXPECT_EQ(cell(1, 0), " { 1");
    for (int r = 2; r <= 5; ++r)
        EXPECT_EQ(cell(r, 0), QString::number(r));
    EXPECT_EQ(cell(6, 0), " 6 }");
    EXPECT_EQ(cell(7, 0), "") << "the spare row has no number";
    EXPECT_EQ(whole(), (Part{1, 6, ""}));
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 6, "all"}}));

    ASSERT_EQ(doc().lstFont.size(), 7);
    EXPECT_EQ(doc().lstFont[1], "Arial;Western;Regular;16") << "the default font when none chosen";
    EXPECT_EQ(doc().lstFont[2], "Font 1;Western;Regular;16");
    EXPECT_EQ(doc().lstFont[6], "Font 5;Western;Regular;16");
    EXPECT_TRUE(doc().FileChanged);
    EXPECT_FALSE(doc().LineListValid);
    EXPECT_EQ(reported(), 501);
    EXPECT_EQ(snapshots(), 0u) << "Insert saves no snapshot";
    EXPECT_EQ(t->diag.runs(), 0) << "no diagnose without errors";
}

TEST_F(BasicEditTest, InsertOnLineFiveFollowsLineFourAndTheFontTab) {
    makeLines(20);
    grid().setTextMatrix(4, 2, QStringLiteral("00:01:00,000"));
    grid().setTextMatrix(5, 1, QStringLiteral("00:01:30,000"));
    t->diag.setDiagMsg(4, QStringLiteral("four"));
    t->diag.setDiagMsg(5, QStringLiteral("five"));
    t->diag.DiagErrorCount = 2;
    grid().setTopRow(3);
    select(5, 1); // shows line 5's font on the Font tab; then the user picks another
    chooseFont(QStringLiteral("Verdana"), QStringLiteral("Bold Italic"));
    basic().Command10.onClick();

    EXPECT_EQ(cell(5, 1), "00:01:01,000");
    EXPECT_EQ(cell(5, 2), "00:01:30,000");
    EXPECT_EQ(cell(5, 3), "");
    EXPECT_EQ(cell(6, 1), "00:01:30,000");
    EXPECT_EQ(doc().lstFont[5], "Verdana;Western;Bold Italic;16");
    EXPECT_EQ(doc().lstFont[6], "Font 5;Western;Regular;16");
    EXPECT_EQ(t->diag.runs(), 1) << "diagnose runs again after errors";
    // ... and explains the rows anew: the new line is empty, the line after
    // it ends before it starts.
    EXPECT_EQ(t->diag.DiagMsg(5), "Complete line is empty");
    EXPECT_EQ(t->diag.DiagMsg(6), "End.Time < Start.Time. Diff = 00:00:38,000");
    EXPECT_EQ(grid().topRow(), 3) << "the scroll position comes back";
}

TEST_F(BasicEditTest, InsertedLineNeverEndsBeforeItStarts) {
    makeLines(4);
    grid().setTextMatrix(2, 2, QStringLiteral("00:00:30,000"));
    grid().setTextMatrix(3, 1, QStringLiteral("00:00:30,500"));
    select(3, 3);
    basic().Command10.onClick();
    EXPECT_EQ(cell(3, 1), "00:00:30,000") << "never after the next line's start";
    EXPECT_EQ(cell(3, 2), "00:00:30,500");

    EXPECT_EQ(BasicEdit::InsertedEndTime("00:00:05,000", ""), "00:00:06,000");
    EXPECT_EQ(BasicEdit::InsertedEndTime("00:00:05,000", "00:00:05,000"), "00:00:05,000");
    EXPECT_EQ(BasicEdit::InsertedEndTime("00:00:05,000", "01:00:00,000"), "01:00:00,000");
    EXPECT_EQ(BasicEdit::InsertedEndTime("00:00:05,000", "00:00:04,999"), "00:00:05,000");
}

TEST_F(BasicEditTest, InsertOnTheFirstLineOfPartTwoJoinsPartTwo) {
    makeLines(10);
    setParts({{1, 5, "A"}, {6, 10, "B"}});
    select(6, 3);
    basic().Command10.onClick();

    EXPECT_EQ(parts(), (std::vector<Part>{{1, 5, "A"}, {6, 11, "B"}}));
    EXPECT_EQ(whole(), (Part{1, 11, ""}));
    EXPECT_EQ(cell(5, 0), " 5 }");
    EXPECT_EQ(back(5, 2), Red);
    EXPECT_EQ(cell(6, 0), " { 6");
    EXPECT_EQ(back(6, 1), Green);
    EXPECT_EQ(cell(7, 3), " line 6");
    EXPECT_EQ(back(7, 1), White);
    EXPECT_EQ(cell(10, 0), "10");
    EXPECT_EQ(back(10, 2), White) << "the old end mark is gone";
    EXPECT_EQ(cell(11, 0), " 11 }");
    EXPECT_EQ(back(11, 2), Red);
}

TEST_F(BasicEditTest, InsertRefusedOnHeaderSpareRowAndAFullDocument) {
    makeLines(3);
    for (int row : {0, 4}) {
        select(row, 1);
        forgetAction();
        basic().Command10.onClick();
        EXPECT_EQ(grid().rows(), 5) << "row " << row;
        EXPECT_EQ(reported(), -1) << "row " << row;
    }

    grid().setRows(BasicEdit::MaxLines + 2); // 9,998 lines
    nodes().setLastRow(0, BasicEdit::MaxLines);
    select(9000, 1);
    forgetAction();
    t.reply(frmMessageBox::Ok); // a full document says why it takes no more
    t->edit.BasicInsertLine();
    EXPECT_EQ(grid().rows(), 10000);
    EXPECT_EQ(reported(), 30) << "only the message reports, not Insert";

    select(9998, 1);
    t->edit.BasicDeleteLine();
    ASSERT_EQ(grid().rows(), 9999);
    select(9000, 1);
    t->edit.BasicInsertLine();
    EXPECT_EQ(grid().rows(), 10000);
    EXPECT_EQ(reported(), 501);
    EXPECT_EQ(doc().lstFont.size(), 9999) << "one FontSpec per row, however short the list was";
}

// ---- Delete -----------------------------------------------------------------

TEST_F(BasicEditTest, DeleteLineSevenSavesItsCellsFirst) {
    makeLines(10);
    grid().setTextMatrix(7, 1, QStringLiteral("00:00:01,000"));
    grid().setTextMatrix(7, 2, QStringLiteral("00:00:02,000"));
    grid().setTextMatrix(7, 3, QStringLiteral(" Hi"));
    grid().setTextMatrix(7, 4, QString());
    t->diag.setDiagMsg(8, QStringLiteral("eight"));
    t->diag.DiagErrorCount = 1;
    grid().setTopRow(2);
    select(7, 3);
    basic().Command11.onClick();

    ASSERT_EQ(snapshots(), 1u);
    EXPECT_EQ(t->history.snapshots()[0].action, "Row 7 deleted");
    EXPECT_EQ(t->history.snapshots()[0].details,
              "[Cel 7,1:=00:00:01,000] [Cel 7,2:=00:00:02,000] [Cel 7,3:= Hi]");
    EXPECT_EQ(grid().rows(), 11);
    EXPECT_EQ(cell(7, 3), " line 8");
    EXPECT_EQ(cell(9, 3), " line 10");
    EXPECT_EQ(cell(7, 0), "7") << "numbers stay with the rows";
    EXPECT_EQ(cell(10, 0), "") << "the new spare row";
    EXPECT_EQ(cell(10, 3), "");
    ASSERT_EQ(doc().lstFont.size(), 10);
    EXPECT_EQ(doc().lstFont[7], "Font 8;Western;Regular;16");
    EXPECT_EQ(t->diag.DiagMsg(8), "") << "diagnose ran again over the shortened lines";
    EXPECT_EQ(t->diag.DiagErrorCount, 0) << "without line 7 no line overlaps";
    EXPECT_EQ(t.main().editor.Text1[1].text(), "9");
    EXPECT_EQ(t.main().editor.Text1[3].text(), "9");
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 9, "all"}}));
    EXPECT_EQ(whole(), (Part{1, 9, ""}));
    EXPECT_TRUE(doc().FileChanged);
    EXPECT_FALSE(doc().LineListValid);
    EXPECT_EQ(reported(), 502);
    EXPECT_EQ(t->diag.runs(), 1);
    EXPECT_EQ(grid().topRow(), 2);
}

TEST_F(BasicEditTest, DeleteTheLastLine) {
    makeLines(5);
    select(5, 1);
    basic().Command11.onClick();
    EXPECT_EQ(grid().rows(), 6);
    EXPECT_EQ(cell(5, 0), "");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_EQ(back(5, 2), White) << "the old end mark went with the line";
    EXPECT_EQ(cell(4, 0), " 4 }");
    EXPECT_EQ(back(4, 2), Red);
    EXPECT_EQ(t.main().editor.Text1[1].text(), "4");
    EXPECT_EQ(t.main().editor.Text1[3].text(), "4");
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 4, "all"}}));
}

TEST_F(BasicEditTest, DeletingAPartsFirstLineKeepsItsStart) {
    makeLines(10);
    setParts({{1, 4, "A"}, {5, 7, "B"}, {8, 10, "C"}});
    select(5, 1);
    basic().Command11.onClick();

    EXPECT_EQ(parts(), (std::vector<Part>{{1, 4, "A"}, {5, 6, "B"}, {7, 9, "C"}}));
    EXPECT_EQ(cell(4, 0), " 4 }");
    EXPECT_EQ(cell(5, 0), " { 5");
    EXPECT_EQ(cell(5, 3), " line 6") << "the part's next line takes its start";
    EXPECT_EQ(back(5, 1), Green);
    EXPECT_EQ(cell(6, 0), " 6 }");
    EXPECT_EQ(back(6, 2), Red);
    EXPECT_EQ(cell(7, 0), " { 7");
    EXPECT_EQ(back(7, 1), Green);
    EXPECT_EQ(back(7, 2), White);
    EXPECT_EQ(cell(8, 0), "8");
    EXPECT_EQ(back(8, 1), White);

    select(1, 1); // the document's first line
    basic().Command11.onClick();
    EXPECT_EQ(parts(), (std::vector<Part>{{1, 3, "A"}, {4, 5, "B"}, {6, 8, "C"}}));
    EXPECT_EQ(whole(), (Part{1, 8, ""}));
}

TEST_F(BasicEditTest, DeletingAOneLinePartRemovesIt) {
    makeLines(10);
    setParts({{1, 4, "A"}, {5, 5, "B"}, {6, 10, "C"}});
    nodes().setCurrent(3);
    select(5, 3);
    basic().Command11.onClick();

    EXPECT_EQ(parts(), (std::vector<Part>{{1, 4, "A"}, {5, 9, "C"}}));
    EXPECT_EQ(nodes().Current(), 2) << "navigation stays on the part it showed";
    EXPECT_EQ(cell(4, 0), " 4 }");
    EXPECT_EQ(back(4, 2), Red);
    EXPECT_EQ(cell(5, 0), " { 5");
    EXPECT_EQ(back(5, 1), Green);
    EXPECT_EQ(back(5, 2), White);
    EXPECT_EQ(cell(9, 0), " 9 }");

    // The only line of the only part: no part is left.
    makeLines(1);
    select(1, 1);
    basic().Command11.onClick();
    EXPECT_EQ(grid().rows(), 2);
    EXPECT_EQ(nodes().Count(), 0);
    EXPECT_EQ(nodes().Current(), 0);
}

TEST_F(BasicEditTest, DeleteOnHeaderIsRefusedAndOnTheSpareRowOnlySnapshots) {
    makeLines(4);
    select(0, 1);
    forgetAction();
    basic().Command11.onClick();
    EXPECT_EQ(snapshots(), 0u);
    EXPECT_EQ(grid().rows(), 6);
    EXPECT_EQ(cell(0, 1), "Start");
    EXPECT_EQ(reported(), -1);

    select(5, 1);
    basic().Command11.onClick();
    ASSERT_EQ(snapshots(), 1u);
    EXPECT_EQ(t->history.snapshots()[0].action, "Row 5 deleted");
    EXPECT_EQ(t->history.snapshots()[0].details, "");
    EXPECT_EQ(grid().rows(), 6);
    EXPECT_FALSE(doc().FileChanged);
    EXPECT_EQ(reported(), -1);
}

// ---- Change -----------------------------------------------------------------

TEST_F(BasicEditTest, ChangeWritesTextCellsWithABlankAndTimesTrimmed) {
    makeLines(10);
    t->diag.DiagErrorCount = 3;
    select(9, 4);
    basic().rtfSubEditBasic.setText(QStringLiteral("  two  "));
    basic().Command14.onClick();
    EXPECT_EQ(cell(9, 4), " two");
    ASSERT_EQ(snapshots(), 1u);
    EXPECT_EQ(t->history.snapshots()[0].action, "Cel 4, 9 changed");
    EXPECT_EQ(t->history.snapshots()[0].details, "[Cel 1,9:=00:01:30,000] [Cel 2,9:=00:01:32,000] "
                                                 "[Cel 3,9:= line 9] [Cel 4,9:= second 9]");
    EXPECT_EQ(basic().rtfSubEditBasic.text(), "two") << "the edit area shows the new cell";
    EXPECT_TRUE(doc().FileChanged);
    EXPECT_FALSE(doc().LineListValid);
    EXPECT_EQ(reported(), 504);
    EXPECT_EQ(t->diag.runs(), 0) << "Change never runs diagnose";

    select(9, 1);
    basic().rtfSubEditBasic.setText(QStringLiteral(" 00:01:29,000 "));
    basic().Command14.onClick();
    EXPECT_EQ(cell(9, 1), "00:01:29,000");
}

TEST_F(BasicEditTest, ChangeOnTheSpareRowOnlySnapshotsAndOnTheHeaderIsRefused) {
    makeLines(4);
    select(5, 3);
    basic().rtfSubEditBasic.setText(QStringLiteral("ghost"));
    basic().Command14.onClick();
    EXPECT_EQ(cell(5, 3), "");
    EXPECT_EQ(grid().rows(), 6);
    ASSERT_EQ(snapshots(), 1u);
    EXPECT_EQ(t->history.snapshots()[0].action, "Cel 3, 5 changed");
    EXPECT_FALSE(doc().FileChanged);
    EXPECT_EQ(reported(), 504);

    select(0, 3);
    basic().rtfSubEditBasic.setText(QStringLiteral("Words"));
    forgetAction();
    basic().Command14.onClick();
    EXPECT_EQ(cell(0, 3), "Text #1");
    EXPECT_EQ(snapshots(), 1u);
    EXPECT_EQ(reported(), -1);
}

} // namespace
