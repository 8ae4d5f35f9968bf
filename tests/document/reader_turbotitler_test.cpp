// The Turbo Titler reader through LoadSubFile: times by their fields, the
// ",NTP " marker in any case, the bar split, blank and stray lines, the
// reading limit, the sample file of tests/data/turbotitler and the round trip
// through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class TurboTitlerReader : public ReaderFixture {
protected:
    TurboTitlerReader() : ReaderFixture(Format::TurboTitler, "tts") {}
};

TEST_F(TurboTitlerReader, ALineIsASubtitle) {
    EXPECT_EQ(read({"0:00:01.23,0:00:03.45,NTP First line|Second line"}, Format::None),
              Format::TurboTitler);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,230", "00:00:03,450", " First line",
                                   " Second line", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    read({"0:00:01.23,0:00:03.45,NTP First line|Second line"}, Format::TurboTitler, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2)[1], "00:00:04,680") << "an add starts after the last end time";
    EXPECT_EQ(row(2)[2], "00:00:06,900");
}

TEST_F(TurboTitlerReader, TheMarkerInAnyCaseAndTheBarSplit) {
    read({"0:00:01.00,0:00:02.00,ntp Big | bold", "0:00:03.00,0:00:04.00,NtP a|b|c|d",
          "1:02:03.04,12:34:56.78,NTP x,ntp y", "0:00:05.00,0:00:06.00,no marker",
          "0:00:07.00,0:00:08.00,NTP "});
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " Big", " bold", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " a", " b", " c"}))
        << "a fourth line is dropped";
    EXPECT_EQ(row(3), QStringList({"3", "01:02:03,040", "12:34:56,780", " x,ntp y", "", ""}))
        << "two hour digits are read too; only the first marker counts";
    EXPECT_EQ(row(4), QStringList({"4", "00:00:05,000", "00:00:06,000", " no marker", "", ""}));
    EXPECT_EQ(row(5)[3], " ");
}

TEST_F(TurboTitlerReader, BlankLinesAreSkippedAndStrayLinesAreBadLines) {
    QString asked;
    answerMessage(frmMessageBox::No, &asked);
    read({"", "0:00:01.00,0:00:02.00,NTP A", "  ", "Title: my film", "0:00:0x.00,0:00:02.00,NTP",
          QString(300000, u'-') + ",NTP dashes", "--0:00:01.00,0:00:02.00,NTP x",
          "0:00:03.00,0:00:04.00,NTP B", ""},
         Format::TurboTitler, false, true);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_TRUE(asked.contains("Line #1 = 'Title: my film'")) << asked.toStdString();
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " B", "", ""}));
}

TEST_F(TurboTitlerReader, TheDocumentStopsAtItsLimitWhenLinesEscapeTheCount) {
    // Lines without "ntp" are not counted, yet each one is a subtitle.
    QStringList file;
    for (int i = 0; i < 10005; ++i)
        file << QString::asprintf("%d:%02d:%02d.00,%d:%02d:%02d.50,", i / 3600, i / 60 % 60, i % 60,
                                  i / 3600, i / 60 % 60, i % 60) +
                    QStringLiteral("Line %1").arg(i + 1);
    QString title;
    answerMessage(frmMessageBox::Ok, nullptr, &title);
    read(file, Format::TurboTitler, false, true);
    EXPECT_EQ(title, "Reading limit");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");
}

TEST_F(TurboTitlerReader, TheSampleFileLoads) {
    load(QStringLiteral(MIREL_SAMPLES_DIR) + "/turbotitler/se_comment_turbotitler.tts",
         Format::None);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:37,890", "00:01:40,520",
                                   " You should come to the Drama Club, too.", "", ""}));
    EXPECT_EQ(row(2),
              QStringList({"2", "00:01:40,520", "00:01:43,770", " Yeah. The Drama Club is worried",
                           " that you haven't been coming.", ""}));
    EXPECT_EQ(row(3)[2], "00:01:47,000");
}

TEST_F(TurboTitlerReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    setRows(hundredthsRows(" a, \"quoted\",NTP b", " [br] <br> \\n {x}"));
    roundTrip();
    ASSERT_EQ(lines(), 4);

    // Times to the hundredth.
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,230", "00:00:03,450", " Hello", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "09:59:58,990", "09:59:59,990", " a, \"quoted\",NTP b", " ",
                                   " [br] <br> \\n {x}"}));
    EXPECT_EQ(row(3), QStringList({"3", "01:00:00,000", "02:00:00,000", " x", " y", " z"}));
    EXPECT_EQ(row(4), QStringList({"4", "03:00:00,000", "03:00:01,000", " first", " third", ""}));
}

} // namespace
