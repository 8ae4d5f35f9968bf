#include "platform/DirList.h"
#include "platform/Quiet.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace platform {

namespace {

constexpr int IndentPixels = 12; // per tree level

// "/", "/home", "/home/ana" for "/home/ana".
QStringList ancestorsOf(const QString& path) {
    QStringList out{QStringLiteral("/")};
    QString at;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at += QLatin1Char('/') + part;
        out << at;
    }
    return out;
}

QString folderName(const QString& path) {
    return path == QLatin1String("/") ? path : path.section(QLatin1Char('/'), -1);
}

} // namespace

DirListBox::DirListBox(Container& parent, const QString& name)
    : FolderList(parent, name, new QTreeWidget, Access::Enter) {
    QTreeWidget* v = view();
    v->setUniformRowHeights(true);
    v->setHeaderHidden(true);
    v->setRootIsDecorated(false);
    v->setIndentation(IndentPixels);
    v->setExpandsOnDoubleClick(false);
    QObject::connect(v, &QTreeWidget::itemSelectionChanged, v, [this] { userSelected(); });
    QObject::connect(v, &QTreeWidget::itemDoubleClicked, v, [this] { userOpened(); });
}

QTreeWidget* DirListBox::view() const {
    return static_cast<QTreeWidget*>(widget());
}

int DirListBox::indexOf(const QTreeWidgetItem* item) const {
    for (std::size_t r = 0; r < items_.size(); ++r)
        if (items_[r] == item) return static_cast<int>(r) - ancestorCount();
    return -1 - ancestorCount(); // not an entry
}

void DirListBox::pathChanged() {
    if (onChange) onChange();
}

void DirListBox::samePathGiven() {
    readFolder();
}

QString DirListBox::list(int index) const {
    const int row = rowOf(index);
    if (row < 0) return {};
    if (row < ancestorCount()) return ancestors_[row];
    return index < listCount() ? subfolders_[index] : QString();
}

void DirListBox::setListIndex(int index) {
    const int row = rowOf(index);
    if (row < 0 || index >= listCount() || index == listIndex_) return;
    selectRow(index);
    if (onClick) onClick();
}

void DirListBox::refresh() {
    if (path().isEmpty()) return;
    readFolder();
}

void DirListBox::readFolder() {
    ancestors_ = ancestorsOf(path());
    subfolders_.clear();
    const QDir dir(path());
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        subfolders_ << dir.filePath(name);
    fillView();
    selectRow(-1);
}

// Each ancestor holds the next; the open folder holds its subfolders.
void DirListBox::fillView() {
    Quiet q(quiet_);
    QTreeWidget* v = view();
    v->clear();
    items_.clear();
    const QStyle* style = QApplication::style();
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style->standardIcon(QStyle::SP_DirIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& folder : ancestors_) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(v);
        item->setText(0, folderName(folder));
        item->setIcon(0, open);
        items_.push_back(item);
        parent = item;
    }
    for (const QString& sub : subfolders_) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, folderName(sub));
        item->setIcon(0, closed);
        items_.push_back(item);
    }
    v->expandAll();
}

void DirListBox::selectRow(int index) {
    Quiet q(quiet_);
    listIndex_ = index;
    const int row = rowOf(index);
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    view()->setCurrentItem(items_[static_cast<std::size_t>(row)], 0,
                           QItemSelectionModel::ClearAndSelect);
}

void DirListBox::userSelected() {
    if (quiet_) return;
    const QList<QTreeWidgetItem*> sel = view()->selectedItems();
    if (sel.isEmpty()) return;
    listIndex_ = indexOf(sel.first());
    if (onClick) onClick();
}

void DirListBox::userOpened() {
    const QString target = list(listIndex_);
    if (!target.isEmpty()) setPath(target);
}

} // namespace platform
