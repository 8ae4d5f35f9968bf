// Writes that fail part way (a full disk) or into unwritable folders, each in a child process.

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Keys.h"
#include "shell/LanguageFixture.h"
#include "shell/frmSettings.h"
#include "support/FileSizeLimit.h"
#include "tools/PartitionTab.h"

#include <QCoreApplication>
#include <QProcess>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Runs the current test in a child whose temporary folders this process removes; false there.
bool ranInChild() {
    if (qEnvironmentVariableIsSet("MIREL_WRITE_FAILURE_CHILD")) return false;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QTemporaryDir below;
    QFile(below.path()).setPermissions(QFileDevice::Permissions(0x7777));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIREL_WRITE_FAILURE_CHILD", "1");
    env.insert("TMPDIR", below.path());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool ended = child.waitForFinished(60000);
    const QByteArray out = child.readAll();
    EXPECT_TRUE(ended && child.exitCode() == 0 && out.contains("[  PASSED  ] 1 test"))
        << out.data();
    QProcess::execute("chmod", {"-R", "u+w", below.path()});
    return true;
}

// A program on a fresh folder; each message is kept and answered Yes (to overwrite) or Ok.
struct Steps {
    ProgramFolder folder;
    ProgramOn p{folder.path()};
    QStringList told;
    Steps() {
        p->host.modal.onUnanswered = [this](platform::Form& form) {
            auto& box = dynamic_cast<frmMessageBox&>(form);
            told << box.Label4.caption() + ": " + box.Label1.caption();
            box.cmdActionClick(box.cmdAction[frmMessageBox::Yes].visible() ? frmMessageBox::Yes
                                                                           : frmMessageBox::Ok);
        };
    }
    void load(const QString& file) {
        p.main().load();
        mustLoad(*p, file);
    }
    void deleteFirstLine() {
        p->doc.grid().setCurrentCell(1, 1);
        p.main().editor.basic.Command11.onClick();
    }
    void save() {
        p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
        p.main().mnuSavesubfile.click();
    }
    std::string said() const { return told.join("\n").toStdString(); }
};

struct Row {
    const char* name;
    const char* file; // the file the step would replace
    rlim_t limit;
    std::function<void(Steps&)> prepare, step;
    std::function<QString(Steps&)> where = nullptr; // the file, where the folder's path names it
};
const auto kExit = [](Steps& s) { s.p.main().mnuExit.click(); };

// The node file has the full path in it: the one-line a.srt fits, it does not.
const Row kRows[] = {
    {"SaveOverAnExistingFile", "Data/Files/a.srt", 20, &Steps::deleteFirstLine, &Steps::save},
    {"TheNodeFileOfASave", nullptr, 60, // a part named by the user needs its node file
     [](Steps& s) {
         s.deleteFirstLine();
         s.p->doc.FileNodes.setName(1, "Named");
     },
     &Steps::save,
     [](Steps& s) { return s.p->files.NodeFileOf(s.folder.file("Data/Files/a.srt")); }},
    {"APartOfThePartitionTab", "Data/Files/cd1.srt", 20, // a part typed in, written as SubRip
     [](Steps& s) {
         PartitionTab& tab = s.p.main().partition;
         for (const auto& [col, text] : {std::pair{1, "cd1.avi"}, std::pair{2, "00:00:01,000"}}) {
             tab.grid.setCurrentCell(1, col);
             tab.rtfSplitEdit.setText(text);
             int key = platform::KeyReturn;
             tab.rtfSplitEdit.onKeyPress(key);
         }
         if (tab.Label31.caption() == ">>") tab.Label31.onClick();
         tab.combo3.setListIndex(8);
     },
     [](Steps& s) { s.p.main().partition.command5.onClick(); }},
    {"SettingsAtOk", "System/Settings/set.sdf", 10, nullptr,
     [](Steps& s) {
         s.p.answer<frmSettings>([](frmSettings& w) { Press(w.Command1[frmSettings::Ok]); });
         s.p.main().mnuSettings.click();
     }},
    {"TheLastFilesAtExit", "System/last.sdf", 20, nullptr, kExit},
    {"TheWizardListAtExit", "System/wizard.sdf", 20, nullptr, kExit},
};

class WriteFailure : public ::testing::TestWithParam<Row> {};

// The old file stays whole with no temporary beside it, the document unsaved, the file named.
TEST_P(WriteFailure, LeavesTheFileWholeAndSaysSo) {
    if (ranInChild()) return;
    const Row& row = GetParam();
    Steps run;
    run.load(run.folder.write("Data/Files/a.srt", SubRip(2)));
    if (row.prepare) row.prepare(run);
    const QFileInfo file(row.where ? row.where(run) : run.folder.file(row.file));
    if (file.fileName() != "a.srt") writeFileAt(file.filePath(), "old");
    const auto now = [&] {
        return std::tuple(
            readBytes(file.filePath()),
            file.dir().entryList({file.fileName() + "*"}, QDir::Files | QDir::Hidden));
    };
    const auto before = now();
    // Only its parts were not kept: the subtitle file was written, the document counts as saved.
    const bool changed = run.p->doc.FileChanged && !row.where;
    {
        FileSizeLimit limit(row.limit);
        ASSERT_TRUE(limit.active());
        row.step(run);
    }
    EXPECT_EQ(now(), before);
    EXPECT_EQ(run.p->doc.FileChanged, changed);
    EXPECT_TRUE(run.told.join("\n").contains(file.filePath())) << run.said();
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Takes write access to a tree but one file away; root becomes a dumpable "nobody".
bool loseWriteAccess(const QString& tree, const QString& writable = {}) {
    if (QProcess::execute("chmod", {"-R", "a-w,a+rX", tree}) != 0) return false;
    if (!writable.isEmpty() && QProcess::execute("chmod", {"a+w", writable}) != 0) return false;
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 &&
                              setuid(65534) == 0 && prctl(PR_SET_DUMPABLE, 1) == 0);
}

// Fills the program folder: a tmpfs mounted over it first (in a mount namespace of this child's
// own, the template copied in) where `mount`; false where no tmpfs can be mounted.
bool fillProgramFolder(const QString& folder, bool mount = false) {
    const QByteArray at = QFile::encodeName(folder);
    if (mount && (unshare(CLONE_NEWNS) != 0 ||
                  ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                  ::mount("tmpfs", at.constData(), "tmpfs", 0, "size=1m") != 0 ||
                  !copyTree(QStringLiteral(MIREL_DIST_DIR), folder)))
        return false;
    QFile filler(folder + "/filler");
    if (!filler.open(QIODevice::Append)) return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    return true;
}

struct FolderState {
    const char* name;
    std::function<bool(const QString&)> before, after; // the start, the first edit
};
const FolderState kStates[] = {
    {"Unwritable", [](const QString& folder) { return loseWriteAccess(folder); }, nullptr},
    {"Full", [](const QString& folder) { return fillProgramFolder(folder, true); }, nullptr},
    {"FullFromTheFirstEdit",
     [](const QString& folder) {
         return fillProgramFolder(folder, true) && QFile::remove(folder + "/filler");
     },
     [](const QString& folder) { return fillProgramFolder(folder); }},
};

class ProgramFolderState : public ::testing::TestWithParam<FolderState> {};

// Said once; editing goes on without the history; a save of one part says nothing, one of two
// parts that they were not kept, once; each save counts as saved, so the exit asks nothing.
TEST_P(ProgramFolderState, IsSaidOnceAndEditingAndSavingGoOn) {
    if (ranInChild()) return;
    const FolderState& state = GetParam();
    Steps run;
    QTemporaryDir user;
    QFile(user.path()).setPermissions(QFileDevice::Permissions(0x7777));
    const QString file = writeFileAt(user.filePath("a.srt"), SubRip(4));
    QFile::setPermissions(file, QFileDevice::Permissions(0x6666));
    const auto save = [&run] { // the routine question about the file itself is no message
        run.save();
        run.told.removeIf([](const QString& m) { return m.startsWith("File exists"); });
    };
    if (!state.before(run.folder.path())) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    run.load(file);
    if (state.after) {
        ASSERT_TRUE(state.after(run.folder.path()));
    }
    run.deleteFirstLine();
    run.deleteFirstLine();
    EXPECT_EQ(run.p->doc.lineCount(), 2);
    ASSERT_EQ(run.told.size(), 1) << run.said();
    EXPECT_TRUE(run.told[0].contains(run.folder.path()) && run.told[0].contains("history"))
        << run.said();
    save();
    EXPECT_EQ(run.told.size(), 1) << "one part needs no node file: " << run.said();
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8);
    EXPECT_FALSE(run.p->doc.FileChanged);
    NodeTable& nodes = run.p->doc.FileNodes;
    nodes.setCount(2);
    for (const auto& [i, name] : {std::pair{1, "One"}, std::pair{2, "Two"}}) {
        nodes.setFirstRow(i, i);
        nodes.setLastRow(i, i);
        nodes.setName(i, name);
    }
    run.p->doc.FileChanged = true;
    save();
    save();
    ASSERT_EQ(run.told.size(), 2) << run.said();
    EXPECT_TRUE(run.told[1].contains(file + "' was saved, but its parts (2: One, Two)"))
        << run.said();
    EXPECT_FALSE(run.p->doc.FileChanged);
    kExit(run);
    EXPECT_EQ(run.told.size(), 2) << run.said();
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgramFolderState, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

// A file the user may write in a folder the user may not is saved in place.
TEST(ReadOnlyFolder, AWritableFileInItIsSavedInPlace) {
    if (ranInChild()) return;
    Steps run;
    QTemporaryDir user;
    const QString file = writeFileAt(user.filePath("a.srt"), SubRip(3));
    QProcess::execute("chmod", {"-R", "a+rwX", run.folder.path()});
    ASSERT_TRUE(loseWriteAccess(user.path(), file));
    run.load(file);
    run.deleteFirstLine();
    run.save();
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8) << run.said();
    EXPECT_FALSE(run.p->doc.FileChanged) << run.said();
}

} // namespace
