// Node files keep a subtitle file's parts between runs; collection files
// share their first sections. Written and read back through the program's
// own load.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "runtime/TextFile.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>

namespace {

QByteArray Entries(int n) {
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += QByteArray::number(i) + "\r\n00:00:01,000 --> 00:00:02,000\r\nText\r\n\r\n";
    return out;
}

class NodeFile : public ::testing::Test {
protected:
    NodeTable& nodes() { return t->doc.FileNodes; }
    QString nodePath(const QString& title) {
        return t.folder() + "/System/Nodes/" + title + ".sdf";
    }
    void load(const QString& path) { loadSubFile(t.program(), path); }
    void part(int i, int first, int last, const QString& name, bool inIndex) {
        nodes().setFirstRow(i, first);
        nodes().setLastRow(i, last);
        nodes().setName(i, name);
        nodes().setInIndex(i, inIndex);
    }
    QStringList parts() {
        QStringList out;
        for (int i = 0; i <= nodes().Count(); ++i)
            out << QStringLiteral("%1-%2 %3 %4")
                       .arg(nodes().FirstRow(i))
                       .arg(nodes().LastRow(i))
                       .arg(nodes().Name(i))
                       .arg(nodes().InIndex(i));
        return out;
    }
    void writeNodeFile(const QString& title, const QStringList& lines) {
        QDir().mkpath(t.folder() + "/System/Nodes");
        ASSERT_TRUE(runtime::WriteTextFile(nodePath(title), lines));
    }
    TestProgram t;
};

TEST_F(NodeFile, PartsSurviveASaveAndTheNextLoad) {
    const QString path = t.writeDataFile("round.srt", Entries(10));
    load(path);
    nodes().setCount(2);
    part(1, 1, 4, "Intro: the start, again", true);
    part(2, 5, 10, "Part_2", false);
    ASSERT_TRUE(t->files.SaveSubControl(t->files.CurFileName));
    const runtime::TextFileContent written = runtime::ReadTextFile(nodePath("round.srt"));
    EXPECT_EQ(written.lines,
              QStringList({"4.00", "<File>", path, "</File>", "<Data>", "2", "1,10:round0",
                           "1,4:Intro: the start, again1", "5,10:Part_20", "</Data>"}));
    const QStringList saved = parts();

    nodes().clear();
    load(path);
    EXPECT_EQ(parts(), saved);

    // A node file that does not fit the file any more is cut to its lines.
    t.writeDataFile("round.srt", Entries(7));
    load(path);
    EXPECT_EQ(parts(),
              QStringList({"1-7 round 0", "1-4 Intro: the start, again 1", "5-7 Part_2 0"}));
}

TEST_F(NodeFile, NodeFilesThatDoNotBelongAreNotApplied) {
    const QString path = t.writeDataFile("same.srt", Entries(6));
    const QStringList single = {"1-6 same 0", "1-6 same 0"};
    struct Case {
        const char* why;
        QStringList lines;
        bool reported;
    };
    const QStringList body = {"<Data>", "1", "1,6:all1", "1,6:other1", "</Data>"};
    const Case cases[] = {
        {"another program version", QStringList{"3.10", "<File>", path, "</File>"} + body, true},
        {"another file of the same name",
         QStringList{"4.00", "<File>", "/else/same.srt", "</File>"} + body, false},
        {"more than 99 parts",
         {"4.00", "<File>", path, "</File>", "<Data>", "100", "</Data>"},
         false},
        {"parts outside the lines",
         {"4.00", "<File>", path, "</File>", "<Data>", "1", "1,6:a1", "9,12:b1", "</Data>"},
         false},
    };
    for (const Case& c : cases) {
        writeNodeFile("same.srt", c.lines);
        Message seen;
        if (c.reported) t.reply(frmMessageBox::Ok, &seen);
        load(path);
        EXPECT_EQ(parts(), single) << c.why;
        if (c.reported) {
            EXPECT_EQ(seen.title, "Version Mismatch");
        }
    }
}

TEST_F(NodeFile, EntryLinesAreCutAtTheirFirstCommaAndColon) {
    const QString path = t.writeDataFile("cut.srt", Entries(9));
    writeNodeFile("cut.srt", {"4.00", "<File>", path, "</File>", "<Data>", "4", "1,9:whole0",
                              "1,2:a,b:c1", "3,4:flag7", "5,6:no flag", "7,9:x1", "</Data>"});
    load(path);
    EXPECT_EQ(parts(),
              QStringList({"1-9 whole 0", "1-2 a,b:c 1", "3-4 flag 0", "5-6 no fla 0", "7-9 x 1"}))
        << "a digit 2 to 9 leaves the in-index flag as it was";
}

TEST_F(NodeFile, NumbersTooLargeForARowAreBadEntries) {
    const QString path = t.writeDataFile("big.srt", Entries(6));
    for (const char* entry : {"4674400000,4:Intro1", "1,4674400000:Intro1", "-4674400000,4:Intro1",
                              "99999999999999999999999999999999999999,4:Intro1"}) {
        writeNodeFile("big.srt", {"4.00", "<File>", path, "</File>", "<Data>", "2", "1,6:whole0",
                                  "1,3:First1", entry, "</Data>"});
        load(path);
        EXPECT_EQ(parts(), QStringList({"1-6 whole 0", "1-3 First 1"}))
            << entry << ": the list ends before the bad entry";
    }
    QStringList lines;
    NodeTable items;
    t.writeDataFile("big.dbs", "4.00\r\n<File>\r\nBig\r\n</File>\r\n<Data>\r\n1\r\n1,2:All0\r\n"
                               "4674400000,2:Huge1\r\n</Data>\r\n<Subs>\r\n</Subs>\r\n");
    QString name = "big.dbs";
    EXPECT_TRUE(t->files.LoadDbsFile(name, 1, items, lines));
    EXPECT_EQ(items.FirstRow(1), 0) << "a number out of range reads as no row";
}

TEST_F(NodeFile, CollectionFilesGiveTheirItemsAndLines) {
    t.writeDataFile("box(1).dbs",
                    "4.00\r\n<File>\r\nMy box\r\n</File>\r\n<Data>\r\n1\r\n1,2:All0\r\n1,2:"
                    "First1\r\n</Data>\r\n<Subs>\r\n0001|00:00:01,000|00:00:02,000|a|b|\r\n0002|"
                    "x|y||||\r\n</Subs>\r\n");
    NodeTable items;
    QStringList lines = {"old"};
    QString name = "box(1).dbs";
    EXPECT_TRUE(t->files.LoadDbsFile(name, 1, items, lines));
    EXPECT_EQ(name, t.folder() + "/Data/Files/box(1).dbs");
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(items.Name(1), "First");
    EXPECT_TRUE(items.InIndex(1));
    EXPECT_EQ(lines, QStringList({"0001|00:00:01,000|00:00:02,000|a|b|", "0002|x|y||||"}));

    t.writeDataFile("old.dbs", "3.00\r\n<File>\r\n");
    name = "old.dbs";
    t.reply(frmMessageBox::Ok);
    EXPECT_FALSE(t->files.LoadDbsFile(name, 1, items, lines));
    EXPECT_EQ(items.Name(1), "First") << "a refused file changes nothing";
    EXPECT_EQ(lines.size(), 2);
}

} // namespace
