#pragma once
// A tree of nodes, each with a unique key, a parent key, a text and an
// expanded state. Clicking a node (or selecting it from code) fires NodeClick.

#include "platform/Control.h"

#include <QHash>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace platform {

class TreeView : public Control {
public:
    TreeView(Container& parent, const QString& name);

    // Adds a node under parentKey (a root node when parentKey is empty).
    // Refused (false) when the key is empty or already used, or the parent
    // does not exist.
    bool add(const QString& parentKey, const QString& key, const QString& text);
    bool remove(const QString& key); // with its children
    void clear();
    bool exists(const QString& key) const { return items_.contains(key); }
    int count() const { return static_cast<int>(items_.size()); }

    QString nodeText(const QString& key) const;
    void setNodeText(const QString& key, const QString& text);
    QString nodeToolTip(const QString& key) const;
    void setNodeToolTip(const QString& key, const QString& text);
    QString parentKey(const QString& key) const;
    QStringList childKeys(const QString& key) const; // "" lists the roots
    bool expanded(const QString& key) const;
    void setExpanded(const QString& key, bool on);

    QString selectedKey() const;
    // Selects the node and fires NodeClick, as a click does.
    void clickNode(const QString& key);

    std::function<void(const QString& key)> onNodeClick;

private:
    QTreeWidget* tree() const;
    QString keyOf(const QTreeWidgetItem* item) const;
    // The node's item, null when there is no node of that key.
    QTreeWidgetItem* itemOf(const QString& key) const { return items_.value(key, nullptr); }
    void forget(QTreeWidgetItem* item);
    QHash<QString, QTreeWidgetItem*> items_;
};

} // namespace platform
