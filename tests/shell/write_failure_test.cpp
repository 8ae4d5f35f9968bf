// Writes that fail part way, as on a full disk: each row's step writes a file
// while the process may write a few bytes a file only. The file the step would
// replace stays as it was, no temporary file is left beside it, the user is
// told which file could not be written, and an unsaved document stays changed.
// Each test runs in a child process, so that the limit, or the loss of write
// access, binds nothing else.

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
#include <functional>
#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Runs the current test again in a child process (its temporary folders below
// one the parent removes) and fails when the child does; false in the child.
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
    EXPECT_TRUE(child.waitForFinished(60000));
    const QByteArray out = child.readAll();
    EXPECT_TRUE(child.exitCode() == 0 && out.contains("[  PASSED  ] 1 test")) << out.data();
    return true;
}

// A program on a fresh program folder, and what a user does with it; every
// message it shows is kept and answered Yes (an overwrite question) or Ok.
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
};

struct Row {
    const char* name;
    const char* file; // the file the step replaces, below the program folder
    rlim_t limit;     // the bytes a file may have meanwhile
    std::function<void(Steps&)> prepare, step;
    bool staysChanged;
};
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

void typeParts(Steps& run) {
    PartitionTab& tab = run.p.main().partition;
    for (const char* name : {"cd1.avi", "cd2.avi"}) {
        const int spare = tab.grid.rows() - 1;
        for (const auto& [col, text] : {std::pair{1, name}, std::pair{2, "00:00:01,000"}}) {
            tab.grid.setCurrentCell(spare, col);
            tab.rtfSplitEdit.setText(text);
            int key = platform::KeyReturn;
            tab.rtfSplitEdit.onKeyPress(key);
        }
    }
    if (tab.Label31.caption() == ">>") tab.Label31.onClick();
    tab.combo3.setListIndex(8); // SubRip
}

const Row kRows[] = {
    {"SaveOverAnExistingFile", "Data/Files/a.srt", 20, [](Steps& s) { s.deleteFirstLine(); },
     [](Steps& s) { s.save(); }, true},
    // The one-line subtitle file fits; the node file, with its full path, not.
    {"TheNodeFileOfASave", "System/Nodes/a.srt.sdf", 60,
     [](Steps& s) {
         s.deleteFirstLine();
         s.folder.write("System/Nodes/a.srt.sdf", "old");
     },
     [](Steps& s) { s.save(); }, true},
    {"APartOfThePartitionTab", "Data/Files/cd1.srt", 20,
     [](Steps& s) {
         typeParts(s);
         s.folder.write("Data/Files/cd1.srt", "old");
     },
     [](Steps& s) { s.p.main().partition.command5.onClick(); }, false},
    {"SettingsAtOk", "System/Settings/set.sdf", 10, nullptr,
     [](Steps& s) {
         s.p.answer<frmSettings>([](frmSettings& w) { Press(w.Command1[frmSettings::Ok]); });
         s.p.main().mnuSettings.click();
     },
     false},
    {"TheLastFilesAtExit", "System/last.sdf", 20,
     [](Steps& s) { s.folder.write("System/last.sdf", "old"); },
     [](Steps& s) { s.p.main().mnuExit.click(); }, false},
    {"TheWizardListAtExit", "System/wizard.sdf", 20, nullptr,
     [](Steps& s) { s.p.main().mnuExit.click(); }, false},
};

QStringList besides(const QString& file) {
    const QFileInfo info(file);
    return QDir(info.path()).entryList({info.fileName() + "*"}, QDir::Files | QDir::Hidden);
}

class WriteFailure : public ::testing::TestWithParam<Row> {};

TEST_P(WriteFailure, LeavesTheFileWholeAndSaysSo) {
    if (ranInChild()) return;
    const Row& row = GetParam();
    Steps run;
    run.load(run.folder.write("Data/Files/a.srt", SubRip(2)));
    if (row.prepare) row.prepare(run);
    const QString file = run.folder.file(row.file);
    const QByteArray before = readBytes(file);
    const QStringList beside = besides(file);
    {
        FileSizeLimit limit(row.limit);
        ASSERT_TRUE(limit.active());
        row.step(run);
    }
    EXPECT_EQ(readBytes(file), before) << "the old file stays whole";
    EXPECT_EQ(besides(file), beside) << "no temporary file is left";
    EXPECT_TRUE(run.told.join("\n").contains(file)) << run.told.join("\n").toStdString();
    EXPECT_TRUE(run.p->doc.FileChanged || !row.staysChanged) << "not saved";
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Takes write access to a tree away from this process, but for one file in
// it: root, who writes anywhere, becomes "nobody" for the rest of the child
// (still dumpable, so that a leak check can look at the process at its end).
bool loseWriteAccess(const QString& tree, const QString& writable = {}) {
    if (QProcess::execute("chmod", {"-R", "a-w,a+rX", tree}) != 0) return false;
    if (!writable.isEmpty() && QProcess::execute("chmod", {"a+w", writable}) != 0) return false;
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 &&
                              setuid(65534) == 0 && prctl(PR_SET_DUMPABLE, 1) == 0);
}

// A program folder that cannot be written is said once, at the start (not
// again at the exit), and the document is edited all the same, without the
// change history.
TEST(ReadOnlyProgramFolder, IsSaidOnceAtStartAndEditingGoesOnWithoutTheHistory) {
    if (ranInChild()) return;
    Steps run;
    const QString file = run.folder.write("Data/Files/a.srt", SubRip(3));
    ASSERT_TRUE(loseWriteAccess(run.folder.path()));
    run.load(file);
    ASSERT_EQ(run.told.size(), 1);
    EXPECT_TRUE(run.told[0].contains(run.folder.path() + " (") && run.told[0].contains("history"))
        << run.told[0].toStdString();
    run.deleteFirstLine();
    run.deleteFirstLine();
    EXPECT_EQ(run.p->doc.lineCount(), 1);
    run.p->doc.FileChanged = false; // the exit asks nothing about the document
    run.p.main().mnuExit.click();
    EXPECT_EQ(run.told.size(), 1) << "nor about the state files: " << run.told.join("\n").data();
    QProcess::execute("chmod", {"-R", "u+w", run.folder.path()});
}

// A file the user may write in a folder the user may not: Save writes it in
// place.
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
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8) << run.told.join("\n").toStdString();
    EXPECT_FALSE(run.p->doc.FileChanged) << run.told.join("\n").toStdString();
    QProcess::execute("chmod", {"u+w", user.path()});
}

} // namespace
