#pragma once
// A combo box: a drop-down list (style 2) or a drop-down list with a text
// field the user may type in (style 0; style 1 is taken as 0).
//
// Click runs for every choice the user makes from the list (even of the item
// already chosen) and for every assignment of ListIndex from code, also of the
// index it already has; assigning -1 clears the choice (and the field) and
// also runs Click. An index outside -1 .. ListCount - 1 is ignored. Adding,
// removing and clearing items never runs Click or Change; removing the chosen
// item leaves ListIndex at -1.
//
// Style 0: Text is the field's text; Change runs when the user edits it (the
// choice then goes to -1) or code sets a different text (ListIndex becomes the
// item with that text, compared without case, or -1). Choosing from the list
// replaces the field's text without a Change. Style 2: Text is the chosen
// item's text; setting it chooses the item with that text (a Click) and is
// ignored when no item has it.

#include "platform/Control.h"

#include <QStringList>

class QComboBox;

namespace platform {

class ComboBox : public Control {
public:
    enum Style { DropDownCombo = 0, SimpleCombo = 1, DropDownList = 2 };

    ComboBox(Container& parent, const QString& name, int style = DropDownCombo);

    int style() const { return style_; }

    // Inserts before index, or at the end for -1; other indexes are ignored.
    void addItem(const QString& text, int index = -1);
    void removeItem(int index);
    void clear();
    // Replaces every item at once (a long list fills in one step); nothing is
    // chosen afterwards and no handler runs.
    void setItems(const QStringList& items);
    int listCount() const;
    // Out-of-range indexes read as "" (or 0) and ignore writes.
    QString list(int index) const;
    void setList(int index, const QString& text);
    int itemData(int index) const;
    void setItemData(int index, int value);

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    QString text() const;
    void setText(const QString& text);

    std::function<void()> onChange;

private:
    QComboBox* combo() const;
    bool editable() const { return style_ != DropDownList; }
    QString editText() const;
    void showCurrent(const QString& editWhenNone);
    void userChose(int index);
    void userEdited();

    int style_;
    int listIndex_ = -1;
};

} // namespace platform
