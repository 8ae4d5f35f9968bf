#include "platform/ListBox.h"
#include "platform/Quiet.h"

#include <QListWidget>

namespace platform {

namespace {

QAbstractItemView::SelectionMode selectionModeOf(int multiSelect) {
    switch (multiSelect) {
    case ListBox::SelectSimple:
        return QAbstractItemView::MultiSelection;
    case ListBox::SelectExtended:
        return QAbstractItemView::ExtendedSelection;
    default:
        return QAbstractItemView::SingleSelection;
    }
}

} // namespace

ListBox::ListBox(Container& parent, const QString& name, bool sorted, int multiSelect)
    : Control(parent, name, new QListWidget), sorted_(sorted),
      multiSelect_(multiSelect == SelectSimple || multiSelect == SelectExtended ? multiSelect
                                                                                : SelectOne) {
    setClickFromMouse(false); // Click comes from the selection
    initColors(SysWindowBackground, SysWindowText);
    QListWidget* v = view();
    v->setSelectionMode(selectionModeOf(multiSelect_));
    v->setUniformItemSizes(true); // long lists lay out at once
    QObject::connect(v, &QListWidget::itemSelectionChanged, v, [this] { userSelected(); });
    move(0, 0, 1455, 1035);
}

QListWidget* ListBox::view() const {
    return static_cast<QListWidget*>(widget());
}

void ListBox::userSelected() {
    if (!quiet_ && onClick) onClick();
}

int ListBox::listCount() const {
    return view()->count();
}

int ListBox::sortedPosition(const QString& text) const {
    int lo = 0, hi = listCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (QString::compare(view()->item(mid)->text(), text, Qt::CaseInsensitive) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void ListBox::addItem(const QString& text, int index) {
    if (index == -1) index = sorted_ ? sortedPosition(text) : listCount();
    if (index < 0 || index > listCount()) return;
    Quiet q(quiet_);
    view()->insertItem(index, text);
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    Quiet q(quiet_);
    QListWidget* v = view();
    const bool wasCurrent = v->currentRow() == index;
    const QList<QListWidgetItem*> before = v->selectedItems();
    delete v->takeItem(index);
    if (wasCurrent) v->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    // The view moves the focus to a neighbour, which must not select it.
    for (QListWidgetItem* item : v->selectedItems())
        if (!before.contains(item)) item->setSelected(false);
}

void ListBox::clear() {
    Quiet q(quiet_);
    view()->clear();
}

QString ListBox::list(int index) const {
    if (index < 0 || index >= listCount()) return {};
    return view()->item(index)->text();
}

void ListBox::setList(int index, const QString& text) {
    if (index < 0 || index >= listCount()) return;
    view()->item(index)->setText(text);
}

int ListBox::itemData(int index) const {
    if (index < 0 || index >= listCount()) return 0;
    return view()->item(index)->data(Qt::UserRole).toInt();
}

void ListBox::setItemData(int index, int value) {
    if (index < 0 || index >= listCount()) return;
    view()->item(index)->setData(Qt::UserRole, value);
}

bool ListBox::selected(int index) const {
    if (index < 0 || index >= listCount()) return false;
    return view()->selectionModel()->isSelected(view()->model()->index(index, 0));
}

int ListBox::selCount() const {
    return int(view()->selectionModel()->selectedIndexes().size());
}

void ListBox::setSelected(int index, bool on) {
    if (index < 0 || index >= listCount() || selected(index) == on) return;
    if (multiSelect_ == SelectOne) {
        setListIndex(on ? index : -1);
        return;
    }
    {
        Quiet q(quiet_);
        view()->item(index)->setSelected(on);
    }
    if (onClick) onClick();
}

int ListBox::listIndex() const {
    if (multiSelect_ != SelectOne) return view()->currentRow();
    const QModelIndexList sel = view()->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? -1 : sel.first().row();
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount() || index == listIndex()) return;
    {
        Quiet q(quiet_);
        if (multiSelect_ != SelectOne) {
            view()->setCurrentRow(index, QItemSelectionModel::NoUpdate);
        } else if (index < 0) {
            view()->clearSelection();
            view()->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        } else {
            view()->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    }
    if (onClick) onClick();
}

int ListBox::topIndex() const {
    const QModelIndex top = view()->indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void ListBox::setTopIndex(int index) {
    if (index < 0 || index >= listCount()) return;
    view()->scrollToItem(view()->item(index), QAbstractItemView::PositionAtTop);
}

} // namespace platform
