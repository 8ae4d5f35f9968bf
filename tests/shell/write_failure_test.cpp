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
#include <QProcess>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// A document, a.srt, loaded in a program on a fresh program folder; every
// message shown is kept and answered Yes (an overwrite question) or Ok.
struct Steps {
    ProgramFolder folder;
    ProgramOn p{folder.path()};
    QStringList told;
    explicit Steps(int lines) {
        p->host.modal.onUnanswered = [this](platform::Form& form) {
            auto* box = dynamic_cast<frmMessageBox*>(&form);
            if (!box) return;
            told << box->Label4.caption() + ": " + box->Label1.caption();
            const bool question = box->cmdAction[frmMessageBox::Yes].visible();
            box->cmdActionClick(question ? frmMessageBox::Yes : frmMessageBox::Ok);
        };
        p.main().load();
        mustLoad(*p, folder.write("Data/Files/a.srt", SubRip(lines)));
    }
};

struct Row {
    const char* name;
    int lines;         // of a.srt
    const char* file;  // the file the step replaces, below the program folder
    rlim_t limit;      // the bytes a file may reach while the step runs
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
    if (!qEnvironmentVariableIsSet("MIREL_WRITE_FAILURE_CHILD")) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIREL_WRITE_FAILURE_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=%1.%2")
                         .arg(test->test_suite_name(), test->name())});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray out = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
        return;
    }
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

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
