// The counts of a run: words of the first two text lines, lines with a second
// text line, the total display time and its frames at the file's rate.

#include "DiagnoseFixture.h"

namespace {

struct WordCase {
    const char* name;
    QStringList texts; // columns 3 to 5 of one line
    int words;
};

class WordCount : public DiagnoseTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(WordCount, CountsTheWordsOfTheFirstTwoTextLines) {
    const WordCase& c = GetParam();
    document({{"00:00:01,000", "00:00:02,000", c.texts[0], c.texts[1], c.texts[2]},
              {"00:00:03,000", "00:00:04,000", " one more"}});
    options({DiagnoseTab::CountWords});
    go();
    EXPECT_EQ(total("words"), QString::number(c.words + 2));
}

INSTANTIATE_TEST_SUITE_P(
    Diagnose, WordCount,
    ::testing::Values(WordCase{"TwoAndOne", {" to be", " said", ""}, 3},
                      WordCase{"BlanksInARowSeparateOnce", {" to   be ", "  said  ", ""}, 3},
                      WordCase{"TheThirdLineIsNotCounted", {" one", "", " three four"}, 1},
                      WordCase{"OnlyAThirdLine", {"", "", " three four"}, 0},
                      WordCase{"EmptyLine", {"", "", ""}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiagnoseTest, MultiLinesAreLinesWithASecondTextLine) {
    document({{"00:00:01,000", "00:00:02,000", " a", " b"},
              {"00:00:03,000", "00:00:04,000", " a", "  "},
              {"00:00:05,000", "00:00:06,000", "", " b"},
              {"00:00:07,000", "00:00:08,000", " a", "", " c"}});
    options({DiagnoseTab::CountMultiLines});
    go();
    EXPECT_EQ(total("mlines"), "2");
}

struct TimeCountCase {
    const char* rate;
    QString frames;
};

class DisplayTime : public DiagnoseTest, public ::testing::WithParamInterface<TimeCountCase> {};

// Two lines of 30 seconds: one minute, in frames at the file's rate.
TEST_P(DisplayTime, AddsUpTheLinesAndCountsFrames) {
    t->shell.FrameRateText = QString::fromLatin1(GetParam().rate);
    document({{"00:00:10,000", "00:00:40,000", " a"}, {"00:01:00,000", "00:01:30,000", " b"}});
    options({DiagnoseTab::CountDisplayTime});
    go();
    EXPECT_EQ(total("ctime"), "00:01:00,000");
    EXPECT_EQ(total("cframe"), GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(Diagnose, DisplayTime,
                         ::testing::Values(TimeCountCase{"25.000", "1500 (25 fps)"},
                                           TimeCountCase{"23.970", "1438 (23.97 fps)"},
                                           TimeCountCase{"29.970", "1798 (29.97 fps)"},
                                           TimeCountCase{"30.000", "1800 (30 fps)"}));

TEST_F(DiagnoseTest, CountsNotAskedForSaySo) {
    document({{"00:00:10,000", "00:00:40,000", " a b", " c"}});
    options({DiagnoseTab::CheckEmpty});
    go();
    for (const char* key : {"words", "mlines", "ctime", "cframe"})
        EXPECT_EQ(total(key), "Not counted") << key;
    EXPECT_EQ(total("lines"), "1") << "the lines are always counted";
}

// Counts take every row of every part, errors or not, and a row in two parts twice.
TEST_F(DiagnoseTest, CountsCoverEveryRowOfEveryPart) {
    document({{"00:00:00,000", "00:00:02,000", " a b", " c"},
              {"00:00:01,000", "00:00:03,000", " d", " e"}},
             {{1, 2, "one"}, {2, 2, "two"}});
    checksWithRepairs(false);
    go();
    EXPECT_EQ(total("words"), "7");
    EXPECT_EQ(total("mlines"), "3");
    EXPECT_EQ(total("ctime"), "00:00:06,000");
}

} // namespace
