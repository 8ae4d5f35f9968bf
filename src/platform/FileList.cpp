#include "platform/FileList.h"
#include "platform/Quiet.h"

#include <QDir>
#include <QListWidget>
#include <QRegularExpression>
#include <vector>

namespace platform {

// The list widget, which tells when it comes into view.
class FileListView : public QListWidget {
public:
    std::function<void()> onShown;

protected:
    void showEvent(QShowEvent* e) override {
        QListWidget::showEvent(e);
        if (onShown) onShown();
    }
};

namespace {

std::vector<QRegularExpression> compile(const QString& patterns) {
    std::vector<QRegularExpression> out;
    for (QString p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == QLatin1String("*.*")) p = QStringLiteral("*"); // every file, dotted or not
        out.emplace_back(QRegularExpression::wildcardToRegularExpression(p),
                         QRegularExpression::CaseInsensitiveOption);
    }
    if (out.empty()) out.emplace_back(QStringLiteral(".*"));
    return out;
}

bool matchesAny(const QString& name, const std::vector<QRegularExpression>& res) {
    for (const QRegularExpression& re : res)
        if (re.match(name).hasMatch()) return true;
    return false;
}

} // namespace

FileListBox::FileListBox(Container& parent, const QString& name)
    : FolderList(parent, name, new FileListView, Access::Read) {
    QListWidget* v = view();
    v->setUniformItemSizes(true);
    QObject::connect(v, &QListWidget::itemSelectionChanged, v, [this] { userSelected(); });
    static_cast<FileListView*>(v)->onShown = [this] { refresh(); };
}

QListWidget* FileListBox::view() const {
    return static_cast<QListWidget*>(widget());
}

void FileListBox::userSelected() {
    if (!quiet_ && onClick) onClick();
}

bool FileListBox::matches(const QString& fileName, const QString& patterns) {
    return matchesAny(fileName, compile(patterns));
}

void FileListBox::pathChanged() {
    if (onPathChange) onPathChange();
}

void FileListBox::setPattern(const QString& patterns) {
    if (patterns == pattern_) return;
    pattern_ = patterns;
    readFolder();
    if (onPatternChange) onPatternChange();
}

void FileListBox::readFolder() {
    Quiet q(quiet_);
    QListWidget* v = view();
    v->clear();
    if (path().isEmpty()) return;
    const std::vector<QRegularExpression> res = compile(pattern_);
    const QStringList names =
        QDir(path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& n : names)
        if (matchesAny(n, res)) v->addItem(n);
}

void FileListBox::refresh() {
    const QString selectedName = fileName();
    readFolder();
    if (selectedName.isEmpty()) return;
    const QList<QListWidgetItem*> found = view()->findItems(selectedName, Qt::MatchExactly);
    if (found.isEmpty()) return; // the selection went with the file
    Quiet q(quiet_);
    view()->setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
}

int FileListBox::listCount() const {
    return view()->count();
}

QString FileListBox::list(int index) const {
    if (index < 0 || index >= listCount()) return {};
    return view()->item(index)->text();
}

int FileListBox::listIndex() const {
    const QModelIndexList sel = view()->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? -1 : sel.first().row();
}

void FileListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount() || index == listIndex()) return;
    {
        Quiet q(quiet_);
        if (index < 0) {
            view()->clearSelection();
            view()->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        } else {
            view()->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    }
    if (onClick) onClick();
}

} // namespace platform
