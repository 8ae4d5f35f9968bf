// The collection file's layout: its name, an empty document, and an open
// collection written with only its items' lines.

#include "collection_fixture.h"
#include "online/CollectionFile.h"

using namespace collectiontest;

TEST(CollectionFile, IsNamedAfterTheSubtitleFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"movie.srt", "movie(srt).dbs"},
        {"a.b.srt", "a(b(srt).dbs"},
        {"movie(srt).dbs", "movie(srt).dbs"},
        {"noext", "noext).dbs"},
    };
    for (const auto& [name, file] : cases)
        EXPECT_EQ(collection::FileNameFor(name), file) << name;
}

TEST(CollectionFile, AnEmptyDocumentWritesItsHeaderAndAnEmptySection) {
    TestProgram t;
    t.main();
    t->files.CurFileName = t.dataFilesPath("empty.srt");
    t->doc.ClearGrid();
    t->doc.FileNodes.clear();
    ASSERT_TRUE(SaveDbsFile(t.program(), "empty.srt", collection::FromEditor, true));
    EXPECT_EQ(FileLines(t.dataFilesPath("empty(srt).dbs")),
              QStringList({"4.00", "<File>", t.dataFilesPath("empty.srt"), "</File>", "<Data>", "0",
                           "0,0:0", "</Data>", "<Subs>", "</Subs>"}));
}

// Without all lines, the items' lines are gathered in item order and every
// item, and every line's number, takes its new place.
TEST(CollectionFile, ItemLinesAloneAreGatheredAndRenumbered) {
    struct Item {
        int first, last;
    };
    struct Case {
        const char* why;
        std::vector<Item> items;
        QStringList entries; // entries 0..n after writing
        QStringList subs;
    };
    const QStringList buffer = {"0001|a", "0002|b", "0003|c", "0004|d", "0005|e"};
    const Case cases[] = {
        {"a gap between items",
         {{1, 1}, {4, 5}},
         {"1,3:t1", "1,1:i11", "2,3:i21"},
         {"0001|a", "0002|d", "0003|e"}},
        {"items out of order",
         {{4, 5}, {1, 2}},
         {"1,4:t1", "1,2:i11", "3,4:i21"},
         {"0001|d", "0002|e", "0003|a", "0004|b"}},
        {"an item past the lines", {{2, 2}, {7, 9}}, {"1,1:t1", "1,1:i11", "0,0:i21"}, {"0001|b"}},
        {"an item cut at the last line", {{4, 8}}, {"1,2:t1", "1,2:i11"}, {"0001|d", "0002|e"}},
    };
    for (const Case& c : cases) {
        NodeTable items;
        items.setName(0, "t");
        items.setInIndex(0, true);
        items.setCount(static_cast<int>(c.items.size()));
        for (int k = 1; k <= items.Count(); ++k) {
            items.setFirstRow(k, c.items[k - 1].first);
            items.setLastRow(k, c.items[k - 1].last);
            items.setName(k, QStringLiteral("i%1").arg(k));
            items.setInIndex(k, true);
        }
        QStringList lines = buffer;
        const QStringList file = collection::CollectionLines("4.00", items, lines, false);
        QStringList entries;
        for (int i = 0; i <= items.Count(); ++i)
            entries << collection::EntryLine(items, i);
        EXPECT_EQ(entries, c.entries) << c.why;
        EXPECT_EQ(lines, c.subs) << c.why;
        EXPECT_EQ(file.mid(6, entries.size()), c.entries) << c.why;
        EXPECT_EQ(file.mid(file.indexOf("<Subs>") + 1, lines.size()), c.subs) << c.why;
    }
}

TEST(CollectionFile, TheReaderFillsTheCollectionWindowsTables) {
    TestProgram t;
    t.main();
    ASSERT_TRUE(runtime::WriteTextFile(
        t.dataFilesPath("r(srt).dbs"),
        {"4.00", "<File>", "Title", "</File>", "<Data>", "1", "1,2:Title1", "1,2:Only1", "</Data>",
         "<Subs>", "0001|00:00:01,000|00:00:02,000|one||", "0002|00:00:03,000|00:00:04,000|two||",
         "</Subs>", "0003|after the end||||"}));
    QString name = "r(srt).dbs";
    ASSERT_TRUE(t->files.LoadDbsFile(name, 1));
    EXPECT_EQ(name, t.dataFilesPath("r(srt).dbs"));
    const frmDbase& w = t->dbase();
    EXPECT_EQ(w.CollectionItems.Count(), 1);
    EXPECT_EQ(w.CollectionItems.Name(1), "Only");
    EXPECT_EQ(w.lstBuff, QStringList({"0001|00:00:01,000|00:00:02,000|one||",
                                      "0002|00:00:03,000|00:00:04,000|two||"}));
}
