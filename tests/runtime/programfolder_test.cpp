#include "runtime/ProgramFolder.h"
#include "support/Printing.h"

#include <QCoreApplication>
#include <QDir>
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
