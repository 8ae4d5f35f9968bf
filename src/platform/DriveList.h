#pragma once
// A drive list: the places a user can browse from. On Linux these are the
// file-system root, the home folder and the mounted volumes that hold real
// files (as QStorageInfo reports them; kernel and runtime file systems such
// as /proc, /sys, /dev and /run are left out), each named by its folder.
//
// ListIndex chooses an entry and runs Change; an entry whose folder cannot
// be opened (a volume that went away) is refused with error() set and leaves
// the choice as it was. setDrive chooses the entry that holds a path: the
// deepest entry folder the path lies in.

#include "platform/Control.h"

#include <QStringList>

class QComboBox;

namespace platform {

class DriveListBox : public Control {
public:
    DriveListBox(Container& parent, const QString& name);

    int listCount() const { return static_cast<int>(roots_.size()); }
    // An entry's folder; "" outside the list.
    QString list(int index) const;
    int listIndex() const { return listIndex_; }
    // False when the entry's folder cannot be opened (or the index is outside the list).
    bool setListIndex(int index);
    QString error() const { return error_; }

    // The chosen entry's folder.
    QString drive() const { return list(listIndex_); }
    bool setDrive(const QString& path);
    // The entry that holds path, -1 when none does.
    int indexOf(const QString& path) const;

    // Lists the system's places again.
    void refresh() override;
    // Lists these folders instead of the system's.
    void setRoots(const QStringList& folders);
    // The root, the home folder and the browsable mounted volumes.
    static QStringList systemRoots();

    std::function<void()> onChange;

private:
    QComboBox* combo() const;

    QStringList roots_;
    int listIndex_ = -1;
    QString error_;
};

} // namespace platform
