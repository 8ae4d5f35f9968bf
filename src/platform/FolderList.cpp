#include "platform/FolderList.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>

namespace platform {

FolderList::FolderList(Container& parent, const QString& name, QAbstractItemView* view,
                       Access access)
    : Control(parent, name, view), access_(access) {
    setClickFromMouse(false); // Click comes from the selection
    initColors(SysWindowBackground, SysWindowText);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    move(0, 0, 2415, 2175);
}

QString FolderList::usable(const QString& folder) {
    const QFileInfo info(folder);
    const bool enter = access_ == Access::Enter;
    if (folder.isEmpty() || !info.isDir() || !info.isReadable() ||
        (enter && !info.isExecutable())) {
        error_ = folder.isEmpty() ? QStringLiteral("No folder given")
                                  : (enter ? QStringLiteral("Cannot open the folder ")
                                           : QStringLiteral("Cannot read the folder ")) +
                                        folder;
        return {};
    }
    error_.clear();
    return QDir::cleanPath(info.absoluteFilePath());
}

bool FolderList::setPath(const QString& folder) {
    const QString clean = usable(folder);
    if (clean.isEmpty()) return false;
    if (clean == path_) {
        samePathGiven();
        return true;
    }
    path_ = clean;
    readFolder();
    pathChanged();
    return true;
}

} // namespace platform
