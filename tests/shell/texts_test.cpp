// The built-in English texts and the bounds of the two text tables. Every
// text a message of the program shows has words in the shipped German pack:
// the sources are read for the texts of the messages, so a new message
// without German words fails here.

#include "LanguageFixture.h"
#include "ShownTextScan.h"
#include "support/TestProgram.h"

#include <QRegularExpression>
#include <set>

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

// The "%1" to "%9" of a text, in order.
std::set<QString> PartsOf(const QString& text) {
    static const QRegularExpression part(QStringLiteral("%[1-9]"));
    std::set<QString> out;
    for (auto it = part.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured());
    return out;
}

TEST(ShownTexts, EveryMessageOfTheProgramHasGermanWords) {
    const shown_text::Scan scan = shown_text::ScanSources(QStringLiteral(MIREL_SOURCE_DIR));
    ASSERT_GT(scan.english.size(), 100u) << "the sources were read";
    for (const shown_text::Found& f : scan.composed)
        ADD_FAILURE() << f.file.toStdString() << ":" << f.line << ": \"" << f.text.toStdString()
                      << "\" is put together in place; give the message's text through Say";
    ProgramWithPack german("Deutsch.lng");
    const TextTables& texts = german->texts;
    for (const shown_text::Found& f : scan.english) {
        if (!shown_text::HoldsWord(f.text)) continue;
        if (!texts.Holds(f.text)) {
            ADD_FAILURE() << f.file.toStdString() << ":" << f.line << ": \"" << f.text.toStdString()
                          << "\" has no German words in [Texts]";
            continue;
        }
        EXPECT_EQ(PartsOf(texts.Said(f.text)), PartsOf(f.text))
            << f.file.toStdString() << ":" << f.line
            << ": the German fills in what the English does";
    }
}

} // namespace
