// The SubRip reader through LoadSubFile: entries, counters, times, style
// tags, lines outside the layout and the bad-line question, and the sample
// files of tests/data/subrip.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

const QString Held = QStringLiteral(
    "The file held texts that Mirel does not keep: %1. Saved, the file is written without them.");

class SubRipReader : public ReaderFixture {
protected:
    SubRipReader() : ReaderFixture(Format::SubRip, "srt") {}
};

TEST_F(SubRipReader, AnEntryBecomesARow) {
    read({"1", "00:00:01,000 --> 00:00:02,500", "Hello", ""});
    EXPECT_EQ(row(0)[1], "Start") << "the header stays";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", "", ""}));
    EXPECT_EQ(font(1), "Arial;Western;Regular;16");
    EXPECT_EQ(t->shell.CurFontName, "Arial");
    EXPECT_TRUE(t->loader.LoadOk);
}

TEST_F(SubRipReader, CountersAreIgnoredAndTimesTakenInEveryCommonForm) {
    read({"0", "00:00:01,000-->00:00:02,000", "  a  ", "", "9",
          "00:00:03,000  -->  00:00:04,000   ", "b", "second", "third", "", "2",
          "0:0:5.5 --> 00:00:06,25 X1:40 X2:600", "c", "", "3", "-00:00:01,000 --> 00:00:00,500",
          "d"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", "", ""}));
    EXPECT_EQ(row(2),
              QStringList({"2", "00:00:03,000", "00:00:04,000", " b", " second", " third"}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:05,500", "00:00:06,250", " c", "", ""}));
    EXPECT_EQ(row(4)[1], "-1:59:59,000") << "a negative time in the program's own form";
}

TEST_F(SubRipReader, StyleTagsGoWhereTheyStand) {
    read({"1", "00:00:01,000 --> 00:00:02,000", "<i>Hello</i>", "", "2",
          "00:00:02,000 --> 00:00:03,000", "<b><i>Hi</i></b>", "", "3",
          "00:00:03,000 --> 00:00:04,000", "Say, <i>yes</i>", "<b>loud</b>", "", "4",
          "00:00:04,000 --> 00:00:05,000", "<font color=red>x</font> <I>y</I>"});
    EXPECT_EQ(row(1)[3], " Hello");
    EXPECT_EQ(font(1), "Arial;Western;Italic;16");
    EXPECT_EQ(row(2)[3], " Hi");
    EXPECT_EQ(font(2), "Arial;Western;Bold Italic;16");
    EXPECT_EQ(row(3)[3], " Say, <i>yes</i>") << "no row style says this: the tags stay";
    EXPECT_EQ(font(3), "Arial;Western;Regular;16");
    EXPECT_EQ(row(4)[3], " <font color=red>x</font> <I>y</I>") << "other markup stays";
}

// A row has one style. Tags that the row's style says as the writer writes
// them come back the same; tags that say it in another form give the row
// that style and are told; tags that no row style can say stay as text.
TEST_F(SubRipReader, StyleTagsThatARowStyleSaysComeBackTheSameAndTheRestAreTold) {
    const struct {
        QStringList file, cells;
        const char* style;
        QStringList written; // empty: the lines of the file
    } cases[] = {
        {{"<i>Hello</i>"}, {" Hello", "", ""}, "Italic", {}},
        {{"<i><b>Hi</b></i>", "<i><b>there</b></i>"}, {" Hi", " there", ""}, "Bold Italic", {}},
        {{"<b><u>[dog]</u></b>"}, {" <u>[dog]</u>", "", ""}, "Bold", {}},
        {{"[automated]", "<i>'The time is 7:35.'</i>"},
         {" [automated]", " <i>'The time is 7:35.'</i>", ""},
         "Regular",
         {}},
        {{"<i>x</i>^3 * <i>x</i> = 100"}, {" <i>x</i>^3 * <i>x</i> = 100", "", ""}, "Regular", {}},
        {{"<font color=\"#0f0\"><b>[music]</b></font>"},
         {" <font color=\"#0f0\"><b>[music]</b></font>", "", ""},
         "Regular",
         {}},
        {{"<i>Two lines", "of italics</i>"},
         {" Two lines", " of italics", ""},
         "Italic",
         {"<i>Two lines</i>", "<i>of italics</i>"}},
        {{"<i>Unterminated"}, {" Unterminated", "", ""}, "Italic", {"<i>Unterminated</i>"}},
        {{"<b><i>Hi</i></b>"}, {" Hi", "", ""}, "Bold Italic", {"<i><b>Hi</b></i>"}},
        {{"<i>a</i> <i>b</i>"}, {" a b", "", ""}, "Italic", {"<i>a b</i>"}},
    };
    QStringList file, written;
    int number = 0;
    for (const auto& c : cases) {
        const QStringList entry = {QString::number(++number), "00:00:01,000 --> 00:00:02,000"};
        file << entry << c.file << "";
        written << entry << (c.written.isEmpty() ? c.file : c.written) << "";
    }
    QString told;
    answerMessage(frmMessageBox::Ok, &told);
    read(file, Format::SubRip, false, true);
    for (int r = 1; r <= number; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(QStringList(row(r).mid(3)), cases[r - 1].cells);
        EXPECT_EQ(font(r), QStringLiteral("Arial;Western;%1;16").arg(cases[r - 1].style));
    }
    EXPECT_EQ(told, "4 rows had styling tags that Mirel keeps as the style of the whole row: "
                    "saved, their tags are written in that form (rows 7, 8, 9 and 10).");
    const QString path = t.dataFilesPath("saved.srt");
    ASSERT_TRUE(save(path));
    EXPECT_EQ(QString::fromUtf8(bytes(path)).split("\r\n"), written << "");
}

// Positions after the times are told once, with the rows that had them.
TEST_F(SubRipReader, PositionsAfterTheTimesAreTold) {
    const struct {
        QStringList times;
        const char* told; // "": no message
    } cases[] = {
        {{"00:00:01,000 --> 00:00:02,000  ", "00:00:03,000-->00:00:04,000"}, ""},
        {{"00:00:01,000 --> 00:00:02,000  X1:010 X2:710 Y1:400 Y2:460",
          "00:00:03,000 --> 00:00:04,000", "0:0:5.5 --> 00:00:06,25 X1:40"},
         "the positions of 2 rows (rows 1 and 3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QStringList file;
        for (const QString& times : c.times)
            file << QString::number(file.size() / 4 + 1) << times << "text"
                 << "";
        QString told;
        if (*c.told) answerMessage(frmMessageBox::Ok, &told);
        read(file, Format::SubRip, false, true);
        ASSERT_EQ(lines(), c.times.size());
        EXPECT_EQ(told, *c.told ? Held.arg(c.told) : QString());
    }
}

TEST_F(SubRipReader, EntriesWithoutTextOrNumbersKeepTheirRows) {
    read({"1", "00:00:01,000 --> 00:00:02,000", "", "2", "00:00:03,000 --> 00:00:04,000", "second",
          "", "00:00:05,000 --> 00:00:06,000", "unnumbered", "", "3",
          "00:00:07,000 --> 00:00:08,000", "text", "", "42", "", "end"});
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", "", "", ""}));
    EXPECT_EQ(row(2)[3], " second");
    EXPECT_EQ(row(3), QStringList({"3", "00:00:05,000", "00:00:06,000", " unnumbered", "", ""}));
    EXPECT_EQ(row(4)[3], " text");
    EXPECT_EQ(row(5), QStringList({"5", "", "", " end", "", ""}))
        << "a number after a blank line inside an entry starts a row";
}

TEST_F(SubRipReader, LinesBeforeTheFirstEntryNeverLandInRowsAlreadyThere) {
    read({"1", "00:00:01,000 --> 00:00:02,000", "old"});
    read({"stray", "00:00:00,500 --> 00:00:00,900", "1", "00:00:01,000 --> 00:00:02,000", "new"},
         Format::SubRip, true);
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " old", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "", "", " stray", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:02,500", "00:00:02,900", " 1", "", ""}))
        << "after a time line a lone number is text; a time line no counter announced "
           "starts a row";
    EXPECT_EQ(row(4), QStringList({"4", "00:00:03,000", "00:00:04,000", " new", "", ""}));
    EXPECT_EQ(t->doc.grid().textMatrix(0, 3), "Text #1");
}

TEST_F(SubRipReader, AFourthTextLineIsABadLineAndReadingGoesOn) {
    const QStringList file = {"1", "00:00:01,000 --> 00:00:02,000", "a", "b", "c", "d", "e", "",
                              "2", "00:00:03,000 --> 00:00:04,000", "f", "g", "h", "i"};
    QString asked;
    answerMessage(frmMessageBox::No, &asked); // and no more questions in this load
    read(file, Format::SubRip, false, true);
    EXPECT_TRUE(asked.startsWith("File has corrupted information.")) << asked.toStdString();
    EXPECT_TRUE(asked.contains("Line #1 = 'd'")) << asked.toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " c"}));
    EXPECT_EQ(row(2)[5], " h");

    read(file); // not interactive: the same file loads without a word
    EXPECT_EQ(lines(), 2);
}

TEST_F(SubRipReader, MarksAndLineEndsOfEveryKind) {
    const QString text = QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\nÅse\r\n");
    readBytes(QByteArray("\xFF\xFE") +
              QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    EXPECT_EQ(row(1)[3], " Åse");
    readBytes("\xEF\xBB\xBF"
              "1\n00:00:01,000 --> 00:00:02,000\nLF\n\n2\r00:00:03,000 --> "
              "00:00:04,000\rCR");
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2)[3], " CR");
}

// ---- Sample files -------------------------------------------------------------------

struct Sample {
    const char* file;
    int format; // the format asked for: 0 detects
    int lines;
    QStringList first; // row 1
    QStringList last;  // the last row
};

TEST_F(SubRipReader, SampleFilesLoadWithTheirLinesTimesAndTexts) {
    const Sample samples[] = {
        {"subsrt_sample.srt",
         0,
         5,
         {"1", "00:00:00,599", "00:00:04,160",
          " >> ALICE: Hi, my name is Alice Miller and this is John Brown", "", ""},
         {"5", "00:00:16,700", "00:00:21,480",
          " Okay, so we have all the ingredients laid out here", "", ""}},
        {"se_seconv_test.srt",
         0,
         3,
         {"1", "00:00:01,000", "00:00:04,000", " Hello, World!", "", ""},
         {"3", "00:00:10,000", "00:00:13,000", " Testing SeConv subtitle converter.", "", ""}},
        {"astisub_example-in.srt",
         0,
         6,
         {"1", "00:01:39,000", "00:01:41,040", " (deep rumbling)", "", ""},
         {"6", "00:02:31,400", "00:02:33,440", " (computer playing", " electronic melody)", ""}},
        {"astisub_missing-sequence-in.srt",
         9,
         6,
         {"1", "00:01:39,000", "00:01:41,040", " (deep rumbling)", "", ""},
         {"6", "00:02:31,400", "00:02:33,440", " (computer playing", " electronic melody)", ""}},
        {"astisub_example-in-non-utf8.srt",
         0,
         6,
         {"1", "00:01:39,000", "00:01:41,040", " (deep rumbling)", "", ""},
         {"6", "00:02:31,400", "00:02:33,440", " (computer playing", " electronic melody)", ""}},
        {"astisub_example-in-carriage-return.srt",
         0,
         3,
         {"1", "00:00:00,000", "00:00:03,766", " Did one of the last stories strike you as",
          " more interesting than the other?", ""},
         {"3", "00:00:10,733", "00:00:14,066", " at a busy bus stop or anywhere",
          " else for that matter.", ""}},
        {"astisub_example-in-styled.srt",
         0,
         10,
         {"1", "00:00:17,985", "00:00:20,521",
          " <font color=\"#00ff00\"><b>[instrumental music]</b></font>", "", ""},
         {"10", "00:12:00,000", "00:13:00,000", " <i>x</i>^3 * <i>x</i> = 100", "", ""}},
    };
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/subrip/";
    for (const Sample& s : samples) {
        EXPECT_EQ(load(dir + s.file, s.format), Format::SubRip) << s.file;
        EXPECT_TRUE(t->loader.LoadOk) << s.file;
        ASSERT_EQ(lines(), s.lines) << s.file;
        EXPECT_EQ(row(1), s.first) << s.file;
        EXPECT_EQ(row(s.lines), s.last) << s.file;
    }
}

// A file in another code page reads right when the code page is named.
TEST_F(SubRipReader, ACodePageFileReadsInTheNamedCodePage) {
    const QByteArray before = qgetenv("MIREL_CODEPAGE");
    qputenv("MIREL_CODEPAGE", "windows-1251");
    load(QStringLiteral(MIREL_SAMPLES_DIR) + "/subrip/se_auto_detect_windows-1251.srt", 0);
    if (before.isNull())
        qunsetenv("MIREL_CODEPAGE");
    else
        qputenv("MIREL_CODEPAGE", before);
    ASSERT_EQ(lines(), 595);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:39,198", "00:00:42,118", " Г О Р Ш Т А К   3",
                                   " <i>Из зоре времена долазимо,</i>", ""}))
        << "the first line is not italic: no row style says this";
    EXPECT_EQ(font(2), "Arial;Western;Regular;16");
    EXPECT_EQ(row(595)[3], " Preuzeto sa www.titlovi.com");
}

} // namespace
