// The start: the command line, the version texts, the scratch and transfer
// files removed, the first window (the main window at once with a file, the
// splash otherwise), the splash's countdown and its hand-over. The splash is
// saved as frmSplash.png in the build folder for a look.

#include "ShellFixture.h"
#include "shell/InstantHelp.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "support/OwnDisplay.h"
#include "support/SilentServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <unistd.h>

namespace {

// A program started without a command line: the splash up, the main window
// loaded behind it; the tips and wizard windows the splash hands over to are
// counted, not shown.
struct SplashStart {
    ProgramFolder folder;
    ProgramOn p{folder.path()};
    int tips = 0, wizards = 0;
    explicit SplashStart(bool fromTemplate = true) : folder(fromTemplate) {
        p->shell.ShowTipsWindow = [this] { ++tips; };
        p->shell.ShowWizardWindow = [this] { ++wizards; };
        Main(*p);
    }
};

TEST(CommandLine, IsTheArgumentsJoinedWithoutEnclosingQuotes) {
    EXPECT_EQ(CommandLineText({"mirel"}), "");
    EXPECT_EQ(CommandLineText({"mirel", "/subs/a.srt"}), "/subs/a.srt");
    EXPECT_EQ(CommandLineText({"mirel", "\"/subs/my film.srt\""}), "/subs/my film.srt");
    EXPECT_EQ(CommandLineText({"mirel", "/subs/my", "film.srt"}), "/subs/my film.srt")
        << "the whole command line is one file name";
    EXPECT_EQ(CommandLineText({"mirel", "\""}), "\"") << "a lone quote is no pair";
    EXPECT_EQ(CommandLineText({"mirel", "a\"b\""}), "a\"b\"");
}

TEST(CommandLine, ARelativeNameIsTakenFromTheFolderMirelStartedIn) {
    const struct {
        const char* given;
        const char* file;
    } cases[] = {
        {"movie.srt", "/films/movie.srt"},
        {"./sub/../movie.srt", "/films/movie.srt"},
        {"sub/my film.srt", "/films/sub/my film.srt"},
        {"/subs/a.srt", "/subs/a.srt"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineFile(c.given, "/films"), c.file) << c.given;
}

// Started in a folder with a relative name, as from a shell: the file of
// that folder opens, and the next start finds it by its full path whatever
// folder it starts in.
TEST(Startup, ARelativeCommandLineOpensTheFileOfTheStartFolderAndIsKeptInFull) {
    ProgramFolder folder;
    QTemporaryDir startedIn;
    const QString file = writeFileAt(startedIn.filePath("movie.srt"), SubRip(3));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(startedIn.path()));
    {
        ProgramOn p(folder.path());
        p->shell.CommandLine =
            CommandLineFile(CommandLineText({"mirel", "movie.srt"}), QDir::currentPath());
        Main(*p);
        EXPECT_EQ(p->files.CurFileName, file);
        EXPECT_EQ(p->doc.lineCount(), 3);
        p.main().Combo13.addItem("sub/other.srt"); // a name some caller gave relatively
        p.main().mnuExit.click();
        EXPECT_EQ(p.ends, 1);
    }
    QDir::setCurrent(before);
    EXPECT_EQ(folder.lines("System/last.sdf").value(0), file);
    EXPECT_EQ(folder.lines("System/recent.sdf"),
              QStringList({file, QDir(startedIn.path()).filePath("sub/other.srt")}));
}

TEST(Startup, SetsTheVersionTexts) {
    ShellState s;
    s.ProgramVersion = s.ProgramBuild = s.ProgramVersionName = "x";
    SetVersionTexts(s);
    EXPECT_EQ(s.ProgramVersionName, "Mirel");
    EXPECT_EQ(s.ProgramVersion, "4.00");
    EXPECT_EQ(s.ProgramBuild, "400");
}

TEST(Startup, WithACommandLineTheMainWindowOpensTheFileAtOnce) {
    ProgramFolder folder;
    const QString file = folder.write("Data/Files/my film.srt", SubRip(3));
    ProgramOn p(folder.path());
    p->shell.CommandLine = CommandLineText({"mirel", "\"" + file + "\""});
    Main(*p);
    EXPECT_FALSE(p->hasSplash()) << "no splash with a file on the command line";
    EXPECT_TRUE(p.main().isLoaded());
    EXPECT_TRUE(p.main().visible());
    EXPECT_EQ(p->files.CurFileName, file);
    EXPECT_EQ(p->doc.lineCount(), 3);
    EXPECT_EQ(p.main().tabMain.tab(), frmMain::TabEditor);
    EXPECT_EQ(p.ends, 0);
    p.main().hide();
}

TEST(Startup, WithoutACommandLineTheSplashLoadsTheMainWindowBehindIt) {
    SplashStart run;
    ProgramOn& p = run.p;
    ASSERT_TRUE(p->hasSplash());
    frmSplash& s = p->splash();
    EXPECT_TRUE(s.visible());
    EXPECT_TRUE(p.main().isLoaded()) << "loaded inside the splash's load";
    EXPECT_FALSE(p.main().visible());
    EXPECT_EQ(s.lblVersion.caption(), "Mirel 4.0");
    EXPECT_EQ(s.lblBuild.caption(), "400");
    EXPECT_EQ(s.Label1.caption(), "Done");
    EXPECT_EQ(s.Label1.foreColor(), frmSplash::Green);
    EXPECT_TRUE(s.Timer2.enabled());
    EXPECT_EQ(s.Timer2.interval(), 1000);
    EXPECT_EQ(s.SplashCountdown, 6);
    EXPECT_EQ(p->host.screen.mousePointer(), 0) << "the hourglass is gone";
    s.hide();
}

// Ticks the splash's timer n times and collects its status texts.
QStringList Tick(frmSplash& s, int n) {
    QStringList shown;
    for (int i = 0; i < n; ++i) {
        s.Timer2.tick();
        shown << s.Label1.caption();
    }
    return shown;
}

TEST(Splash, CountsDownSixSecondsThenHandsOverToTheMainWindowAndTheTips) {
    SplashStart run;
    ProgramOn& p = run.p;
    frmSplash& s = p->splash();
    ASSERT_EQ(p->settings().Check7[4].value(), 1) << "Show tips starts ticked";
    ASSERT_EQ(p->settings().Check7[5].value(), 1) << "and Show Wizard too";

    const QStringList shown = Tick(s, 5);
    const QString wait = "Press a key to continue or wait %1...";
    EXPECT_EQ(shown,
              QStringList({wait.arg("5 seconds"), wait.arg("4 seconds"), wait.arg("3 seconds"),
                           wait.arg("2 seconds"), wait.arg("1 second")}));
    EXPECT_TRUE(s.isLoaded());
    EXPECT_FALSE(p.main().visible());

    EXPECT_EQ(Tick(s, 1), QStringList{wait.arg("0 second")});
    EXPECT_FALSE(s.isLoaded());
    EXPECT_FALSE(s.visible());
    EXPECT_FALSE(s.Timer2.enabled()) << "unloading the splash stops its timer";
    EXPECT_TRUE(p.main().visible());
    EXPECT_EQ(run.tips, 1);
    EXPECT_EQ(run.wizards, 0) << "only one of the two";
    EXPECT_TRUE(
        p.main().brwHelp.locationURL().endsWith("/System/Language/Help/English/main_wel.htm"));
    EXPECT_TRUE(p.main().brwHelp.documentText().contains("Welcome to Mirel"));
    p.main().hide();
}

TEST(Splash, ShowsTheWizardWhenTipsAreOffAndNeitherWhenBothAre) {
    for (int tipsOn : {0, 1}) {
        SplashStart run;
        ProgramOn& p = run.p;
        p->settings().Check7[4].setValue(0);
        p->settings().Check7[5].setValue(tipsOn);
        p->splash().ExitfrmSplash();
        EXPECT_EQ(run.tips, 0);
        EXPECT_EQ(run.wizards, tipsOn);
        p.main().hide();
    }
}

TEST(Splash, AKeyOrAClickOnItsSurfaceHandsOverAtOnce) {
    for (bool key : {true, false}) {
        SplashStart run;
        ProgramOn& p = run.p;
        frmSplash& s = p->splash();
        Tick(s, 2);
        QWidget* surface = s.picSurface.widget();
        if (key)
            QTest::keyClick(surface, Qt::Key_Space);
        else
            QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20, 60));
        EXPECT_FALSE(s.isLoaded()) << (key ? "key" : "click");
        EXPECT_TRUE(p.main().visible());
        s.Timer2.tick(); // a late tick finds the splash gone and does nothing more
        EXPECT_TRUE(p.main().visible());
        p.main().hide();
    }
}

TEST(Splash, IsDraggedByItsStrip) {
    SplashStart run;
    ProgramOn& p = run.p;
    frmSplash& s = p->splash();
    const int left = s.left(), top = s.top();
    s.pMove.onMouseDown(1, 0, 300, 120);
    EXPECT_EQ(p->host.screen.mousePointer(), 5);
    s.pMove.onMouseMove(1, 0, 750, 420);
    s.pMove.onMouseUp(1, 0, 750, 420);
    EXPECT_EQ(s.left(), left + 450);
    EXPECT_EQ(s.top(), top + 300);
    EXPECT_EQ(p->host.screen.mousePointer(), 0);
    s.hide();
}

// The id of a process that has ended.
QString endedPid() {
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    const qint64 pid = gone.waitForStarted() ? gone.processId() : 0;
    EXPECT_TRUE(pid > 0 && gone.waitForFinished());
    return QString::number(pid);
}

// What ended runs left goes; whatever the user named so, and what running Mirels write, stays.
TEST(Startup, EmptiesTheScratchFolderAndTheFetchedFilesOnly) {
    ProgramFolder folder;
    const QString ended = endedPid(), running = QString::number(getppid());
    const QString left = "." + ended + ".mirel-part", writing = "." + running + ".mirel-part";
    const QStringList gone = {"Data/Temporarily/Splitprv.001", "Data/Temporarily/1.shd",
                              "Data/Temporarily/.x", "message.htm", "sublist.sdf", "version.sdf",
                              // what a save cut short left beside a file
                              "System/.Macro.sdf" + left, "System/Settings/.set.sdf" + left,
                              "System/Nodes/.a.srt.sdf" + left,
                              "Data/Calculator/.default.sac" + left, "Data/Files/.keep.srt" + left};
    const QStringList kept = {"System/sublist.sdf", "Data/Temporarily/sub/inner.shd",
                              "System/Macro.sdf", "System/Macro.sdf.old", "System/Macro.sdf.Ab3dEf",
                              "System/Settings/set.sdf.before",
                              // what a running Mirel writes; names only like a part's
                              "System/.Macro.sdf" + writing, "System/Macro.sdf" + left,
                              "System/.Macro.sdf." + ended + ".part"};
    for (const QString& name : gone + kept)
        folder.write(name, "x");
    // Empty folders of runs that could not lock theirs go; a user's empty folder stays.
    const QString run = "Data/Temporarily/run-";
    const QStringList goneFolders = {run + ended, run + ended + "-7"};
    const QStringList keptFolders = {run + running, run + ended + "x", "Data/Temporarily/empty"};
    for (const QString& name : goneFolders + keptFolders)
        QDir().mkpath(folder.file(name));
    folder.write("Data/Files/keep.srt", SubRip(1));
    ProgramOn p(folder.path());
    p->shell.CommandLine = folder.file("Data/Files/keep.srt");
    Main(*p);
    for (const QString& name : gone + goneFolders)
        EXPECT_FALSE(folder.exists(name)) << name.toStdString();
    for (const QString& name : kept + keptFolders)
        EXPECT_TRUE(folder.exists(name)) << name.toStdString();
    p.main().hide();
}

TEST(Startup, AnEmptyProgramFolderStillStarts) {
    SplashStart run(false);
    ProgramOn& p = run.p;
    EXPECT_TRUE(p->splash().visible());
    EXPECT_TRUE(p.main().isLoaded());
    p->splash().ExitfrmSplash();
    EXPECT_TRUE(p.main().visible());
    p.main().hide();
}

QWidget* Shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

void ClickControl(QWidget* window, const QString& control) {
    for (QWidget* w : window->findChildren<QWidget*>())
        if (platform::Control* c = platform::Control::ofWidget(w); c && c->name() == control)
            return QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, 8));
    ADD_FAILURE() << "no control " << control.toStdString();
}

// On a real X display the start's message stays on top, then comes the Tip, then the main window.
TEST(StartOnADisplay, AMessageOfTheStartIsNeverHiddenUnderTheMainWindowOrTheTip) {
    if (runInChildOnOwnDisplay()) return;
    ProgramFolder folder; // nothing listens at a closed server's port
    folder.write("System/i.set",
                 crlf({"", QStringLiteral("ftp://127.0.0.1:%1").arg(SilentServer().port())}));
    Program p(folder.path()); // its modal windows wait for the user
    p.shell.EndProgram = [] {};
    QElapsedTimer sinceMessage;
    bool tipSeen = false;
    QTimer watch;
    watch.callOnTimeout([&] {
        if (p.hasSplash() && p.splash().Timer2.interval() != 100)
            p.splash().Timer2.setInterval(100); // the countdown, sped up
        QWidget* message = Shown("frmMessageBox");
        QWidget* tip = Shown("frmTip");
        const std::string stacked = StackedWindows().join(", ").toStdString(); // bottom to top
        if (message && !sinceMessage.isValid()) sinceMessage.start();
        if (tip) {
            EXPECT_TRUE(stacked.ends_with("frmTip") &&
                        stacked.find("frmMessageBox") == std::string::npos)
                << stacked;
            tipSeen = true;
            ClickControl(tip, "cmdOk");
        } else if (message && sinceMessage.elapsed() > 1500) { // well past the countdown
            EXPECT_TRUE(stacked.ends_with("frmMessageBox")) << stacked;
            ClickControl(message, "cmdAction(1)");
        } else if (tipSeen && !message) {
            EXPECT_EQ(stacked, "frmMain");
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            QCoreApplication::exit(0);
        }
    });
    watch.start(50);
    QTimer::singleShot(30000, [] {
        ADD_FAILURE() << "the start did not end";
        std::_Exit(1);
    });
    Main(p);
    QApplication::exec();
    EXPECT_TRUE(sinceMessage.isValid()) << "the start showed its message";
    p.main().hide();
}

TEST(Splash, Screenshot) {
    SplashStart run;
    ProgramOn& p = run.p;
    frmSplash& s = p->splash();
    Tick(s, 2);
    QApplication::processEvents();
    const QPixmap shot = s.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), 480);
    EXPECT_EQ(shot.height(), 240);
    EXPECT_TRUE(shot.save("frmSplash.png"));
    s.hide();
}

} // namespace
