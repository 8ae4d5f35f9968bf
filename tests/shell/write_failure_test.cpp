// Writes that fail part way (a full disk) or into unwritable folders, each in a child process.

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Keys.h"
#include "shell/LanguageFixture.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "support/FileSizeLimit.h"
#include "tools/PartitionTab.h"

#include <QCoreApplication>
#include <QProcess>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
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
    const bool skipped = out.contains("[  SKIPPED ] 1 test");
    EXPECT_TRUE(ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                (skipped || out.contains("[  PASSED  ] 1 test")))
        << out.data();
    QProcess::execute("chmod", {"-R", "u+w", below.path()});
    if (skipped) [&] { GTEST_SKIP() << out.data(); }();
    return true;
}

// Root becomes a dumpable "nobody"; anyone else stays who they are.
bool becomeNobody() {
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 &&
                              setuid(65534) == 0 && prctl(PR_SET_DUMPABLE, 1) == 0);
}

// Takes write access to a tree but one file away; root becomes "nobody".
bool loseWriteAccess(const QString& tree, const QString& writable = {}) {
    if (QProcess::execute("chmod", {"-R", "a-w,a+rX", tree}) != 0) return false;
    if (!writable.isEmpty() && QProcess::execute("chmod", {"a+w", writable}) != 0) return false;
    return becomeNobody();
}

// A small file system at `folder` that this child alone sees (root only).
bool mountSmallDisk(const QString& folder, const char* size = "size=200k") {
    return QDir().mkpath(folder) && unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, size) == 0;
}

// Fills the file system of `folder` to the last page.
bool fillDisk(const QString& folder) {
    QFile filler(folder + "/zz.filler");
    if (!filler.open(QIODevice::Append | QIODevice::Unbuffered)) return false;
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
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
    void insertLine() {
        p->doc.grid().setCurrentCell(1, 1);
        p.main().editor.basic.Command10.onClick();
    }
    // a.srt stays writable in a folder that is not; the rest of the program folder is.
    void onlyTheFileWritable() {
        QProcess::execute("chmod", {"-R", "a+rwX", folder.path()});
        ASSERT_TRUE(loseWriteAccess(folder.file("Data/Files"), folder.file("Data/Files/a.srt")));
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
    bool fullDisk = false;         // Data/Files is a full small file system
    const char* inPlace = nullptr; // a.srt alone writable: what the message says became of it
    std::function<QString(Steps&)> where = nullptr; // the file, where the folder's path names it
};
const auto kExit = [](Steps& s) { s.p.main().mnuExit.click(); };
const char* const kInPlace = "the save went into the file itself; nothing in it was changed";

// The node file has the full path in it: the one-line a.srt fits, it does not.
const Row kRows[] = {
    {"SaveOverAnExistingFile", "Data/Files/a.srt", 20, &Steps::deleteFirstLine, &Steps::save},
    {"TheNodeFileOfASave", nullptr, 60, // a part named by the user needs its node file
     [](Steps& s) {
         s.deleteFirstLine();
         s.p->doc.FileNodes.setName(1, "Named");
     },
     &Steps::save, false, nullptr,
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
    {"SaveOnAFullDisk", "Data/Files/a.srt", RLIM_INFINITY, &Steps::insertLine, &Steps::save, true},
    // No temporary file can be made beside a.srt: it is written in place.
    {"SaveInPlaceOverTheLimit", "Data/Files/a.srt", 20, &Steps::deleteFirstLine, &Steps::save,
     false, kInPlace},
    {"SaveInPlaceOnAFullDisk", "Data/Files/a.srt", RLIM_INFINITY, &Steps::insertLine, &Steps::save,
     true, kInPlace},
};

class WriteFailure : public ::testing::TestWithParam<Row> {};

// The old file stays whole with no temporary beside it, the document unsaved, the file named.
TEST_P(WriteFailure, LeavesTheFileWholeAndSaysSo) {
    if (ranInChild()) return;
    const Row& row = GetParam();
    Steps run;
    if (row.fullDisk && !mountSmallDisk(run.folder.file("Data/Files")))
        GTEST_SKIP() << "no file system of its own can be mounted here";
    // On a full disk the file fills its one page, so a longer text needs room.
    const QByteArray text = row.fullDisk ? SubRip(1, QByteArray(4096 - 40, 'x')) : SubRip(2);
    run.load(run.folder.write("Data/Files/a.srt", text));
    ASSERT_TRUE(!row.fullDisk || fillDisk(run.folder.file("Data/Files")));
    if (row.prepare) row.prepare(run);
    if (row.inPlace) run.onlyTheFileWritable();
    const QFileInfo file(row.where ? row.where(run) : run.folder.file(row.file));
    if (file.fileName() != "a.srt") writeFileAt(file.filePath(), "old");
    const auto now = [&] {
        return std::tuple(readBytes(file.filePath()),
                          file.dir().entryList({file.fileName() + "*", "." + file.fileName() + "*"},
                                               QDir::Files | QDir::Hidden));
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
    EXPECT_TRUE(run.told.join("\n").contains(row.inPlace ? row.inPlace : "")) << run.said();
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The program folder on a full tmpfs of its own, the template copied in.
bool fillProgramFolder(const QString& folder) {
    return mountSmallDisk(folder, "size=1m") && copyTree(QStringLiteral(MIREL_DIST_DIR), folder) &&
           fillDisk(folder);
}

struct FolderState {
    const char* name;
    std::function<bool(const QString&)> before, after; // the start, the first edit
};
const FolderState kStates[] = {
    {"Unwritable", [](const QString& folder) { return loseWriteAccess(folder); }, nullptr},
    {"Full", fillProgramFolder, nullptr},
    {"FullFromTheFirstEdit",
     [](const QString& folder) {
         return fillProgramFolder(folder) && QFile::remove(folder + "/zz.filler");
     },
     fillDisk},
};

class ProgramFolderState : public ::testing::TestWithParam<FolderState> {};

// Said once; editing and saves go on; only a save of two parts says they were not kept, once.
TEST_P(ProgramFolderState, IsSaidOnceAndEditingAndSavingGoOn) {
    if (ranInChild()) return;
    const FolderState& state = GetParam();
    Steps run;
    QTemporaryDir user;
    QFile(user.path()).setPermissions(QFileDevice::Permissions(0x7777));
    const QString file = writeFileAt(user.filePath("a.srt"), SubRip(4));
    QFile::setPermissions(file, QFileDevice::Permissions(0x6666));
    const auto save = [&run](const QString& name = {}) { // the routine question is no message
        run.p.answer<frmFile>([name](frmFile& f) {
            if (!name.isEmpty()) f.txtFilename.setText(name);
            f.cmdActionClick(frmFile::Ok);
        });
        run.p.main().mnuSavesubfile.click();
        run.told.removeIf([](const QString& m) { return m.startsWith("File exists"); });
    };
    if (!state.before(run.folder.path())) GTEST_SKIP() << "no tmpfs can be mounted here";
    run.load(file);
    ASSERT_TRUE(!state.after || state.after(run.folder.path()));
    run.deleteFirstLine();
    run.deleteFirstLine();
    EXPECT_EQ(run.p->doc.lineCount(), 2);
    ASSERT_EQ(run.told.size(), 1) << run.said();
    EXPECT_TRUE(run.told[0].contains(run.folder.path()) && run.told[0].contains("history"))
        << run.said();
    save();
    save("b.srt"); // under another name too
    EXPECT_EQ(run.told.size(), 1) << "one part needs no node file: " << run.said();
    const QString other = user.filePath("b.srt");
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8);
    EXPECT_EQ(runtime::ReadTextFile(other).lines.size(), 8);
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
    EXPECT_TRUE(run.told[1].contains(other + "' was saved, but its parts (2: One, Two)"))
        << run.said();
    EXPECT_FALSE(run.p->doc.FileChanged);
    kExit(run);
    EXPECT_EQ(run.told.size(), 2) << run.said();
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgramFolderState, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

// A writable file in a folder the user may not write is saved in place; a file the user may not
// write is not replaced, even in a folder the user may write.
TEST(ReadOnly, AWritableFileIsSavedInPlaceAndAReadOnlyOneIsNotReplaced) {
    if (ranInChild()) return;
    for (const bool fileWritable : {true, false}) {
        Steps run;
        QTemporaryDir user;
        const QString file = writeFileAt(user.filePath("a.srt"), SubRip(3));
        QProcess::execute("chmod", {"-R", "a+rwX", run.folder.path()});
        ASSERT_TRUE(loseWriteAccess(user.path(), fileWritable ? file : user.path()));
        run.load(file);
        run.deleteFirstLine();
        run.save();
        EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), fileWritable ? 8 : 12) << run.said();
        EXPECT_EQ(run.p->doc.FileChanged, !fileWritable) << run.said();
    }
}

// Another user's file that the user may write, in a plain or a sticky folder (where no one may
// replace another's file): it is saved, and stays that user's, the same file.
class OthersFile : public ::testing::TestWithParam<const char*> {};

TEST_P(OthersFile, IsSavedAndStaysTheirs) {
    if (ranInChild()) return;
    if (geteuid() != 0) GTEST_SKIP() << "only root can make another user's file here";
    Steps run;
    QTemporaryDir user;
    const QString file = writeFileAt(user.filePath("a.srt"), SubRip(3));
    QProcess::execute("chmod", {"-R", "a+rwX", run.folder.path()});
    ASSERT_EQ(QProcess::execute("chmod", {GetParam(), user.path()}), 0);
    ASSERT_EQ(QProcess::execute("chmod", {"0666", file}), 0);
    ASSERT_EQ(QProcess::execute("chown", {"65533:65533", file}), 0);
    const auto owner = [&file] {
        struct stat st {};
        ::stat(QFile::encodeName(file).constData(), &st);
        return std::tuple(st.st_uid, st.st_gid, st.st_ino, st.st_mode & 07777);
    };
    const auto before = owner();
    ASSERT_TRUE(becomeNobody());
    run.load(file);
    run.deleteFirstLine();
    run.save();
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8) << run.said();
    EXPECT_FALSE(run.p->doc.FileChanged) << run.said();
    EXPECT_EQ(owner(), before);
}

INSTANTIATE_TEST_SUITE_P(Folders, OthersFile, ::testing::Values("1777", "0777"),
                         [](const auto& info) {
                             return std::string(info.param[0] == '1' ? "Sticky" : "Plain");
                         });

// A file-size limit makes the first edit's snapshot and the save fail, as a full disk does, and
// the message says which it is; Mirel goes on.
TEST(FileSizeLimit, ASaveOverItFailsWithoutEndingMirel) {
    if (ranInChild()) return;
    std::signal(SIGXFSZ, SIG_DFL);
    Steps run;
    const QString file = run.folder.write("Data/Files/a.srt", SubRip(40));
    run.p->shell.CommandLine = file;
    Main(*run.p);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    limit.rlim_cur = 512; // the scratch folder's lock fits, a snapshot does not
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    run.deleteFirstLine();
    ASSERT_EQ(run.told.size(), 1) << run.said();
    EXPECT_TRUE(run.told[0].startsWith("File too large: Cannot write ") &&
                run.told[0].contains("0000.shd: File too large") &&
                run.told[0].contains("a limit on the size of the files it may write (512 bytes;"))
        << run.said();
    EXPECT_EQ(run.p->doc.lineCount(), 39) << "the edit was made";
    run.save();
    EXPECT_EQ(readBytes(file), SubRip(40));
    EXPECT_TRUE(run.told.join("\n").contains(file)) << run.said();
    run.p.main().hide();
}

// A start on a full program folder takes no scratch folder and leaves none behind.
TEST(FullProgramFolder, AStartLeavesNoRunFolderBehind) {
    if (ranInChild()) return;
    Steps run;
    const QString scratch = run.folder.file("Data/Temporarily");
    if (!mountSmallDisk(scratch)) GTEST_SKIP() << "no file system of its own can be mounted here";
    ASSERT_TRUE(fillDisk(scratch));
    run.load(run.folder.write("Data/Files/a.srt", SubRip(2)));
    run.deleteFirstLine();
    EXPECT_EQ(QDir(scratch).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList())
        << run.said();
}

} // namespace
