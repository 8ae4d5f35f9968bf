#pragma once
// A folder list: the open folder (Path) shown inside its tree as one list,
// its ancestors from the file-system root down, the open folder itself, and
// below it its subfolders sorted by name without case (hidden ones left out).
//
// Entries are numbered as the program expects of such a list: -1 is the open
// folder, -2 its parent and so on up to the root; 0 .. ListCount - 1 are the
// subfolders. ListIndex is the selected entry; it is -1 after every change of
// Path. Selecting an entry (a click, or ListIndex from code) runs Click and
// leaves Path alone; double-clicking an entry opens it. Opening a folder (a
// double click, or Path from code) reads it and runs Change; a folder that
// cannot be read leaves everything as it was, and the open folder given again
// is only read again.

#include "platform/FolderList.h"

#include <QStringList>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace platform {

class DirListBox : public FolderList {
public:
    DirListBox(Container& parent, const QString& name);

    // Subfolders of the open folder.
    int listCount() const { return static_cast<int>(subfolders_.size()); }
    // The full path of an entry (see above); "" outside the list.
    QString list(int index) const;
    int listIndex() const { return listIndex_; }
    // Indexes outside the entries are ignored.
    void setListIndex(int index);

    // Reads the open folder's subfolders again.
    void refresh() override;

    std::function<void()> onChange;

protected:
    void readFolder() override;
    void pathChanged() override;
    void samePathGiven() override; // read again, quietly

private:
    QTreeWidget* view() const;
    int ancestorCount() const { return static_cast<int>(ancestors_.size()); }
    int rowOf(int index) const { return index + ancestorCount(); }
    int indexOf(const QTreeWidgetItem* item) const;
    void fillView();
    void selectRow(int index);
    void userSelected();
    void userOpened();

    QStringList ancestors_; // root first, the open folder last
    QStringList subfolders_;
    std::vector<QTreeWidgetItem*> items_; // by row: the ancestors, then the subfolders
    int listIndex_ = -1;
    bool quiet_ = false;
};

} // namespace platform
