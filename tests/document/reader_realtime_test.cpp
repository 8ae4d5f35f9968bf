// The RealTime reader through LoadSubFile: the header passed over, times
// from the tag's attributes, the text after "<clear/>" cut at line breaks,
// lines carried on, the end of the body, stray lines, the reading limit, the
// sample files of tests/data/realtime and the round trip through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

// The header and footer Mirel writes around its time lines.
const QStringList Header = {"<Window",
                            "  With     = \"640\"",
                            "  Heigth   = \"480\"",
                            ">",
                            "<Font",
                            "  Face  = \"Arial\"",
                            ">",
                            "<center>",
                            "<b>",
                            ""};
const QStringList Footer = {"</b>", "</center>"};

class RealTimeReader : public ReaderFixture {
protected:
    RealTimeReader() : ReaderFixture(Format::RealTime, "rt") {}
};

const QString Example = QStringLiteral(
    "<Time begin=\"0:00:01.23\" end=\"0:00:03.45\" /><clear/> First line<br>Second line");

TEST_F(RealTimeReader, AFileAsMirelWritesItGivesOneRowPerTimeLine) {
    EXPECT_EQ(read(Header + QStringList{Example, Example} + Footer, Format::None),
              Format::RealTime);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,230", "00:00:03,450", " First line",
                                   " Second line", ""}));
    EXPECT_EQ(t->doc.lstFont.value(2), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    read({Example}, Format::RealTime, true);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(3)[1], "00:00:04,680") << "an add starts after the last end time";
    EXPECT_EQ(row(3)[2], "00:00:06,900");
}

TEST_F(RealTimeReader, TextAfterTheTagIsCutAtEveryFormOfLineBreak) {
    read({"<Time begin=\"0:00:01.00\" end=\"0:00:02.00\" /><clear/>Hello",
          "<time begin=\"0:00:03.00\" end=\"0:00:04.00\"/><CLEAR/> a<BR>b<br/>c<br />d",
          "<Time begin=\"0:00:05.00\" end=\"0:00:06.00\" /><clear/> <b>x</b> <font "
          "color=red>y</font>",
          "<Time begin=\"0:00:07.00\" end=\"0:00:08.00\" /><clear/> one<br><br>three<br>",
          "<Time begin=\"0:00:09.00\" end=\"0:00:10.00\" /><clear/> last<br/>"});
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1)[3], " Hello") << "no letter is lost when no blank follows the tag";
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " a", " b", " c"}));
    EXPECT_EQ(row(3)[3], " <b>x</b> <font color=red>y</font>") << "other mark-up stays";
    EXPECT_EQ(row(4), QStringList({"4", "00:00:07,000", "00:00:08,000", " one", " ", " three"}))
        << "a fourth, empty line after a closing <br> is dropped";
    EXPECT_EQ(row(5), QStringList({"5", "00:00:09,000", "00:00:10,000", " last", "", ""}))
        << "a closing <br/> ends the last line";
}

TEST_F(RealTimeReader, TimesInEveryClockFormAndEndsTakenFromTheNextLine) {
    read({"<time begin=\"3\"/>A", "<time begin='1:05.5' end=\"12:34:56.789\"/><clear/>B",
          "<TIME BEGIN=\"01:00:00.04\" END = 2 />C", "<time begin=\"5.760\">D"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:03,000", "00:01:05,500", " A", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:01:05,500", "12:34:56,789", " B", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "01:00:00,040", "00:00:02,000", " C", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:00:05,760", "00:00:07,760", " D", "", ""}))
        << "the last line without an end keeps an empty end";
}

TEST_F(RealTimeReader, LinesCarryOnTheTextAndMarkupLinesArePassedOver) {
    read({"<window>", "<Time begin=\"0:00:01.00\" end=\"0:00:02.00\" /><clear/>FIRST<br/>",
          "SECOND<br/>", "  third", "", "</center></font>", "  </b>",
          "<Time begin=\"0:00:03.00\" end=\"0:00:04.00\" /><clear/>NEXT", "</window>"});
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1),
              QStringList({"1", "00:00:01,000", "00:00:02,000", " FIRST", " SECOND", " third"}));
    EXPECT_EQ(row(2)[3], " NEXT");
}

TEST_F(RealTimeReader, ClosingTagsArePassedOverAndStrayLinesAreBadLines) {
    QString asked;
    answerMessage(frmMessageBox::No, &asked); // and no more questions in this load
    read({"<b>", "<font color=red>", Example, "", "stray text", "<time begin=\"x\"/>bad time",
          "</B>", Example},
         Format::RealTime, false, true);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_TRUE(asked.contains("Line #1 = 'stray text'")) << asked.toStdString();
    ASSERT_EQ(lines(), 2) << "a closing tag on a line of its own ends nothing";

    // Text before the first time tag shows from the start; the window's
    // attribute lines and other tags are no text.
    read({"<window", "  duration=\"30\"", ">", "<center>", "Video Clip Demo", "<br/> <b>on", "more",
          "lines</b><time begin=\"4\"/>later"},
         Format::None);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:04,000", " Video Clip Demo", " on",
                                   " more lines"}))
        << "a text of more lines than a row holds keeps the rest in its last line";
    EXPECT_EQ(row(2), QStringList({"2", "00:00:04,000", "00:00:06,000", " later", "", ""}));
}

// A "<" that opens no tag is text; each time tag of a line is a subtitle,
// the text before it is the one before's; a time no document holds and a
// the fourth text line of a subtitle are asked about.
TEST_F(RealTimeReader, EveryTimeTagIsARowAndNoTextIsLostWithoutAWord) {
    QStringList asked;
    for (int i = 0; i < 3; ++i)
        answerMessage(frmMessageBox::Yes, &asked);
    read({"<window>", "x < y holds here", "and so does 1<2",
          "<time begin=\"1\"/>one<time begin=\"2\" end=\"3\"/><clear/>two",
          "lead<time begin=\"4\"/>four", "</b>", "<time begin=\"100:00:00\"/>too late",
          "<time begin=\"5\" end=\"6\"/>a<br>b<br>c<br>d", "</b>", "</center>"},
         Format::RealTime, false, true);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:01,000", " x < y holds here",
                                   " and so does 1<2", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:01,000", "00:00:02,000", " one", "", ""}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:02,000", "00:00:03,000", " two", " lead", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:00:04,000", "00:00:05,000", " four", "", ""}));
    EXPECT_EQ(row(5), QStringList({"5", "00:00:05,000", "00:00:06,000", " a", " b", " c"}));
    ASSERT_EQ(asked.size(), 3);
    EXPECT_TRUE(asked[0].contains("too late")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("a<br>b<br>c<br>d")) << asked[1].toStdString();
    EXPECT_TRUE(asked[2].contains("rows 1, 2 and 4")) << asked[2].toStdString();
}

TEST_F(RealTimeReader, AFullDocumentAsMirelWritesItIsRead) {
    // The header lines are not counted: 9,998 time lines fit.
    QStringList file = Header;
    for (int i = 0; i < 9998; ++i)
        file << QString::asprintf("<Time begin=\"%d:%02d:%02d.00\" end=\"%d:%02d:%02d.50\" "
                                  "/><clear/> Line %d",
                                  i / 3600, i / 60 % 60, i % 60, i / 3600, i / 60 % 60, i % 60,
                                  i + 1);
    read(file + Footer);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");
}

TEST_F(RealTimeReader, SampleFilesLoad) {
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/realtime/";
    load(dir + "se_comment_realtime_classic.rt", Format::RealTime);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1),
              QStringList({"1", "00:03:24,800", "00:03:29,400",
                           QString::fromUtf8(" Man stj\xC3\xA6ler ikke fra Chavo, nej."), "", ""}));

    load(dir + "se_test_realtime_explicit_end.rt", Format::RealTime);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:05,440", "00:00:08,500", " FIRST LINE.",
                                   " SECOND LINE.", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:09,980", "00:00:11,980", " NEXT CUE.", "", ""}));

    load(dir + "se_test_realtime_begin_only.rt", Format::RealTime);
    ASSERT_EQ(lines(), 4) << "the text before the first time tag shows from the start";
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:03,000", " Mary had a little lamb,",
                                   "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:06,000", " little lamb,", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:00:09,000", "00:00:11,000", " Mary had a little lamb,",
                                   "", ""}));

    EXPECT_EQ(load(dir + "se_test_realtime_static_window.rt", Format::None), Format::RealTime);
    ASSERT_EQ(lines(), 1) << "a window without time tags shows its text from the start";
    EXPECT_EQ(row(1),
              QStringList({"1", "00:00:00,000", "00:00:02,000", " Video Clip Demo", "", ""}));
}

TEST_F(RealTimeReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    setRows(hundredthsRows(" a, \"quoted\" | b", " [br] \\n {x} <i>y</i>"));
    roundTrip();
    ASSERT_EQ(lines(), 4);

    // Times to the hundredth.
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,230", "00:00:03,450", " Hello", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "09:59:58,990", "09:59:59,990", " a, \"quoted\" | b", " ",
                                   " [br] \\n {x} <i>y</i>"}));
    EXPECT_EQ(row(3), QStringList({"3", "01:00:00,000", "02:00:00,000", " x", " y", " z"}));
    EXPECT_EQ(row(4), QStringList({"4", "03:00:00,000", "03:00:01,000", " first", " third", ""}));
}

} // namespace
