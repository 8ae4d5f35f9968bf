// Leaving Mirel as a user does, with the application's own event loop
// running: File > Exit or the window system's close runs the exit routine
// once and ends the loop, whatever other windows (the progress window after
// an Open, the chooser, the settings window) exist; Cancel at the exit
// question keeps Mirel running with nothing written.

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Application.h"
#include "shell/frmControl.h"
#include "shell/frmSettings.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Runs the application's event loop, starting with `action`, until the
// program ends it; false when the time limit had to end it instead.
bool RunUntilTheProgramEnds(const std::function<void()>& action) {
    bool limitReached = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        limitReached = true;
        QCoreApplication::exit(1);
    });
    limit.start(8000);
    QTimer::singleShot(0, action);
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false); // as main() has it
    const int code = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
    return !limitReached && code == 0;
}

// A program whose end is the application's, as main() sets it up, with the
// main window shown and a.srt opened through File > Open and then changed.
struct OpenedAndChanged {
    ProgramFolder folder;
    const QString file = folder.write("Data/Files/a.srt", SubRip(3));
    ProgramOn p{folder.path()};
    OpenedAndChanged() {
        p->shell.EndProgram = [this] {
            ++p.ends;
            platform::EndApplication();
        };
        p.main().show();
        p.answer<frmFile>([](frmFile& f) {
            f.File1.setListIndex(f.File1.listCount() - 1);
            f.cmdActionClick(frmFile::Ok);
        });
        p.main().mnuLoadFile.click();
        p->doc.FileChanged = true;
    }
    ~OpenedAndChanged() {
        for (platform::Form* f : std::initializer_list<platform::Form*>{&p.main(), &p->control()})
            f->hide();
    }
};

TEST(Leaving, FileExitAfterAnOpenAsksOnceAndEndsTheProgram) {
    OpenedAndChanged run;
    ProgramOn& p = run.p;
    ASSERT_EQ(p->files.CurFileName, run.file);
    ASSERT_TRUE(p->control().visible()) << "the Open showed its progress";
    p->settings(); // the settings window exists, hidden
    Message asked;
    p.reply(frmMessageBox::No, &asked); // a second question would find no answer
    EXPECT_TRUE(RunUntilTheProgramEnds([&] { p.main().mnuExit.click(); }))
        << "the program kept running after the exit";
    EXPECT_EQ(p.ends, 1);
    EXPECT_EQ(asked.title, "Warning: File not saved");
    EXPECT_EQ(p->host.modal.history(), std::vector<QString>({"frmFile", "frmMessageBox"}));
    EXPECT_FALSE(p.main().isLoaded());
    EXPECT_EQ(run.folder.lines("System/last.sdf").value(0), run.file);
}

TEST(Leaving, TheWindowSystemsCloseEndsTheProgramLikeExit) {
    OpenedAndChanged run;
    ProgramOn& p = run.p;
    p.reply(frmMessageBox::No);
    EXPECT_TRUE(RunUntilTheProgramEnds([&] { p.main().window()->close(); }));
    EXPECT_EQ(p.ends, 1);
    EXPECT_EQ(p->host.modal.history().size(), 2u);
}

TEST(Leaving, CancelAtTheExitQuestionKeepsMirelRunningWithNothingWritten) {
    ProgramFolder folder;
    const QString file = folder.write("Data/Files/a.srt", SubRip(2));
    ProgramOn p(folder.path());
    p.main().load();
    mustLoad(*p, file);
    p->doc.FileChanged = true;
    folder.write("Data/Temporarily/1.shd", "snapshot");
    p.answer<frmMessageBox>([](frmMessageBox& box) {
        EXPECT_TRUE(box.cmdAction[frmMessageBox::Cancel].visible());
        EXPECT_TRUE(box.cmdAction[frmMessageBox::No].visible());
        EXPECT_TRUE(box.cmdAction[frmMessageBox::Yes].visible());
        box.cmdActionClick(frmMessageBox::Cancel);
    });
    p.main().mnuExit.click();
    EXPECT_EQ(p.ends, 0);
    EXPECT_TRUE(p.main().isLoaded());
    EXPECT_TRUE(p->doc.FileChanged);
    EXPECT_FALSE(folder.exists("System/last.sdf")) << "nothing was written";
    EXPECT_TRUE(folder.exists("Data/Temporarily/1.shd")) << "the snapshots stay";

    p.reply(frmMessageBox::No); // the next exit asks again and ends
    p.main().requestClose();
    EXPECT_EQ(p.ends, 1);
}

// Folders stand where three of the state files go: one message names each
// of them with the reason, and the exit still completes.
TEST(Leaving, StateFilesThatCannotBeWrittenAreReportedOnceAndTheExitCompletes) {
    ProgramFolder folder;
    for (const char* blocked : {"System/recent.sdf", "System/Macro.sdf", "System/pos.sdf"})
        QDir().mkpath(folder.file(blocked));
    ProgramOn p(folder.path());
    p.main().load();
    p->macroLibrary.MacroStore[0][0] = "Changed"; // a store is written only when changed
    Message said;
    p.reply(frmMessageBox::Ok, &said);
    p.main().mnuExit.click();
    EXPECT_EQ(p.ends, 1);
    EXPECT_FALSE(p.main().isLoaded());
    for (const char* name : {"recent.sdf", "Macro.sdf", "pos.sdf"})
        EXPECT_TRUE(said.text.contains(folder.file(QString("System/") + name)))
            << name << " in: " << said.text.toStdString();
    EXPECT_FALSE(said.text.contains("last.sdf")) << "only the files that failed";
    EXPECT_EQ(said.text.count(" directory"), 3)
        << "each with the reason: " << said.text.toStdString();
    EXPECT_EQ(folder.lines("System/last.sdf").size(), 2) << "the others were written";
    EXPECT_EQ(p->host.modal.history().size(), 1u) << "one message for all of them";
}

} // namespace
