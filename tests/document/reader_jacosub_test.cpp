// The JACOSub reader through LoadSubFile: the header and "#" lines passed
// over, times, directives and comments, the style codes and the row's font,
// stray lines, the reading limit, the sample files of tests/data/jacosub and
// the round trip through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class JacoSubReader : public ReaderFixture {
protected:
    JacoSubReader() : ReaderFixture(Format::JacoSub, "jss") {}
};

TEST_F(JacoSubReader, ASubtitleLineAfterTheHeader) {
    EXPECT_EQ(read({"#T100", "", "# Directive entries", "#D",
                    "0:00:01.50 0:00:04.00 {NTP} First line\\nSecond line"},
                   Format::None),
              Format::JacoSub);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:04,000", " First line",
                                   " Second line", ""}));
    EXPECT_EQ(font(1), "Arial;Western;Regular;16") << "no font chosen: Arial";
    EXPECT_EQ(t->shell.CurFontName, "Arial");
    expectFontTab(true, false, true);

    read({"0:00:01.50 0:00:04.00 {NTP} Again"}, Format::JacoSub, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2)[1], "00:00:05,500") << "an add starts after the last end time";
    EXPECT_EQ(row(2)[2], "00:00:08,000");
}

TEST_F(JacoSubReader, StyleCodesGoWhereTheyStandAndStyleTheRow) {
    const QString at = QStringLiteral("0:00:01.00 0:00:02.00 {NTP} ");
    read({at + "\\BHello\\b", at + "\\IHello\\i", at + "\\I\\BOne\\nTwo\\b\\i",
          at + "One\\n\\ITwo\\i", at + "\\IOne\\i\\n\\BTwo\\b", at + "Say \\Bloud\\b now",
          at + "\\bHello", at + "\\NHello\\N"});
    ASSERT_EQ(lines(), 8);
    struct Styled {
        QStringList cells;
        QString style;
    };
    const Styled expected[] = {
        {{" Hello", "", ""}, "Bold"},          {{" Hello", "", ""}, "Italic"},
        {{" One", " Two", ""}, "Bold Italic"}, {{" One", " Two", ""}, "Italic"},
        {{" One", " Two", ""}, "Bold Italic"}, {{" Say loud now", "", ""}, "Bold"},
        {{" Hello", "", ""}, "Regular"},       {{" \\NHello\\N", "", ""}, "Regular"},
    };
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(row(r).mid(3), expected[r - 1].cells) << "row " << r;
        EXPECT_EQ(font(r), "Arial;Western;" + expected[r - 1].style + ";16") << "row " << r;
    }
}

TEST_F(JacoSubReader, TheFontComesFromTheFontTab) {
    platform::ComboBox& names = t.main().editor.font.Combo9[0];
    names.addItem("Tahoma");
    names.addItem("Verdana");
    names.setListIndex(1);
    read({"0:00:01.00 0:00:02.00 {NTP} \\Bbold"});
    EXPECT_EQ(font(1), "Verdana;Western;Bold;16");
    EXPECT_EQ(t->shell.CurFontName, "Verdana");
}

TEST_F(JacoSubReader, DirectivesCommentsAndLinesCutAtThree) {
    read({"1:02:03.04 12:34:56.78 D [Billy] a\\nb\\nc\\nd",
          "0:00:01.00 0:00:02.00 VM {comment} x{note} y", "0:00:03.00 0:00:04.00 {NTP} a {b} c}",
          "0:00:05.00\t0:00:06.00 {NTP}", "0:00:07.00 0:00:08.00 {NTP} it's \\{fine\\}",
          "0:00:09.00 0:00:10.00 VM \\{x\\} {note}y\\\\{"});
    ASSERT_EQ(lines(), 6);
    EXPECT_EQ(row(1), QStringList({"1", "01:02:03,040", "12:34:56,780", " [Billy] a", " b", " c"}))
        << "two hour digits are read too; a fourth line is dropped";
    EXPECT_EQ(row(2)[3], " x y") << "after a directive word, braces hold comments";
    EXPECT_EQ(row(3)[3], " a {b} c}") << "after {NTP} the text is taken as it stands";
    EXPECT_EQ(row(4), QStringList({"4", "00:00:05,000", "00:00:06,000", " ", "", ""}));
    EXPECT_EQ(row(5)[3], " it's {fine}") << "escaped braces are text";
    EXPECT_EQ(row(6)[3], " {x} y\\{") << "nor do they open a comment";
}

TEST_F(JacoSubReader, BlankAndDirectiveLinesArePassedOverAndStrayLinesAreBadLines) {
    QString asked;
    answerMessage(frmMessageBox::No, &asked);
    read({"#T100", "0:00:01.00 0:00:02.00 {NTP} A", "", "#S2", "  # note", "stray text",
          "0:00:0x.00 0:00:04.00 {NTP} bad", QString(300000, u'-'), "--0:00:01.00 0:00:02.00 D x",
          "0:00:03.00 0:00:04.00 {NTP} B", ""},
         Format::JacoSub, false, true);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_TRUE(asked.contains("Line #1 = 'stray text'")) << asked.toStdString();
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " B", "", ""}));

    read({"#T100", "#D", ""});
    EXPECT_FALSE(t->loader.LoadOk) << "a header alone has no subtitles: not loaded";
    EXPECT_EQ(lines(), 2) << "the document stays";
}

TEST_F(JacoSubReader, TheDocumentStopsAtItsLimitWhenLinesEscapeTheCount) {
    // Lines without "{NTP}" are not counted, yet each one is a subtitle.
    QStringList file;
    for (int i = 0; i < 10005; ++i)
        file << QString::asprintf("%d:%02d:%02d.00 %d:%02d:%02d.50 D Line %d", i / 3600,
                                  i / 60 % 60, i % 60, i / 3600, i / 60 % 60, i % 60, i + 1);
    QString title;
    answerMessage(frmMessageBox::Ok, nullptr, &title);
    read(file, Format::JacoSub, false, true);
    EXPECT_EQ(title, "Reading limit");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " Line 9998");
}

TEST_F(JacoSubReader, SampleFilesLoad) {
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/jacosub/";
    load(dir + "se_test_jacosub_basic.jss", Format::JacoSub);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1), QStringList({"1", "01:55:52,160", "01:55:53,200",
                                   " [Billy] That might have been my fault.", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "01:55:53,200", "01:55:55,130",
                                   " That might have been my fault,", " I'm so sorry.", ""}));

    load(dir + "se_test_jacosub_bold_italic.jss", Format::JacoSub);
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1)[3], " Billy That might have been my fault.");
    EXPECT_EQ(font(1), "Arial;Western;Bold;16");
    EXPECT_EQ(row(2)[3], " That might have been my fault.");
    EXPECT_EQ(font(2), "Arial;Western;Italic;16");
    EXPECT_EQ(row(3)[3], " That might have been my fault\\N.");
    EXPECT_EQ(row(4)[3], " That might have been my fault.");
    EXPECT_EQ(font(4), "Arial;Western;Bold Italic;16");

    load(dir + "se_test_jacosub_comment.jss", Format::JacoSub);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(1)[3], " Billy that might have been my fault.");
    EXPECT_EQ(row(2)[3], " Test.");

    load(dir + "se_comment_jacosub_directive.jss", Format::JacoSub);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:30:57,220", "00:30:59,460", " A Film By Akira Kurosawa",
                                   "", ""}));
}

TEST_F(JacoSubReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList rows[] = {
        {"00:00:01,500", "00:00:04,000", " Hello", "", "", "Regular"},
        {"09:59:58,999", "09:59:59,990", " a, \"quoted\" | b {x}", " ", " [br] <br> }", "Bold"},
        {"01:00:00,000", "02:00:00,000", " x", " y", " z", "Italic"},
        {"03:00:00,000", "03:00:01,000", " first", "", " third", "Bold Italic"},
    };
    setRows(rows); // the sixth entry of each row is its style
    for (int r = 1; r <= 4; ++r)
        t->doc.lstFont[r] = "Arial;Western;" + rows[r - 1][5] + ";16";
    roundTrip();
    ASSERT_EQ(lines(), 4);

    // Times to the hundredth; braces as they were; the style of each row.
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:04,000", " Hello", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "09:59:58,990", "09:59:59,990", " a, \"quoted\" | b {x}",
                                   " ", " [br] <br> }"}));
    EXPECT_EQ(row(3), QStringList({"3", "01:00:00,000", "02:00:00,000", " x", " y", " z"}));
    EXPECT_EQ(row(4), QStringList({"4", "03:00:00,000", "03:00:01,000", " first", " third", ""}));
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(font(r), "Arial;Western;" + rows[r - 1][5] + ";16") << "row " << r;
}

} // namespace
