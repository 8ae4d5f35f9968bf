// What the collection window does with files it cannot trust: another
// version, a damaged index, a file gone behind its back, an item whose lines
// are missing or lie after the section's end, a file it cannot write, an
// extract that would replace a file, and commands given numbers that are not
// in its lists. Each is told, and nothing is lost.

#include "collection_fixture.h"

using namespace collectiontest;

namespace {

QStringList CollectionFile(const QString& version, const QString& count, const QStringList& entries,
                           const QStringList& subs) {
    return QStringList{version, "<File>", "Title", "</File>", "<Data>", count} + entries +
           QStringList{"</Data>", "<Subs>"} + subs + QStringList{"</Subs>"};
}

const QStringList TwoItems = {"1,3:t1", "1,1:First1", "2,3:Second1"};
const QStringList ThreeLines = {"0001|00:00:01,000|00:00:02,000|one||",
                                "0002|00:00:00,000|00:00:01,000|two||",
                                "0003|00:00:01,000|00:00:03,000|three||"};

} // namespace

TEST_F(Collections, FilesOfAnotherVersionOrWithADamagedIndexAreToldAndLeftAlone) {
    ASSERT_TRUE(runtime::WriteTextFile(path("bad(srt).dbs"),
                                       CollectionFile("4.00", "500", TwoItems, ThreeLines)));
    ASSERT_TRUE(runtime::WriteTextFile(path("old(srt).dbs"),
                                       CollectionFile("3.00", "2", TwoItems, ThreeLines)));
    const QByteArray bad = readBytes(path("bad(srt).dbs")), old = readBytes(path("old(srt).dbs"));
    Message listing, damaged, selected;
    answer(AnswerOk, &listing); // listing reads old(srt).dbs
    answer(AnswerOk, &damaged); // bad(srt).dbs, selected first
    withWindow([&](frmDbase& w) {
        EXPECT_EQ(itemsOf(w.List1), QStringList({"bad(srt).dbs", "old(srt).dbs"}))
            << "unreadable files are listed by their names";
        EXPECT_EQ(w.List2.listCount(), 0);
        EXPECT_FALSE(w.Command14.enabled());
        EXPECT_FALSE(w.Label15.enabled());
        EXPECT_TRUE(w.Label10.enabled()) << "a damaged file can still be deleted";
        answer(AnswerOk, &selected);
        w.List1.setListIndex(1);
        typeAndEnter(w.txtFile, "Overwritten?");
        click(w.Command14);
        w.DBRestore();
    });
    EXPECT_EQ(listing.title, "Version Mismatch");
    EXPECT_EQ(damaged.title, "Error");
    EXPECT_TRUE(damaged.text.contains("is damaged")) << damaged.text.toStdString();
    EXPECT_EQ(selected.title, "Version Mismatch");
    EXPECT_EQ(readBytes(path("bad(srt).dbs")), bad);
    EXPECT_EQ(readBytes(path("old(srt).dbs")), old);
}

TEST_F(Collections, ACollectionFileGoneSinceTheListingIsTold) {
    loadThreeParts();
    Message gone;
    withWindow([&](frmDbase& w) {
        createCollection(w);
        ASSERT_TRUE(QFile::remove(path("a(srt).dbs")));
        answer(AnswerOk, &gone);
        w.List1.setListIndex(-1);
        w.List1.setListIndex(0);
        EXPECT_EQ(w.List2.listCount(), 0);
        typeAndEnter(w.txtFile, "Nothing to rename");
    });
    EXPECT_TRUE(gone.text.contains("could not be read")) << gone.text.toStdString();
    EXPECT_FALSE(QFile::exists(path("a(srt).dbs"))) << "nothing is written in its place";
}

TEST_F(Collections, AnItemWhoseLinesAreMissingLeavesTheDocumentAlone) {
    // Item 2 points past the section; its lines stand after "</Subs>".
    QStringList lines =
        CollectionFile("4.00", "2", {"1,3:t1", "1,1:First1", "4,5:Second1"}, ThreeLines);
    lines << "0004|00:00:01,000|00:00:02,000|after the end||"
          << "0005|00:00:01,000|00:00:02,000|after the end||";
    ASSERT_TRUE(runtime::WriteTextFile(path("cut(srt).dbs"), lines));
    loadFile("a.srt");
    const QStringList before = DocumentLines(t.program());
    Message missing;
    withWindow([&](frmDbase& w) {
        EXPECT_EQ(w.lstBuff.size(), 3) << "reading stops at the section's end";
        pickEntry(w.List2, "Second");
        answer(AnswerOk, &missing);
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), before);
        pickEntry(w.List2, "First");
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), QStringList{"00:00:01,000|00:00:02,000|one||"});
    });
    EXPECT_EQ(missing.title, "Extract Item");
    EXPECT_TRUE(missing.text.contains("'Second' was not found whole"))
        << missing.text.toStdString();
    EXPECT_EQ(t->files.CurFileName, path("t_First.srt"));
}

// No to the overwrite question leaves the editor as it was before Extract:
// its document, its name and whether it was changed; Yes writes the item.
TEST_F(Collections, ExtractAsksBeforeItReplacesAFile) {
    ASSERT_TRUE(runtime::WriteTextFile(path("x(srt).dbs"),
                                       CollectionFile("4.00", "2", TwoItems, ThreeLines)));
    t.writeDataFile("t_Second.srt", "kept\r\n");
    loadFile("a.srt");
    const QStringList before = DocumentLines(t.program());
    withWindow([&](frmDbase& w) {
        pickEntry(w.List2, "Second");
        Message seen;
        answer(AnswerNo, &seen);
        click(w.Label6);
        EXPECT_EQ(seen.title, "File exists");
        EXPECT_EQ(readBytes(path("t_Second.srt")), QByteArray("kept\r\n"));
        EXPECT_EQ(DocumentLines(t.program()), before);
        EXPECT_EQ(t->files.CurFileName, path("a.srt"));
        EXPECT_FALSE(t->doc.FileChanged) << "the document is still its file";
        answer(AnswerYes);
        click(w.Label6);
        EXPECT_FALSE(t->doc.FileChanged);
        EXPECT_EQ(DocumentLines(t.program()).size(), 2);
    });
    EXPECT_EQ(t->files.CurFileName, path("t_Second.srt"));
    EXPECT_NE(readBytes(path("t_Second.srt")), QByteArray("kept\r\n"));
}

TEST_F(Collections, ACollectionThatCannotBeWrittenIsToldAndNotListed) {
    loadThreeParts();
    ASSERT_TRUE(QDir().mkpath(path("a(srt).dbs"))); // a folder holds the name
    Message seen;
    withWindow([&](frmDbase& w) {
        answer(AnswerOk, &seen);
        click(w.Label5);
        EXPECT_EQ(w.List1.listCount(), 0);
    });
    EXPECT_TRUE(seen.text.contains("was not written")) << seen.text.toStdString();
    EXPECT_TRUE(QFileInfo(path("a(srt).dbs")).isDir());
}

TEST_F(Collections, ARenameThatCannotBeWrittenIsToldAndTheListShowsTheFile) {
    loadThreeParts();
    Message notWritten, notRead;
    withWindow([&](frmDbase& w) {
        createCollection(w);
        // The file turns into a folder behind the window's back.
        ASSERT_TRUE(QFile::remove(path("a(srt).dbs")));
        ASSERT_TRUE(QDir().mkpath(path("a(srt).dbs")));
        answer(AnswerOk, &notWritten);
        answer(AnswerOk, &notRead);
        typeAndEnter(w.txtFile, "Never written");
        EXPECT_EQ(w.List2.listCount(), 0) << "the window shows what the disk holds";
        EXPECT_FALSE(w.Command14.enabled());
    });
    EXPECT_TRUE(notWritten.text.contains("was not written")) << notWritten.text.toStdString();
    EXPECT_TRUE(notRead.text.contains("could not be read")) << notRead.text.toStdString();
}

TEST_F(Collections, ExtractNamesStayInTheFilesFolder) {
    struct Case {
        const char* title;
        const char* item;
        int format;
        const char* name;
    } cases[] = {
        {"/home/me/films/movie.srt", "Part_2", Format::SubRip, "movie_Part_2.srt"},
        {"C:\\Films\\movie.sub", "Part_1", Format::SubRip, "movie_Part_1.srt"},
        {"../../etc/passwd", "../x", Format::SubRip, "passwd__x.srt"},
        {"..", "", Format::SubRip, "Collection_Item.srt"},
        {"Season 1. Episode 2", "a:b*c?", Format::SubRip, "Season 1. Episode 2_a_b_c_.srt"},
        {"my.movie.en.srt", "line\nbreak", Format::SubRip, "my.movie.en_line_break.srt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmDbase::ExtractName(c.title, c.item, c.format), c.name) << c.title;
}

TEST_F(Collections, CommandsTellNumbersThatAreNotInTheirLists) {
    loadThreeParts();
    withWindow([&](frmDbase& w) { createCollection(w); });
    CommandRegistry& c = t->commands;
    for (const char* name :
         {"Menu.Collection.Manage", "Collection.Select", "Collection.Item.Select",
          "Collection.Format", "Collection.Title.Change", "Collection.Item.Change",
          "Collection.Create", "Collection.Delete", "Collection.Item.Delete",
          "Collection.Item.Remove", "Collection.Restore", "Collection.Extract", "Collection.Close"})
        EXPECT_NE(c.find(name), nullptr) << name;
    Message seen;
    for (const char* data : {"3", "-1", "1.5", "x", ""}) {
        answer(AnswerOk, &seen);
        c.run("Collection.Item.Select", data);
        EXPECT_TRUE(seen.text.startsWith("There is no item number")) << data;
    }
    c.run("Collection.Select", "0");
    c.run("Collection.Item.Select", "2");
    c.run("Collection.Item.Change", "By\r\nmacro"); // one line of the file
    EXPECT_EQ(FileLines(path("a(srt).dbs")).value(9), "6,9:By macro1");
}
