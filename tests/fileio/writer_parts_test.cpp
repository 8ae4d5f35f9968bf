// The subtitle writer's runs: partition writes (parts following one another,
// re-based times, part file names, the written-file list, the current file),
// previews in the scratch folder, the overwrite and negative-time questions,
// and failures: numbers that do not fit their fields and targets that cannot
// be written, reported without touching the old file.

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmControl.h"
#include "support/FileBytes.h"
#include "support/GridSetup.h"
#include "support/ListItems.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <vector>

namespace {

using Box = frmMessageBox;

// The Partition List: one (name, length) per part, then the spare row.
void setParts(TestProgram& t, const std::vector<std::pair<QString, QString>>& parts) {
    platform::Grid& g = t.main().partition.grid;
    g.setRows(static_cast<int>(parts.size()) + 2);
    int r = 1;
    for (const auto& [name, length] : parts) {
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, name);
        g.setTextMatrix(r, 2, length);
        ++r;
    }
}

// The current file lives in Data/Files, so part files go there.
void openCurrentFile(TestProgram& t) {
    QDir().mkpath(t.folder() + "/Data/Files");
    t->files.CurFileName = t.dataFilesPath("current.srt");
}

bool partitionWrite(TestProgram& t, int format, bool preview = false) {
    return t->files.CreateSubFile(preview, true, format, 1, t->doc.lineCount(), false);
}

TEST(WriterParts, PartsFollowOneAnotherWithReBasedTimes) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), {{"00:00:05,000", "00:00:06,000", "a"},
                           {"00:09:59,000", "00:10:01,000", "b"},
                           {"00:10:30,000", "00:10:31,000", "c"},
                           {"00:15:00,000", "00:15:01,000", "d"}});
    setParts(t, {{"movie.part1.txt", "00:10:00,000"}, {"second", "00:05:00,000"}});
    t.main().partition.List2.addItem("from an earlier run");

    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("movie.srt")),
              crlf({"1", "00:00:05,000 --> 00:00:06,000", "a", "", "2",
                    "00:09:59,000 --> 00:10:01,000", "b", ""}));
    EXPECT_EQ(readBytes(t.dataFilesPath("second.srt")),
              crlf({"1", "00:00:30,000 --> 00:00:31,000", "c", ""}));
    EXPECT_EQ(itemsOf(t.main().partition.List2), QStringList({"movie.srt", "second.srt"}));
    EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("current.srt")) << "the document stays whole";
    EXPECT_EQ(t.main().partition.grid.row(), 2);
    EXPECT_EQ(t.main().partition.grid.col(), 2);
}

// A part starting at 00:00:10,000 and an italic row at 00:00:11,000: the first
// part gets no row but still its file.
TEST(WriterParts, ALaterPartWritesItsRowsFromItsOwnStart) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), {{"00:00:11,000", "00:00:12,500", "Hello"}});
    t->doc.grid().setTextMatrix(1, 4, "world");
    t->doc.lstFont[1] = "Arial;Western;Italic;16";
    setParts(t, {{"first", "00:00:10,000"}, {"second", "00:01:00,000"}});
    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("first.srt")), QByteArray());
    EXPECT_EQ(readBytes(t.dataFilesPath("second.srt")),
              crlf({"1", "00:00:01,000 --> 00:00:02,500", "<i>Hello</i>", "<i>world</i>", ""}));
    t->shell.FrameRateText = "25.000";
    EXPECT_TRUE(partitionWrite(t, 3));
    EXPECT_EQ(readBytes(t.dataFilesPath("second.sub")), crlf({"{25}{62}Hello|world"}));
}

TEST(WriterParts, PreviewsGoToTheScratchFolderWithoutQuestions) {
    TestProgram t;
    openCurrentFile(t);
    QDir(t.folder() + "/Data/Temporarily").removeRecursively();
    setLines(t.program(),
             {{"00:00:01,000", "00:00:02,000", "a"}, {"00:01:01,000", "00:01:02,000", "b"}});
    setParts(t, {{"one", "00:01:00,000"}, {"two", "00:01:00,000"}});
    t.main().partition.List2.addItem("stale");
    for (int run = 0; run < 2; ++run) { // the second run replaces the previews unasked
        EXPECT_TRUE(partitionWrite(t, 13, true));
        const QString scratch = t->folder.path(runtime::Place::ScratchFolder) + "/Splitprv.";
        EXPECT_EQ(readBytes(scratch + "001"), crlf({"00:00:01,0=a", "00:00:02,0="}));
        EXPECT_EQ(readBytes(scratch + "002"), crlf({"00:00:01,0=b", "00:00:02,0="}));
    }
    EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("current.srt"));
    EXPECT_EQ(t.main().partition.List2.listCount(), 0);
    EXPECT_FALSE(QFile::exists(t.dataFilesPath("one.txt")));

    // The Preview command's single preview.
    EXPECT_TRUE(t->files.CreateSubFile(true, false, 15, 1, t->doc.lineCount(), false));
    EXPECT_EQ(readBytes(t->folder.path(runtime::Place::ScratchFolder) + "/Splitprv.001"),
              crlf({"{* VIPLAY SUBTITLE FILE *}", "00:00:01,000-00:00:02,000=a",
                    "00:01:01,000-00:01:02,000=b"}));
}

TEST(WriterParts, AnEmptyPartitionListWritesNothing) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "a"}});
    setParts(t, {});
    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_TRUE(QDir(t.folder() + "/Data/Files").entryList(QDir::Files).isEmpty());
    EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("current.srt"));
}

// Rows out of time order: the third row starts before its part.
std::vector<Line> outOfOrder() {
    return {{"00:00:10,000", "00:00:11,000", "a"},
            {"00:01:10,000", "00:01:11,000", "b"},
            {"00:00:20,000", "00:00:21,000", "c"},
            {"00:02:30,000", "00:02:31,000", "d"}};
}

TEST(WriterParts, NoToANegativeTimeDropsTheRowAndEndsThePart) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), outOfOrder());
    setParts(t, {{"one", "00:01:00,000"}, {"two", "00:01:00,000"}, {"three", "00:01:00,000"}});
    Message asked;
    t.reply(Box::No, &asked);
    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_EQ(asked.text, "Error creating " + t.dataFilesPath("two.srt") +
                              ". Negative time calculated during Partitioning.\r\n"
                              "Please do not partition in subtitle display time. Continue?");
    EXPECT_EQ(asked.title, "Error");
    EXPECT_EQ(readBytes(t.dataFilesPath("two.srt")),
              crlf({"1", "00:00:10,000 --> 00:00:11,000", "b", ""}));
    EXPECT_EQ(readBytes(t.dataFilesPath("three.srt")),
              crlf({"1", "00:00:30,000 --> 00:00:31,000", "d", ""}));
}

TEST(WriterParts, YesToANegativeTimeWritesTheRowAsItFalls) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), outOfOrder());
    setParts(t, {{"one", "00:01:00,000"}, {"two", "00:01:00,000"}, {"three", "00:01:00,000"}});
    Message asked;
    t.reply(Box::Yes, &asked);
    EXPECT_TRUE(partitionWrite(t, 9, true));
    EXPECT_TRUE(asked.text.startsWith("Error calculating Preview file. Negative time"));
    const QString scratch = t->folder.path(runtime::Place::ScratchFolder) + "/Splitprv.";
    EXPECT_EQ(readBytes(scratch + "002"), crlf({"1", "00:00:10,000 --> 00:00:11,000", "b", "", "2",
                                                "-00:00:40,000 --> -00:00:39,000", "c", ""}));
    EXPECT_EQ(readBytes(scratch + "003"), crlf({"1", "00:00:30,000 --> 00:00:31,000", "d", ""}));
}

TEST(WriterParts, ARefusedOverwriteEndsTheRunAndKeepsTheFile) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "a"},
                           {"00:01:01,000", "00:01:02,000", "b"},
                           {"00:02:01,000", "00:02:02,000", "c"}});
    setParts(t, {{"one", "00:01:00,000"}, {"two", "00:01:00,000"}, {"three", "00:01:00,000"}});
    t.writeDataFile("two.srt", "old");
    Message asked;
    t.reply(Box::No, &asked);
    EXPECT_FALSE(partitionWrite(t, 9));
    EXPECT_EQ(asked.text, "File " + t.dataFilesPath("two.srt") +
                              " already exists. \r\n\r\nDo you want to overwrite this file?");
    EXPECT_EQ(asked.title, "File exists");
    EXPECT_EQ(readBytes(t.dataFilesPath("one.srt")),
              crlf({"1", "00:00:01,000 --> 00:00:02,000", "a", ""}));
    EXPECT_EQ(readBytes(t.dataFilesPath("two.srt")), "old");
    EXPECT_FALSE(QFile::exists(t.dataFilesPath("three.srt")));
    EXPECT_EQ(itemsOf(t.main().partition.List2), QStringList({"one.srt"}));
    EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("current.srt"));

    // Yes overwrites.
    t.reply(Box::Yes); // one.srt, written by the run above
    t.reply(Box::Yes); // two.srt
    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("two.srt")),
              crlf({"1", "00:00:01,000 --> 00:00:02,000", "b", ""}));
}

TEST(WriterParts, APartThatAnEarlierPartWritesIsAskedAbout) {
    TestProgram t;
    openCurrentFile(t);
    setLines(t.program(),
             {{"00:00:01,000", "00:00:02,000", "a"}, {"00:01:01,000", "00:01:02,000", "b"}});
    setParts(t, {{"same.a", "00:01:00,000"}, {"same.b", "00:01:00,000"}});
    t.reply(Box::Yes);
    EXPECT_TRUE(partitionWrite(t, 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("same.srt")),
              crlf({"1", "00:00:01,000 --> 00:00:02,000", "b", ""}));
    EXPECT_EQ(itemsOf(t.main().partition.List2), QStringList({"same.srt", "same.srt"}));
}

TEST(WriterParts, SaveToTheChooserAsksBeforeReplacingAFile) {
    TestProgram t;
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "a"}});
    const QString target = t.writeDataFile("movie.srt", "old");
    t->fileChooser().lblFullName.setCaption(t.dataFilesPath("movie.txt"));
    t->files.CurFileName = "unchanged";
    t.reply(Box::No);
    EXPECT_FALSE(t->files.CreateSubFile(false, false, 9, 1, 1, false));
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_EQ(t->files.CurFileName, "unchanged");
    EXPECT_EQ(t->host.screen.mousePointer(), 0);

    t.reply(Box::Yes);
    EXPECT_TRUE(t->files.CreateSubFile(false, false, 9, 1, 1, false));
    EXPECT_EQ(readBytes(target), crlf({"1", "00:00:01,000 --> 00:00:02,000", "a", ""}));
    EXPECT_EQ(t->files.FileExist(t.dataFilesPath("absent.srt")), 3) << "nothing asked";
}

// Reports "Error writing file (...)." and checks that the old file stayed.
void expectReportedFailure(TestProgram& t, const QString& target, bool preview, int format,
                           const char* cause) {
    Message asked;
    t.reply(Box::Ok, &asked);
    t->files.CurFileName = "unchanged";
    EXPECT_FALSE(t->files.CreateSubFile(preview, preview, format, 1, t->doc.lineCount(), false));
    EXPECT_EQ(asked.text, QString("Error writing file (%1).").arg(cause));
    EXPECT_EQ(asked.title, "Error");
    if (!target.isEmpty()) {
        EXPECT_EQ(readBytes(target), "old");
    }
    EXPECT_EQ(t->files.CurFileName, "unchanged");
    EXPECT_EQ(t->host.screen.mousePointer(), 0);
}

TEST(WriterParts, NumbersThatDoNotFitTheirFieldsStopTheRunBeforeWriting) {
    TestProgram t;
    const QString target = t.writeDataFile("big.sub", "old");
    t->fileChooser().lblFullName.setCaption(t.dataFilesPath("big"));

    std::vector<Line> many(10000, {"00:00:01,000", "00:00:02,000", "x"});
    setLines(t.program(), many);
    t.reply(Box::Yes); // overwrite big.sub
    expectReportedFailure(t, target, false, 8,
                          "line 10000 does not fit the four-digit counter of Sonic DVD");

    t->shell.FrameRateText = "30.000";
    setLines(t.program(),
             {{"00:00:01,000", "00:00:02,000", "x"}, {"99:00:00,000", "99:00:01,000", "late"}});
    t.writeDataFile("big.pjs", "old");
    t.reply(Box::Yes);
    expectReportedFailure(t, t.dataFilesPath("big.pjs"), false, 4,
                          "frame 10692000 of line 2 does not fit the 7-digit frame field of "
                          "Phoenix Japanimation");

    QDir(t.folder() + "/Data/Temporarily").removeRecursively();
    std::vector<std::pair<QString, QString>> parts(1000, {"p", "00:00:01,000"});
    setParts(t, parts);
    expectReportedFailure(t, QString(), true, 9,
                          "1000 parts do not fit the three-digit preview file names");
    EXPECT_FALSE(QFile::exists(t->folder.path(runtime::Place::ScratchFolder) + "/Splitprv.001"));
}

TEST(WriterParts, ATargetThatCannotBeWrittenIsReported) {
    TestProgram t;
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "a"}});
    const QString target = t.folder() + "/No such folder/movie.srt";
    t->fileChooser().lblFullName.setCaption(target);
    Message asked;
    t.reply(Box::Ok, &asked);
    EXPECT_FALSE(t->files.CreateSubFile(false, false, 9, 1, 1, false));
    EXPECT_TRUE(asked.text.startsWith("Error writing file (Cannot write " + target + ": "))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.endsWith(")."));
    EXPECT_FALSE(QFile::exists(target));
}

TEST(WriterParts, ShowsProgressWhileWritingAndHidesItAfter) {
    TestProgram t;
    setLines(t.program(),
             {{"00:00:01,000", "00:00:02,000", "a"}, {"-1:59:59,000", "00:00:00,500", "b"}});
    QDir().mkpath(t.folder() + "/Data/Files");
    t->fileChooser().lblFullName.setCaption(t.dataFilesPath("p.vsf"));
    double shownValue = -1;
    bool shown = false;
    int pointer = -1;
    t.answer<Box>([&](Box& m) {
        shown = t->control().visible();
        shownValue = t->control().ProgressBar1.value();
        pointer = t->host.screen.mousePointer();
        m.cmdActionClick(Box::Yes);
    });
    EXPECT_TRUE(t->files.CreateSubFile(false, false, 15, 1, 2, true));
    EXPECT_TRUE(shown);
    EXPECT_EQ(shownValue, 100); // the second of two rows
    EXPECT_EQ(pointer, 11);
    EXPECT_FALSE(t->control().visible());
    EXPECT_EQ(t->control().ProgressBar1.value(), 0);
    EXPECT_EQ(t->host.screen.mousePointer(), 0);
    EXPECT_EQ(readBytes(t.dataFilesPath("p.vsf")),
              crlf({"{* VIPLAY SUBTITLE FILE *}", "00:00:01,000-00:00:02,000=a",
                    "-1:59:59,000-00:00:00,500=b"}));
}

} // namespace
