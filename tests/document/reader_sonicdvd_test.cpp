// The Sonic DVD reader through LoadSubFile: entry lines in fixed columns,
// frame counts turned into hundredths at every frame rate (rounded up, and
// carried into the seconds at or above the rate), continuation lines, lines
// outside the layout, the end of the file inside an entry, an add, and a
// document written, read back and written again at every rate.

#include "document/Loader.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <QRegularExpression>
#include <vector>

namespace {

constexpr int SonicDvd = 8;

// An entry line: number, start and end as hh:mm:ss:ff, text from column 33.
QString Entry(int number, const QString& start, const QString& end, const QString& text) {
    return QStringLiteral("%1  %2  %3  %4")
        .arg(number, 4, 10, QLatin1Char('0'))
        .arg(start, end, text);
}

class SonicDvdReader : public ReaderFixture {
protected:
    SonicDvdReader() : ReaderFixture(SonicDvd, "sub") { t->shell.FrameRateText = "25.000"; }

    // The start time that "00:00:01:<frame>" reads as at a frame rate.
    QString startOf(const QString& time, const QString& rate) {
        t->shell.FrameRateText = rate;
        read({Entry(1, time, "00:00:09:00", "x"), ""});
        return row(1)[1];
    }
};

TEST_F(SonicDvdReader, AnEntryLineBecomesARow) {
    EXPECT_EQ(read({Entry(1, "00:00:01:10", "00:00:03:05", "Hello"), ""}, 0), SonicDvd);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,400", "00:00:03,200", " Hello", "", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
    EXPECT_FALSE(t.main().editor.font.Label20.enabled());
    EXPECT_FALSE(t.main().editor.font.Label44.enabled());
}

TEST_F(SonicDvdReader, FramesBecomeHundredthsAtTheChosenRateRoundedUp) {
    struct Case {
        const char* time;
        const char* rate;
        const char* start;
    };
    const Case cases[] = {
        {"00:00:01:00", "23.970", "00:00:01,000"},
        {"00:00:01:00", "30.000", "00:00:01,000"},
        {"00:00:01:01", "25.000", "00:00:01,040"},
        {"00:00:01:24", "25.000", "00:00:01,960"},
        {"00:00:01:15", "30.000", "00:00:01,500"},
        {"00:00:01:29", "30.000", "00:00:01,970"},
        {"00:00:01:12", "24.000", "00:00:01,500"},
        {"00:00:01:01", "23.970", "00:00:01,050"},
        {"00:00:01:12", "23.970", "00:00:01,510"},
        {"00:00:01:23", "23.970", "00:00:01,960"},
        {"00:00:01:15", "29.970", "00:00:01,510"},
        {"00:00:01: 7", "25.000", "00:00:01,280"},
        {"00:00:01:  ", "25.000", "00:00:01,000"},
        {"00:00:01:xx", "25.000", "00:00:01,000"},
        // a count at or above the rate carries into the seconds
        {"00:00:01:25", "25.000", "00:00:02,000"},
        {"00:00:01:30", "25.000", "00:00:02,200"},
        {"00:00:59:25", "25.000", "00:01:00,000"},
        {"00:59:59:99", "23.970", "01:00:03,140"},
        // one hour digit: the fields that follow are found all the same
        {"0:00:01:01", "25.000", "00:00:01,040"},
        {"9:59:59:25", "25.000", "10:00:00,000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startOf(c.time, c.rate), c.start) << c.time << " at " << c.rate;
}

TEST_F(SonicDvdReader, ContinuationLinesRunToTheEmptyLine) {
    read({Entry(1, "00:00:01:00", "00:00:02:00", "  a  "), "b", "   ", "",
          Entry(2, "00:00:03:00", "00:00:04:00", ""), "", "",
          Entry(3, "10:00:00:00", "10:00:01:00", "last"), "no empty line after it"});
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " "}))
        << "a line of blanks is text";
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " ", "", ""}))
        << "the first text line is always written; a second empty line is passed over";
    EXPECT_EQ(row(3), QStringList({"3", "10:00:00,000", "10:00:01,000", " last",
                                   " no empty line after it", ""}));
}

// A one-digit hour shifts the fields after it: the times and the text are
// found by their form, and a time that has none is asked about.
TEST_F(SonicDvdReader, TimesAreReadByTheirFormAndTheTextFollowsThem) {
    QStringList asked;
    answerMessage(frmMessageBox::Yes, &asked);
    read({Entry(1, "00:00:01:00", "00:00:02:00", "First"), "",
          "0002  0:00:10:00  0:00:12:00  Hello there", "", "0003  00:00:20:00   1:00:21:05   Wide",
          "", "0004  0:0:30:00  00:00:31:00  Short", "",
          Entry(5, "00:00:40:00", "00:00:41:00", "Forty"), ""},
         SonicDvd, false, true);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("Line #4 = '0004  0:0:30:00")) << asked[0].toStdString();
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:10,000", "00:00:12,000", " Hello there", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:20,000", "01:00:21,200", " Wide", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "", "", " 0:0:30:00  00:00:31:00  Short", "", ""}))
        << "a time that is no time is not made one; the row keeps all the line holds";
    EXPECT_EQ(row(5)[1], "00:00:40,000");
}

TEST_F(SonicDvdReader, LinesOutsideTheLayoutAreBadLinesAndReadingGoesOn) {
    const QStringList file = {"st_format 2",
                              Entry(1, "00:00:01:00", "00:00:02:00", "a"),
                              "b",
                              "c",
                              "d",
                              "",
                              Entry(2, "00:00:03:00", "00:00:04:00", "e"),
                              ""};
    QStringList asked;
    answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::Yes, &asked);
    read(file, SonicDvd, false, true);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("Line #0 = 'st_format 2'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #1 = 'd'")) << asked[1].toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " c"}));
    EXPECT_EQ(row(2)[3], " e");

    read(file); // not interactive: the same file loads without a word
    EXPECT_EQ(lines(), 2);
}

TEST_F(SonicDvdReader, AnAddShiftsTheTimesAfterTheLastLine) {
    read({Entry(1, "00:00:01:00", "01:30:00:00", "old"), ""});
    read({Entry(1, "00:00:05:10", "00:00:06:00", "new"), ""}, SonicDvd, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "01:30:05,400", "01:30:06,000", " new", "", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

// The round trip has a suite of its own on the reader's fixture.
using SonicDvdRoundTrip = SonicDvdReader;

TEST_F(SonicDvdRoundTrip, WhatMirelWritesItReadsAndWritesTheSameAtEveryRate) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,999", "12:34:56,789", " Say, \"yes\"", " ", " c"},
        {"00:00:50,041", "00:00:54,960", "", " only the second", ""},
        {"23:59:59,999", "24:00:00,000", " a", "", " last"},
    };
    const QRegularExpression entryLine(
        QStringLiteral(R"(^\d{4}  \d\d:\d\d:\d\d:\d\d  \d\d:\d\d:\d\d:\d\d  )"));
    for (const char* rate : {"23.970", "24.000", "25.000", "29.970", "30.000"}) {
        SCOPED_TRACE(rate);
        t->shell.FrameRateText = rate;
        setRows(original);
        const QStringList written = QString::fromUtf8(roundTrip()).split("\r\n");
        for (const int at : {0, 3, 7, 10})
            EXPECT_TRUE(entryLine.match(written.value(at)).hasMatch())
                << written.value(at).toStdString();
        ASSERT_EQ(lines(), 4);
        EXPECT_EQ(QStringList(row(1).mid(3)), QStringList({" Hello", " world", ""}));
        EXPECT_EQ(QStringList(row(2).mid(3)), QStringList({" Say, \"yes\"", " ", " c"}));
        EXPECT_EQ(QStringList(row(3).mid(3)), QStringList({" ", " only the second", ""}));
        EXPECT_EQ(QStringList(row(4).mid(3)), QStringList({" a", " last", ""}));
        // Each time reads back within its frame: at most one frame early
        // (the frame's start) and never more than a hundredth late.
        const double frameMs = 1000 / QString(rate).toDouble();
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 2; ++c) {
                const double was = TimeToMs(original[static_cast<std::size_t>(r - 1)][c - 1]);
                const double is = TimeToMs(row(r)[c]);
                EXPECT_LT(was - is, frameMs) << r << "," << c << ": " << row(r)[c].toStdString();
                EXPECT_LT(is - was, 10) << r << "," << c << ": " << row(r)[c].toStdString();
            }
    }
}

} // namespace
