// The node table keeps every read and write inside its 100 entries.

#include "document/NodeTable.h"

#include <gtest/gtest.h>

namespace {

NodeTable filled() {
    NodeTable t;
    for (int i = 0; i < NodeTable::Size; ++i) {
        t.setFirstRow(i, 10 * i + 1);
        t.setLastRow(i, 10 * i + 10);
        t.setName(i, QStringLiteral("Part_%1").arg(i));
        t.setInIndex(i, i % 2 == 0);
    }
    return t;
}

TEST(NodeTable, ReadsOutsideTheTableGiveNothing) {
    const NodeTable t = filled();
    for (int i : {-1, 100, 1000, -32768}) {
        EXPECT_EQ(t.FirstRow(i), 0) << i;
        EXPECT_EQ(t.LastRow(i), 0) << i;
        EXPECT_TRUE(t.Name(i).isEmpty()) << i;
        EXPECT_FALSE(t.InIndex(i)) << i;
    }
    EXPECT_EQ(t.FirstRow(99), 991);
    EXPECT_EQ(t.LastRow(0), 10);
    EXPECT_TRUE(t.InIndex(98));
}

TEST(NodeTable, RefusesWritesOutsideTheTable) {
    NodeTable t = filled();
    for (int i : {-1, 100, 101}) {
        EXPECT_FALSE(t.setFirstRow(i, 5)) << i;
        EXPECT_FALSE(t.setLastRow(i, 5)) << i;
        EXPECT_FALSE(t.setName(i, "x")) << i;
        EXPECT_FALSE(t.setInIndex(i, true)) << i;
        EXPECT_FALSE(t.copyEntry(0, i)) << i;
        EXPECT_FALSE(t.copyEntry(i, 0)) << i;
    }
    EXPECT_FALSE(t.setCount(100));
    EXPECT_FALSE(t.setCount(-1));
    EXPECT_FALSE(t.setCurrent(100));
    EXPECT_TRUE(t.setCount(99));
    EXPECT_EQ(t.Count(), 99);
    // The edge entries are as written: nothing spilled into them.
    EXPECT_EQ(t.FirstRow(0), 1);
    EXPECT_EQ(t.Name(99), "Part_99");
}

TEST(NodeTable, RowsAreSixteenBitValues) {
    NodeTable t;
    EXPECT_TRUE(t.setFirstRow(1, 32767));
    EXPECT_TRUE(t.setLastRow(1, -32768));
    EXPECT_FALSE(t.setFirstRow(1, 32768));
    EXPECT_FALSE(t.setLastRow(1, -32769));
    EXPECT_EQ(t.FirstRow(1), 32767);
    EXPECT_EQ(t.LastRow(1), -32768);
}

TEST(NodeTable, CopyMovesAllFourFieldsAndClearEmpties) {
    NodeTable t = filled();
    EXPECT_TRUE(t.copyEntry(4, 7));
    EXPECT_EQ(t.FirstRow(7), 41);
    EXPECT_EQ(t.LastRow(7), 50);
    EXPECT_EQ(t.Name(7), "Part_4");
    EXPECT_TRUE(t.InIndex(7));
    EXPECT_EQ(t.Name(4), "Part_4") << "the source stays";

    t.setCount(12);
    t.setCurrent(3);
    t.clear();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Current(), 0);
    EXPECT_EQ(t.FirstRow(7), 0);
    EXPECT_TRUE(t.Name(99).isEmpty());
    EXPECT_FALSE(t.InIndex(0));
}

} // namespace
