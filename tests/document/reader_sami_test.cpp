// The SAMI reader through LoadSubFile: Mirel's own four-line groups and the
// layouts of other programs (paragraph on the sync line, text on the lines
// after it, one sync point ending the text before it), the header's font
// size, sync times, line breaks, the end of the body, bad sync values, the
// count the reading limit sees, the sample of tests/data/sami and the round
// trip through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "shell/frmControl.h"
#include "support/ReaderFixture.h"

namespace {

class SamiReader : public ReaderFixture {
protected:
    SamiReader() : ReaderFixture(Format::Sami, "smi") {}

    // A header naming a font size (none for an empty value), then the body.
    void readBody(const QStringList& body, const QString& style = QString()) {
        QStringList file = {"<SAMI>", "<HEAD>", "<STYLE TYPE=\"Text/css\">"};
        if (!style.isEmpty()) file << style;
        read(file << "</STYLE>"
                  << "</HEAD>"
                  << "<BODY>" << body << "</BODY>"
                  << "</SAMI>");
    }
};

// Mirel's own layout: sync, paragraph, sync, clearing paragraph.
QStringList Group(int start, const QString& text, int end) {
    return {QStringLiteral("   <SYNC START=%1>").arg(start), "      <P>" + text,
            QStringLiteral("   <SYNC START=%1>").arg(end), "      <P>&nbsp;"};
}

TEST_F(SamiReader, MirelsGroupsBecomeRows) {
    readBody(Group(0, "Hello<br>world", 1500) + Group(61500, "a<br>b<br>c<br>d", 45296789) +
             Group(45297000, "One<BR>line", 45298000) + Group(45299000, "", 45299500));
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:00,000", "00:00:01,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:01:01,500", "12:34:56,789", " a", " b", " c"}))
        << "a fourth piece is lost";
    EXPECT_EQ(row(3)[3], " One<BR>line") << "the break tag is lower case only";
    EXPECT_EQ(row(4).mid(3), QStringList({" ", "", ""})) << "an empty paragraph is an empty line";
    EXPECT_EQ(font(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    readBody(Group(1000, "x", 2000), QString());
    read(Group(1000, "added", 2000), Format::Sami, true);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " added", "", ""}));
}

TEST_F(SamiReader, TheHeadersFontSizeGoesToEveryRow) {
    const struct {
        const char* style;
        const char* size;
    } cases[] = {
        {"P {margin-left: 29pt; font-size: 24pt;}", "24"},
        {"P {font-size: 8pt}", "8"},
        {"P {FONT-SIZE: 12.5pt}", "12"},
        {"P {font-size: 100%}", "10"},
        {"P {font-size: large}", ""},
        {"P {font-size:14pt}", "16"}, // no blank after the colon: not found
    };
    for (const auto& c : cases) {
        readBody(Group(1000, "x", 2000) + Group(3000, "y", 4000), c.style);
        ASSERT_EQ(lines(), 2) << c.style;
        EXPECT_EQ(font(2), QString("Arial;Western;Regular;") + c.size) << c.style;
    }
    read({"<SAMI><HEAD>", "P {font-size: 20pt}", ".X {font-size: 30pt}", "<BODY>",
          "<SYNC Start=1><P>x</P>", "<P>font-size: 40pt", "<SYNC Start=2><P>&nbsp;"});
    EXPECT_EQ(font(1), "Arial;Western;Regular;30") << "the last header value; none from the body";
    EXPECT_EQ(row(1).mid(3, 2), QStringList({" x</P>", " font-size: 40pt"}))
        << "other mark-up stays; a second paragraph is a line of its own";
}

TEST_F(SamiReader, OtherProgramsLayoutsReadTheSame) {
    read({"<SAMI>", "<BODY>", "<SYNC Start=1000><P Class=ENCC>", "first line<br>", "second line",
          "", "<SYNC Start=2000><P Class=ENCC>&nbsp;", "", "<SYNC Start=\"3000\"><P>next",
          "<SYNC Start=4000>plain text, no paragraph", "<SYNC Start=5000><P Class=ENCC></P>",
          "<SYNC Start=6000><P>open at the end"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " first line",
                                   " second line", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " next", "", ""}))
        << "a text ends where the next sync point begins";
    EXPECT_EQ(row(3), QStringList({"3", "00:00:04,000", "00:00:05,000", " plain text, no paragraph",
                                   "", ""}));
    EXPECT_EQ(row(4),
              QStringList({"4", "00:00:06,000", "00:00:08,000", " open at the end", "", ""}))
        << "no sync point after it: no end time";

    // Two languages, a paragraph each: a line each, and both cleared at once.
    read({"<SAMI>", "<BODY>", "<SYNC Start=1000><P Class=ENCC>Hello<P Class=FRCC>Bonjour",
          "<SYNC Start=3000><P Class=ENCC>&nbsp;<P Class=FRCC>&nbsp;"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:03,000", " Hello", " Bonjour", ""}));
}

TEST_F(SamiReader, TheBodyEndsAtItsClosingTag) {
    read(QStringList{"<SAMI>", "<BODY>"} + Group(1000, "kept", 2000) +
         QStringList{"  </body>  ", "<SYNC START=3000>", "<P>after the body"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1)[3], " kept");
}

// A value that is no number, or no time a document holds (past 99:59:59,999,
// more than nine hours before zero, the smallest 64-bit number).
TEST_F(SamiReader, ASyncValueThatIsNoTimeIsABadLine) {
    for (const char* value : {"soon", "360000000", "-32400001", "-9223372036854775808",
                              "9223372036854775807", "99999999999999999999"}) {
        const QStringList body = Group(1000, "first", 2000) +
                                 QStringList{QString("<SYNC START=%1>").arg(value), "<P>lost"} +
                                 Group(5000, "last", 6000);
        QString asked;
        answerMessage(frmMessageBox::Yes, &asked);
        read(QStringList{"<SAMI>", "<BODY>"} + body, Format::Sami, false, true);
        EXPECT_TRUE(asked.contains(QString("<SYNC START=%1>").arg(value))) << asked.toStdString();
        EXPECT_TRUE(t->loader.LoadOk);
        ASSERT_EQ(lines(), 2) << value;
        EXPECT_EQ(row(2), QStringList({"2", "00:00:05,000", "00:00:06,000", " last", "", ""}));
    }
}

// A text that no sync point ends lasts 2 s: the user is told so once the
// file is read, not first when it is saved.
TEST_F(SamiReader, ATextNoSyncPointEndsIsToldAsTheFileIsRead) {
    const struct {
        QStringList body;
        int rows;
        const char* end;
        const char* told; // what the user is told of the rows without an end time
    } cases[] = {
        {Group(1000, "ended", 2000) + QStringList{"<SYNC Start=6000><P>open at the end"}, 2,
         "00:00:08,000", "it now ends 2 s after it starts (row 2)"},
        {Group(1000, "ended", 2000) + QStringList{"<SYNC START=3000>", "<P>two", "</BODY>"}, 2,
         "00:00:05,000", "it now ends 2 s after it starts (row 2)"},
        {Group(1000, "ended", 2000) + Group(3000, "ended too", 4000), 2, "00:00:04,000", nullptr},
        {{"<SYNC Start=359998500><P>late"},
         1,
         "99:59:59,999",
         "it now ends 2 s after it starts (row 1)"}, // never past what a time holds
        // A text that the next one replaces ends where that one starts, but
        // never before its own start.
        {{"<SYNC Start=1000><P>A", "<SYNC Start=3000><P>B", "<SYNC Start=2000><P>C",
          "<SYNC Start=1500><P>&nbsp;"},
         3,
         "00:00:04,000",
         "3 rows had no end time in the file: row 1 now ends where the next row starts, rows 2 "
         "and 3 end 2 s after they start."},
    };
    for (const auto& c : cases) {
        QString asked;
        if (c.told) answerMessage(frmMessageBox::Ok, &asked);
        read(QStringList{"<SAMI>", "<BODY>"} + c.body, Format::Sami, false, true);
        ASSERT_EQ(lines(), c.rows);
        EXPECT_EQ(row(c.rows)[2], c.end);
        if (c.told) {
            EXPECT_TRUE(asked.contains(c.told)) << asked.toStdString();
        }
    }
    EXPECT_EQ(row(1)[2], "00:00:03,000");
    EXPECT_EQ(row(2)[2], "00:00:05,000");
}

TEST_F(SamiReader, TheCountIsOneLinePerTextWhateverTheSyncPoints) {
    // Three sync points, one of them a clearing one: the log counts one line.
    read({"<SAMI>", "<BODY>", "<SYNC Start=1000>", "<P>one", "<SYNC Start=2000>", "<P>&nbsp;",
          "<SYNC Start=3000>"},
         Format::Sami, false, false, true);
    EXPECT_TRUE(t->control().Text1.text().contains("Lines counted: 1\r\n"))
        << t->control().Text1.text().toStdString();
    EXPECT_EQ(lines(), 1);
    t->control().hide();
}

TEST_F(SamiReader, TheSampleFileLoads) {
    EXPECT_EQ(load(QStringLiteral(MIREL_SAMPLES_DIR) + "/sami/subsrt_sample_korean.smi", 0),
              Format::Sami);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 6);
    EXPECT_EQ(row(1), QStringList({"1", "00:03:05,113", "00:03:07,035",
                                   QString::fromUtf8(" 500년 전,"), "", ""}));
    EXPECT_EQ(row(3)[2], "00:03:21,159") << "a text ended by the next text's sync point";
    EXPECT_EQ(row(6), QStringList({"6", "00:05:35,453", "00:05:42,460",
                                   QString::fromUtf8(" <Font Color=#FFFF00><B>빨리! "
                                                     "빨리!</B></Font>"),
                                   "", ""}));
    EXPECT_EQ(font(1), "Arial;Western;Regular;16") << "font-size:14pt has no blank";
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(SamiReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList original[] = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"00:00:05,129", "00:01:00,007", " Say, \"yes\" | no [br] \\n", "", " third"},
        {"12:34:56,789", "23:59:59,999", " <i>late</i>", " two", " three"},
    };
    setRows(original, "Arial;Western;Bold;16");
    roundTrip();
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,129", "00:01:00,007",
                                   " Say, \"yes\" | no [br] \\n", " third", ""}))
        << "the empty middle line closes up";
    EXPECT_EQ(row(3),
              QStringList({"3", "12:34:56,789", "23:59:59,999", " <i>late</i>", " two", " three"}));
    EXPECT_EQ(font(3), "Arial;Western;Regular;29") << "the size Mirel's header names";
}

} // namespace
