// Loading files through LoadSubFile as the program's commands do: load and
// add, the reading limit, files that are refused without changing anything,
// the unsaved-document question, the progress log and the state a load
// leaves behind.

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmControl.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

namespace {

class Load : public ::testing::Test {
protected:
    platform::Grid& grid() { return t->doc.grid(); }
    int lines() { return t->doc.lineCount(); }
    NodeTable& nodes() { return t->doc.FileNodes; }
    QString cell(int r, int c) { return grid().textMatrix(r, c); }

    // Loads (startRow 1) or adds (the spare row) a file; returns the format read.
    int load(const QString& path, int format = 0, bool add = false, bool interactive = false,
             bool progress = false) {
        const Loaded loaded = loadSubFile(t.program(), path, format, add, interactive, progress);
        lastStartRow = loaded.nextRow;
        return loaded.format;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        return t.writeDataFile(name, bytes);
    }
    // Everything a refused load must leave alone.
    QStringList state() {
        QStringList s = {t->files.CurFileName, QString::number(lines()),
                         cell(1, 3),           QString::number(nodes().Count()),
                         nodes().Name(1),      t->doc.FileChanged ? "changed" : "saved"};
        return s + t->doc.lstFont;
    }

    TestProgram t;
    int lastStartRow = 0;
};

TEST_F(Load, LoadThenAddAppendsShiftedRowsAsNewParts) {
    const QString first = file("first.srt", SubRip(3));
    EXPECT_EQ(load(first), Format::SubRip);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 3);
    EXPECT_EQ(lastStartRow, 4);
    EXPECT_EQ(t->files.CurFileName, first);
    EXPECT_FALSE(t->doc.FileChanged);
    EXPECT_EQ(nodes().Count(), 1);
    EXPECT_EQ(nodes().Name(1), "first") << "no node file: one part named after the file";

    load(file("second.srt", SubRip(2)), Format::SubRip, true);
    EXPECT_EQ(lines(), 5);
    EXPECT_EQ(cell(4, 0), " { 4") << "the added part is marked";
    EXPECT_EQ(cell(4, 1), "00:00:02,500") << "shifted by the old last end time";
    EXPECT_EQ(cell(5, 2), "00:00:04,000");
    EXPECT_EQ(cell(3, 3), " Line 3") << "the old rows stay";
    EXPECT_EQ(t->files.CurFileName, first) << "an add keeps the current file";
    EXPECT_TRUE(t->doc.FileChanged) << "the document now differs from its files";
    EXPECT_EQ(t->doc.lstFont.size(), 6);

    load(file("third.srt", SubRip(1)), Format::SubRip, true);
    ASSERT_EQ(nodes().Count(), 3);
    EXPECT_EQ(nodes().Name(1), "Part_1");
    EXPECT_EQ(nodes().Name(2), "Part_2");
    EXPECT_EQ(nodes().Name(3), "Part_3");
    EXPECT_EQ(nodes().FirstRow(2), 4);
    EXPECT_EQ(nodes().LastRow(2), 5);
    EXPECT_EQ(nodes().FirstRow(3), 6);
    EXPECT_EQ(nodes().LastRow(0), 6);
}

TEST_F(Load, AnAddToADocumentWithoutPartsMakesItsRowsPartOne) {
    load(file("a.srt", SubRip(2)));
    nodes().clear();
    load(file("b.srt", SubRip(2)), Format::SubRip, true);
    ASSERT_EQ(nodes().Count(), 2);
    EXPECT_EQ(nodes().FirstRow(1), 1);
    EXPECT_EQ(nodes().LastRow(1), 2);
    EXPECT_EQ(nodes().FirstRow(2), 3);
    EXPECT_EQ(nodes().LastRow(2), 4);
}

TEST_F(Load, CompletionBringsTheEditorInLine) {
    t.main().scriptPlayer.ScriptPlayerPlayStop(0); // the script player's clock runs
    load(file("done.srt", SubRip(3)));
    EditorTab& ed = t.main().editor;
    EXPECT_EQ(ed.Text1[0].text(), "1");
    EXPECT_EQ(ed.Text1[1].text(), "3");
    EXPECT_EQ(ed.Text1[3].text(), "3");
    EXPECT_EQ(ed.rtfStretchFirst.text(), "00:00:00,000");
    EXPECT_EQ(ed.rtfStretchLast.text(), "00:00:02,000");
    EXPECT_EQ(grid().row(), 1);
    EXPECT_EQ(grid().col(), 3);
    EXPECT_EQ(t.main().player.Combo1.listCount(), 3);
    EXPECT_EQ(t.main().player.Combo1.list(1), "00:00:01,000;  Line 2  ");
    EXPECT_TRUE(t->doc.LineListValid);
    EXPECT_FALSE(t->doc.EditorBlocked);
    EXPECT_TRUE(ed.grdSubEdit.enabled());
    EXPECT_TRUE(ed.SSTab2.enabled());
    EXPECT_TRUE(t.main().online.Combo8[1].enabled());
    EXPECT_TRUE(t.main().player.Command49[1].enabled());
    EXPECT_EQ(t->files.CurFileIndex, Format::SubRip);
    EXPECT_EQ(t.main().partition.combo3.listIndex(), Format::SubRip - 1);
    EXPECT_FALSE(t.main().player.timPlayer.enabled()) << "the load stops the script player";
    // SubRip carries styles but not font names.
    EXPECT_TRUE(ed.font.Combo9[1].enabled());
    EXPECT_FALSE(ed.font.Combo9[0].enabled());
    EXPECT_EQ(ed.font.Label48[0].caption(), "Not Supported");
    EXPECT_EQ(ed.font.Label48[1].caption(), "Supported");
    // The recent-file list holds each file once; the tree only where its group is.
    t.main().TV1.add(QString(), "recent", "Recent");
    load(file("done.srt", SubRip(1)));
    load(file("other.srt", SubRip(1)));
    EXPECT_EQ(t.main().Combo13.listCount(), 2);
    EXPECT_EQ(t.main().TV1.childKeys("recent"),
              QStringList{"lf_" + t.folder() + "/Data/Files/other.srt"});
}

TEST_F(Load, TheReadingLimitIsCheckedBeforeAnythingIsCleared) {
    load(file("kept.srt", SubRip(2)));
    const QStringList before = state();
    Message seen;
    t.reply(frmMessageBox::Cancel, &seen);
    load(file("big.srt", SubRip(9999)), 0, false, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(seen.title, "Reading limit");
    EXPECT_TRUE(seen.text.contains("reached limit of 9998 lines. File contains 9999 lines."))
        << seen.text.toStdString();
    EXPECT_EQ(state(), before);

    load(file("max.srt", SubRip(9998)));
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
    EXPECT_EQ(cell(9998, 3), " Line 9998");

    // The rows already in the document count on an add; quietly refused.
    load(file("more.srt", SubRip(1)), Format::SubRip, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
}

TEST_F(Load, RowsBeyondTheLimitAreRefusedWhileTheyAreWritten) {
    // Entries without time lines escape the count pass, which counts times.
    QByteArray bytes = "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n";
    for (int i = 2; i <= 10005; ++i)
        bytes += QByteArray::number(i) + "\r\n\r\n";
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    load(file("numbers.srt", bytes), Format::SubRip, false, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 9998);
    EXPECT_EQ(seen.title, "Reading limit");
    EXPECT_EQ(nodes().Count(), 1) << "a failed load keeps what it read as one part";
    EXPECT_EQ(nodes().LastRow(1), 9998);
    EXPECT_EQ(nodes().LastRow(0), 9998);
}

TEST_F(Load, UnreadableFilesChangeNothingAndSayWhy) {
    load(file("kept.srt", SubRip(2)));
    t->doc.FileChanged = true;
    const QStringList before = state();
    struct Refused {
        QString path;
        int format;
        const char* says;
    };
    const Refused cases[] = {
        {t.dataFilesPath("absent.srt"), 0, "absent.srt"},
        {file("prose.txt", "Just some\r\nprose.\r\n"), 0, "prose.txt' was not recognised"},
        {file("asked.srt", SubRip(1)), 99, "format 99 files cannot be read"},
    };
    for (const Refused& r : cases) {
        Message seen;
        t.reply(frmMessageBox::Ok, &seen);
        load(r.path, r.format, false, true);
        EXPECT_FALSE(t->loader.LoadOk) << r.says;
        EXPECT_TRUE(seen.text.contains(r.says)) << seen.text.toStdString();
        EXPECT_EQ(state(), before) << r.says;
        load(r.path, r.format); // not interactive: no message at all
        EXPECT_EQ(state(), before) << r.says;
    }
}

TEST_F(Load, DetectOnlyAndTheWrongFormatWarning) {
    load(file("kept.srt", SubRip(2)));
    const QStringList before = state();
    QString name = file("movie.sub", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
    int format = Format::MicroDvd, row = 1;
    t->loader.LoadSubFile(name, format, row, true, false, true);
    EXPECT_EQ(format, Format::SubRip);
    EXPECT_EQ(state(), before) << "detecting reads nothing into the document";

    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    EXPECT_EQ(load(name, Format::MicroDvd), Format::SubRip);
    EXPECT_EQ(seen.title, "Wrong format.");
    EXPECT_EQ(seen.text, "Loading 'SubRip' instead of 'MicroDVD' format.");
    EXPECT_EQ(cell(1, 3), " Hi");
}

TEST_F(Load, AChangedDocumentIsOfferedForSavingBeforeALoadReplacesIt) {
    load(file("mine.srt", SubRip(2)));
    const QString next = file("upcoming.srt", SubRip(5));
    t->doc.FileChanged = true;
    const QStringList before = state();

    Message seen;
    t.reply(frmMessageBox::Cancel, &seen);
    load(next);
    EXPECT_EQ(seen.title, "Warning: File not saved");
    EXPECT_TRUE(seen.text.contains("upcoming.srt")) << seen.text.toStdString();
    EXPECT_EQ(state(), before);

    t.reply(frmMessageBox::Yes); // the save is cancelled in the chooser: the load stops
    t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    load(next);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(state(), before);

    load(next, Format::SubRip, true); // adding never asks
    EXPECT_EQ(lines(), 7);

    t.reply(frmMessageBox::No);
    load(next);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(lines(), 5);
    EXPECT_FALSE(t->doc.FileChanged);
}

TEST_F(Load, TheProgressLogTellsTheLoadAndOnlyWhenAsked) {
    frmControl& control = t->control();
    control.Text1.setText("before");
    load(file("quiet.srt", SubRip(2)));
    EXPECT_EQ(control.Text1.text(), "before") << "no progress asked: the log is untouched";

    load(file("shown.srt", SubRip(2)), 0, false, false, true);
    const QString log = control.Text1.text();
    for (const char* expected :
         {"Script analiser started ... ", "File opened: ", "Started reading:", "/shown.srt",
          "Format:SubRip", "Lines counted: 2", "Please wait. Analising and configuring read data",
          "Reading finished.", "File closed."})
        EXPECT_TRUE(log.contains(expected)) << expected << " in " << log.toStdString();
    EXPECT_FALSE(log.contains("before"));
    EXPECT_TRUE(control.visible());
    EXPECT_FALSE(control.ProgressBar1.visible());
    EXPECT_EQ(control.lblEnd.caption(), "Succesfull reading");

    control.chkClose.setValue(platform::CheckBox::Checked);
    load(file("closed.srt", SubRip(1)), 0, false, false, true);
    EXPECT_FALSE(control.visible()) << "closes itself when the box is ticked";

    // Started with a file on the command line, the window stays out of sight.
    control.chkClose.setValue(platform::CheckBox::Unchecked);
    t->shell.CommandLine = "x.srt";
    load(file("cmd.srt", SubRip(1)), 0, false, false, true);
    EXPECT_FALSE(control.visible());
}

TEST_F(Load, NoSecondLoadWhileOneFillsTheGrid) {
    const QString inner = file("inner.srt", SubRip(1));
    bool innerOk = true;
    // A question during the first load gives the user a chance to start another.
    t.answer<frmMessageBox>([&](frmMessageBox& m) {
        EXPECT_TRUE(t->loader.Loading());
        EXPECT_TRUE(t->doc.EditorBlocked);
        QString name = inner;
        int format = 0, row = 1;
        t->loader.LoadSubFile(name, format, row, false, false, false);
        innerOk = t->loader.LoadOk;
        m.cmdActionClick(frmMessageBox::Yes);
    });
    load(file("outer.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\nb\r\nc\r\nd\r\n"), 0, false,
         true);
    EXPECT_FALSE(innerOk);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_FALSE(t->loader.Loading());
    EXPECT_EQ(lines(), 1);
    EXPECT_EQ(t->files.CurFileTitle, "outer.srt");
}

} // namespace
