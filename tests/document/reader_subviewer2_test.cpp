// The SubViewer 2.0 reader through LoadSubFile: the header and its font
// tags, the three-line groups and the variations other programs write (no
// blank line after the header, text on several lines, times before zero),
// bad lines, the samples of tests/data/subviewer2 and the round trip
// through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class SubViewer2Reader : public ReaderFixture {
protected:
    SubViewer2Reader() : ReaderFixture(Format::SubViewer2, "sub") {}
};

const QString Held = QStringLiteral(
    "The file held texts that Mirel does not keep: %1. Saved, the file is written without them.");

const QStringList Header = {"[INFORMATION]", "[TITLE]", "[END INFORMATION]", "[SUBTITLE]"};

TEST_F(SubViewer2Reader, AGroupBecomesARow) {
    read(Header + QStringList{"00:00:01.50,00:00:04.00", "First line[br]Second line", ""});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:04,000", " First line",
                                   " Second line", ""}));
    EXPECT_EQ(font(1), "Arial;Western;Regular;16");
    expectFontTab(false, true, false);

    read({"00:00:01.50,00:00:04.00", "Added", ""}, Format::SubViewer2, true);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,500", "00:00:08,000", " Added", "", ""}));
}

TEST_F(SubViewer2Reader, TheHeaderNamesTheFontOfEveryRow) {
    const struct {
        const char* line;
        const char* font;
    } cases[] = {
        {"[COLF]&HFFFFFF,[STYLE]no,[SIZE]18,[FONT]Arial", "Arial;Western;Regular;18"},
        {"[colf]&HFFFFFF,[style]no,[size]18,[font]Arial", "Arial;Western;Regular;18"},
        {"[FONT]Times New Roman,[SIZE]12", "Times New Roman;Western;Regular;12"},
        {"[SIZE]8,", "Early;Western;Regular;8"}, // the last tag read wins
        {"[SIZE]x", "Early;Western;Regular;"},
        {"[SIZE]29, [Font]", "Early;Western;Regular;29"}, // Mirel's header with no font chosen
    };
    for (const auto& c : cases) {
        read({"[INFORMATION]", "[SIZE]40,[FONT]Early", c.line, "00:00:01.00,00:00:02.00", "x", "",
              "00:00:03.00,00:00:04.00", "y"});
        ASSERT_EQ(lines(), 2) << c.line;
        EXPECT_EQ(font(2), c.font) << c.line;
    }
}

TEST_F(SubViewer2Reader, TextLinesAreCutAtLowerCaseBreaksOnly) {
    read(Header + QStringList{"00:00:01.00,00:00:02.00", "a[br]b[br]c[br]d", "",
                              "00:00:03.00,00:00:04.00", "One[BR]line | and, \"more\"", "",
                              "00:00:05.00,00:00:06.00", "", "", "00:00:07.00,00:00:08.00",
                              "last, no blank line after it"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1).mid(3), QStringList({" a", " b", " c"})) << "a fourth piece is lost";
    EXPECT_EQ(row(2)[3], " One[BR]line | and, \"more\"");
    EXPECT_EQ(row(3).mid(3), QStringList({" ", "", ""})) << "an empty text line";
    EXPECT_EQ(row(4)[3], " last, no blank line after it");
    EXPECT_TRUE(t->loader.LoadOk);
}

TEST_F(SubViewer2Reader, OtherLayoutsReadLineByLine) {
    read({"[INFORMATION]", "", "", "00:00:01.00,00:00:02.00", "one", "two[br]three", "four", "", "",
          "-00:00:01.50 , 00:00:00.5", "before zero", "10:00:00.00,10:00:01.99", "ten hours"});
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1).mid(3), QStringList({" one", " two", " three"}));
    EXPECT_EQ(row(2), QStringList({"2", "-1:59:58,500", "00:00:00,500", " before zero", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "10:00:00,000", "10:00:01,990", " ten hours", "", ""}));
}

TEST_F(SubViewer2Reader, LinesOutOfPlaceAreBadLines) {
    const QStringList file =
        Header + QStringList{"00:00:01.00,00:00:02.00", "a",   "b", "c", "d", "", "stray text", "",
                             "00:00:03.00,00:00:04.00", "kept"};
    QStringList asked;
    answerMessage(frmMessageBox::No, &asked); // no further questions in this load
    read(file, Format::SubViewer2, false, true);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("= 'd'")) << asked[0].toStdString();
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1).mid(3), QStringList({" a", " b", " c"}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " kept", "", ""}));
}

TEST_F(SubViewer2Reader, SampleFilesLoad) {
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/subviewer2/";
    EXPECT_EQ(load(dir + "gaupol_subviewer2.sub", 0), Format::SubViewer2);
    ASSERT_EQ(lines(), 10);
    EXPECT_EQ(row(1),
              QStringList({"1", "-1:59:53,160", "-1:59:57,150",
                           " I always wanted to leave my country", " and go somewhere else.", ""}));
    EXPECT_EQ(row(8).mid(3),
              QStringList({" <i>For me, people were</i>", " <i>the way they were.</i>", ""}));
    EXPECT_EQ(row(10), QStringList({"10", "00:00:32,560", "00:00:35,900",
                                    " Obviously, it was a big shock.", "", ""}));
    EXPECT_EQ(font(10), "Sans;Western;Regular;18");

    EXPECT_EQ(load(dir + "jubler_subviewer_info_header.sub", 0), Format::SubViewer2);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:01,230", " First at zero", "", ""}));
    EXPECT_EQ(row(2).mid(3), QStringList({" Two lines", " second line", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "10:00:00,000", "10:00:01,990",
                                   QString::fromUtf8(" ten hours Ελληνικά"), "", ""}));
    EXPECT_EQ(font(3), "Arial;Western;Regular;18");
}

// Header values Mirel keeps nowhere are told once, by their names; empty
// ones, the font and the values Mirel's own header writes are not.
TEST_F(SubViewer2Reader, HeaderValuesMirelDoesNotKeepAreTold) {
    const struct {
        QStringList file;
        const char* told; // "": no message
    } cases[] = {
        {{"[INFORMATION]", "[AUTHOR]", "[SOURCE]", "[PRG]", "[DELAY]0", "[CD TRACK]0", "[COMMENT]",
          "[END INFORMATION]", "[SUBTITLE]", "[COLF]&HFFFFFF,[STYLE]no,[SIZE]29, [Font]Tahoma"},
         ""},
        {{"[TITLE]A [big] day", "[DELAY]250", "[colf]&HFF0000,[style]no,[size]18,[font]Arial"},
         "the header values TITLE, DELAY, colf"},
        {{"[PRG]Other", "[SUBTITLE]"}, "the header value PRG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QString told;
        if (*c.told) answerMessage(frmMessageBox::Ok, &told);
        read(c.file + QStringList{"00:00:01.00,00:00:02.00", "x"}, Format::SubViewer2, false, true);
        EXPECT_EQ(told, *c.told ? Held.arg(c.told) : QString());
    }
    QString told;
    answerMessage(frmMessageBox::Ok, &told);
    load(QStringLiteral(MIREL_SAMPLES_DIR) + "/subviewer2/jubler_subviewer_info_header.sub", 0,
         false, true);
    EXPECT_EQ(told, Held.arg("the header values TITLE, AUTHOR, SOURCE, COMMENT, STYLE"));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(SubViewer2Reader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList original[] = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"00:00:05,129", "00:01:00,007", " Say, \"yes\" | no [BR] \\n", "", " third"},
        {"12:34:56,789", "23:59:59,999", " <i>late</i>", " two", " three"},
    };
    setRows(original, "Arial;Western;Italic;16");
    platform::ComboBox& fonts = t.main().editor.font.Combo9[0];
    fonts.addItem("Tahoma");
    fonts.setListIndex(fonts.listCount() - 1);
    roundTrip();
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,120", "00:01:00,000",
                                   " Say, \"yes\" | no [BR] \\n", " third", ""}))
        << "hundredths kept; the empty middle line closes up";
    EXPECT_EQ(row(3),
              QStringList({"3", "12:34:56,780", "23:59:59,990", " <i>late</i>", " two", " three"}));
    EXPECT_EQ(font(3), "Tahoma;Western;Regular;29") << "the font Mirel's header names";
}

} // namespace
