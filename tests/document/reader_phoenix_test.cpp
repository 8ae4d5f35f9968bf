// The Phoenix Japanimation reader through LoadSubFile: frames padded or not,
// the quoted text and its quotes, blank lines, lines that do not fit, an add,
// the sample of tests/data/pjs, and a document written, read back and written
// again.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <vector>

namespace {

constexpr int Phoenix = 4;

class PhoenixReader : public ReaderFixture {
protected:
    PhoenixReader() : ReaderFixture(Phoenix, "pjs") {}
};

TEST_F(PhoenixReader, PaddedAndUnpaddedLinesReadTheSame) {
    read({"   1200,   1350, \"Hello|World\"", "1200, 1350, \"Hello|World\"",
          "1200,1350,\"Hello|World\"", "  -25,     0, \"early\""});
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 4);
    const QStringList expected = {"00:00:48,000", "00:00:54,000", " Hello", " World", ""};
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(row(r).mid(1), expected) << "row " << r;
    EXPECT_EQ(row(4).mid(1, 3), QStringList({"-1:59:59,000", "00:00:00,000", " early"}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

TEST_F(PhoenixReader, FramesFollowTheChosenRate) {
    t->shell.FrameRateText = "23.970";
    read({"   1200,   2997, \"x\""});
    EXPECT_EQ(row(1).mid(1, 2), QStringList({"00:00:50,062", "00:02:05,031"}));
    t->shell.FrameRateText = "25.000";
    read({"      3,  25, \"x\"", "abc,, \"x\""});
    EXPECT_EQ(row(1).mid(1, 2), QStringList({"00:00:00,120", "00:00:01,000"}));
    EXPECT_EQ(row(2).mid(1, 2), QStringList({"00:00:00,000", "00:00:00,000"}))
        << "fields without a number read as frame 0";
}

TEST_F(PhoenixReader, TheTextLosesItsFirstQuoteAndItsLastCharacter) {
    read({"      0,     25, \"\"", "      0,     25, \"Hi\" ", "      0,     25, \"a|b|c|d\"",
          "      0,     25, \"He said, \"go\", then left\"", "      0,     25, \"  a  |  b  \""});
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:01,000", " ", "", ""}));
    EXPECT_EQ(row(2)[3], " Hi\"") << "a blank after the closing quote is lost instead of it";
    EXPECT_EQ(row(3).mid(3), QStringList({" a", " b", " c"}));
    EXPECT_EQ(row(4)[3], " He said, \"go\", then left");
    EXPECT_EQ(row(5).mid(3), QStringList({" a", " b", ""}));
}

TEST_F(PhoenixReader, BlankLinesAreSkippedAndLinesThatDoNotFitAreBadLines) {
    const QStringList file = {
        "",         "     25,     50, \"one\"", "   ",          "     25,     50, \"",
        "no quote", "25 50 \"no commas\"",      "25, \"a, b\"", "     75,    100, \"two\"",
        ""};
    QStringList asked;
    for (int i = 0; i < 4; ++i)
        answerMessage(frmMessageBox::Yes, &asked);
    read(file, Phoenix, false, true);
    ASSERT_EQ(asked.size(), 4);
    EXPECT_TRUE(asked[0].contains("Line #2 = '     25,     50, \"'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("= 'no quote'")) << asked[1].toStdString();
    EXPECT_TRUE(asked[3].contains("= '25, \"a, b\"'")) << asked[3].toStdString();
    EXPECT_TRUE(t->loader.LoadOk) << "bad lines do not fail the read";
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " one", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));

    read(file); // not interactive: passed over without a word
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(read(file, 0), Phoenix) << "detected past the blank first line";
    EXPECT_EQ(lines(), 2);
}

TEST_F(PhoenixReader, AnAddStartsAfterTheLastEndTime) {
    read({"     25,  15000, \"first\""});
    read({"   1200,   1350, \"Hello\""}, Phoenix, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:10:48,000", "00:10:54,000", " Hello", "", ""}));
}

TEST_F(PhoenixReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file;
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("%1,%2, \"Line %3\"").arg(i * 50, 7).arg(i * 50 + 40, 7).arg(i + 1);
    read(QStringList(file) << ""
                           << "");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");
    read(QStringList(file) << "      1,      2, \"one more\"");
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(PhoenixReader, TheSampleLoadsWithItsTimesAndTexts) {
    EXPECT_EQ(load(QStringLiteral(MIREL_SAMPLES_DIR) + "/pjs/se_test_phoenix.pjs", 0), Phoenix);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:37,880", "00:01:40,520",
                                   " You should come to the Drama Club, too.", "", ""}));
    EXPECT_EQ(row(2),
              QStringList({"2", "00:01:40,520", "00:01:43,760", " Yeah. The Drama Club is worried",
                           " that you haven't been coming.", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:01:44,120", "00:01:47,000",
                                   " \"I see. Sorry, \"I'll drop\" by next time.\"", "", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(PhoenixReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,000", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " He said, \"go\"", "", ""},
        {"23:59:59,999", "24:00:00,000", " \"quoted\"", " and, commas", " last"},
    };
    for (const char* rate : {"23.970", "30.000"}) {
        SCOPED_TRACE(rate);
        t->shell.FrameRateText = rate;
        setRows(original);
        const QByteArray written = roundTrip(Phoenix);
        ASSERT_FALSE(written.isEmpty()) << rate;
        EXPECT_TRUE(written.startsWith(QString(rate) == "30.000"
                                           ? "     30,     75, \"Hello|world\"\r\n"
                                           : "     23,     59, \"Hello|world\"\r\n"))
            << written.left(40).toStdString();
        ASSERT_EQ(lines(), 4) << rate;
        expectWithinAFrame(original, rate);
    }
}

} // namespace
