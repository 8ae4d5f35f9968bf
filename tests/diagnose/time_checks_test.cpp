// The checks of a line's times, each with its repair off and on: what the
// explanation says and where it is kept, which cell is coloured, what the
// repair writes and what the report advises or says it did.

#include "DiagnoseFixture.h"

#include "platform/Palette.h"

namespace {

using platform::palette::DiagnoseNotRepaired;
using platform::palette::DiagnoseRepaired;

struct TimeCase {
    const char* name;
    std::vector<Line> lines;
    std::vector<int> checks; // the check boxes ticked (counts off)
    int repairBox;
    int msgRow;
    QString message;
    int cellRow, cellCol;
    QString repaired; // the cell after the repair
    QString solution; // the report's solution when repaired
    QString advice;   // ... and when not
};

const QString Zero = QStringLiteral("00:00:00,000");
const QString MinusOne = QStringLiteral("-1:59:59,000"); // one second below zero

const std::vector<TimeCase>& timeCases() {
    static const std::vector<TimeCase> cases = {
        {"OverlapWithTheLineBefore",
         {{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:08,000", " b"}},
         {1},
         DiagnoseTab::RepairOverlapping,
         1,
         "End.Time 0001 > Start.Time 0002. Diff = 00:00:01,000",
         1,
         2,
         "00:00:04,000",
         "00:00:05,000 set to 00:00:04,000",
         "Mark [Repair.Overlapping] to repair"},
        {"EndBeforeStart",
         {{"00:00:10,000", "00:00:08,500", " a"}},
         {3},
         DiagnoseTab::RepairInvalid,
         1,
         "End.Time < Start.Time. Diff = 00:00:01,500",
         1,
         2,
         "00:00:10,000",
         "00:00:08,500 set to 00:00:10,000",
         "Mark [Repair.Invalid] to repair"},
        {"StartBelowZero",
         {{MinusOne, "00:00:02,000", " a"}},
         {1, 2, 3},
         DiagnoseTab::RepairInvalid,
         1,
         "Start.Time < 0 or invalid",
         1,
         1,
         Zero,
         MinusOne + " set to 00:00:00,000",
         "Mark [Repair.Invalid] to repair"},
        {"EndBelowZero",
         {{"00:00:00,000", MinusOne, " a"}},
         {2},
         DiagnoseTab::RepairInvalid,
         1,
         "Line 0001End.Time < 0 or invalid",
         1,
         2,
         Zero,
         MinusOne + " set to 00:00:00,000",
         "Mark [Repair.Invalid] to repair"},
    };
    return cases;
}

class TimeChecks : public DiagnoseTest, public ::testing::WithParamInterface<TimeCase> {
protected:
    void run(bool repair) {
        const TimeCase& c = GetParam();
        document(c.lines);
        std::vector<int> boxes = c.checks;
        if (repair) boxes.push_back(c.repairBox);
        options({});
        for (int b : boxes)
            click(b);
        go();
    }
};

TEST_P(TimeChecks, LeftAloneTheErrorIsExplainedAndColoured) {
    const TimeCase& c = GetParam();
    run(false);
    EXPECT_EQ(msg(c.msgRow), c.message);
    EXPECT_EQ(t->diag.DiagErrorCount, 1);
    EXPECT_EQ(back(c.cellRow, c.cellCol), DiagnoseNotRepaired);
    EXPECT_EQ(cell(c.cellRow, c.cellCol),
              c.cellCol == 1 ? c.lines[c.cellRow - 1].start : c.lines[c.cellRow - 1].end);
    EXPECT_EQ(explanations(), QStringList{c.message});
    EXPECT_EQ(solutions(), QStringList{c.advice});
    EXPECT_EQ(total("errdet"), "1");
    EXPECT_EQ(total("errfix"), "0");
    EXPECT_EQ(total("errrem"), "1");
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_P(TimeChecks, RepairedTheCellTakesTheNewTime) {
    const TimeCase& c = GetParam();
    run(true);
    EXPECT_EQ(cell(c.cellRow, c.cellCol), c.repaired);
    EXPECT_EQ(msg(c.msgRow), "") << "a repaired error leaves no explanation";
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(back(c.cellRow, c.cellCol), DiagnoseRepaired);
    EXPECT_EQ(explanations(), QStringList{c.message}) << "the report keeps what was found";
    EXPECT_EQ(solutions(), QStringList{c.solution});
    EXPECT_EQ(total("errdet"), "1");
    EXPECT_EQ(total("errfix"), "1");
    EXPECT_EQ(total("errrem"), "0");
    EXPECT_TRUE(t->doc.FileChanged);
}

INSTANTIATE_TEST_SUITE_P(Diagnose, TimeChecks, ::testing::ValuesIn(timeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Times that are no error --------------------------------------------------------

struct CleanCase {
    const char* name;
    std::vector<Line> lines;
};

class CleanTimes : public DiagnoseTest, public ::testing::WithParamInterface<CleanCase> {};

TEST_P(CleanTimes, FindNothing) {
    document(GetParam().lines);
    checksWithRepairs(true);
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(total("errdet"), "0");
    for (int r = 0; r <= static_cast<int>(GetParam().lines.size()); ++r)
        EXPECT_EQ(msg(r), "") << "row " << r;
    EXPECT_FALSE(t->doc.FileChanged) << "nothing to repair";
}

INSTANTIATE_TEST_SUITE_P(
    Diagnose, CleanTimes,
    ::testing::Values(CleanCase{"FirstLineAtZero", {{Zero, "00:00:01,000", " a"}}},
                      CleanCase{
                          "StartEqualToThePreviousEnd",
                          {{Zero, "00:00:02,000", " a"}, {"00:00:02,000", "00:00:03,000", " b"}}},
                      CleanCase{"EndEqualToStart", {{"00:00:02,000", "00:00:02,000", " a"}}},
                      CleanCase{"TextThatIsNoTime", {{"soon", "later", " a"}}},
                      CleanCase{"HoursPastNinetyNine",
                                {{"00:00:01,000", "99:59:59,999", " a"},
                                 {"99:59:59,999", "99:59:59,999", " b"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Rows, parts and boxes --------------------------------------------------------------

// An overlap and an end before the start in one row: one line node with both
// explanations; the overlap is kept with the line before.
TEST_F(DiagnoseTest, TwoErrorsOfOneRowShareItsLineNode) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:03,000", " b"}});
    checksWithRepairs(false);
    go();
    EXPECT_EQ(msg(1), "End.Time 0001 > Start.Time 0002. Diff = 00:00:01,000");
    EXPECT_EQ(msg(2), "End.Time < Start.Time. Diff = 00:00:01,000");
    EXPECT_EQ(tree().childKeys("sum_node 1"), QStringList{"err_ 2"});
    EXPECT_EQ(text("err_ 2"), "Line 0002");
    EXPECT_EQ(under("err_ 2"), QStringList({msg(1), msg(2)}));
    EXPECT_EQ(tree().childKeys("sol_line"), QStringList{"sol_ 2"});
    EXPECT_EQ(under("sol_ 2").size(), 2);
    EXPECT_EQ(t->diag.DiagErrorCount, 2);
}

// A negative start is an invalid time, not an overlap: its repair sets it to
// zero, and the line before keeps its end (no negative end is written, and
// the first line never writes into the header).
TEST_F(DiagnoseTest, ANegativeStartIsNoOverlap) {
    document({{MinusOne, "00:00:01,000", " a"},
              {"00:00:02,000", "00:00:05,000", " b"},
              {MinusOne, "00:00:06,000", " c"}});
    checksWithRepairs(true);
    go();
    EXPECT_EQ(cell(0, 2), "End") << "the header stays";
    EXPECT_EQ(cell(2, 2), "00:00:05,000");
    EXPECT_EQ(cell(1, 1), Zero);
    EXPECT_EQ(cell(3, 1), Zero);
    EXPECT_EQ(total("errdet"), "2");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
}

// Both times below zero: the start is set to zero, and then the end takes
// the repaired start, not the old negative one.
TEST_F(DiagnoseTest, BothTimesBelowZeroEndAtZero) {
    document({{MinusOne, "-1:59:58,000", " a"}});
    checksWithRepairs(true);
    go();
    EXPECT_EQ(cell(1, 1), Zero);
    EXPECT_EQ(cell(1, 2), Zero);
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(solutions(),
              QStringList({"-1:59:58,000 set to -1:59:59,000", "-1:59:59,000 set to 00:00:00,000",
                           "-1:59:58,000 set to 00:00:00,000"}));
}

TEST_F(DiagnoseTest, ARepairBoxWithoutItsCheckDoesNothing) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:03,000", " b"}});
    options({DiagnoseTab::RepairOverlapping, DiagnoseTab::RepairInvalid});
    go();
    EXPECT_EQ(cell(1, 2), "00:00:05,000");
    EXPECT_EQ(cell(2, 2), "00:00:03,000");
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_FALSE(t->doc.FileChanged);
}

// The first row of a part is compared with the row before it in the grid; a
// row in two parts is checked once for each.
TEST_F(DiagnoseTest, PartsAreCheckedRowByRow) {
    document({{"00:00:01,000", "00:00:05,000", " a"},
              {"00:00:04,000", "00:00:06,000", " b"},
              {"00:00:07,000", "00:00:09,000", " c"}},
             {{1, 1, "one"}, {2, 3, "two"}, {2, 2, "again"}});
    options({DiagnoseTab::CheckOverlapping});
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 2);
    EXPECT_EQ(text("sum_node 2"), "Node[2] = 2 to 3");
    EXPECT_EQ(tree().childKeys("sum_node 2"), QStringList{"err_ 2"});
    EXPECT_EQ(under("err_ 2").size(), 2) << "the second part's error joins the row's node";
    EXPECT_TRUE(tree().childKeys("sum_node 3").isEmpty());
}

// A part whose bounds reach past the document stops at its last line: the
// spare row is never checked, counted or coloured.
TEST_F(DiagnoseTest, PartsReachingPastTheLinesStopAtTheLastLine) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:06,000", "00:00:07,000", " b"}},
             {{0, 9, "wide"}});
    checksWithRepairs(false);
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 0) << "neither the header nor the spare row is checked";
    EXPECT_EQ(back(3, 3), platform::ColorWhite);
    EXPECT_EQ(total("lines"), "2");
}

TEST_F(DiagnoseTest, AColourStaysUntilARunFindsTheCellAgain) {
    document({{"00:00:01,000", "00:00:05,000", " a"}, {"00:00:04,000", "00:00:08,000", " b"}});
    checksWithRepairs(false);
    go();
    ASSERT_EQ(back(1, 2), DiagnoseNotRepaired);
    grid().setTextMatrix(1, 2, QStringLiteral("00:00:03,000")); // corrected by hand
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(back(1, 2), DiagnoseNotRepaired) << "a run colours only what it finds";
    EXPECT_EQ(msg(1), "");
}

} // namespace
