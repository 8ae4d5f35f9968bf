#include "platform/TreeView.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace platform {

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
}

TreeView::TreeView(Container& parent, const QString& name)
    : Control(parent, name, new QTreeWidget) {
    initColors(SysWindowBackground, SysWindowText);
    setClickFromMouse(false);
    QTreeWidget* t = tree();
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setRootIsDecorated(true);
    // A text too long for the pane loses its start, so a path keeps its file name.
    t->setTextElideMode(Qt::ElideLeft);
    QObject::connect(t, &QTreeWidget::itemClicked, t, [this](QTreeWidgetItem* item, int) {
        if (onNodeClick) onNodeClick(keyOf(item));
    });
    move(0, 0, 3195, 4800);
}

QTreeWidget* TreeView::tree() const {
    return static_cast<QTreeWidget*>(widget());
}

QString TreeView::keyOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, KeyRole).toString() : QString();
}

bool TreeView::add(const QString& parentKey, const QString& key, const QString& text) {
    if (key.isEmpty() || items_.contains(key)) return false;
    QTreeWidgetItem* item = nullptr;
    if (parentKey.isEmpty()) {
        item = new QTreeWidgetItem(tree());
    } else {
        auto it = items_.find(parentKey);
        if (it == items_.end()) return false;
        item = new QTreeWidgetItem(it.value());
    }
    item->setText(0, text);
    item->setData(0, KeyRole, key);
    items_.insert(key, item);
    return true;
}

void TreeView::forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    items_.remove(keyOf(item));
}

bool TreeView::remove(const QString& key) {
    auto it = items_.find(key);
    if (it == items_.end()) return false;
    QTreeWidgetItem* item = it.value();
    forget(item);
    delete item;
    return true;
}

void TreeView::clear() {
    items_.clear();
    tree()->clear();
}

QString TreeView::nodeText(const QString& key) const {
    auto it = items_.find(key);
    return it == items_.end() ? QString() : it.value()->text(0);
}

void TreeView::setNodeText(const QString& key, const QString& text) {
    auto it = items_.find(key);
    if (it != items_.end()) it.value()->setText(0, text);
}

QString TreeView::nodeToolTip(const QString& key) const {
    auto it = items_.find(key);
    return it == items_.end() ? QString() : it.value()->toolTip(0);
}

void TreeView::setNodeToolTip(const QString& key, const QString& text) {
    auto it = items_.find(key);
    if (it != items_.end()) it.value()->setToolTip(0, text);
}

QString TreeView::parentKey(const QString& key) const {
    auto it = items_.find(key);
    return it == items_.end() ? QString() : keyOf(it.value()->parent());
}

QStringList TreeView::childKeys(const QString& key) const {
    QStringList out;
    if (key.isEmpty()) {
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            out << keyOf(tree()->topLevelItem(i));
        return out;
    }
    auto it = items_.find(key);
    if (it == items_.end()) return out;
    for (int i = 0; i < it.value()->childCount(); ++i)
        out << keyOf(it.value()->child(i));
    return out;
}

bool TreeView::expanded(const QString& key) const {
    auto it = items_.find(key);
    return it != items_.end() && it.value()->isExpanded();
}

void TreeView::setExpanded(const QString& key, bool on) {
    auto it = items_.find(key);
    if (it != items_.end()) it.value()->setExpanded(on);
}

QString TreeView::selectedKey() const {
    return keyOf(tree()->currentItem());
}

void TreeView::clickNode(const QString& key) {
    auto it = items_.find(key);
    if (it == items_.end()) return;
    tree()->setCurrentItem(it.value());
    if (onNodeClick) onNodeClick(key);
}

} // namespace platform
