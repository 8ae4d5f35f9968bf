// The MicroDVD reader through LoadSubFile: frames turned into times at every
// frame rate, the text split at "|", blank lines, lines that do not fit, the
// reading limit, an add, the sample files of tests/data/microdvd, files of
// other formats that must not pass for MicroDVD or Phoenix Japanimation, and
// a document written, read back and written again.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <span>
#include <vector>

namespace {

constexpr int MicroDvd = 3;

class MicroDvdReader : public ReaderFixture {
protected:
    MicroDvdReader() : ReaderFixture(MicroDvd, "sub") {}

    // The start time of the only line of a one-line file at a frame rate.
    QString startOf(const QString& line, const QString& rate) {
        t->shell.FrameRateText = rate;
        read({line});
        return row(1)[1];
    }
};

TEST_F(MicroDvdReader, ALineBecomesARowAndTheFontTabSaysNotSupported) {
    read({"{1200}{1350}Hello|World"});
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:48,000", "00:00:54,000", " Hello", " World", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

TEST_F(MicroDvdReader, FramesBecomeTimesAtTheChosenRate) {
    EXPECT_EQ(startOf("{1200}{0}x", "23.970"), "00:00:50,062");
    EXPECT_EQ(startOf("{3}{0}x", "25.000"), "00:00:00,120");
    EXPECT_EQ(startOf("{1}{0}x", "25.000"), "00:00:00,040");
    EXPECT_EQ(startOf("{0}{0}x", "25.000"), "00:00:00,000");
    EXPECT_EQ(startOf("{2997}{0}x", "29.970"), "00:01:40,000");
    EXPECT_EQ(startOf("{100}{0}x", "30.000"), "00:00:03,333");
    EXPECT_EQ(startOf("{100}{0}x", "24.000"), "00:00:04,166");
    EXPECT_EQ(startOf("{900001}{0}x", "25.000"), "10:00:00,040");
    EXPECT_EQ(startOf("{ 12 }{0}x", "25.000"), "00:00:00,480") << "blanks in a group";
    EXPECT_EQ(startOf("{abc}{0}x", "25.000"), "00:00:00,000") << "not a number";
    EXPECT_EQ(startOf("{-164}{0}x", "25.000"), "-1:59:53,440")
        << "a frame before the film's start: minus 6.56 seconds";
    read({"{}{}x"});
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:00,000", " x", "", ""}));
}

TEST_F(MicroDvdReader, TextsSplitAtBarsAndKeepTheirBraceCodes) {
    read({"   {10}{20}  a  |  b  ", "{100}{200}a|b|c|d", "{100}{200}", "{100}{200}Hello|",
          "{100}{200}{y:i}Hello", "{1}{1}23.976", "{5}{6}x}y{z"});
    ASSERT_EQ(lines(), 7) << "an empty text or a last bar does not end the reading";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,400", "00:00:00,800", " a", " b", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:04,000", "00:00:08,000", " a", " b", " c"}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:04,000", "00:00:08,000", " ", "", ""}));
    EXPECT_EQ(row(4).mid(3), QStringList({" Hello", " ", ""}));
    EXPECT_EQ(row(5)[3], " {y:i}Hello");
    EXPECT_EQ(row(6), QStringList({"6", "00:00:00,040", "00:00:00,040", " 23.976", "", ""}))
        << "the frame rate is never taken from the file";
    EXPECT_EQ(row(7)[3], " x}y{z");
}

TEST_F(MicroDvdReader, BlankLinesAreSkippedWhereverTheyStand) {
    const QStringList file = {"", "   ", "{25}{50}one", "", "{75}{100}two", "", ""};
    EXPECT_EQ(read(file, MicroDvd), MicroDvd) << "asked for: the blank first line keeps it";
    ASSERT_EQ(lines(), 2);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));
    EXPECT_EQ(read(file, 0), MicroDvd) << "detected from the third line";
    EXPECT_EQ(lines(), 2);
    EXPECT_TRUE(t->loader.LoadOk);
}

TEST_F(MicroDvdReader, ALineThatDoesNotFitIsABadLineAndReadingGoesOn) {
    const QStringList file = {"{25}{50}one", "{100}x", "plain words",
                              "}{1}{2}x",    "{1}}x",  "{75}{100}two"};
    QStringList asked;
    answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::No, &asked);
    read(file, MicroDvd, false, true);
    ASSERT_EQ(asked.size(), 2) << "No stops the questions of this load";
    EXPECT_TRUE(asked[0].startsWith("File has corrupted information.")) << asked[0].toStdString();
    EXPECT_TRUE(asked[0].contains("Line #2 = '{100}x'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #3 = 'plain words'")) << asked[1].toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2) << "a line that does not fit leaves no row";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " one", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));

    read(file); // not interactive: passed over without a word
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 2);
}

TEST_F(MicroDvdReader, AnAddStartsAfterTheLastEndTime) {
    read({"{25}{15000}first"});
    read({"{1200}{1350}Hello"}, MicroDvd, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1)[2], "00:10:00,000");
    EXPECT_EQ(row(2), QStringList({"2", "00:10:48,000", "00:10:54,000", " Hello", "", ""}));
    EXPECT_EQ(t->doc.FileNodes.Count(), 2);
}

TEST_F(MicroDvdReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file;
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("{%1}{%2}Line %3").arg(i * 50).arg(i * 50 + 40).arg(i + 1);
    read(QStringList(file) << ""
                           << ""
                           << "");
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 9998) << "blank lines do not count against the limit";
    EXPECT_EQ(row(9998)[3], " Line 9998");

    QString shown;
    answerMessage(frmMessageBox::Cancel, &shown);
    read(QStringList(file) << "{1}{2}one more", MicroDvd, false, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_TRUE(shown.contains("File contains 9999 lines.")) << shown.toStdString();
    EXPECT_EQ(lines(), 9998) << "the refused file changed nothing";
}

// ---- Sample files -----------------------------------------------------------------

struct Sample {
    const char* file;
    int lines;
    QStringList first; // row 1
    QStringList other; // another row, numbered in its first cell
};

TEST_F(MicroDvdReader, SampleFilesLoadWithTheirLinesTimesAndTexts) {
    const Sample samples[] = {
        {"gaupol_microdvd.sub",
         10,
         {"1", "-1:59:53,440", "-1:59:57,280", " I always wanted to leave my country",
          " and go somewhere else.", ""},
         {"8", "00:00:22,440", "00:00:26,520", " {y:i}For me, people were",
          " {y:i}the way they were.", ""}},
        {"jubler_microdvd_edgecases.sub",
         5,
         {"1", "00:00:00,000", "00:00:01,240", " First at zero", "", ""},
         {"5", "10:00:00,040", "10:00:02,000", " ten hours {y:i}style code", "", ""}},
        {"gnomesubs_sample.sub",
         934,
         {"1", "00:00:55,000", "00:01:02,600", " The quick brown fox jumps over the lazy dog.", "",
          ""},
         {"934", "01:40:34,600", "01:40:38,880", " The quick brown fox jumps over the lazy dog.",
          " Sample subtitle line 2.", ""}},
        {"subsrt_sample.sub",
         5,
         {"1", "00:09:59,000", "01:09:20,000",
          " Hi, my name is Alice Miller and this is John Brown", "", ""},
         {"5", "04:38:20,000", "05:58:00,000",
          " Okay, so we have all the ingredients laid out here", "", ""}},
    };
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/microdvd/";
    for (const Sample& s : samples) {
        EXPECT_EQ(load(dir + s.file, 0), MicroDvd) << s.file;
        EXPECT_TRUE(t->loader.LoadOk) << s.file;
        ASSERT_EQ(lines(), s.lines) << s.file;
        EXPECT_EQ(row(1), s.first) << s.file;
        EXPECT_EQ(row(s.other[0].toInt()), s.other) << s.file;
    }
}

TEST_F(MicroDvdReader, UnicodeTextOfASampleArrivesWhole) {
    load(QStringLiteral(MIREL_SAMPLES_DIR) + "/microdvd/jubler_microdvd_edgecases.sub", 0);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(3), QStringList({"3", "00:00:05,000", "00:00:05,000", " zero duration", "", ""}));
    EXPECT_EQ(row(4)[3], QString::fromUtf8("\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce"
                                           "\xba\xce\xac \xe6\x97\xa5\xe6\x9c\xac "
                                           "\xf0\x9f\x98\x80")
                             .prepend(' '));
}

// Files of formats Mirel does not read must not pass for MicroDVD or Phoenix
// Japanimation: detection refuses them and the document stays as it was.
TEST_F(MicroDvdReader, OtherFormatsAreNotTakenForFrameFiles) {
    // A style code in the first line puts "}{" where PowerDivX has it.
    EXPECT_EQ(read({"{431}{492}{C:$00ff00}Green|text", "{500}{600}x"}, 0), MicroDvd);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1),
              QStringList({"1", "00:00:17,240", "00:00:19,680", " {C:$00ff00}Green", " text", ""}));

    read({"{25}{50}kept"});
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/microdvd/other/";
    for (const char* file : {"gaupol_mpl2.txt", "gaupol_lrc.lrc", "gaupol_mpsub.sample.sub"}) {
        EXPECT_EQ(load(dir + file, 0), 0) << file;
        EXPECT_FALSE(t->loader.LoadOk) << file;
        ASSERT_EQ(lines(), 1) << file;
        EXPECT_EQ(row(1)[3], " kept") << file;
    }
    QString title;
    answerMessage(frmMessageBox::Ok, nullptr, &title);
    load(dir + "gaupol_mpsub.sample.sub", 0, false, true);
    EXPECT_EQ(title, "Unknown format");
    EXPECT_EQ(row(1)[3], " kept");
}

// ---- Round trip ---------------------------------------------------------------------

// The round trip has a suite of its own on the reader's fixture.
using MicroDvdRoundTrip = MicroDvdReader;

TEST_F(MicroDvdRoundTrip, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,000", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " {y:i}Hi}{there", "", ""},
        {"23:59:59,999", "24:00:00,000", " Say, \"yes\"", " and=no", " last"},
        {"00:00:03,333", "00:00:04,166", " x|y", "", ""},
    };
    for (const char* rate : {"23.970", "25.000", "29.970"}) {
        SCOPED_TRACE(rate);
        t->shell.FrameRateText = rate;
        setRows(original, "Arial;Western;Bold;16");
        ASSERT_FALSE(roundTrip(MicroDvd).isEmpty()) << rate;
        ASSERT_EQ(lines(), 5) << rate;
        expectWithinAFrame(std::span(original).first(4), rate);
        EXPECT_EQ(row(5).mid(3), QStringList({" x", " y", ""})) << "a bar is a line break";
        EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    }
}

} // namespace
