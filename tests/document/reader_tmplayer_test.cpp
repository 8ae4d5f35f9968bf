// The TMPlayer reader through LoadSubFile: start and end lines, the one-line
// form of other programs, blank and stray lines, the reading limit, the
// sample files of tests/data/tmplayer and the round trip through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class TmPlayerReader : public ReaderFixture {
protected:
    TmPlayerReader() : ReaderFixture(Format::TmPlayer, "txt") {}
};

TEST_F(TmPlayerReader, AStartAndAnEndLineMakeARow) {
    EXPECT_EQ(read({"00:00:01,5=Hello|World", "00:00:03,0="}, Format::None), Format::TmPlayer);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:03,000", " Hello", " World", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    read({"00:00:05,0=", "00:00:06,0="}, Format::TmPlayer, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:08,000", "00:00:09,000", " ", "", ""}))
        << "an add starts after the last end time; an empty text is one blank";
}

TEST_F(TmPlayerReader, TextIsCutAtBarsIntoThreeTrimmedLines) {
    read({"00:00:01,0=  a  |b c|  c|d", "00:00:02,0=ignored text", "00:00:03,0=x=y||",
          "00:00:04,0="});
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b c", " c"}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " x=y", " ", " "}));
}

TEST_F(TmPlayerReader, EveryOtherLineIsAnEndLineWhateverItsText) {
    read({"00:00:01,0=A", "00:00:02,0=B", "00:00:03,0=C"});
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " A", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:05,000", " C", "", ""}))
        << "a start line at the end of the file keeps an empty end, without a question";
}

TEST_F(TmPlayerReader, BlankLinesDoNotShiftThePairs) {
    read({"", "00:00:01,0=A", "   ", "00:00:02,0=", "", "00:00:03,0=B", "00:00:04,0=", ""},
         Format::TmPlayer, false, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " B", "", ""}));
}

TEST_F(TmPlayerReader, OneLineSubtitlesLastUntilTheNextOne) {
    QString asked;
    answerMessage(frmMessageBox::Ok, &asked);
    read({"0:00:01:Hello|World", "00:01:05=Next", "-0:00:07:Early", "1:02:03:Last"},
         Format::TmPlayer, false, true);
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:01:05,000", " Hello", " World", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:01:05,000", "00:01:07,000", " Next", "", ""}))
        << "the next one starts earlier: this one never ends before it starts";
    EXPECT_EQ(row(3), QStringList({"3", "-1:59:53,000", "01:02:03,000", " Early", "", ""}))
        << "seven seconds before zero";
    EXPECT_EQ(row(4), QStringList({"4", "01:02:03,000", "01:02:05,000", " Last", "", ""}));
    EXPECT_TRUE(asked.contains("4 rows had no end time in the file: rows 1 and 3 now end where "
                               "the next row starts, rows 2 and 4 end 2 s after they start."))
        << asked.toStdString();
}

TEST_F(TmPlayerReader, LinesOfNeitherFormAreBadLinesAndReadingGoesOn) {
    QString asked;
    answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::No);
    read({"00:00:01,0=A", "00:00:02,0=", "junk", "00:00:03,0=B", "12:3x:00:oops", "also junk",
          "00:00:04,0="},
         Format::TmPlayer, false, true);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_TRUE(asked.contains("Line #1 = 'junk'")) << asked.toStdString();
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " B", "", ""}));
}

TEST_F(TmPlayerReader, TheReadingLimitCountsSubtitlesNotLines) {
    // Two lines a subtitle, as Mirel writes them, and one-line subtitles.
    QStringList file;
    for (int i = 0; i < 5000; ++i)
        file << QString::asprintf("%02d:%02d:%02d,0=Line %d", i / 3600, i / 60 % 60, i % 60, i)
             << QString::asprintf("%02d:%02d:%02d,5=", i / 3600, i / 60 % 60, i % 60);
    for (int i = 5000; i < 9998; ++i)
        file << QString::asprintf("%d:%02d:%02d:One %d", i / 3600, i / 60 % 60, i % 60, i);
    answerMessage(frmMessageBox::Ok);          // the last one-line subtitle has no end time
    read(file, Format::TmPlayer, false, true); // interactive: a refusal would ask
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(5000)[2], "01:23:19,500");
    EXPECT_EQ(row(9998)[3], " One 9997");

    QString said;
    answerMessage(frmMessageBox::Cancel, &said);
    read(file + QStringList{"03:00:00,0=one subtitle too many", "03:00:00,5="}, Format::TmPlayer,
         false, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_TRUE(said.contains("File contains 9999 lines.")) << said.toStdString();
    EXPECT_EQ(lines(), 9998) << "the document is left as it was";
}

// ---- Sample files ---------------------------------------------------------------

TEST_F(TmPlayerReader, SampleFilesInTheOneLineFormLoad) {
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/tmplayer/";
    for (const char* file : {"gaupol_tmplayer-1.txt", "gaupol_tmplayer-2.txt"}) {
        EXPECT_EQ(load(dir + file, Format::None), Format::TmPlayer)
            << file << ": no line announces the format; the extension names it";
        load(dir + file, Format::TmPlayer);
        ASSERT_EQ(lines(), 10) << file;
        EXPECT_EQ(row(1), QStringList({"1", "-1:59:53,000", "-1:59:59,000",
                                       " I always wanted to leave my country",
                                       " and go somewhere else.", ""}))
            << file;
        EXPECT_EQ(row(3), QStringList({"3", "00:00:01,000", "00:00:05,000",
                                       " So, one day when I was 17, I left.", "", ""}))
            << file;
        EXPECT_EQ(row(10), QStringList({"10", "00:00:33,000", "00:00:35,000",
                                        " Obviously, it was a big shock.", "", ""}))
            << file;
    }
    answerMessage(frmMessageBox::Ok); // the last subtitle has no end time
    load(dir + "se_test_tmplayer_crcrlf.txt", Format::TmPlayer, false, true);
    ASSERT_EQ(lines(), 10) << "the blank line after every subtitle is passed over";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:06,000", " Line number 0", "", ""}));
    EXPECT_EQ(row(10),
              QStringList({"10", "00:00:46,000", "00:00:48,000", " Line number 9", "", ""}));
}

// ---- Round trip -------------------------------------------------------------------

TEST_F(TmPlayerReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList rows[] = {
        {"00:00:01,500", "00:00:03,000", " Hello", "", ""},
        {"10:00:05,123", "12:34:56,789", " a, \"quoted\" = b", " ", " [br] <br> \\n"},
        {"23:59:59,900", "47:00:00,000", " x", " y", " z"},
        {"48:00:00,000", "48:00:01,000", " first", "", " third"},
    };
    setRows(rows);
    roundTrip();
    ASSERT_EQ(lines(), 4);

    // Times to the tenth of a second; an empty middle line written as a
    // blank comes back, an empty cell is closed up.
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:03,000", " Hello", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "10:00:05,100", "12:34:56,700", " a, \"quoted\" = b", " ",
                                   " [br] <br> \\n"}));
    EXPECT_EQ(row(3), QStringList({"3", "23:59:59,900", "47:00:00,000", " x", " y", " z"}));
    EXPECT_EQ(row(4), QStringList({"4", "48:00:00,000", "48:00:01,000", " first", " third", ""}));
}

} // namespace
