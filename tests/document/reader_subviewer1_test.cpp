// The SubViewer 1.0 reader through LoadSubFile: the header up to "[BEGIN]",
// the four-line groups, the end marker, files without a header or without
// "[BEGIN]", missing and stray lines, the sample of tests/data/subviewer1 and
// the round trip through the writer (whose time lines carry their brackets).

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class SubViewer1Reader : public ReaderFixture {
protected:
    SubViewer1Reader() : ReaderFixture(Format::SubViewer1, "sub") {}
};

const QStringList Header = {"[TITLE]", "A film", "[AUTHOR]", "Someone",
                            "[DELAY]", "0",      "[BEGIN]",  "******** START SCRIPT ********"};

TEST_F(SubViewer1Reader, AGroupBecomesARow) {
    read(Header + QStringList{"[00:00:01]", "First line|Second line", "[00:00:04]", "", "[END]",
                              "[00:00:05]", "after the end", "[00:00:06]"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:04,000", " First line",
                                   " Second line", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    read(Header + QStringList{"[00:00:01]", "Added", "[00:00:04]"}, Format::SubViewer1, true);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,000", "00:00:08,000", " Added", "", ""}));
}

TEST_F(SubViewer1Reader, TimeLinesWithAndWithoutBrackets) {
    read(Header + QStringList{"00:12:34", "Bare|times", "00:12:36", "", "[00:12:40]", "Bracketed",
                              " 00:12:41 ", "", "[END]"},
         Format::SubViewer1, false, true); // interactive: a line not read would ask
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:12:34,000", "00:12:36,000", " Bare", " times", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:12:40,000", "00:12:41,000", " Bracketed", "", ""}));
}

TEST_F(SubViewer1Reader, TheHeaderEndsAtBeginInAnyCase) {
    // Interactive, with no answer queued: a line read out of place would ask.
    read({"[Title]", "x", "[Author]", "y", " [BEGIN]", "[Begin]", "banner", "[00:00:01]", "a",
          "[00:00:02]", "", "  [end]  ", "[00:00:03]", "after the end", "[00:00:04]"},
         Format::SubViewer1, false, true);
    ASSERT_EQ(lines(), 1) << "a marker with a blank before it is no marker";
    EXPECT_EQ(row(1)[3], " a");

    read({"[BEGIN]", "[00:00:01]", "b", "[00:00:02]"}, Format::SubViewer1, false, true);
    ASSERT_EQ(lines(), 1) << "a time line after [BEGIN] is no start-of-script line";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " b", "", ""}));
}

TEST_F(SubViewer1Reader, GroupsWithMissingOrEmptyLines) {
    QString asked, told;
    answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::Ok, &told);
    read(Header + QStringList{"[00:00:01]", "a|b|c|d", "[00:00:02]", "", "", "[00:00:03]", "",
                              "[00:00:04]", "[10:00:05]", "ten hours", "[10:00:06]", "[00:00:07]",
                              "no end time", "[END]", "******** END SCRIPT ********"},
         Format::SubViewer1, false,
         true); // interactive: only the fourth piece is a bad line, and the last end is missing
    ASSERT_EQ(lines(), 4);
    EXPECT_TRUE(asked.contains("Line #1 = 'a|b|c|d'")) << asked.toStdString();
    EXPECT_TRUE(told.contains("it now ends 2 s after it starts (row 4)")) << told.toStdString();
    EXPECT_EQ(row(1).mid(3), QStringList({" a", " b", " c"})) << "a fourth piece has no column";
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " ", "", ""}))
        << "an empty text line; extra blank lines are skipped";
    EXPECT_EQ(row(3), QStringList({"3", "10:00:05,000", "10:00:06,000", " ten hours", "", ""}))
        << "a group needs no blank line after it";
    EXPECT_EQ(row(4), QStringList({"4", "00:00:07,000", "00:00:09,000", " no end time", "", ""}));
}

TEST_F(SubViewer1Reader, FilesWithoutAHeaderOrWithoutBeginStopAtTheirEnd) {
    read({"[00:02:14]", "Yes a new line|Line number 2", "[00:02:15]"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1)[1], "00:02:14,000");

    read({"[TITLE]", "no begin", "[AUTHOR]", "nor subtitles"});
    EXPECT_FALSE(t->loader.LoadOk) << "no subtitle: not loaded";
    EXPECT_EQ(lines(), 1) << "the document stays";
}

TEST_F(SubViewer1Reader, StrayLinesAreBadLines) {
    QStringList asked;
    for (int i = 0; i < 2; ++i)
        answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::Ok, &asked);
    read(Header + QStringList{"stray", "[00:00:01]", "text", "not an end time", "", "[00:00:03]",
                              "kept", "[00:00:04]"},
         Format::SubViewer1, false, true);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_TRUE(asked[2].contains("it now ends where the next row starts (row 1)"))
        << asked[2].toStdString();
    EXPECT_TRUE(asked[0].contains("= 'stray'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("= 'not an end time'")) << asked[1].toStdString();
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:03,000", " text", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " kept", "", ""}));
}

// The reading limit counts subtitles, not the four lines each one takes:
// the largest file Mirel writes reads whole.
TEST_F(SubViewer1Reader, TheReadingLimitCountsSubtitles) {
    const auto groups = [](int count) {
        QStringList file = {"[TITLE]",    "",  "[AUTHOR]", "",
                            "[SOURCE]",   "",  "[PRG]",    "",
                            "[FILEPATH]", "",  "[DELAY]",  "0",
                            "[CDTRACK]",  "0", "[BEGIN]",  "******** START SCRIPT ********"};
        for (int i = 0; i < count; ++i)
            file << QString::asprintf("[%02d:%02d:%02d]", i / 3600, i / 60 % 60, i % 60)
                 << "Line " + QString::number(i + 1) << "[99:00:00]"
                 << "";
        return file << "[END]"
                    << "******** END SCRIPT ********";
    };
    read(groups(9998));
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");

    QString title, text;
    answerMessage(frmMessageBox::Cancel, &text, &title);
    read(groups(9999), Format::SubViewer1, false, true);
    EXPECT_EQ(title, "Reading limit");
    EXPECT_TRUE(text.contains("File contains 9999 lines.")) << text.toStdString();
}

TEST_F(SubViewer1Reader, TheSampleFileLoads) {
    EXPECT_EQ(load(QStringLiteral(MIREL_SAMPLES_DIR) + "/subviewer1/se_comment_subviewer1.sub"),
              Format::SubViewer1);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:02:14,000", "00:02:15,000", " Yes a new line",
                                   " Line number 2", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(SubViewer1Reader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList original[] = {
        {"00:12:34,000", "00:12:36,500", " Hello", " world", ""},
        {"00:00:05,129", "00:01:00,007", " Say, \"yes\" [br] \\n", "", " third"},
        {"12:34:56,789", "23:59:59,999", " <i>late</i>", " two", " three"},
    };
    setRows(original, "Arial;Western;Bold;16");
    EXPECT_TRUE(roundTrip().contains("\r\n[00:12:34]\r\nHello|world\r\n[00:12:36]\r\n"));
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:12:34,000", "00:12:36,000", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,000", "00:01:00,000", " Say, \"yes\" [br] \\n",
                                   " third", ""}))
        << "whole seconds; the empty middle line closes up";
    EXPECT_EQ(row(3),
              QStringList({"3", "12:34:56,000", "23:59:59,000", " <i>late</i>", " two", " three"}));
}

} // namespace
