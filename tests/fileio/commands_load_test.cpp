// Load, Add and the drop through the file chooser as a user answers it: the
// chooser's presets, the repair-free diagnose after a read, media and setting
// files, Cancel, and the file menu's enabled items.

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

namespace {

struct Commands : ::testing::Test {
    TestProgram t;
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }
    QString file(const QString& name, const QByteArray& bytes) {
        return t.writeDataFile(name, bytes);
    }
    platform::Grid& grid() { return t->doc.grid(); }
    int lines() { return t->doc.lineCount(); }

    // Answers the chooser as a user: a type (-1 leaves it), the folder pane
    // opened on a folder, a file picked in the list, then Ok.
    void pick(const QString& name, int type = -1, std::function<void(frmFile&)> check = {}) {
        pickInChooser(t, files() + "/" + name, type, check);
    }
    void cancelChooser() {
        t.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    }
    void load(const QString& name, int type = -1) {
        pick(name, type);
        t->fileCommands.MenuLoadFile();
    }
};

TEST_F(Commands, LoadReadsTheChosenFileAndChecksItWithoutRepairs) {
    file("first.srt", SubRip(3));
    auto& repair = t.main().diagnose.Check3;
    repair[8].setValue(platform::CheckBox::Checked);
    const int runsBefore = t->diag.runs();
    std::vector<std::pair<int, int>> seen; // (value, diagnose runs) at each change of box 8
    repair[8].onClick = [&] { seen.emplace_back(repair[8].value(), t->diag.runs()); };

    pick("first.srt", 9, [&](frmFile& f) {
        EXPECT_EQ(f.lblInfo.caption(), "Load a file.");
        EXPECT_FALSE(f.Check1.enabled());
        EXPECT_TRUE(f.Label6.enabled());
    });
    t->fileCommands.MenuLoadFile();
    EXPECT_EQ(lines(), 3);
    EXPECT_EQ(grid().textMatrix(2, 3), " Line 2");
    EXPECT_EQ(t->files.CurFileName, files() + "/first.srt");
    EXPECT_EQ(t->files.CurFileIndex, 9);
    EXPECT_EQ(t->macro.MacroAction.code, 102);
    EXPECT_EQ(t->diag.runs(), runsBefore + 1);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, runsBefore}, {1, runsBefore + 1}}))
        << "the repair box is off for the diagnose run and back on after it";
    EXPECT_EQ(repair[7].value(), 0);
    EXPECT_EQ(repair[9].value(), 0);
    for (platform::Menu* item :
         {&t.main().mnuAddFile, &t.main().mnuSavesubfile, &t.main().mnuPrint, &t.main().mnuPreview})
        EXPECT_TRUE(item->enabled()) << item->name().toStdString();
}

TEST_F(Commands, TheTypeAllSupportedDetectsTheFormat) {
    file("detect.srt", SubRip(2));
    load("detect.srt", frmFile::TypeSupported);
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(t->files.CurFileIndex, 9);
}

TEST_F(Commands, CancelChangesNothingAndReportsNothing) {
    file("first.srt", SubRip(3));
    load("first.srt");
    t->macro.SetMacroAction(QString(), 0);
    t->macro.MacroRunning = true;
    const int runs = t->diag.runs();
    cancelChooser();
    t->fileCommands.MenuLoadFile();
    cancelChooser();
    t->fileCommands.MenuAddFile();
    EXPECT_EQ(lines(), 3);
    EXPECT_EQ(t->macro.MacroAction.code, 0);
    EXPECT_EQ(t->diag.runs(), runs);
    EXPECT_FALSE(t->macro.MacroRunning) << "Cancel in the chooser stops a macro";
}

TEST_F(Commands, AddAppendsAfterTheLastLine) {
    file("ten.srt", SubRip(10, "Old"));
    file("two.srt", SubRip(2, "New"));
    load("ten.srt");
    auto& repair = t.main().diagnose.Check3;
    repair[7].setValue(platform::CheckBox::Checked);
    pick("two.srt", -1, [&](frmFile& f) {
        EXPECT_EQ(f.lblInfo.caption(), "Add subtitle file");
        EXPECT_EQ(f.List3.listIndex(), 9) << "the current file's format";
        EXPECT_EQ(f.List2.path(), files());
        EXPECT_EQ(f.txtFilename.text(), "ten.srt");
        EXPECT_TRUE(f.txtFilename.locked());
    });
    t->fileCommands.MenuAddFile();
    EXPECT_EQ(lines(), 12);
    EXPECT_EQ(grid().textMatrix(11, 3), " New 1");
    EXPECT_EQ(grid().textMatrix(10, 3), " Old 10");
    EXPECT_EQ(t->files.CurFileName, files() + "/ten.srt");
    EXPECT_EQ(t->macro.MacroAction.code, 103);
    EXPECT_EQ(repair[7].value(), 1) << "the repair options are back as they were";
}

TEST_F(Commands, AnMp3OnlyGoesToThePlayer) {
    file("first.srt", SubRip(3));
    const QString song = file("song.MP3", "ID3");
    load("first.srt");
    const int runs = t->diag.runs();
    load("song.MP3", frmFile::TypeAudio);
    EXPECT_EQ(t->players.mediaFileName(), song);
    EXPECT_EQ(lines(), 3) << "the document stays";
    EXPECT_EQ(t->files.CurFileName, files() + "/first.srt");
    EXPECT_EQ(t->diag.runs(), runs) << "nothing was read, so nothing is checked";
}

TEST_F(Commands, OnlyTheScdExtensionMakesASettingFile) {
    file("clip.SCD", "Mirel Setting file\r\n{clipboard}\r\nA>00:00:01,000\r\n");
    t->macro.SetMacroAction(QString(), 0);
    load("clip.SCD");
    EXPECT_EQ(t.main().clipboard.List1.listCount(), 1);
    EXPECT_EQ(t->macro.MacroAction.code, 0) << "reading a setting file reports no action";
    EXPECT_EQ(lines(), 0);

    file("notscd", SubRip(2)); // a name ending in "scd" without the dot is a subtitle file
    t.answer<frmFile>([&](frmFile& f) {
        f.List2.setPath(files());
        f.txtFilename.setText("notscd"); // no type lists it: the name is given
        f.cmdActionClick(frmFile::Ok);
    });
    t->fileCommands.MenuLoadFile();
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(t->macro.MacroAction.code, 102);
}

TEST_F(Commands, DroppingAnythingOpensTheChooser) {
    file("dropped.srt", SubRip(2));
    file("chosen.srt", SubRip(4));
    t.main().show();
    pick("chosen.srt");
    QMimeData data;
    data.setText(files() + "/dropped.srt");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(t.main().window(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(t.main().window(), &drop);
    EXPECT_EQ(lines(), 4) << "the chooser's file, not the dropped one";
    EXPECT_EQ(t->files.CurFileName, files() + "/chosen.srt");
}

// Every way of opening a file takes Open's steps: after it the file is
// checked with the repairs off, so the Diagnose report is the new file's.
TEST(OpenSteps, EveryWayOfOpeningAFileChecksItAsOpenDoes) {
    enum Entry { Open, Drop, Recent, CommandLine, Macro };
    const struct {
        Entry entry;
        const char* name;
    } cases[] = {{Open, "File > Open"},
                 {Drop, "a drop"},
                 {Recent, "the Recent node"},
                 {CommandLine, "the command line"},
                 {Macro, "a macro"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram t;
        const QString nine = t.writeDataFile("nine.srt", SubRip(9));
        const QString twelve = t.writeDataFile("twelve.srt", SubRip(12));
        const auto report = [&t] { return t.main().diagnose.tvDiag.nodeText("sum_node 1"); };
        if (c.entry == CommandLine) t->shell.CommandLine = nine;
        t.main().load();
        auto& repair = t.main().diagnose.Check3;
        if (c.entry != CommandLine) { // nine, then twelve: both are recent files
            for (const QString& path : {nine, twelve}) {
                pickInChooser(t, path);
                t.main().mnuLoadFile.click();
            }
            ASSERT_EQ(report(), "Node[1] = 1 to 12");
            repair[8].setValue(platform::CheckBox::Checked);
        }
        const int before = t->diag.runs();
        switch (c.entry) {
        case Open:
            pickInChooser(t, nine);
            t.main().mnuLoadFile.click();
            break;
        case Drop: {
            t.main().show();
            pickInChooser(t, nine);
            QMimeData data;
            data.setText(nine);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(t.main().window(), &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(t.main().window(), &drop);
            t.main().hide();
            break;
        }
        case Recent:
            ASSERT_TRUE(t.main().TV1.exists("lf_" + nine));
            t.main().TV1.onNodeClick("lf_" + nine);
            break;
        case CommandLine:
            break;
        case Macro:
            ASSERT_TRUE(t->commands.run("File.Handling.Load", nine));
            break;
        }
        EXPECT_EQ(t->doc.lineCount(), 9);
        EXPECT_EQ(t->files.CurFileName, nine);
        EXPECT_EQ(report(), "Node[1] = 1 to 9");
        if (c.entry == CommandLine) { // the start itself ran the load, without the chooser
            EXPECT_FALSE(t->hasFileChooser());
            EXPECT_EQ(t->fileChooser().lblFullName.caption(), nine);
            continue;
        }
        EXPECT_EQ(t->diag.runs(), before + 1);
        EXPECT_EQ(repair[8].value(), 1) << "the repair option is back as it was";
    }
}

TEST_F(Commands, TheMenuEnablesAddSavePrintAndPreviewOnlyWithAFile) {
    frmMain& m = t.main();
    EXPECT_TRUE(m.mnuNewFile.enabled());
    EXPECT_TRUE(m.mnuLoadFile.enabled());
    EXPECT_TRUE(m.mnuSaveSettings.enabled());
    for (platform::Menu* item : {&m.mnuAddFile, &m.mnuSavesubfile, &m.mnuPrint, &m.mnuPreview})
        EXPECT_FALSE(item->enabled()) << item->name().toStdString();
    m.mnuAddFile.click(); // a disabled item does nothing (no chooser is shown)
    m.mnuNewFile.click();
    EXPECT_TRUE(m.mnuSavesubfile.enabled());
    EXPECT_FALSE(m.mnuAddFile.enabled());
    EXPECT_FALSE(m.mnuPreview.enabled());
    file("menu.srt", SubRip(1));
    pick("menu.srt");
    m.mnuLoadFile.click();
    EXPECT_TRUE(m.mnuAddFile.enabled());
    EXPECT_TRUE(m.mnuPrint.enabled());
}

} // namespace
