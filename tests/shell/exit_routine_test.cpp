// The exit routine: each state file written in its form and read back at the
// next start (two programs one after the other on the same folder), the
// question about a changed document (Yes, No, Cancel), an exit that stops when a wanted save
// did not complete, and the settings window's close that writes the files
// but keeps the scratch folder.

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "macro/frmWizard.h"
#include "platform/Application.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/MediaFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// A program whose main window is loaded and whose document, a.srt of two
// lines, has been changed since it was read.
struct ChangedDocument {
    ProgramFolder folder;
    const QString file = folder.write("Data/Files/a.srt", SubRip(2));
    ProgramOn p{folder.path()};
    ChangedDocument() {
        p.main().load();
        mustLoad(*p, file);
        p->doc.FileChanged = true;
    }
};

TEST(Exit, WritesEveryStateFileInItsForm) {
    ProgramFolder folder;
    QStringList files;
    for (int i = 1; i <= 7; ++i)
        files << folder.write(QStringLiteral("Data/Files/f%1.srt").arg(i), SubRip(1));
    folder.write("Data/Temporarily/1.shd", "snapshot");
    ProgramOn p(folder.path());
    frmMain& m = p.main();
    m.load();
    for (const QString& f : files)
        mustLoad(*p, f);
    p->players.OpenMedia("/films/film.avi");
    m.search.List4.addItem("colour>color");
    m.search.List4.addItem("");
    m.search.List4.addItem("night");
    m.move(600, 750, 15000, 9900);
    p->macroLibrary.MacroStore[2][0] = "Tidy";
    p->macroLibrary.MacroStore[2][1] = "Run.Diagnose";
    p->macroLibrary.WizardFlags[2] = 1;
    p->macroLibrary.WizardTexts[2] = "Tidies up";

    m.mnuExit.click();
    EXPECT_EQ(p.ends, 1);
    EXPECT_FALSE(m.isLoaded());
    EXPECT_EQ(folder.lines("System/recent.sdf"), files.mid(2)) << "the last five";
    EXPECT_EQ(folder.lines("System/last.sdf"), QStringList({files.last(), "/films/film.avi"}));
    EXPECT_EQ(folder.lines("System/sr.sdf"), QStringList({"colour>color", "night"}));
    EXPECT_EQ(folder.lines("System/pos.sdf"), QStringList({" 600 ", " 750 ", " 15000 ", " 9900 "}));
    const QStringList wizard = folder.lines("System/wizard.sdf");
    ASSERT_EQ(wizard.size(), 200);
    EXPECT_EQ(wizard.mid(0, 6), QStringList({" 0 ", "", " 0 ", "", " 1 ", "Tidies up"}));
    const QStringList store = folder.lines("System/Macro.sdf");
    ASSERT_EQ(store.size(), 20201) << "the cells, then the wizard list again";
    EXPECT_EQ(store[400], "Tidy");
    EXPECT_EQ(store[401], "Run.Diagnose");
    const QStringList tablet = folder.lines("Data/Calculator/default.sac");
    ASSERT_EQ(tablet.size(), 1301);
    EXPECT_EQ(tablet[0], "4.00:=Default Tablet");
    EXPECT_EQ(tablet[1300], "@");
    EXPECT_FALSE(folder.exists("Data/Temporarily/1.shd")) << "the exit empties the scratch folder";
}

// The process end as main() runs it: the main window is closed with a
// player that played, the event loop ends, and the process ends at once with
// every state file whole. The second half runs in a child process, which
// says when its event loop returned; the end must follow within 0.3 s.
TEST(Exit, TheProcessEndsAtOnceAfterTheLastWindowClosesWithItsStateFilesWritten) {
    if (qEnvironmentVariableIsSet("MIREL_EXIT_CHILD")) {
        const QString folder = qEnvironmentVariable("MIREL_EXIT_CHILD");
        Program p(folder);
        p.shell.EndProgram = platform::EndApplication;
        answerModalsWithCancel(p.host.modal);
        frmMain& m = p.main();
        m.show();
        mustLoad(p, folder + "/Data/Files/a.srt");
        // A Delete on the spare row fills the run's scratch folder, changing nothing.
        p.doc.grid().setCurrentCell(3, 1);
        m.editor.basic.Command11.onClick();
        platform::MediaPlayer& media = m.player.MediaPlayer1;
        p.players.OpenMedia(folder + "/Data/Files/tone.wav");
        media.play();
        QTimer::singleShot(300, [&m] { m.window()->close(); });
        const int code = QApplication::exec();
        std::printf("event loop ended\n");
        platform::EndProcess(code);
    }
    ProgramFolder folder;
    folder.write("Data/Files/a.srt", SubRip(2));
    ASSERT_TRUE(writeWav(folder.path() + "/Data/Files/tone.wav", 30.0));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIREL_EXIT_CHILD"), folder.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Exit.TheProcessEndsAtOnce*")});
    QElapsedTimer sinceLoopEnded;
    QByteArray out;
    while (child.state() != QProcess::NotRunning && !out.contains("event loop ended")) {
        child.waitForReadyRead(20);
        out += child.readAllStandardOutput();
    }
    sinceLoopEnded.start();
    ASSERT_TRUE(child.waitForFinished(10000));
    const qint64 ending = sinceLoopEnded.elapsed();
    out += child.readAllStandardOutput();
    const QByteArray said = child.readAllStandardError();
    ASSERT_TRUE(out.contains("event loop ended")) << out.toStdString() << said.toStdString();
    EXPECT_TRUE(QDir(folder.file("Data/Temporarily")).isEmpty()) << "the run's folder went";
    EXPECT_FALSE(said.contains("lock file")) << said.toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_LT(ending, 300) << "ms from the end of the event loop to the end of the process";
    EXPECT_EQ(
        folder.lines("System/last.sdf"),
        QStringList({folder.path() + "/Data/Files/a.srt", folder.path() + "/Data/Files/tone.wav"}));
    EXPECT_FALSE(folder.exists("System/Macro.sdf")) << "no macro was changed";
    EXPECT_EQ(folder.lines("System/pos.sdf").size(), 4);
}

TEST(Exit, CreatesMissingFoldersAndWritesTheOtherFilesWhenOneCannotBe) {
    ProgramFolder folder(false);
    QDir().mkpath(folder.file("System/recent.sdf")); // a folder where the file should go
    ProgramOn p(folder.path());
    p.main().load();
    p.main().Combo13.addItem("/subs/a.srt");
    Message said;
    p.reply(frmMessageBox::Ok, &said); // the file that could not be written is named
    p.main().mnuExit.click();
    EXPECT_TRUE(said.text.contains(folder.file("System/recent.sdf"))) << said.text.toStdString();
    EXPECT_EQ(p.ends, 1);
    EXPECT_TRUE(QFileInfo(folder.file("System/recent.sdf")).isDir());
    EXPECT_EQ(folder.lines("System/pos.sdf").size(), 4);
    EXPECT_EQ(QDir(folder.file("System")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"last.sdf", "pos.sdf", "sr.sdf"}))
        << "no half-written file is left behind";
}

TEST(Exit, AChangedDocumentIsOfferedWithYesNoAndCancelAndNoEndsWithoutSaving) {
    ChangedDocument run;
    auto& [folder, file, p] = run;
    QString title, text;
    p.answer<frmMessageBox>([&](frmMessageBox& box) {
        title = box.Label4.caption();
        text = box.Label1.caption();
        EXPECT_TRUE(box.cmdAction[frmMessageBox::Cancel].visible());
        EXPECT_TRUE(box.cmdAction[frmMessageBox::Yes].visible());
        box.cmdActionClick(frmMessageBox::No);
    });
    p.main().requestClose(); // the window system's close
    EXPECT_EQ(title, "Warning: File not saved");
    EXPECT_TRUE(text.contains("has been changed and not saved.")) << text.toStdString();
    EXPECT_EQ(p.ends, 1);
    EXPECT_EQ(folder.lines("Data/Files/a.srt").size(), 8) << "the file is as it was";
    EXPECT_TRUE(folder.exists("System/last.sdf"));
}

TEST(Exit, YesAndASaveThatDoesNotCompleteKeepTheProgramRunning) {
    ChangedDocument run;
    auto& [folder, file, p] = run;
    frmMain& m = p.main();
    p.reply(frmMessageBox::Yes);
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Cancel); });
    m.mnuExit.click();
    EXPECT_EQ(p.ends, 0) << "Mirel does not quit";
    EXPECT_TRUE(m.isLoaded());
    EXPECT_TRUE(p->doc.FileChanged);
    EXPECT_EQ(p->doc.lineCount(), 2);
    EXPECT_FALSE(folder.exists("System/last.sdf")) << "nothing was written";

    // The next exit offers it again; this time the save completes.
    p.reply(frmMessageBox::Yes);
    p.answer<frmFile>([](frmFile& f) {
        f.List3.setListIndex(9); // SubRip
        f.txtFilename.setText("saved.srt");
        f.cmdActionClick(frmFile::Ok);
    });
    m.requestClose();
    EXPECT_EQ(p.ends, 1);
    EXPECT_FALSE(p->doc.FileChanged);
    EXPECT_TRUE(folder.exists("Data/Files/saved.srt"));
    EXPECT_EQ(folder.lines("System/last.sdf").value(0), folder.file("Data/Files/saved.srt"));
}

TEST(Exit, ClosingTheSettingsWindowWritesTheFilesAndKeepsTheScratchFolder) {
    ChangedDocument run;
    auto& [folder, file, p] = run;
    frmMain& m = p.main();
    folder.write("Data/Temporarily/1.shd", "snapshot");
    p.answer<frmSettings>([](frmSettings& s) { s.Check7[4].setValue(0); });
    Message seen;
    p.reply(frmMessageBox::No, &seen);
    m.mnuSettings.click();
    EXPECT_EQ(p->host.modal.history().front(), "frmSettings");
    EXPECT_EQ(seen.title, "Warning: File not saved");
    EXPECT_TRUE(p->doc.FileChanged) << "No keeps the changes in memory";
    EXPECT_EQ(p.ends, 0);
    EXPECT_TRUE(m.isLoaded());
    EXPECT_EQ(folder.lines("System/last.sdf").value(0), file);
    EXPECT_TRUE(folder.exists("Data/Temporarily/1.shd")) << "the session's snapshots stay";
    EXPECT_FALSE(p->settings().visible());
}

// A restart: one program after the other on the same folder.
TEST(Restart, SettingsRecentFilesAndTheLastFileSurvive) {
    ProgramFolder folder;
    const QString a = folder.write("Data/Files/a.srt", SubRip(2));
    const QString b = folder.write("Data/Files/b.srt", SubRip(5));
    {
        ProgramOn first(folder.path());
        Main(*first);
        first.answer<frmTip>([](frmTip& w) { w.cmdOk.onClick(); }); // tips at start
        first->splash().ExitfrmSplash();
        first.answer<frmSettings>([](frmSettings& s) {
            s.Check7[1].setValue(1); // Load last file(s)
            s.Check7[4].setValue(0);
            s.Combo2.setListIndex(4);
            s.Command1[frmSettings::Ok].onClick(); // the settings window's Ok
        });
        first.main().mnuSettings.click();
        mustLoad(*first, a);
        mustLoad(*first, b);
        first.main().search.List4.addItem("teh>the");
        first.main().move(450, 600, 16000, 10000);
        first.main().requestClose();
        EXPECT_EQ(first.ends, 1);
    }
    ProgramOn second(folder.path());
    Main(*second);
    frmMain& m = second.main();
    EXPECT_EQ(second->settings().Check7[1].value(), 1);
    EXPECT_EQ(second->settings().Check7[4].value(), 0);
    EXPECT_EQ(second->settings().Combo2.listIndex(), 4);
    EXPECT_TRUE(m.calculator.optFrameRate[4].value());
    ASSERT_EQ(m.Combo13.listCount(), 2);
    EXPECT_EQ(m.Combo13.list(0), a);
    EXPECT_EQ(m.Combo13.list(1), b);
    EXPECT_EQ(m.TV1.childKeys("recent"), QStringList({"lf_" + a, "lf_" + b}));
    EXPECT_EQ(second->files.CurFileName, b);
    EXPECT_EQ(second->doc.lineCount(), 5);
    EXPECT_EQ(m.search.List4.list(0), "teh>the");
    EXPECT_EQ(m.left(), 450);
    EXPECT_EQ(m.width(), 16000);
    second.answer<frmWizard>([](frmWizard& w) { w.Label1.onClick(); }); // tips off: the wizard
    second->splash().ExitfrmSplash();
    EXPECT_TRUE(m.visible());
    m.hide();
}

} // namespace
