// Writes that fail part way, as on a full disk. Each row prepares a program
// folder and a document, then a user's step writes a file while this process
// may write files of a few bytes only (a file-size limit, with SIGXFSZ
// ignored, so that the write fails at that byte as it would on a full disk).
// The file the step would replace stays as it was, the user is told which
// file could not be written, no temporary file is left beside it, and a
// document that was not saved whole still counts as changed. Each row runs
// in a child process of its own, so that the limit binds nothing else.

#include "ShellFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "platform/Keys.h"
#include "shell/LanguageFixture.h"
#include "shell/frmSettings.h"
#include "support/ListItems.h"
#include "tools/PartitionTab.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every message the program shows is kept in *told and answered Yes (an
// overwrite question) or Ok.
void keepMessages(ProgramOn& p, QStringList* told) {
    p->host.modal.onUnanswered = [told](platform::Form& form) {
        auto* box = dynamic_cast<frmMessageBox*>(&form);
        if (!box) return;
        *told << box->Label4.caption() + ": " + box->Label1.caption();
        const bool question = box->cmdAction[frmMessageBox::Yes].visible();
        box->cmdActionClick(question ? frmMessageBox::Yes : frmMessageBox::Ok);
    };
}

// Runs the current test again in a child process and fails when the child
// does; false in that child, where the test's body runs.
bool ranInChild() {
    if (qEnvironmentVariableIsSet("MIREL_WRITE_FAILURE_CHILD")) return false;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIREL_WRITE_FAILURE_CHILD", "1");
    // The child's temporary folders go below one of the parent's, which
    // removes them even where the child could not.
    QTemporaryDir below;
    EXPECT_TRUE(below.isValid() && ::chmod(QFile::encodeName(below.path()).constData(), 0777) == 0);
    env.insert("TMPDIR", below.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QByteArray out = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
    return true;
}

// A document, a.srt, loaded in a program on a fresh program folder, its
// messages kept.
struct Steps {
    ProgramFolder folder;
    ProgramOn p{folder.path()};
    QStringList told;
    explicit Steps(int lines) {
        keepMessages(p, &told);
        p.main().load();
        mustLoad(*p, folder.write("Data/Files/a.srt", SubRip(lines)));
    }
};

struct Row {
    const char* name;
    int lines;        // of a.srt
    const char* file; // the file the step replaces, below the program folder
    rlim_t limit;     // the bytes a file may reach while the step runs
    std::function<void(Steps&)> prepare, step;
    bool staysChanged; // the document still counts as changed
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

void changeTheDocument(Steps& run) {
    run.p->doc.grid().setCurrentCell(1, 1);
    run.p.main().editor.basic.Command11.onClick(); // Delete
    ASSERT_TRUE(run.p->doc.FileChanged);
}

void saveOverTheFile(Steps& run) {
    run.p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
    run.p.main().mnuSavesubfile.click();
}

const Row kRows[] = {
    {"SaveOverAnExistingFile", 30, "Data/Files/a.srt", 300, changeTheDocument, saveOverTheFile,
     true},
    // The subtitle file fits; the node file beside the save, with the
    // file's full path in it, does not.
    {"TheNodeFileOfASave", 1, "System/Nodes/a.srt.sdf", 60,
     [](Steps& run) {
         run.folder.write("System/Nodes/a.srt.sdf", "old\r\n");
         run.p->doc.FileChanged = true;
     },
     saveOverTheFile, true},
    {"APartOfThePartitionTab", 30, "Data/Files/cd1.srt", 100,
     [](Steps& run) {
         run.folder.write("Data/Files/cd1.srt", "old\r\n");
         PartitionTab& tab = run.p.main().partition;
         for (const auto& [name, length] :
              {std::pair{"cd1.avi", "00:00:20,000"}, std::pair{"cd2.avi", "00:00:20,000"}}) {
             const int spare = tab.grid.rows() - 1;
             for (const auto& [col, text] : {std::pair{1, name}, std::pair{2, length}}) {
                 tab.grid.setCurrentCell(spare, col);
                 tab.rtfSplitEdit.setText(text);
                 int key = platform::KeyReturn;
                 tab.rtfSplitEdit.onKeyPress(key);
             }
         }
         if (tab.Label31.caption() == ">>") tab.Label31.onClick();
         tab.combo3.setListIndex(8); // SubRip
     },
     [](Steps& run) { run.p.main().partition.command5.onClick(); }, false},
    {"SettingsAtOk", 1, "System/Settings/set.sdf", 10, nullptr,
     [](Steps& run) {
         run.p.answer<frmSettings>([](frmSettings& s) { Press(s.Command1[frmSettings::Ok]); });
         run.p.main().mnuSettings.click();
     },
     false},
    {"TheLastFilesAtExit", 1, "System/last.sdf", 20,
     [](Steps& run) { run.folder.write("System/last.sdf", "old\r\n"); },
     [](Steps& run) { run.p.main().mnuExit.click(); }, false},
    {"TheWizardListAtExit", 1, "System/wizard.sdf", 20, nullptr,
     [](Steps& run) { run.p.main().mnuExit.click(); }, false},
};

// Limits the size of the files this process writes while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    bool active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

// The files beside `file` whose names begin with its name: a temporary
// file a write left would be one.
QStringList besides(const QString& file) {
    const QFileInfo info(file);
    return QDir(info.path()).entryList({info.fileName() + "*"}, QDir::Files | QDir::Hidden);
}

class WriteFailure : public ::testing::TestWithParam<Row> {};

TEST_P(WriteFailure, LeavesTheFileWholeAndSaysSo) {
    const Row& row = GetParam();
    if (ranInChild()) return;
    Steps run(row.lines);
    if (row.prepare) row.prepare(run);
    const QString file = run.folder.file(row.file);
    const bool existed = QFileInfo::exists(file);
    const QByteArray before = existed ? readBytes(file) : QByteArray();
    const QStringList beside = besides(file);
    {
        FileSizeLimit limit(row.limit);
        ASSERT_TRUE(limit.active());
        row.step(run);
    }
    EXPECT_EQ(QFileInfo::exists(file), existed);
    EXPECT_EQ(existed ? readBytes(file) : QByteArray(), before) << "the old file stays whole";
    EXPECT_EQ(besides(file), beside) << "no temporary file is left";
    const QString told = run.told.join("\n");
    EXPECT_TRUE(told.contains(file)) << "the user is told: " << told.toStdString();
    EXPECT_TRUE(run.p->doc.FileChanged || !row.staysChanged) << "not saved";
}

// Every folder and file of a tree (the tree's own folder first).
QStringList treeOf(const QString& folder) {
    QStringList paths = {folder};
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    return paths;
}

bool setModes(const QStringList& paths, mode_t folders, mode_t files) {
    for (const QString& path : paths)
        if (::chmod(QFile::encodeName(path).constData(), QFileInfo(path).isDir() ? folders : files))
            return false;
    return true;
}

// Trees this process may still write after loseWriteAccess (root's stand-in
// included).
bool openToEveryone(const QString& folder) {
    return setModes(treeOf(folder), 0777, 0666);
}

// Makes `folder` and everything below it readable but not writable from
// here on, but for the `writable` files. Root writes anywhere, so a root
// process then becomes the user "nobody"; any other user gets write
// permission back at the end (so the tree can be removed).
class WriteAccessLost {
public:
    WriteAccessLost(const QString& folder, const QStringList& writable = {})
        : tree_(treeOf(folder)) {
        ok_ = setModes(tree_, 0555, 0444) && setModes(writable, 0777, 0666);
        if (ok_ && geteuid() == 0)
            ok_ = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    }
    ~WriteAccessLost() { setModes(tree_, 0755, 0644); }
    bool ok() const { return ok_; }

private:
    QStringList tree_;
    bool ok_ = false;
};

// A program folder that cannot be written is said once, at the start; the
// document is edited all the same, without the change history.
TEST(ReadOnlyProgramFolder, IsSaidOnceAtStartAndEditingGoesOnWithoutTheHistory) {
    if (ranInChild()) return;
    ProgramFolder folder;
    const QString file = folder.write("Data/Files/a.srt", SubRip(3));
    WriteAccessLost readOnly(folder.path());
    ASSERT_TRUE(readOnly.ok());
    ProgramOn p(folder.path());
    QStringList told;
    keepMessages(p, &told);
    p.main().load();
    ASSERT_EQ(told.size(), 1) << told.join("\n").toStdString();
    EXPECT_TRUE(told[0].contains(folder.path())) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains("history")) << told[0].toStdString();
    mustLoad(*p, file);
    for (int left : {2, 1}) {
        p->doc.grid().setCurrentCell(1, 1);
        p.main().editor.basic.Command11.onClick(); // Delete
        EXPECT_EQ(p->doc.lineCount(), left);
    }
    EXPECT_EQ(told.size(), 1) << told.join("\n").toStdString();
}

// A file the user may write, in a folder the user may not: Save writes it in
// place.
TEST(ReadOnlyFolder, AWritableFileInItIsSavedInPlace) {
    if (ranInChild()) return;
    ProgramFolder folder;
    QTemporaryDir user;
    const QString file = writeFileAt(user.filePath("a.srt"), SubRip(3));
    ASSERT_TRUE(openToEveryone(folder.path()));
    WriteAccessLost readOnly(user.path(), {file});
    ASSERT_TRUE(readOnly.ok());
    ProgramOn p(folder.path());
    QStringList told;
    keepMessages(p, &told);
    p.main().load();
    mustLoad(*p, file);
    p->doc.grid().setCurrentCell(1, 1);
    p.main().editor.basic.Command11.onClick(); // Delete
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
    p.main().mnuSavesubfile.click();
    EXPECT_EQ(runtime::ReadTextFile(file).lines.size(), 8) << told.join("\n").toStdString();
    EXPECT_FALSE(p->doc.FileChanged) << told.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
