#include "runtime/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace runtime {

ProgramFolder::ProgramFolder(const QString& root) : root_(QDir::cleanPath(root)) {}

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
    const QString full = QDir::cleanPath(root_ + QLatin1Char('/') + rel);
    if (full != root_ && !full.startsWith(root_ + QLatin1Char('/'))) return {};
    return full;
}

QString ProgramFolder::path(const QString& relativeFolder, const QString& fileName) const {
    const QString folder = path(relativeFolder);
    if (folder.isEmpty()) return {};
    QString name = fileName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return {};
    return folder + QLatin1Char('/') + name;
}

} // namespace runtime
