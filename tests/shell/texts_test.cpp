// The built-in English texts and the bounds of the two text tables.

#include "support/TestProgram.h"

namespace {

TEST(TextTables, StartWithTheBuiltInEnglish) {
    TestProgram t;
    const TextTables& x = t->texts;
    const QString ask = x.TextTable(4, 35);
    EXPECT_EQ(ask.size(), 87);
    EXPECT_TRUE(ask.endsWith("continue?    "));
    EXPECT_EQ(x.TextTable(9, 18),
              "The maximum amount of 99 files is reached./nCan not add the file.");
    EXPECT_EQ(x.TextTable(0, 0), "Preview");
    EXPECT_EQ(x.TextDescTable(0, 0), "Show preview of subtitle file");
    EXPECT_EQ(x.TextDescTable(1, 0), "Copy item to calculator field 'A'");
    EXPECT_EQ(x.TextDescTable(2, 2), "Copy item to 'End' field");
    EXPECT_EQ(x.TextTable(3, 0), "Running");
    EXPECT_EQ(x.TextDescTable(3, 0), "");
    EXPECT_EQ(x.TextTable(4, 12), "Text");
    EXPECT_EQ(x.TextTable(7, 0), "Defined Variables:");
    EXPECT_EQ(x.TextTable(8, 4), "Build");
    EXPECT_EQ(x.TextTable(9, 0), "Media analiser started ... ");
    EXPECT_EQ(x.TextTable(9, 20), "Supported");
    // Entries without a built-in text stay empty.
    EXPECT_EQ(x.TextTable(8, 0), "");
    EXPECT_EQ(x.TextTable(6, 2), "");
    EXPECT_EQ(x.TextTable(4, 42), "");
    EXPECT_EQ(x.TextTable(9, 50), "");
}

TEST(TextTables, ReadsOutsideTheTableAreEmptyAndWritesAreRefused) {
    TestProgram t;
    TextTables& x = t->texts;
    EXPECT_EQ(x.TextTable(-1, 0), "");
    EXPECT_EQ(x.TextTable(10, 0), "");
    EXPECT_EQ(x.TextTable(0, 51), "");
    EXPECT_EQ(x.TextDescTable(0, -1), "");
    // (10, 0) would land on (0, 1) in a table stored column-fastest.
    EXPECT_FALSE(x.setTextTable(10, 0, "spill"));
    EXPECT_FALSE(x.setTextDescTable(10, 0, "spill"));
    EXPECT_FALSE(x.setTextTable(0, 51, "spill"));
    EXPECT_FALSE(x.setTextTable(-1, 5, "spill"));
    EXPECT_EQ(x.TextTable(0, 1), "Preview.Exit");
    EXPECT_EQ(x.TextDescTable(0, 1), "Exit preview of subtitle file");
    EXPECT_TRUE(x.setTextTable(9, 50, "last"));
    EXPECT_TRUE(x.setTextDescTable(9, 50, "last tip"));
    EXPECT_EQ(x.TextTable(9, 50), "last");
    EXPECT_EQ(x.TextDescTable(9, 50), "last tip");
}

TEST(TextTables, DefaultsOverwriteBuiltInEntriesOnly) {
    TestProgram t;
    TextTables& x = t->texts;
    x.setTextTable(4, 10, "Anfang");
    x.setTextTable(6, 2, "pack text");
    x.SetDefaultTexts();
    EXPECT_EQ(x.TextTable(4, 10), "Start");
    EXPECT_EQ(x.TextTable(6, 2), "pack text");
}

} // namespace
