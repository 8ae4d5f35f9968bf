// The SubStation Alpha reader through LoadSubFile: dialogue lines of the .ssa
// and .ass kinds, times, text fields and their line breaks, lines that are
// not events, bad lines, the sample scripts of tests/data/ssa and the round
// trip through the writer.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

namespace {

class SsaReader : public ReaderFixture {
protected:
    SsaReader() : ReaderFixture(Format::SubStationAlpha, "ssa") {}
};

const QString Held = QStringLiteral(
    "The file held texts that Mirel does not keep: %1. Saved, the file is written without them.");

const QString Header = QStringLiteral("[Events]\r\nFormat: Marked, Start, End, Style, Name, "
                                      "MarginL, MarginR, MarginV, Effect, Text");

TEST_F(SsaReader, ADialogueLineBecomesARowWithTheDefaultFont) {
    read({Header, "Dialogue: Marked=0,0:00:01.50,0:00:04.00,Default,,0000,0000,0000,!Effect,"
                  "Hello\\nWorld"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:04,000", " Hello", " World", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);

    read({"Dialogue: Marked=0,0:00:01.50,0:00:04.00,Default,,0000,0000,0000,!Effect,Hello"},
         Format::SubStationAlpha, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,500", "00:00:08,000", " Hello", "", ""}))
        << "an add starts after the document's last end time";
}

TEST_F(SsaReader, TimesAreTheSecondAndThirdFieldsInEitherKindOfEventLine) {
    read({"dialogue: Marked=1,0:01:02.35,9:59:59.99,*Default,NTP,0000,0000,0000,,a",
          "DIALOGUE: 0,00:00:03.766,00:00:10.5,Default,,0,0,0,,b",
          "  Dialogue: 2, 0:00:11.00 , 0:00:12.00 ,Default,,0,0,0,,c",
          "Dialogue: Marked=0,-0:00:01.47,0:00:00.95,Default,,0000,0000,0000,,d"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:02,350", "09:59:59,990", " a", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,766", "00:00:10,500", " b", "", ""}))
        << "the .ass layer number in place of Marked=";
    EXPECT_EQ(row(3), QStringList({"3", "00:00:11,000", "00:00:12,000", " c", "", ""}))
        << "indented lines and blanks around the fields";
    EXPECT_EQ(row(4)[1], "-1:59:58,530") << "a time before zero in the program's own form";
}

TEST_F(SsaReader, TheTextFollowsTheNinthCommaAndBreaksAtEitherNewLine) {
    read({"Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0000,0000,0000,,One, two, \"three\"",
          "Dialogue: Marked=0,0:00:02.00,0:00:03.00,Default,,0,0,0,,{\\i1}a{\\i0}\\Nb\\nc\\nd",
          "Dialogue: Marked=0,0:00:03.00,0:00:04.00,Default,,0000,0000,0000,,",
          "Dialogue: Marked=0,0:00:04.00,0:00:05.00,Default,,0,0,0,,{\\pos(400,570)}x\\h|y"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1)[3], " One, two, \"three\"") << "commas after the ninth belong to the text";
    EXPECT_EQ(row(2).mid(3), QStringList({" {\\i1}a{\\i0}", " b", " c"}))
        << "override codes stay; a fourth line is lost";
    EXPECT_EQ(row(3).mid(3), QStringList({" ", "", ""}));
    EXPECT_EQ(row(4)[3], " {\\pos(400,570)}x\\h|y");
}

TEST_F(SsaReader, OnlyDialogueLinesAddRows) {
    read({"[Script Info]", "; Dialogue: in a comment", "Title: dialogue test", "", "[V4 Styles]",
          "Style: Default,Arial,26,253436,0,16777215,0,-1,0,2,2,2,20,20,10,0,0", "", Header,
          "Comment: Marked=0,0:00:01.00,0:00:02.00,Default,,0,0,0,,no",
          "Dialogue: Marked=0,0:00:03.00,0:00:04.00,Default,,0,0,0,,yes"});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1)[3], " yes");

    read({"[Script Info]", "Title: no events"});
    EXPECT_FALSE(t->loader.LoadOk) << "no subtitle: not loaded";
    EXPECT_EQ(lines(), 1) << "the document stays";
}

TEST_F(SsaReader, LinesWithoutTimesOrFieldsAreBadLinesAndReadingGoesOn) {
    const QStringList file = {"Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0,0,0,,first",
                              "Dialogue: Marked=0,0:00:03.00,0:00:04.00,only four fields",
                              "Dialogue: Marked=0,soon,later,Default,,0,0,0,,no times",
                              "Dialogue: Marked=0,0:00:05.00,0:00:06.00,Default,,0,0,0,,last"};
    QStringList asked;
    for (int i = 0; i < 2; ++i)
        answerMessage(frmMessageBox::Yes, &asked);
    read(file, Format::SubStationAlpha, false, true);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("only four fields")) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].contains("no times")) << asked[1].toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,000", "00:00:06,000", " last", "", ""}));

    read(file); // not interactive: no question
    EXPECT_EQ(lines(), 2);
}

// What the script holds besides its dialogue's times and texts is told once:
// info values other than those of Mirel's own header, comments, comment
// events and the dialogue lines' names.
TEST_F(SsaReader, WhatMirelDoesNotKeepIsTold) {
    const struct {
        QStringList file;
        const char* told; // "": no message
    } cases[] = {
        {{"[Script Info]", "ScriptType: v4.00+", "Synch Point: Side 1 0m00s", "Collisions: Normal",
          "Timer: 100,0000", "Title:", "", "[V4 Styles]", // the speed in another form
          "Style: Default,Arial,26,253436,0,16777215,0,-1,0,1,2,2,2,20,20,10,0,0", "", Header,
          "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default, ,0000,0000,0000,,a"},
         ""},
        {{"[Script Info]", "; made by hand", "Title: A title", " ; again", "Collisions: Reverse",
          "", Header, "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,Bob,0,0,0,,a",
          "Comment: Marked=0,0:00:02.00,0:00:03.00,Default,,0000,0000,0000,,A comment event",
          "Dialogue: Marked=0,0:00:03.00,0:00:04.00,Default,,0,0,0,,b",
          "Dialogue: Marked=0,0:00:05.00,0:00:06.00,Default,Ann,0,0,0,,c"},
         "the header values Title, Collisions; 2 comment lines; 1 comment event; the speakers' "
         "names of 2 rows (rows 1 and 3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QString told;
        if (*c.told) answerMessage(frmMessageBox::Ok, &told);
        read(c.file, Format::SubStationAlpha, false, true);
        EXPECT_EQ(told, *c.told ? Held.arg(c.told) : QString());
    }
}

// ---- Sample files -------------------------------------------------------------------

struct Sample {
    const char* file;
    int lines;
    QStringList first, last;
};

TEST_F(SsaReader, SampleScriptsLoadWithTheirLinesTimesAndTexts) {
    const Sample samples[] = {
        {"subsrt_sample.ssa",
         1,
         {"1", "00:00:01,180", "00:00:06,850", " {\\pos(400,570)}Like an angel with pity on nobody",
          "", ""},
         {}},
        {"subsrt_sample.ass",
         1,
         {"1", "00:00:01,180", "00:00:06,850", " {\\pos(400,570)}Like an Angel with pity on nobody",
          " The second line in subtitle", ""},
         {}},
        {"astisub_example-in.ssa",
         6,
         {"1", "00:01:39,000", "00:01:41,040", " {\\pos(400,570)}(deep rumbling)", "", ""},
         {"6", "00:02:31,400", "00:02:33,440", " (computer playing", " electronic melody)", ""}},
        {"astisub_example-in-carriage-return.ssa",
         3,
         {"1", "00:00:00,000", "00:00:03,766",
          " {\\pos(400,570)}Did one of the last stories strike you as",
          " more interesting than the other?", ""},
         {"3", "00:00:10,733", "00:00:14,066", " at a busy bus stop or anywhere",
          " else for that matter.", ""}},
        {"gaupol_ssa.ssa",
         10,
         {"1", "-1:59:53,160", "-1:59:57,150", " I always wanted to leave my country",
          " and go somewhere else.", ""},
         {"10", "00:00:32,560", "00:00:35,900", " Obviously, it was a big shock.", "", ""}},
        {"se_seconv_test.ssa",
         3,
         {"1", "00:00:01,000", "00:00:04,000", " Hello, World!", "", ""},
         {"3", "00:00:10,000", "00:00:13,000", " Testing SeConv subtitle converter.", "", ""}},
    };
    const QString dir = QStringLiteral(MIREL_SAMPLES_DIR) + "/ssa/";
    for (const Sample& s : samples) {
        EXPECT_EQ(load(dir + s.file, 0), Format::SubStationAlpha) << s.file;
        EXPECT_TRUE(t->loader.LoadOk) << s.file;
        ASSERT_EQ(lines(), s.lines) << s.file;
        EXPECT_EQ(row(1), s.first) << s.file;
        if (!s.last.isEmpty()) {
            EXPECT_EQ(row(s.lines), s.last) << s.file;
        }
    }
    EXPECT_EQ(row(2)[3], " This is a test subtitle.");
}

// ---- Round trip ---------------------------------------------------------------------

// Writes the document as a script, reads it back and writes it again.
TEST_F(SsaReader, WhatMirelWritesReadsBackAndWritesTheSame) {
    const QStringList original[] = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"00:00:05,129", "00:01:00,007", " Say, \"yes\" | no [br]", "", " third"},
        {"09:59:58,990", "09:59:59,999", " {\\i1}late{\\i0}", " two", " three"},
    };
    setRows(original, "Arial;Western;Italic;16");
    roundTrip();
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:05,120", "00:01:00,000", " Say, \"yes\" | no [br]",
                                   " third", ""}))
        << "hundredths kept; the empty middle line closes up";
    EXPECT_EQ(row(3), QStringList({"3", "09:59:58,990", "09:59:59,990", " {\\i1}late{\\i0}", " two",
                                   " three"}));
}

} // namespace
