// The PowerDivX reader through LoadSubFile: times and text taken by position,
// blank lines, an add, the reading limit, and a document written, read back
// and written again.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "support/ReaderFixture.h"

#include <vector>

namespace {

constexpr int PowerDivX = 5;

class PowerDivXReader : public ReaderFixture {
protected:
    PowerDivXReader() : ReaderFixture(PowerDivX, "psb") {}
};

TEST_F(PowerDivXReader, EachLineIsARowReadByPosition) {
    EXPECT_EQ(read({"{00:01:02}{00:01:05}Hello|World", "{01:00:00}{01:00:04}a|b|c|d",
                    "{00:00:10}{00:00:12}", "{0:12:34}{0:12:40}Hi", "{23:59:59}{99:00:00}  x  "},
                   0),
              PowerDivX);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 5);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:02,000", "00:01:05,000", " Hello", " World", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "01:00:00,000", "01:00:04,000", " a", " b", " c"}));
    EXPECT_EQ(row(3), QStringList({"3", "00:00:10,000", "00:00:12,000", " ", "", ""}));
    EXPECT_EQ(row(4), QStringList({"4", "00:12:34,000", "00:12:40,000", " Hi", "", ""}))
        << "one-digit hours";
    EXPECT_EQ(row(5), QStringList({"5", "23:59:59,000", "99:00:00,000", " x", "", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

// A line off the form is read by position; times that are none there are
// asked about and never made 00:00:00,000, and the text keeps all the line.
TEST_F(PowerDivXReader, ALineOffTheFormIsReadByPositionOrAskedAbout) {
    QStringList asked;
    answerMessage(frmMessageBox::Yes, &asked);
    read({"[00:01:02][00:01:05]Square", "{0:1:02}{0:01:05}Hi|there", "{00:00:10}{00:00:12}ok"},
         PowerDivX, false, true);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("Line #2 = '{0:1:02}{0:01:05}Hi|there'"))
        << asked[0].toStdString();
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(row(1), QStringList({"1", "00:01:02,000", "00:01:05,000", " Square", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "", "", " {0:1:02}{0:01:05}Hi", " there", ""}));
    EXPECT_EQ(row(3)[1], "00:00:10,000");
}

TEST_F(PowerDivXReader, BlankLinesNeverBecomeRows) {
    read({"", "{00:00:01}{00:00:02}one", "   ", "{00:00:03}{00:00:04}two", "", ""});
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));
}

TEST_F(PowerDivXReader, AnAddStartsAfterTheLastEndTime) {
    read({"{00:00:01}{00:00:02}first"});
    t->doc.grid().setTextMatrix(1, 2, "00:10:00,500");
    read({"{00:00:59}{00:01:00}x"}, PowerDivX, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:10:59,500", "00:11:00,500", " x", "", ""}));
}

TEST_F(PowerDivXReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file;
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("{%1}{%1}Line %2")
                    .arg(QString::asprintf("%02d:%02d:%02d", i / 3600, i / 60 % 60, i % 60))
                    .arg(i + 1);
    read(QStringList(file) << "");
    ASSERT_EQ(lines(), 9998);
    EXPECT_EQ(row(9998),
              QStringList({"9998", "02:46:37,000", "02:46:37,000", " Line 9998", "", ""}));
    read(QStringList(file) << "{00:00:01}{00:00:02}one more");
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(PowerDivXReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,999", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " {y:i}x}{y", "", ""},
        {"23:59:59,000", "99:00:00,000", " a=b, \"c\"", " d", " last"},
    };
    setRows(original);
    EXPECT_TRUE(roundTrip().startsWith("{00:00:01}{00:00:02}Hello|world\r\n"));
    ASSERT_EQ(lines(), 4);
    for (int r = 1; r <= 4; ++r) {
        const QStringList& o = original[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(row(r)[1], o[0].left(8) + ",000") << "whole seconds, row " << r;
        EXPECT_EQ(row(r)[2], o[1].left(8) + ",000") << "whole seconds, row " << r;
        EXPECT_EQ(row(r).mid(3), o.mid(2)) << "row " << r;
    }
}

} // namespace
