// The ViPlay Subtitle File reader through LoadSubFile: the header, times by
// position, the text after the first "=", blank lines, an add, the reading
// limit, and a document written, read back and written again.

#include "document/Loader.h"
#include "support/ReaderFixture.h"

#include <vector>

namespace {

constexpr int ViPlay = 15;
const QString Header = QStringLiteral("{* VIPLAY SUBTITLE FILE *}");

class ViPlayReader : public ReaderFixture {
protected:
    ViPlayReader() : ReaderFixture(ViPlay, "vsf") {}
};

TEST_F(ViPlayReader, TheHeaderIsSkippedAndEachLineIsARow) {
    EXPECT_EQ(read({Header, "00:00:01,000-00:00:03,500=Hello|World"}, 0), ViPlay);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 1);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,000", "00:00:03,500", " Hello", " World", ""}));
    EXPECT_EQ(t->doc.lstFont.value(1), "Arial;Western;Regular;16");
    expectFontTab(false, false, false);
}

TEST_F(ViPlayReader, TimesByPositionAndTheTextAfterTheFirstEquals) {
    read({"{* viplay subtitle file *}", "00:00:01.500 00:00:02.250=dots",
          "00:00:03,000-00:00:04,000=", "00:00:05,000-00:00:06,000=  a  |  b  |c|d",
          "00:00:07,000-00:00:08,000=x=y", "no equals|sign", "10:00:00,000-99:59:59,999=late",
          "0:00:11,000-0:00:12,500=one hour digit"});
    ASSERT_EQ(lines(), 7);
    EXPECT_EQ(row(1), QStringList({"1", "00:00:01,500", "00:00:02,250", " dots", "", ""}));
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " ", "", ""}));
    EXPECT_EQ(row(3).mid(3), QStringList({" a", " b", " c"}));
    EXPECT_EQ(row(4)[3], " x=y");
    EXPECT_EQ(row(5).mid(3), QStringList({" no equals", " sign", ""}))
        << "a line without \"=\" is all text";
    EXPECT_EQ(row(6), QStringList({"6", "10:00:00,000", "99:59:59,999", " late", "", ""}));
    EXPECT_EQ(row(7),
              QStringList({"7", "00:00:11,000", "00:00:12,500", " one hour digit", "", ""}));
}

TEST_F(ViPlayReader, BlankLinesNeverBecomeRows) {
    read({"", Header, "", "00:00:01,000-00:00:02,000=one", "  ", "00:00:03,000-00:00:04,000=two",
          "", ""},
         0);
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 2) << "the header after a blank line is still the header";
    EXPECT_EQ(row(1)[3], " one");
    EXPECT_EQ(row(2), QStringList({"2", "00:00:03,000", "00:00:04,000", " two", "", ""}));
}

TEST_F(ViPlayReader, AnAddStartsAfterTheLastEndTime) {
    read({Header, "00:00:01,000-00:10:00,000=first"});
    read({Header, "00:00:01,000-00:00:03,500=Hello"}, ViPlay, true);
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(row(2), QStringList({"2", "00:10:01,000", "00:10:03,500", " Hello", "", ""}));
}

TEST_F(ViPlayReader, TheReadingLimitCountsSubtitleLinesOnly) {
    QStringList file = {Header};
    for (int i = 0; i < 9998; ++i)
        file << QStringLiteral("00:00:01,000-00:00:02,000=Line %1").arg(i + 1);
    read(QStringList(file) << "");
    ASSERT_EQ(lines(), 9998) << "the header does not count against the limit";
    EXPECT_EQ(row(9998)[3], " Line 9998");
    read(QStringList(file) << "00:00:01,000-00:00:02,000=one more");
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(ViPlayReader, WhatMirelWritesItReadsAndWritesTheSame) {
    const std::vector<QStringList> original = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", ""},
        {"10:00:00,001", "12:34:56,789", " a", " ", " c"},
        {"00:00:50,062", "00:00:54,000", " x=y-z", "", ""},
        {"23:59:59,999", "99:00:00,000", " \"q\", {b}", " d", " last"},
    };
    setRows(original);
    roundTrip();
    ASSERT_EQ(lines(), 4);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(row(r).mid(1), original[static_cast<std::size_t>(r - 1)]) << "row " << r;
}

} // namespace
