#include "runtime/ProgramFolder.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using runtime::ProgramFolder;

namespace {

// Sets or clears MIREL_HOME for one test and puts the old value back.
class HomeGuard {
public:
    HomeGuard() : old_(qgetenv("MIREL_HOME")), wasSet_(qEnvironmentVariableIsSet("MIREL_HOME")) {}
    ~HomeGuard() {
        if (wasSet_)
            qputenv("MIREL_HOME", old_);
        else
            qunsetenv("MIREL_HOME");
    }

private:
    QByteArray old_;
    bool wasSet_;
};

const QString kRoot = QStringLiteral("/opt/mirel");

} // namespace

TEST(ProgramFolderLocate, MirelHomeWinsOverTheExecutablesFolder) {
    HomeGuard guard;
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("MIREL_HOME", (home.path() + "/System/..").toLocal8Bit());
    EXPECT_EQ(ProgramFolder::locate(), home.path());

    qunsetenv("MIREL_HOME");
    EXPECT_EQ(ProgramFolder::locate(), QCoreApplication::applicationDirPath());
    qputenv("MIREL_HOME", "");
    EXPECT_EQ(ProgramFolder::locate(), QCoreApplication::applicationDirPath())
        << "an empty MIREL_HOME counts as unset";
}

TEST(ProgramFolderPath, JoinsBackslashPathsWithSlashes) {
    const ProgramFolder folder(kRoot);
    EXPECT_EQ(folder.path("\\System\\Settings\\set.sdf"), "/opt/mirel/System/Settings/set.sdf");
    EXPECT_EQ(folder.path("/Data/x.srt"), "/opt/mirel/Data/x.srt");
    EXPECT_EQ(folder.path("System\\Lang\\..\\i.set"), "/opt/mirel/System/i.set");
    EXPECT_EQ(folder.path(""), kRoot);
    EXPECT_EQ(folder.path("\\"), kRoot);
    EXPECT_EQ(ProgramFolder("/opt/mirel/").path("\\Data"), "/opt/mirel/Data");
}

TEST(ProgramFolderPath, RefusesPathsThatClimbOut) {
    const ProgramFolder folder(kRoot);
    EXPECT_EQ(folder.path("..\\etc\\passwd"), "");
    EXPECT_EQ(folder.path("\\System\\..\\..\\x"), "");
    EXPECT_EQ(folder.path("..\\mirel2\\x"), "") << "a sibling that shares the prefix is outside";
    EXPECT_EQ(folder.path("..\\mirel\\Data"), "/opt/mirel/Data") << "climbing back in is inside";
    EXPECT_EQ(folder.path("..\\", "x"), "");
}

TEST(ProgramFolderPath, KeepsANameAsItStands) {
    const ProgramFolder folder(kRoot);
    EXPECT_EQ(folder.path("\\Data", "a\\b..c.srt"), "/opt/mirel/Data/a\\b..c.srt");
    EXPECT_EQ(folder.path("\\Data", "..\\..\\x"), "/opt/mirel/Data/..\\..\\x");
    EXPECT_EQ(folder.path("\\Data", "../x/y"), "/opt/mirel/Data/.._x_y");
    EXPECT_EQ(folder.path("\\Data", "..."), "/opt/mirel/Data/...");
    for (const char* name : {"", ".", ".."})
        EXPECT_EQ(folder.path("\\Data", name), "") << name;
}

// The filesystem root and a relative folder are roots like any other.
TEST(ProgramFolderPath, WorksAtTheRootAndFromRelativeFolders) {
    const ProgramFolder top(QStringLiteral("/"));
    EXPECT_EQ(top.path("\\System\\set.sdf"), "/System/set.sdf");
    EXPECT_EQ(top.path("\\", "n.txt"), "/n.txt");

    const ProgramFolder here(QStringLiteral("."));
    EXPECT_EQ(here.root(), QDir::currentPath());
    EXPECT_EQ(here.path("Data\\x"), QDir::currentPath() + "/Data/x");
}

// A start removes the folders of runs that ended without removing theirs;
// the folders of running Mirels stay, and the end of a run takes its own
// folder. (Loose files of older runs, and folders that are no run's, at a
// start: Startup.EmptiesTheScratchFolderAndTheFetchedFilesOnly.)
TEST(ProgramFolderScratch, AStartRemovesOnlyWhatNoRunningMirelOwns) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString temp = root.path() + "/Data/Temporarily";
    const ProgramFolder running(root.path());
    const QString live = running.path(runtime::Place::ScratchFolder, QStringLiteral("0000.shd"));
    writeFileAt(live, "x");
    // A run that ended without tidying up: its lock names a process that is gone.
    const QString ended = temp + "/run-ended";
    const QString endedLock = ended + "/" + ProgramFolder::scratchLockName();
    writeFileAt(ended + "/0000.shd", "x");
    QByteArray lockBytes;
    {
        QLockFile lock(endedLock);
        ASSERT_TRUE(lock.tryLock(0));
        lockBytes = readBytes(endedLock);
    }
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    lockBytes = QByteArray::number(pid) + lockBytes.mid(lockBytes.indexOf('\n'));
    writeFileAt(endedLock, lockBytes);

    const ProgramFolder starting(root.path());
    starting.clearUnownedScratch();
    EXPECT_FALSE(QFileInfo::exists(ended)) << "the ended run's folder goes";
    EXPECT_TRUE(QFileInfo::exists(live)) << "the running Mirel's files stay";

    running.releaseScratch();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(live).path())) << "its end takes its folder";
}
