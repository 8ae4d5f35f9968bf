#pragma once
// A list box, single-select (the default) or multi-select (1 simple: a click
// toggles an item; 2 extended: Shift and Ctrl extend the selection).
//
// Click runs once for each change of the selection, by the user (a click or a
// key) or by code (ListIndex, Selected); code that leaves the selection as it
// was runs nothing. Adding, removing and clearing items never runs Click;
// removing the selected item leaves ListIndex at -1, and so does clear().
//
// ListIndex is the selected item of a single-select list (-1 for none) and the
// item with the focus of a multi-select list, where setting it moves the focus
// without changing the selection. An index outside -1 .. ListCount - 1 is
// ignored. A sorted list places an added item by its text, compared without
// case, after equal items; an explicit index places it there all the same.
// DblClick runs for a double click on the list.

#include "platform/Control.h"

class QListWidget;

namespace platform {

class ListBox : public Control {
public:
    enum MultiSelect { SelectOne = 0, SelectSimple = 1, SelectExtended = 2 };

    ListBox(Container& parent, const QString& name, bool sorted = false,
            int multiSelect = SelectOne);

    bool sorted() const { return sorted_; }
    int multiSelect() const { return multiSelect_; }

    // Inserts before index, or (for -1) at the end or in sorted place; other
    // indexes are ignored.
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    // Out-of-range indexes read as "", 0 or false and ignore writes.
    QString list(int index) const;
    void setList(int index, const QString& text);
    int itemData(int index) const;
    void setItemData(int index, int value);
    bool selected(int index) const;
    void setSelected(int index, bool on);
    int selCount() const;

    int listIndex() const;
    void setListIndex(int index);
    // The listIndex item's text ("" for none).
    QString text() const { return list(listIndex()); }

    // The first item in view; setting it scrolls (as far as the list allows).
    int topIndex() const;
    void setTopIndex(int index);

private:
    QListWidget* view() const;
    int sortedPosition(const QString& text) const;
    void userSelected();

    bool sorted_;
    int multiSelect_;
    bool quiet_ = false; // code is changing the items or the selection
};

} // namespace platform
