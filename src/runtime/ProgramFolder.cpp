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
