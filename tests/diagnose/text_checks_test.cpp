// The checks of a line's text cells, each with the empty-line repair off and
// on, the saved empty line, and the lines that are no error.

#include "DiagnoseFixture.h"

#include "platform/Palette.h"

namespace {

using platform::palette::DiagnoseNotRepaired;
using platform::palette::DiagnoseRepaired;

struct TextCase {
    const char* name;
    QStringList before, after; // columns 3 to 5, before and after the repair
    QString message, solution, advice;
    int col; // the cell coloured
};

const std::vector<TextCase>& textCases() {
    static const std::vector<TextCase> cases = {
        {"SecondLineBelowAnEmptyFirst",
         {"", " two", ""},
         {" two", "", ""},
         "Cel [1,3] is empty while cel [1,4] contains data",
         "Data moved from cel [1,4] to cel [1,3]",
         "Put spoken text in cel [1,3] or mark [Repair.Empty]",
         3},
        {"TwoLinesBelowAnEmptyFirst",
         {"  ", " two", " three"},
         {" two", " three", ""},
         "Cel [1,3] is empty while cel [1,4] and cel [1,5] contains data",
         "Data moved from cel [1,5] to cel [1,4] to cel [1,3]",
         "Put spoken text in cel [1,3] or mark [Repair.Empty]",
         3},
        {"OnlyTheThirdLine",
         {"", "", " three"},
         {" three", "", ""},
         "Cel [1,3] is empty while cel [1,5] contains data",
         "Data moved from cel [1,5] to cel [1,3]",
         "Put spoken text in cel [1,3] or mark [Repair.Empty]",
         3},
        {"ThirdLineBelowAnEmptySecond",
         {" one", " ", " three"},
         {" one", " three", ""},
         "Cel [1,4] is empty while cel [1,5] contains data",
         "Data moved from cel [1,5] to cel [1,4]",
         "Put spoken text in cel [1,4] or mark [Repair.Empty]",
         4},
    };
    return cases;
}

class TextChecks : public DiagnoseTest, public ::testing::WithParamInterface<TextCase> {
protected:
    void run(bool repair) {
        const TextCase& c = GetParam();
        document({{"00:00:01,000", "00:00:02,000", c.before[0], c.before[1], c.before[2]}});
        options({});
        click(DiagnoseTab::CheckEmpty);
        if (repair) click(DiagnoseTab::RepairEmpty);
        go();
    }
    QStringList texts() { return {cell(1, 3), cell(1, 4), cell(1, 5)}; }
};

TEST_P(TextChecks, LeftAloneTheTextsStay) {
    const TextCase& c = GetParam();
    run(false);
    EXPECT_EQ(texts(), c.before);
    EXPECT_EQ(msg(1), c.message);
    EXPECT_EQ(explanations(), QStringList{c.message});
    EXPECT_EQ(tree().childKeys("sol_line"), QStringList{"nosol_ 1"});
    EXPECT_EQ(solutions(), QStringList{c.advice});
    EXPECT_EQ(back(1, c.col), DiagnoseNotRepaired);
    EXPECT_EQ(t->diag.DiagErrorCount, 1);
}

TEST_P(TextChecks, RepairedTheTextsMoveUp) {
    const TextCase& c = GetParam();
    run(true);
    EXPECT_EQ(texts(), c.after);
    EXPECT_EQ(msg(1), "");
    EXPECT_EQ(solutions(), QStringList{c.solution});
    EXPECT_EQ(back(1, c.col), DiagnoseRepaired);
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(total("errfix"), "1");
    EXPECT_TRUE(t->doc.FileChanged);
}

INSTANTIATE_TEST_SUITE_P(Diagnose, TextChecks, ::testing::ValuesIn(textCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- No error, or one without a message -----------------------------------------------

class CleanTexts : public DiagnoseTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(CleanTexts, FindNothing) {
    const QStringList& c = GetParam();
    document({{"00:00:01,000", "00:00:02,000", c[0], c[1], c[2]}});
    checksWithRepairs(true);
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(QStringList({cell(1, 3), cell(1, 4), cell(1, 5)}), c);
}

INSTANTIATE_TEST_SUITE_P(Diagnose, CleanTexts,
                         ::testing::Values(QStringList{" one", "", ""},
                                           QStringList{" one", " two", ""},
                                           QStringList{" one", " two", " three"},
                                           QStringList{" {}", "", ""}));

// A first line "{}" above text keeps an empty line on purpose: counted and
// reported, but with no message for the editor, no repair and no colour.
TEST_F(DiagnoseTest, ASavedEmptyLineIsReportedOnly) {
    document({{"00:00:01,000", "00:00:02,000", " {}", " two"}});
    checksWithRepairs(true);
    go();
    EXPECT_EQ(msg(1), "");
    EXPECT_EQ(explanations(), QStringList{"Saved Empty line"});
    EXPECT_EQ(solutions(), QStringList{"Put spoken text in cel [1,3]"});
    EXPECT_EQ(cell(1, 3), " {}");
    EXPECT_EQ(back(1, 3), platform::ColorWhite);
    EXPECT_EQ(t->diag.DiagErrorCount, 1) << "it is never repaired";
}

TEST_F(DiagnoseTest, AnEmptyLineLeftAloneIsExplained) {
    document({{"00:00:01,000", "00:00:02,000", " a"}, {"00:00:03,000", "00:00:04,000", " "}});
    checksWithRepairs(false);
    go();
    EXPECT_EQ(msg(2), "Complete line is empty");
    EXPECT_EQ(solutions(), QStringList{"Put spoken text in cel [2,3..5] or mark [Repair.Empty]"});
    EXPECT_EQ(back(2, 3), DiagnoseNotRepaired);
    EXPECT_EQ(t->doc.lineCount(), 2);
}

TEST_F(DiagnoseTest, TextChecksNeedTheEmptyBox) {
    document(
        {{"00:00:01,000", "00:00:02,000", "", "", " three"}, {"00:00:03,000", "00:00:04,000"}});
    options({1, 2, 3, 4, 5, 6, 7, 8, 9});
    go();
    EXPECT_EQ(t->diag.DiagErrorCount, 0);
    EXPECT_EQ(t->doc.lineCount(), 2) << "the repair needs the check";
    EXPECT_EQ(cell(1, 5), " three");
}

} // namespace
