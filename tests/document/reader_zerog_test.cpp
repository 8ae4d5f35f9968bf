// The Zero G reader through LoadSubFile: the header, times at fixed columns,
// the " NTP " marker in any case, the text parted at "\n", blank and unmarked
// lines, the document's line limit, an add, the sample of tests/data/zerog,
// and a document written, read back and written again.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <vector>

namespace {

constexpr int ZeroG = 16;

const QStringList Header = {"% Zero G 1.0", ""};

// A subtitle line as Mirel writes it.
QString Line(const QString& start, const QString& end, const QString& text) {
    return "E 1 " + start + " " + end + " Default NTP " + text;
}

class ZeroGReader : public ReaderFixture {
protected:
    ZeroGReader() : ReaderFixture(ZeroG, "zeg") {}
};

TEST_F(ZeroGReader, ALineAfterTheHeaderBecomesARow) {
    EXPECT_EQ(read(Header + QStringList{"abcd0:00:01.50 0:00:03.20 NTP Hello\\nWorld",
                                        Line("9:59:59.99", "10:20:30.40", "late"),
                                        Line("10:20:30.40", "12:00:00.00", "later")},
                   0),
              ZeroG);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:03,200", " Hello", " World", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "09:59:59,990", "10:20:30,400", " late", "", ""}))
        << "two hour digits move what follows them on";
    EXPECT_EQ(row(3), QStringList({"3", "10:20:30,400", "12:00:00,000", " later", "", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

TEST_F(ZeroGReader, TheMarkerInAnyCaseTheBreakInLowerCaseOnly) {
    read(Header +
         QStringList{Line("0:00:01.00", "0:00:02.00", "a\\Nb").replace("NTP", "ntp"),
                     Line("0:00:03.00", "0:00:04.00", " 1 \\n2\\n\\n4").replace("NTP", "Ntp"),
                     Line("0:00:05.00", "0:00:06.00", "x NTP y"),
                     "E 1 9:59:59.99 9:59:59.99 Default NTP"});
    ASSERT_EQ(lines(), 4);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,000", " a\\Nb", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " 1", " 2", " "}))
        << "a fourth part is not kept";
    EXPECT_EQ(row(3)[3], " x NTP y") << "the text starts after the first marker";
    EXPECT_EQ(row(4), QStringList({"4", "09:59:59,990", "09:59:59,990", " ", "", ""}))
        << "a marker at the end of the line gives an empty text";
}

TEST_F(ZeroGReader, BlankLinesAreNoRowsUnmarkedLinesAre) {
    read(Header + QStringList{"", Line("0:00:01.00", "0:00:02.00", "a"), "   ",
                              "E 1 0:00:03.00 0:00:04.00 Default a comment", "", "",
                              "E 1 " + QString(300000, u'-')});
    ASSERT_EQ(lines(), 2) << "a run of signs is no time, read at once however long";
    EXPECT_EQ(row(1)[3], " a");
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000",
                                   " 0:00:03.00 0:00:04.00 Default a comment", "", ""}))
        << "a line without the marker gives its text from column 5 on";
}

// Two signs, letters, no end: bad lines, as in the other formats of times to
// the hundredth; one sign is a time before zero.
TEST_F(ZeroGReader, ATimeThatIsNoTimeIsABadLine) {
    QStringList asked;
    for (int i = 0; i < 3; ++i)
        answerMessage(frmMessageBox::Yes, &asked);
    read(Header + QStringList{Line("--0:00:03.00", "0:00:04.00", "x"),
                              Line("0:00:05.00", "0:0x:06.00", "x"), "E 1 0:00:07.00",
                              Line("-0:00:01.00", "0:00:02.00", "early")},
         ZeroG, false, true);
    EXPECT_TRUE(asked.value(0).contains("--0:00:03.00")) << asked.join('|').toStdString();
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "-1:59:59,000", "00:00:02,000", " early", "", ""}));
}

TEST_F(ZeroGReader, TheHeaderIsAtMostTwoLinesAndNeverASubtitle) {
    read({"% Zero G 1.0"});
    EXPECT_FALSE(t->loader.LoadOk) << "a header alone holds no subtitle: not loaded";
    EXPECT_EQ(lines(), 0);

    read({Line("0:00:01.00", "0:00:02.00", "first"), Line("0:00:03.00", "0:00:04.00", "second")});
    ASSERT_EQ(lines(), 2) << "a file without its header keeps its first lines";
    EXPECT_EQ(row(1)[3], " first");

    read({"% Zero G 1.0", "% second header line", Line("0:00:01.00", "0:00:02.00", "third line")});
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1)[3], " third line");
}

TEST_F(ZeroGReader, TheDocumentNeverPassesItsLineLimit) {
    QStringList file = Header;
    for (int i = 0; i < 9998; ++i)
        file << Line("0:00:01.00", "0:00:02.00", QString::number(i + 1));
    read(file + QStringList{"", "", ""});
    EXPECT_TRUE(t->loader.LoadOk) << "trailing blank lines take no room";
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " 9998");

    // Unmarked lines are not counted but become rows: the document still
    // stops at its last line, with a message when the load asks.
    QString message;
    answerMessage(frmMessageBox::Ok, &message);
    const QString unmarked = "E 1 0:00:01.00 0:00:02.00 unmarked";
    read(Header + QStringList{unmarked, unmarked} + file.mid(2), ZeroG, false, true);
    EXPECT_TRUE(message.contains("reached limit of 9998 lines. Reading stopped after line 9998."))
        << message.toStdString();
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998)[3], " 9996");
}

TEST_F(ZeroGReader, AnAddShiftsTheTimesAfterTheLastLine) {
    read(Header + QStringList{Line("0:00:01.00", "1:30:00.00", "old")});
    read(Header + QStringList{Line("0:00:05.25", "0:00:06.00", "new")}, ZeroG, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "01:30:05,250", "01:30:06,000", " new", "", ""}));
}

TEST_F(ZeroGReader, TheSampleLoads) {
    int format = load(QStringLiteral(MIREL_SAMPLES_DIR) + "/zerog/se_comment_zerog.zeg", 0);
    EXPECT_EQ(format, ZeroG);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1),
              QStringList({"1", "00:50:20,220", "00:50:21,380", " Die Frage ist:", "", ""}));
    EXPECT_EQ(row(2)[3], " Wieso habe ich überlebt?");
    EXPECT_EQ(row(3), QStringList({"3", "00:50:27,300", "00:50:30,780",
                                   " Was habe ich richtig gemacht?", " Ich weiß es nicht.", ""}));
}

// ---- Round trip ---------------------------------------------------------------------

TEST_F(ZeroGReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"09:00:00,129", "09:59:59,999", " a", "", " c"},
        {"00:00:50,060", "00:00:54,000", " Say, \"yes\" NTP \\N", " ", " | [br] ,"},
    };
    setRows(original, "Arial;Western;Italic;16");
    roundTrip();
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:02,500", " Hello", " world", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "09:00:00,120", "09:59:59,990", " a", " c", ""}))
        << "hundredths kept; the empty middle line closes up";
    EXPECT_EQ(row(3), QStringList({"3", "00:00:50,060", "00:00:54,000", " Say, \"yes\" NTP \\N",
                                   " ", " | [br] ,"}));
}

} // namespace
