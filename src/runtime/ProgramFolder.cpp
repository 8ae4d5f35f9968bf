#include "runtime/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace runtime {

namespace {

// The folder as a prefix of the paths below it ("/" stays "/", "/a" is "/a/").
QString AsPrefix(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

// An absolute root, so that "." or "" cannot turn every path into one that
// seems to lie outside the folder, or into one below "/".
ProgramFolder::ProgramFolder(const QString& root)
    : root_(QDir::cleanPath(QDir(root).absolutePath())) {}

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
