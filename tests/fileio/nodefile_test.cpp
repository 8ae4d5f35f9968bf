// Node files keep a subtitle file's parts between runs; collection files
// share their first sections. Written and read back through the program's
// own load.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "runtime/TextFile.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>

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
    const runtime::TextFileContent written = runtime::ReadTextFile(t->files.NodeFileOf(path));
    EXPECT_TRUE(t->files.NodeFileOf(path).contains("/System/Nodes/round.srt-"));
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

// Two files of one name in two folders, saved in turns through File > Save.
TEST_F(NodeFile, FilesOfOneNameInTwoFoldersKeepTheirOwnParts) {
    const QString a = t.writeFile("A/ep.srt", Entries(6)), b = t.writeFile("B/ep.srt", Entries(6));
    const auto save = [&](Message* told = nullptr) {
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
        t.reply(frmMessageBox::Yes); // over the file it was read from
        if (told) t.reply(frmMessageBox::Ok, told);
        t->main().mnuSavesubfile.click();
    };
    const std::pair<QString, QStringList> files[] = {
        {a, {"1-6 ep 0", "1-2 a1 1", "3-6 a2 0"}},
        {b, {"1-6 ep 0", "1-1 b1 0", "2-5 b2 1", "6-6 b3 0"}}};
    for (const auto& [path, wanted] : files) {
        load(path);
        nodes().setCount(int(wanted.size()) - 1);
        for (int i = 1; i < wanted.size(); ++i) {
            const QStringList f = wanted[i].split(QRegularExpression("[- ]"));
            part(i, f[0].toInt(), f[1].toInt(), f[2], f[3] == "1");
        }
        save();
        EXPECT_FALSE(t->doc.FileChanged);
    }
    for (const auto& [path, wanted] : files) {
        load(path);
        EXPECT_EQ(parts(), wanted) << path.toStdString();
    }

    // A node file of this name that records another path is not written over.
    const QStringList other = {"4.00",   "<File>", "/else/ep.srt", "</File>",
                               "<Data>", "0",      "1,1:x0",       "</Data>"};
    ASSERT_TRUE(runtime::WriteTextFile(t->files.NodeFileOf(b), other));
    nodes().setCount(1);
    Message seen;
    save(&seen);
    EXPECT_EQ(runtime::ReadTextFile(t->files.NodeFileOf(b)).lines, other);
    EXPECT_TRUE(seen.text.contains("keeps the parts of /else/ep.srt")) << seen.text.toStdString();
    EXPECT_FALSE(t->doc.FileChanged) << "the subtitle file was written";
}

// One file reached through "..", a symbolic link or its own path keeps one set of parts; a node
// file that an earlier version keyed by the path as given is still found, and a save keys it anew.
// A name of 255 bytes is saved with its parts too.
TEST_F(NodeFile, OneFileReachedAnyWayKeepsOneSetOfParts) {
    const QString real = t.writeFile("A/ep.srt", Entries(6)),
                  dotted = t.folder() + "/B/../A/ep.srt";
    const QString link = t.folder() + "/B/link.srt";
    ASSERT_TRUE(QDir().mkpath(t.folder() + "/B") && QFile::link(real, link));
    const QString longName =
        t.writeFile("A/" + QString(123, QChar(0xE9)) + "nnnnn.srt", Entries(6));
    const QByteArray oldKey = QCryptographicHash::hash(dotted.toUtf8(), QCryptographicHash::Sha1);
    writeNodeFile("ep.srt-" + oldKey.toHex().left(8),
                  {"4.00", "<File>", dotted, "</File>", "<Data>", "2", "1,6:x0", "1,2:a1", "3,6:b0",
                   "</Data>"});
    const QStringList paths = {dotted, real, link, longName, longName};
    for (int i = 0; i < paths.size(); ++i) {
        nodes().clear();
        load(paths[i]);
        const QStringList want = {"1-2 a 1", "3-6 b 0"}; // none at the long name's first load
        EXPECT_TRUE(i == 3 || parts().mid(1) == want) << parts().join(", ").toStdString() << i;
        nodes().setCount(2);
        part(1, 1, 2, "a", true);
        part(2, 3, 6, "b", false);
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
        t.reply(frmMessageBox::Yes); // over the file it was read from
        t->main().mnuSavesubfile.click();
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
