#include "platform/ComboBox.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QLineEdit>

namespace platform {

namespace {

// A combo box's items: a text and a value each, in two plain lists, so that
// a whole list is replaced in one step however long it is.
class ItemModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(texts_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!has(index)) return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole) return texts_[index.row()];
        if (role == Qt::UserRole) return values_[index.row()];
        return {};
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!has(index)) return false;
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            texts_[index.row()] = value.toString();
        else if (role == Qt::UserRole)
            values_[index.row()] = value;
        else
            return false;
        emit dataChanged(index, index, {role});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return has(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }
    bool insertRows(int row, int count, const QModelIndex& parent) override {
        if (parent.isValid() || row < 0 || row > rowCount() || count < 1) return false;
        beginInsertRows(parent, row, row + count - 1);
        texts_.insert(row, count, QString());
        values_.insert(row, count, QVariant());
        endInsertRows();
        return true;
    }
    bool removeRows(int row, int count, const QModelIndex& parent) override {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
        beginRemoveRows(parent, row, row + count - 1);
        texts_.remove(row, count);
        values_.remove(row, count);
        endRemoveRows();
        return true;
    }
    void replace(const QStringList& texts) {
        beginResetModel();
        texts_ = texts;
        values_ = QList<QVariant>(texts.size());
        endResetModel();
    }

private:
    bool has(const QModelIndex& index) const {
        return index.isValid() && index.row() < texts_.size();
    }
    QStringList texts_;
    QList<QVariant> values_;
};

QComboBox* makeCombo(bool editable) {
    auto* c = new QComboBox;
    c->setModel(new ItemModel(c));
    if (editable) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        // Leaving the field must not choose the item whose text it holds.
        QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
    }
    return c;
}

} // namespace

ComboBox::ComboBox(Container& parent, const QString& name, int style)
    : Control(parent, name, makeCombo(style != DropDownList)),
      style_(style == DropDownList ? DropDownList : DropDownCombo) {
    setClickFromMouse(false); // Click comes from the list
    initColors(SysWindowBackground, SysWindowText);
    QComboBox* c = combo();
    QObject::connect(c, &QComboBox::activated, c, [this](int i) { userChose(i); });
    if (QLineEdit* field = c->lineEdit()) {
        watch(field); // mouse events on the text field
        QObject::connect(field, &QLineEdit::textEdited, c, [this] { userEdited(); });
    }
    move(0, 0, 1455, 315);
}

QComboBox* ComboBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

QString ComboBox::editText() const {
    return editable() ? combo()->lineEdit()->text() : QString();
}

// Puts the widget on listIndex_; a text field shows the chosen item's text, or
// editWhenNone when nothing is chosen.
void ComboBox::showCurrent(const QString& editWhenNone) {
    QComboBox* c = combo();
    if (c->currentIndex() != listIndex_) c->setCurrentIndex(listIndex_);
    if (!editable()) return;
    const QString want = listIndex_ >= 0 ? c->itemText(listIndex_) : editWhenNone;
    if (c->lineEdit()->text() != want) c->lineEdit()->setText(want);
}

void ComboBox::userChose(int index) {
    listIndex_ = index;
    showCurrent({});
    if (onClick) onClick();
}

void ComboBox::userEdited() {
    listIndex_ = -1;
    if (onChange) onChange();
}

int ComboBox::listCount() const {
    return combo()->count();
}

void ComboBox::addItem(const QString& text, int index) {
    if (index == -1) index = listCount();
    if (index < 0 || index > listCount()) return;
    const QString edit = editText();
    combo()->insertItem(index, text);
    if (listIndex_ >= index) ++listIndex_;
    showCurrent(edit); // an empty list's first item is not chosen
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    const QString edit = editText();
    combo()->removeItem(index);
    if (index == listIndex_)
        listIndex_ = -1;
    else if (index < listIndex_)
        --listIndex_;
    showCurrent(edit);
}

void ComboBox::clear() {
    combo()->clear();
    listIndex_ = -1;
    showCurrent({});
}

void ComboBox::setItems(const QStringList& items) {
    static_cast<ItemModel*>(combo()->model())->replace(items);
    listIndex_ = -1;
    showCurrent({});
}

QString ComboBox::list(int index) const {
    if (index < 0 || index >= listCount()) return {};
    return combo()->itemText(index);
}

void ComboBox::setList(int index, const QString& text) {
    if (index < 0 || index >= listCount()) return;
    const QString edit = editText();
    combo()->setItemText(index, text);
    showCurrent(edit);
}

int ComboBox::itemData(int index) const {
    if (index < 0 || index >= listCount()) return 0;
    return combo()->itemData(index).toInt();
}

void ComboBox::setItemData(int index, int value) {
    if (index < 0 || index >= listCount()) return;
    const QString edit = editText();
    combo()->setItemData(index, value);
    showCurrent(edit); // the widget rewrites the field when its item changes
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return;
    listIndex_ = index;
    showCurrent({});
    if (onClick) onClick();
}

QString ComboBox::text() const {
    if (editable()) return editText();
    return list(listIndex_);
}

void ComboBox::setText(const QString& text) {
    const int match = combo()->findText(text, Qt::MatchFixedString);
    if (!editable()) {
        if (match >= 0) setListIndex(match);
        return;
    }
    if (text == editText()) return;
    listIndex_ = match;
    showCurrent({});
    combo()->lineEdit()->setText(text); // as given, even when the item differs in case
    if (onChange) onChange();
}

} // namespace platform
