// The empty-line repair: empty lines leave the document through the Basic
// delete (a history snapshot each), without a diagnose run per line, and the
// one run then covers the shortened document and reports the removals.

#include "DiagnoseFixture.h"

#include "platform/Palette.h"

namespace {

// Line n of a document: n seconds long, starting at 10 n seconds, with a
// text unless it is to be empty.
Line lineAt(int n, bool empty = false) {
    return {timeAt(10 * n), timeAt(10 * n + 2),
            empty ? QString() : QStringLiteral(" line %1").arg(n)};
}

class EmptyLines : public DiagnoseTest {
protected:
    void removeEmpty() {
        checksWithRepairs(true);
        runsBefore = t->diag.runs();
        go();
    }
    QStringList lineTexts() {
        QStringList out;
        for (int r = 1; r <= t->doc.lineCount(); ++r)
            out << cell(r, 3);
        return out;
    }
    int runsBefore = 0;
};

TEST_F(EmptyLines, LeaveTheDocumentInOneRun) {
    document({lineAt(1), lineAt(2, true), lineAt(3, true), lineAt(4), lineAt(5, true), lineAt(6)});
    removeEmpty();
    EXPECT_EQ(lineTexts(), QStringList({" line 1", " line 4", " line 6"}));
    EXPECT_EQ(grid().rows(), 5) << "header, three lines, the spare row";
    EXPECT_EQ(t->doc.lstFont.size(), 4);
    EXPECT_EQ(t->diag.runs(), runsBefore + 1) << "the deletes asked for no run of their own";
    EXPECT_EQ(t->history.snapshots().size(), 3u);
    EXPECT_TRUE(t->doc.FileChanged);
    EXPECT_EQ(text("sum_node 1"), "Node[1] = 1 to 3") << "the part as it is now";
    // Each removal at the row that now holds the line after it.
    EXPECT_EQ(tree().childKeys("sum_node 1"), QStringList({"err_ 2", "err_ 3"}));
    EXPECT_EQ(under("err_ 2"), QStringList({"Complete line is empty", "Complete line is empty"}));
    EXPECT_EQ(solutions(), QStringList({"Line removed from subtitle", "Line removed from subtitle",
                                        "Line removed from subtitle"}));
    EXPECT_EQ(total("errdet"), "3");
    EXPECT_EQ(total("errfix"), "3");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(back(2, 3), platform::palette::DiagnoseRepaired);
}

// The run after the removals sees the lines as they now follow each other:
// the empty line overlapped the line before, the line after it does not.
TEST_F(EmptyLines, TheOtherChecksSeeTheShortenedDocument) {
    document({{"00:00:01,000", "00:00:05,000", " a"},
              {"00:00:04,000", "00:00:06,000", ""},
              {"00:00:05,000", "00:00:07,000", " b"}});
    removeEmpty();
    EXPECT_EQ(t->doc.lineCount(), 2);
    EXPECT_EQ(total("errdet"), "1") << "only the empty line";
    EXPECT_EQ(cell(1, 2), "00:00:05,000") << "no overlap left to repair";
}

// The last line removed: the spare row is never checked, coloured or removed.
TEST_F(EmptyLines, TheSpareRowStays) {
    document({lineAt(1), lineAt(2, true)});
    removeEmpty();
    EXPECT_EQ(t->doc.lineCount(), 1);
    EXPECT_EQ(grid().rows(), 3);
    EXPECT_EQ(back(2, 3), platform::ColorWhite);
    EXPECT_EQ(solutions(), QStringList{"Line removed from subtitle"});
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
}

// A part of empty lines goes with them; the report keeps its removals below
// the part that now ends where they stood.
TEST_F(EmptyLines, APartOfEmptyLinesGoesWithThem) {
    document({lineAt(1), lineAt(2), lineAt(3, true), lineAt(4, true)},
             {{1, 2, "one"}, {3, 4, "two"}});
    removeEmpty();
    EXPECT_EQ(t->doc.lineCount(), 2);
    EXPECT_EQ(t->doc.FileNodes.Count(), 1);
    EXPECT_EQ(under("sum_node"), QStringList({"Node[1] = 1 to 2"}));
    EXPECT_EQ(under("sum_node 1"), QStringList({"Line 0003"}));
    EXPECT_EQ(under("err_ 3").size(), 2);
    EXPECT_EQ(total("errfix"), "2");
}

TEST_F(EmptyLines, EveryLineEmpty) {
    document({lineAt(1, true), lineAt(2, true), lineAt(3, true)});
    removeEmpty();
    EXPECT_EQ(t->doc.lineCount(), 0);
    EXPECT_EQ(grid().rows(), 2);
    EXPECT_EQ(total("errdet"), "3");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
}

// Many empty lines: one run, however many lines go.
TEST_F(EmptyLines, ManyEmptyLinesNeedNoDeeperRuns) {
    std::vector<Line> lines;
    for (int n = 1; n <= 300; ++n)
        lines.push_back(lineAt(n, n % 3 != 0));
    document(lines);
    removeEmpty();
    EXPECT_EQ(t->doc.lineCount(), 100);
    EXPECT_EQ(cell(100, 3), " line 300");
    EXPECT_EQ(total("errfix"), "200");
    EXPECT_EQ(t->diag.runs(), runsBefore + 1);
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
}

// Delete asks for a run while diagnose runs; asked from outside a run, after
// errors were found, it gets one.
TEST_F(EmptyLines, DeleteOutsideARunStillRunsDiagnose) {
    document({lineAt(1), lineAt(2, true), lineAt(3)});
    checksWithRepairs(false);
    go();
    ASSERT_EQ(t->diag.DiagErrorCount, 1);
    const int runs = t->diag.runs();
    grid().setRow(2);
    t.main().editor.basic.Command11.onClick();
    EXPECT_EQ(t->diag.runs(), runs + 1);
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
}

} // namespace
