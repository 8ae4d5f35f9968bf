// The DVD Subtitle reader through LoadSubFile: the header, start and end
// blocks, hundredths (never frames), blocks that lack a line, lines outside
// the layout, the end of the file inside an entry, an add, the reading limit,
// the sample of tests/data/dvdsubtitle, and a document written, read back and
// written again.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <vector>

namespace {

constexpr int DvdSubtitle = 1;

const QStringList Header = {"{HEAD", "DISCID=", "DVDTITLE=", "CODEPAGE=1250", "}"};

// One entry as Mirel writes it: start block with its text, end block.
QStringList Entry(const QString& start, const QString& end, const QStringList& text) {
    return QStringList{"{T " + start} << text << "}"
                                      << "{T " + end << ""
                                      << "}";
}

class DvdSubtitleReader : public ReaderFixture {
protected:
    DvdSubtitleReader() : ReaderFixture(DvdSubtitle, "sub") {}
};

TEST_F(DvdSubtitleReader, AnEntryIsAStartAndAnEndBlock) {
    t->shell.FrameRateText = "30.000"; // no influence: the last field is hundredths
    EXPECT_EQ(read(Header + Entry("00:00:01:10", "00:00:03:05", {"Hello", "  world  "}) +
                   Entry("12:34:56:99", "12:34:58:00", {})),
              DvdSubtitle);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,100", "00:00:03,050", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "12:34:56,990", "12:34:58,000", "", "", ""}))
        << "an entry without text lines keeps its text cells empty";
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

TEST_F(DvdSubtitleReader, TheHeaderEndsAtItsBraceAndMayBeMissing) {
    read({"{HEAD", "TITLE=1", " } indented, still header", "}", "{T 00:00:01:00", "a", "}"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:03,000", " a", "", ""}))
        << "the file ends after the text: the row lasts 2 s";

    read({"{HEAD", "TITLE=1", "no closing brace anywhere"});
    EXPECT_FALSE(t->loader.LoadOk) << "a header that never closes holds the whole file";
    EXPECT_EQ(lines(), 1) << "which has no subtitle: the document stays";

    read({"{HEAD", "TITLE=1", "{T 00:00:01:00", "unclosed header"});
    ASSERT_EQ(lines(), 1) << "but not the time lines after it";
    EXPECT_EQ(row(1),
              QStringList({"1", "00:00:01,000", "00:00:03,000", " unclosed header", "", ""}));

    read({"{t 00:00:02:50", "no header", "}", "{T 00:00:04:00", "}"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:02,500", "00:00:04,000", " no header", "", ""}));
}

TEST_F(DvdSubtitleReader, BlocksThatLackALineDoNotShiftTheEntriesAfterThem) {
    read(Header + QStringList{"{T 00:00:01:00", "one", "}", "{T 00:00:02:00", "}", // no empty line
                              "", "",                                              // extra blanks
                              "{T 00:00:03:00", "two", "{T 00:00:04:00", "",       // no "}"
                              "{T 00:00:05:00", "three", "}", "{T 00:00:06:00", "", "}"});
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " one", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:05,000", "00:00:06,000", " three", "", ""}));
}

// A block with text is a subtitle of its own, whatever stands before it; a
// block without text ends the row before it.
TEST_F(DvdSubtitleReader, EveryBlockWithTextOpensARowAndAnEmptyBlockEndsTheOneBefore) {
    QString asked;
    answerMessage(frmMessageBox::Ok, &asked);
    read(Header + QStringList{"{T 00:00:01:00", "First", "}", "{T 00:00:03:00", "Second", "}",
                              "{T 00:00:05:00", "", "}", "{T 00:00:08:00", "Third", "}",
                              "{T 00:00:09:00", "Fourth", "}", "{T 00:00:12:00", "}",
                              "{T 00:00:13:00", "}"},
         DvdSubtitle, false, true);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:03,000", " First", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:05,000", " Second", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:08,000", "00:00:09,000", " Third", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:00:09,000", "00:00:12,000", " Fourth", "", ""}));
    EXPECT_EQ(row(5), QStringList({"5", "00:00:13,000", "00:00:15,000", "", "", ""}))
        << "an empty block with no row left to end is a row without text";
    EXPECT_TRUE(asked.contains("3 rows had no end time in the file: rows 1 and 3 now end where "
                               "the next row starts, row 5 ends 2 s after it starts."))
        << asked.toStdString();
}

// An end block before its row's start is set aside and told, as SAMI's
// clearing block is; a block written on one line keeps its text.
TEST_F(DvdSubtitleReader, AnEndBeforeTheStartIsSetAsideAndOneLineBlocksKeepTheirText) {
    QString asked;
    answerMessage(frmMessageBox::Ok, &asked);
    read(Header + QStringList{"{T 00:00:05:00", "late", "}", "{T 00:00:03:00", "", "}",
                              "{T 00:00:07:00 First}", "{T 00:00:08:00}", "{T 00:00:09:00 Second",
                              "line", "}", "{T 00:00:10:00 Third}", "{T 00:00:11:00 Fourth}"},
         DvdSubtitle, false, true);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:05,000", "00:00:07,000", " late", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:07,000", "00:00:08,000", " First", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:09,000", "00:00:10,000", " Second", " line", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:00:10,000", "00:00:11,000", " Third", "", ""}));
    EXPECT_EQ(row(5), QStringList({"5", "00:00:11,000", "00:00:13,000", " Fourth", "", ""}));
    EXPECT_EQ(asked, "4 rows had no end time in the file: rows 1, 3 and 4 now end where the next "
                     "row starts, row 5 ends 2 s after it starts.");
}

// One hour digit shifts the fields after it; the time is read by its form.
TEST_F(DvdSubtitleReader, OneDigitHoursAreReadInBothBlockForms) {
    read(Header + QStringList{"{T 0:00:10:00", "Block", "}", "{T 0:00:12:50", "", "}",
                              "{T 1:00:20:05 One digit}", "{T  2:00:00:00}", "{T -1:59:59:00 x}"});
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:10,000", "00:00:12,500", " Block", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "01:00:20,050", "02:00:00,000", " One digit", "", ""}));
    EXPECT_EQ(row(3)[1], "-1:59:59,000") << "the program's own form of a time before zero";
}

TEST_F(DvdSubtitleReader, BracesAndBlanksInsideTheTextStayText) {
    read(Header + Entry("00:00:01:00", "00:00:02:00", {" }indented", "{The end}", ""}));
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1),
              QStringList({"1", "00:00:01,000", "00:00:02,000", " }indented", " {The end}", " "}));
}

TEST_F(DvdSubtitleReader, LinesOutsideTheLayoutAreBadLinesAndReadingGoesOn) {
    const QStringList file =
        Header + QStringList{"stray"} + Entry("00:00:01:00", "00:00:02:00", {"a", "b", "c", "d"}) +
        QStringList{"{T 00:00:03:00", "e", "}", "not an end line", "{T 00:00:05:00", "f", "}"};
    QStringList asked;
    answerMessage(frmMessageBox::Yes, &asked);
    answerMessage(frmMessageBox::No, &asked); // and no more questions in this load
    answerMessage(frmMessageBox::Ok, &asked); // the rows given an end time are told all the same
    read(file, DvdSubtitle, false, true);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_TRUE(asked[2].contains("row 2 now ends where the next row starts, row 3 ends 2 s"))
        << asked[2].toStdString();
    EXPECT_TRUE(asked[0].contains("Line #0 = 'stray'")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("Line #1 = 'd'")) << asked[1].toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a", " b", " c"}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:05,000", " e", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:05,000", "00:00:07,000", " f", "", ""}));

    read(file); // not interactive: the same file loads without a word
    EXPECT_EQ(lines(), 3);
}

// The file ends before the last entry's end line: the row ends 2 s after its
// start, and the user is told so once the file is read.
TEST_F(DvdSubtitleReader, AnEntryTheFileEndsBeforeItsEndIsToldAsTheFileIsRead) {
    const QStringList first = Header + Entry("00:00:01:00", "00:00:02:00", {"one"});
    const struct {
        QStringList last;
        bool told;
    } cases[] = {
        {{"{T 00:00:03:00", "two", "}"}, true},
        {{"{T 00:00:03:00", "two"}, true},
        {{"{T 00:00:03:00"}, true},
        {{"{T 00:00:03:00", "two", "}", "", ""}, true},
        {Entry("00:00:03:00", "00:00:04:00", {"two"}), false},
    };
    for (const auto& c : cases) {
        QString asked;
        if (c.told) answerMessage(frmMessageBox::Ok, &asked);
        read(first + c.last, DvdSubtitle, false, true);
        ASSERT_EQ(lines(), 2) << c.last.join('|').toStdString();
        EXPECT_EQ(row(2)[2], c.told ? "00:00:05,000" : "00:00:04,000");
        if (c.told) {
            EXPECT_TRUE(asked.contains("it now ends 2 s after it starts (row 2)"))
                << asked.toStdString();
        }
    }
}

TEST_F(DvdSubtitleReader, AnAddShiftsTheTimesAfterTheLastLine) {
    read(Header + Entry("00:00:01:00", "01:30:00:00", {"old"}));
    read(Header + Entry("00:00:05:25", "00:00:06:00", {"new"}), DvdSubtitle, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1)[3], " old");
    EXPECT_EQ(row(2), QStringList({"2", "01:30:05,250", "01:30:06,000", " new", "", ""}));
}

TEST_F(DvdSubtitleReader, TheReadingLimitCountsEntries) {
    QStringList file = Header;
    for (int i = 0; i < 9999; ++i)
        file << Entry("00:00:01:00", "00:00:02:00", {"x"});
    QString message;
    answerMessage(frmMessageBox::Cancel, &message);
    read(file, DvdSubtitle, false, true);
    EXPECT_TRUE(message.contains("File contains 9999 lines.")) << message.toStdString();
    EXPECT_EQ(lines(), 0);

    file = file.mid(0, file.size() - 6); // 9998 entries
    read(file);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(DvdSubtitleReader, BlankLinesBetweenBlocksDoNotCountAsSubtitles) {
    // Other programs leave a blank line after each block.
    QStringList file = Header;
    for (int i = 0; i < 6000; ++i)
        file << Entry("00:00:01:00", "00:00:02:00", {"x", ""}) << "";
    read(file, DvdSubtitle, false, true); // interactive: a refusal would ask
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 6000);
}

TEST_F(DvdSubtitleReader, TheSampleLoads) {
    // A single block without header; its last field is read as hundredths.
    int format =
        load(QStringLiteral(MIREL_SAMPLES_DIR) + "/dvdsubtitle/se_comment_dvdsubtitle.sub");
    EXPECT_EQ(format, DvdSubtitle);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:03:14,270", "00:03:16,270", " Some text", "", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(DvdSubtitleReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,120", "12:34:56,789", " a", "", " c"},
        {"00:00:50,060", "00:00:54,000", " }closing{", " {T 00:00:01:00}", " "},
        {"23:59:59,999", "24:00:00,000", " Say, \"yes\"", " | [br] , x", " last"},
    };
    setRows(original);
    roundTrip();
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "10:00:00,120", "12:34:56,780", " a", " c", ""}))
        << "hundredths kept; the empty middle line closes up";
    EXPECT_EQ(row(3), QStringList({"3", "00:00:50,060", "00:00:54,000", " }closing{",
                                   " {T 00:00:01:00}", " "}));
    EXPECT_EQ(row(4), QStringList({"4", "23:59:59,990", "24:00:00,000", " Say, \"yes\"",
                                   " | [br] , x", " last"}));
}

} // namespace
