#pragma once
// What the folder list and the file list share: the open folder (Path),
// which they read into a single-selection list, and why a folder they were
// given could not be opened. A folder that cannot be read leaves everything
// as it was; another folder is read and reported as a change.

#include "platform/Control.h"

class QAbstractItemView;

namespace platform {

class FolderList : public Control {
public:
    QString path() const { return path_; }
    // False (error() says why) when the folder cannot be read; nothing changes then.
    bool setPath(const QString& folder);
    QString error() const { return error_; }

protected:
    // What a folder must allow: reading its names, or also entering it.
    enum class Access { Read, Enter };
    FolderList(Container& parent, const QString& name, QAbstractItemView* view, Access access);

    // Reads the open folder into the list.
    virtual void readFolder() = 0;
    // Runs when the open folder became another one.
    virtual void pathChanged() = 0;
    // Runs when the open folder is given again; nothing by default.
    virtual void samePathGiven() {}

private:
    // The folder's clean absolute path, or "" (error_ says why) when it cannot be used.
    QString usable(const QString& folder);

    Access access_;
    QString path_;
    QString error_;
};

} // namespace platform
