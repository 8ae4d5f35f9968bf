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
    QTreeWidgetItem* parent = itemOf(parentKey);
    if (!parentKey.isEmpty() && !parent) return false;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree());
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
    QTreeWidgetItem* item = itemOf(key);
    if (!item) return false;
    forget(item);
    delete item;
    return true;
}

void TreeView::clear() {
    items_.clear();
    tree()->clear();
}

QString TreeView::nodeText(const QString& key) const {
    const QTreeWidgetItem* item = itemOf(key);
    return item ? item->text(0) : QString();
}

void TreeView::setNodeText(const QString& key, const QString& text) {
    if (QTreeWidgetItem* item = itemOf(key)) item->setText(0, text);
}

QString TreeView::nodeToolTip(const QString& key) const {
    const QTreeWidgetItem* item = itemOf(key);
    return item ? item->toolTip(0) : QString();
}

void TreeView::setNodeToolTip(const QString& key, const QString& text) {
    if (QTreeWidgetItem* item = itemOf(key)) item->setToolTip(0, text);
}

QString TreeView::parentKey(const QString& key) const {
    const QTreeWidgetItem* item = itemOf(key);
    return item ? keyOf(item->parent()) : QString();
}

QStringList TreeView::childKeys(const QString& key) const {
    QStringList out;
    if (key.isEmpty()) {
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            out << keyOf(tree()->topLevelItem(i));
        return out;
    }
    if (const QTreeWidgetItem* item = itemOf(key))
        for (int i = 0; i < item->childCount(); ++i)
            out << keyOf(item->child(i));
    return out;
}

bool TreeView::expanded(const QString& key) const {
    const QTreeWidgetItem* item = itemOf(key);
    return item && item->isExpanded();
}

void TreeView::setExpanded(const QString& key, bool on) {
    if (QTreeWidgetItem* item = itemOf(key)) item->setExpanded(on);
}

QString TreeView::selectedKey() const {
    return keyOf(tree()->currentItem());
}

void TreeView::clickNode(const QString& key) {
    QTreeWidgetItem* item = itemOf(key);
    if (!item) return;
    tree()->setCurrentItem(item);
    if (onNodeClick) onNodeClick(key);
}

} // namespace platform
