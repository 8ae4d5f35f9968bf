#include "runtime/ProgramFolder.h"

#include "runtime/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace runtime {

namespace {

// The folder as a prefix of the paths below it ("/" stays "/", "/a" is "/a/").
QString AsPrefix(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Everything in a folder but its lock file.
void EmptyRunFolder(const QString& folder) {
    QDir dir(folder);
    const auto entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName() == ProgramFolder::scratchLockName()) continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

// An empty folder named as a run's ("run-<pid>", "run-<pid>-<n>") whose
// process has ended: a start that could not lock it left it.
bool IsLeftRunFolder(const QString& folder) {
    static const QRegularExpression run(QStringLiteral("^run-([0-9]{1,10})(-[0-9]{1,2})?$"));
    const QRegularExpressionMatch match = run.match(QFileInfo(folder).fileName());
    return match.hasMatch() && !ProcessRuns(match.captured(1).toLongLong()) &&
           QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

// A lock with no time limit: a running Mirel keeps it however long it runs,
// and only the end of its process makes it stale.
std::unique_ptr<QLockFile> LockOf(const QString& folder) {
    auto lock =
        std::make_unique<QLockFile>(folder + QLatin1Char('/') + ProgramFolder::scratchLockName());
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

// The run's scratch folder: its name below \Data\Temporarily and the lock
// held on it. The run's end takes the folder away.
struct ProgramFolder::ScratchRun {
    QString name;
    QString folder; // the full path, while locked
    std::unique_ptr<QLockFile> lock;

    // The lock goes first: removing its file under a held lock makes the
    // lock's own release fail (and Qt warn at exit).
    void release() {
        const bool held = lock != nullptr;
        if (lock) lock->unlock();
        lock.reset();
        if (held) QDir(folder).removeRecursively();
        name.clear();
        folder.clear();
    }
    ~ScratchRun() { release(); }
};

// An absolute root, so that "." or "" cannot turn every path into one that
// seems to lie outside the folder, or into one below "/".
ProgramFolder::ProgramFolder(const QString& root)
    : root_(QDir::cleanPath(QDir(root).absolutePath())), scratch_(std::make_shared<ScratchRun>()) {}

QString ProgramFolder::relative(Place place) {
    switch (place) {
    case Place::System:
        return QStringLiteral("\\System");
    case Place::SettingsFile:
        return QStringLiteral("\\System\\Settings\\set.sdf");
    case Place::RecentFile:
        return QStringLiteral("\\System\\recent.sdf");
    case Place::LastFile:
        return QStringLiteral("\\System\\last.sdf");
    case Place::PositionFile:
        return QStringLiteral("\\System\\pos.sdf");
    case Place::SearchFile:
        return QStringLiteral("\\System\\sr.sdf");
    case Place::MacroFile:
        return QStringLiteral("\\System\\Macro.sdf");
    case Place::WizardFile:
        return QStringLiteral("\\System\\wizard.sdf");
    case Place::InternetFile:
        return QStringLiteral("\\System\\i.set");
    case Place::DownloadList:
        return QStringLiteral("\\System\\sublist.sdf");
    case Place::TipFile:
        return QStringLiteral("\\System\\tip.sdf");
    case Place::HelpCenterFile:
        return QStringLiteral("\\System\\helpcenter.htm");
    case Place::NodesFolder:
        return QStringLiteral("\\System\\Nodes");
    case Place::LanguageFolder:
        return QStringLiteral("\\System\\Language");
    case Place::HelpFolder:
        return QStringLiteral("\\System\\Language\\Help");
    case Place::SoundsFolder:
        return QStringLiteral("\\System\\Sounds");
    case Place::FilesFolder:
        return QStringLiteral("\\Data\\Files");
    case Place::CalculatorFolder:
        return QStringLiteral("\\Data\\Calculator");
    case Place::MacroFolder:
        return QStringLiteral("\\Data\\Macro");
    case Place::MacroExportFolder:
        return QStringLiteral("\\Data\\Macro\\Export");
    case Place::ScratchFolder:
        return QStringLiteral("\\Data\\Temporarily");
    }
    return {};
}

QString ProgramFolder::scratchLockName() {
    return QStringLiteral(".run.lock"); // hidden: lists of the scratch files leave it out
}

QString ProgramFolder::placePath(Place place) const {
    return place == Place::ScratchFolder ? scratchFolder() : relative(place);
}

QString ProgramFolder::scratchFolder() const {
    const QString shared = relative(Place::ScratchFolder);
    ScratchRun& run = *scratch_;
    if (!run.lock) {
        const QString base = path(shared);
        const QString pid = QString::number(QCoreApplication::applicationPid());
        for (int n = 0; n < 100; ++n) {
            const QString name = QStringLiteral("run-") + pid +
                                 (n == 0 ? QString() : QLatin1Char('-') + QString::number(n));
            const QString folder = base + QLatin1Char('/') + name;
            if (!QDir().mkpath(folder)) break;
            std::unique_ptr<QLockFile> lock = LockOf(folder);
            if (!lock->tryLock(0)) {
                if (lock->error() == QLockFile::LockFailedError) continue; // held: the next name
                QDir().rmdir(folder); // no lock can be made (a full disk): no folder stays
                break;
            }
            EmptyRunFolder(folder); // an earlier process of this id may have left files
            run.name = name;
            run.folder = folder;
            run.lock = std::move(lock);
            break;
        }
        if (run.name.isEmpty()) run.name = QStringLiteral("run-") + pid;
    }
    return shared + QLatin1Char('\\') + run.name;
}

bool ProgramFolder::holdsScratch() const {
    return scratch_->lock != nullptr;
}

void ProgramFolder::clearUnownedScratch() const {
    QDir base(path(relative(Place::ScratchFolder)));
    if (!base.exists()) return;
    for (const QString& name : base.entryList(QDir::Files | QDir::Hidden | QDir::System))
        base.remove(name);
    for (const QString& name : base.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString folder = base.filePath(name);
        if (scratch_->lock && name == scratch_->name) continue;
        if (!QFileInfo::exists(folder + QLatin1Char('/') + scratchLockName())) {
            if (IsLeftRunFolder(folder)) base.rmdir(name);
            continue;
        }
        const std::unique_ptr<QLockFile> probe = LockOf(folder);
        if (!probe->tryLock(0)) continue; // a running Mirel holds it
        QDir(folder).removeRecursively();
    }
}

void ProgramFolder::releaseScratch() const {
    scratch_->release();
}

QString ProgramFolder::locate() {
    const QString home = qEnvironmentVariable("MIREL_HOME");
    if (!home.isEmpty()) return QDir(home).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString ProgramFolder::path(const QString& relative) const {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (rel.isEmpty()) return root_;
    const QString full = QDir::cleanPath(AsPrefix(root_) + rel);
    if (full != root_ && !full.startsWith(AsPrefix(root_))) return {};
    return full;
}

QString ProgramFolder::path(const QString& relativeFolder, const QString& fileName) const {
    const QString folder = path(relativeFolder);
    if (folder.isEmpty()) return {};
    QString name = fileName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return {};
    return AsPrefix(folder) + name;
}

} // namespace runtime
