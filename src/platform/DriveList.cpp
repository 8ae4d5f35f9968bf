#include "platform/DriveList.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace platform {

namespace {

// File systems that hold no user files.
bool isSystemFileSystem(const QByteArray& type) {
    static const QList<QByteArray> system = {
        "proc",      "sysfs",      "devpts",  "devtmpfs",    "tmpfs",  "cgroup",   "cgroup2",
        "mqueue",    "securityfs", "debugfs", "tracefs",     "pstore", "bpf",      "autofs",
        "hugetlbfs", "configfs",   "fusectl", "binfmt_misc", "nsfs",   "efivarfs", "squashfs"};
    return system.contains(type);
}

bool isSystemFolder(const QString& root) {
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        const QString p = QString::fromLatin1(prefix);
        if (root == p || root.startsWith(p + QLatin1Char('/'))) return true;
    }
    return false;
}

bool holds(const QString& root, const QString& path) {
    if (root == QLatin1String("/")) return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

DriveListBox::DriveListBox(Container& parent, const QString& name)
    : Control(parent, name, new QComboBox) {
    setClickFromMouse(false);
    QObject::connect(combo(), &QComboBox::activated, combo(), [this](int i) {
        if (!setListIndex(i)) combo()->setCurrentIndex(listIndex_); // refused: back to the old
    });
    move(0, 0, 2415, 315);
    refresh();
}

QComboBox* DriveListBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

QStringList DriveListBox::systemRoots() {
    QStringList roots{QStringLiteral("/")};
    const QString home = QDir::cleanPath(QDir::homePath());
    if (!roots.contains(home)) roots << home;
    QStringList volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(v.rootPath());
        if (!v.isValid() || !v.isReady() || isSystemFileSystem(v.fileSystemType()) ||
            isSystemFolder(root) || !QFileInfo(root).isDir() || roots.contains(root))
            continue;
        if (!volumes.contains(root)) volumes << root;
    }
    volumes.sort();
    return roots + volumes;
}

void DriveListBox::refresh() {
    setRoots(systemRoots());
}

void DriveListBox::setRoots(const QStringList& folders) {
    roots_ = folders;
    listIndex_ = -1;
    combo()->clear();
    combo()->addItems(roots_);
    combo()->setCurrentIndex(-1);
}

QString DriveListBox::list(int index) const {
    return index >= 0 && index < listCount() ? roots_[index] : QString();
}

bool DriveListBox::setListIndex(int index) {
    const QString root = list(index);
    const QFileInfo info(root);
    if (root.isEmpty() || !info.isDir() || !info.isExecutable()) {
        error_ = root.isEmpty() ? QStringLiteral("No such drive")
                                : QStringLiteral("The drive ") + root +
                                      QStringLiteral(" is not ready (it cannot be opened)");
        return false;
    }
    error_.clear();
    if (index == listIndex_) return true;
    listIndex_ = index;
    combo()->setCurrentIndex(index);
    if (onChange) onChange();
    return true;
}

int DriveListBox::indexOf(const QString& path) const {
    const QString clean = QDir::cleanPath(path);
    int best = -1;
    for (int i = 0; i < listCount(); ++i)
        if (holds(roots_[i], clean) && (best < 0 || roots_[i].size() > roots_[best].size()))
            best = i;
    return best;
}

bool DriveListBox::setDrive(const QString& path) {
    const int i = indexOf(path);
    if (i < 0) {
        error_ = QStringLiteral("No drive holds ") + path;
        return false;
    }
    return setListIndex(i);
}

} // namespace platform
