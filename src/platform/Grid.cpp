#include "platform/Grid.h"

#include "platform/LongText.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace platform {

namespace {
constexpr Color DefaultColor = 0xFFFFFFFFu;
constexpr int DefaultColWidth = 960;
} // namespace

// The view's window onto the cell table. Its row and column counts change only
// when the view is told (once per event-loop turn), so the view never sees a
// count it was not told of; data() reads the live table with bounds checks.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(Grid& g) : g_(g) {
        timer.setSingleShot(true);
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { g_.syncView(); });
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shownRows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shownCols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const int r = index.row() + g_.fixedRows_, c = index.column();
        if (!g_.inRange(r, c)) return {};
        if (role == Qt::DisplayRole) { // drawing a row lays out what its cells show
            const QString& text = g_.cells_[g_.at(r, c)];
            return ShownStart(g_.shownText ? g_.shownText(c, text) : text);
        }
        if (role == Qt::BackgroundRole) {
            const Color col = g_.colors_[g_.at(r, c)];
            if (col != DefaultColor) return QColor::fromRgb(toRgb(col));
            if (c < g_.fixedCols_) return QApplication::palette().color(QPalette::Button);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole || g_.fixedRows_ < 1) return {};
        return g_.textMatrix(0, section);
    }
    Qt::ItemFlags flags(const QModelIndex&) const override {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    void reset(int rows, int cols) {
        beginResetModel();
        shownRows = rows;
        shownCols = cols;
        endResetModel();
    }
    void refreshAll() {
        if (shownRows > 0 && shownCols > 0)
            emit dataChanged(index(0, 0), index(shownRows - 1, shownCols - 1));
        if (shownCols > 0) emit headerDataChanged(Qt::Horizontal, 0, shownCols - 1);
    }

    QTimer timer;
    int shownRows = 0, shownCols = 0;

private:
    Grid& g_;
};

// Scrolled to the end, the table view lines the last row up with its bottom
// edge and leaves part of a row at the top; the grid keeps whole rows from
// its top row down instead, so that what is laid over a row lands on it.
class GridView : public QTableView {
protected:
    void scrollContentsBy(int dx, int dy) override {
        QTableView::scrollContentsBy(dx, dy);
        alignTopRow();
    }
    void updateGeometries() override {
        QTableView::updateGeometries();
        alignTopRow();
    }

private:
    void alignTopRow() {
        if (verticalScrollMode() != ScrollPerItem || !model()) return;
        const int top = verticalScrollBar()->value();
        if (top < 0 || top >= model()->rowCount()) return;
        QHeaderView* rows = verticalHeader();
        const int offset = rows->sectionPosition(top);
        if (rows->offset() == offset) return;
        rows->setOffset(offset);
        viewport()->update();
    }
};

// Hands wheel turns over an overlay to the grid's view.
class WheelPass : public QObject {
public:
    explicit WheelPass(QAbstractScrollArea& to) : to_(&to) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Wheel || !to_) return false;
        auto* wheel = static_cast<QWheelEvent*>(e);
        QWidget* viewport = to_->viewport();
        const QPointF at = viewport->mapFromGlobal(wheel->globalPosition());
        QWheelEvent passed(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
                           wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(),
                           wheel->source());
        QCoreApplication::sendEvent(viewport, &passed);
        return true;
    }

private:
    QPointer<QAbstractScrollArea> to_; // the grid may go first
};

Grid::Grid(Container& parent, const QString& name, int rows, int cols)
    : Control(parent, name, new GridView) {
    initColors(SysWindowBackground, SysWindowText);
    setClickFromMouse(true);
    model_ = std::make_unique<GridModel>(*this);
    GridView* v = view();
    v->setModel(model_.get());
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(QAbstractItemView::SelectItems);
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->verticalHeader()->hide();
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    v->horizontalHeader()->setHighlightSections(false);
    v->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    v->setWordWrap(false);
    QObject::connect(v->selectionModel(), &QItemSelectionModel::currentChanged, v,
                     [this](const QModelIndex& cur) {
                         if (!syncing_ && cur.isValid())
                             userMovedTo(cur.row() + fixedRows_, cur.column());
                     });
    QObject::connect(v->verticalScrollBar(), &QScrollBar::valueChanged, v, [this](int value) {
        if (!syncing_) userScrolled(value + fixedRows_);
    });
    QObject::connect(v->horizontalScrollBar(), &QScrollBar::valueChanged, v, [this](int) {
        if (!syncing_ && onScroll) onScroll();
    });
    QObject::connect(v->horizontalHeader(), &QHeaderView::sectionResized, v,
                     [this](int col, int, int px) {
                         if (!syncing_) userResizedCol(col, px);
                     });
    resizeTable(std::max(rows, 0), std::max(cols, 0));
    setRowHeight(rowHeight_);
    move(0, 0, 4800, 3000);
    syncView();
}

Grid::~Grid() = default;

GridView* Grid::view() const {
    return static_cast<GridView*>(widget());
}

void Grid::resizeTable(int rows, int cols) {
    if (cols == cols_) {
        cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
        colors_.resize(cells_.size(), DefaultColor);
    } else {
        std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
        std::vector<Color> colors(cells.size(), DefaultColor);
        const int keepRows = std::min(rows, rows_), keepCols = std::min(cols, cols_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c) {
                const std::size_t to = static_cast<std::size_t>(r) * cols + c;
                cells[to] = std::move(cells_[at(r, c)]);
                colors[to] = colors_[at(r, c)];
            }
        cells_ = std::move(cells);
        colors_ = std::move(colors);
        colWidths_.resize(static_cast<std::size_t>(cols), DefaultColWidth);
    }
    rows_ = rows;
    cols_ = cols;
    clampCurrent();
    scheduleSync(true);
}

void Grid::setRows(int n) {
    if (n < 0) n = 0;
    if (n != rows_) resizeTable(n, cols_);
}

void Grid::reserveRows(int n) {
    const std::size_t cells =
        static_cast<std::size_t>(std::max(n, 0)) * static_cast<std::size_t>(cols_);
    cells_.reserve(cells);
    colors_.reserve(cells);
}

void Grid::setCols(int n) {
    if (n < 0) n = 0;
    if (n != cols_) resizeTable(rows_, n);
}

void Grid::setFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, std::max(0, rows_ - 1));
    view()->horizontalHeader()->setVisible(fixedRows_ > 0);
    topRow_ = std::max(topRow_, fixedRows_);
    scheduleSync(true);
}

void Grid::setFixedCols(int n) {
    fixedCols_ = std::clamp(n, 0, std::max(0, cols_ - 1));
    scheduleSync(false);
}

QString Grid::textMatrix(int row, int col) const {
    return inRange(row, col) ? cells_[at(row, col)] : QString();
}

QStringView Grid::cellText(int row, int col) const {
    return inRange(row, col) ? QStringView(cells_[at(row, col)]) : QStringView();
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    if (!inRange(row, col)) return;
    cells_[at(row, col)] = text;
    scheduleSync(false);
}

void Grid::clampCurrent() {
    int r = std::clamp(row_, 0, std::max(0, rows_ - 1));
    int c = std::clamp(col_, 0, std::max(0, cols_ - 1));
    topRow_ = std::clamp(topRow_, fixedRows_, maxTopRow());
    if (r != row_ || c != col_) changeCurrent(r, c, true);
}

void Grid::changeCurrent(int r, int c, bool notify) {
    const bool changed = r != row_ || c != col_;
    row_ = r;
    col_ = c;
    if (changed) scrollColIntoView(c);
    scheduleSync(false);
    if (changed && notify && held_ == 0 && onRowColChange) onRowColChange();
}

void Grid::holdRowColChange() {
    if (held_++ == 0) {
        heldRow_ = row_;
        heldCol_ = col_;
    }
}

void Grid::releaseRowColChange() {
    if (held_ == 0 || --held_ > 0) return;
    if ((row_ != heldRow_ || col_ != heldCol_) && onRowColChange) onRowColChange();
}

void Grid::setRow(int r) {
    setCurrentCell(r, col_);
}
void Grid::setCol(int c) {
    setCurrentCell(row_, c);
}

void Grid::setCurrentCell(int r, int c) {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return;
    changeCurrent(r, c, true);
}

void Grid::userMovedTo(int r, int c) {
    if (inRange(r, c)) changeCurrent(r, c, true);
}

// A sideways scroll bar takes its height from the rows.
int Grid::visibleRows() const {
    const QScrollBar* sideways = view()->horizontalScrollBar();
    const int bar = sideways->isVisible() ? toTwips(sideways->height()) : 0;
    const int body = height() - fixedRows_ * rowHeight_ - 2 * TwipsPerPixel - bar;
    return std::max(1, body / std::max(1, rowHeight_));
}

int Grid::maxTopRow() const {
    return std::max(fixedRows_, rows_ - visibleRows());
}

void Grid::setTopRow(int r) {
    const int t = std::clamp(r, fixedRows_, maxTopRow());
    if (t == topRow_) return;
    topRow_ = t;
    scheduleSync(false);
}

void Grid::userScrolled(int top) {
    topRow_ = std::clamp(top, fixedRows_, std::max(fixedRows_, rows_ - 1));
    if (onScroll) onScroll();
}

Color Grid::cellBackColorAt(int row, int col) const {
    if (!inRange(row, col)) return ColorWhite;
    const Color c = colors_[at(row, col)];
    if (c != DefaultColor) return c;
    return (row < fixedRows_ || col < fixedCols_) ? SysButtonFace : ColorWhite;
}

void Grid::setCellBackColor(Color c) {
    setCellBackColorAt(row_, col_, c);
}

void Grid::setCellBackColorAt(int row, int col, Color c) {
    if (!inRange(row, col)) return;
    colors_[at(row, col)] = c;
    scheduleSync(false);
}

int Grid::cellLeft() const {
    int x = 0;
    for (int c = 0; c < col_ && c < cols_; ++c)
        x += colWidths_[static_cast<std::size_t>(c)];
    return x - scrolledLeft();
}

// How far the columns are scrolled sideways, in twips.
int Grid::scrolledLeft() const {
    return toTwips(view()->horizontalScrollBar()->value());
}

// Sideways, the view shows the whole of the column where it can (its left
// edge when it is wider than the view). A grid out of sight has no width to
// scroll by: it stays as it is.
void Grid::scrollColIntoView(int col) {
    GridView* v = view();
    if (!v->isVisible() || col < 0 || col >= cols_ || col >= v->horizontalHeader()->count()) return;
    QScrollBar* bar = v->horizontalScrollBar();
    const int left = v->horizontalHeader()->sectionPosition(col);
    const int right = left + v->horizontalHeader()->sectionSize(col);
    const int shown = v->viewport()->width();
    int value = bar->value();
    if (left < value)
        value = left;
    else if (right > value + shown)
        value = std::min(left, right - shown);
    if (value == bar->value()) return;
    syncing_ = true;
    bar->setValue(value);
    syncing_ = false;
}

void Grid::userResizedCol(int col, int px) {
    if (col < 0 || col >= cols_) return;
    colWidths_[static_cast<std::size_t>(col)] = toTwips(px);
    if (onColResize) onColResize();
}

void Grid::passWheelFrom(Control& overlay) {
    auto* pass = new WheelPass(*view());
    pass->setParent(overlay.widget());
    overlay.widget()->installEventFilter(pass);
    for (QWidget* inner : overlay.widget()->findChildren<QWidget*>())
        inner->installEventFilter(pass);
}

int Grid::cellTop() const {
    if (row_ < fixedRows_) return row_ * rowHeight_;
    return fixedRows_ * rowHeight_ + (row_ - topRow_) * rowHeight_;
}

int Grid::colWidth(int col) const {
    return (col >= 0 && col < cols_) ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(0, twips);
    const bool wasSyncing = syncing_; // the program's own width, kept to the twip
    syncing_ = true;
    view()->horizontalHeader()->resizeSection(col, toPixels(colWidths_[std::size_t(col)]));
    syncing_ = wasSyncing;
}

void Grid::setRowHeight(int twips) {
    rowHeight_ = std::max(TwipsPerPixel, twips);
    const int px = toPixels(rowHeight_);
    view()->verticalHeader()->setMinimumSectionSize(1);
    view()->verticalHeader()->setDefaultSectionSize(px);
    view()->horizontalHeader()->setFixedHeight(px);
    topRow_ = std::clamp(topRow_, fixedRows_, maxTopRow());
}

bool Grid::removeItem(int row) {
    if (row < fixedRows_ || row >= rows_ || rows_ - fixedRows_ <= 1) return false;
    const auto first = static_cast<std::ptrdiff_t>(at(row, 0));
    cells_.erase(cells_.begin() + first, cells_.begin() + first + cols_);
    colors_.erase(colors_.begin() + first, colors_.begin() + first + cols_);
    --rows_;
    clampCurrent();
    scheduleSync(true);
    return true;
}

void Grid::addItem(const QString& tabbedCells, int index) {
    if (index < 0 || index > rows_) index = rows_;
    const auto first = static_cast<std::ptrdiff_t>(static_cast<std::size_t>(index) * cols_);
    cells_.insert(cells_.begin() + first, static_cast<std::size_t>(cols_), QString());
    colors_.insert(colors_.begin() + first, static_cast<std::size_t>(cols_), DefaultColor);
    ++rows_;
    const QStringList parts = tabbedCells.split(QLatin1Char('\t'));
    for (int c = 0; c < cols_ && c < parts.size(); ++c)
        cells_[at(index, c)] = parts[c];
    scheduleSync(true);
}

void Grid::clear() {
    for (QString& s : cells_)
        s.clear();
    std::fill(colors_.begin(), colors_.end(), DefaultColor);
    scheduleSync(false);
}

void Grid::applyGeometry() {
    Control::applyGeometry();
    if (model_) topRow_ = std::clamp(topRow_, fixedRows_, maxTopRow());
}

void Grid::scheduleSync(bool structural) {
    structurePending_ = structurePending_ || structural;
    if (syncPending_) return;
    syncPending_ = true;
    model_->timer.start();
}

// Brings the view in line with the table: counts, widths, current cell, top row.
void Grid::syncView() {
    syncPending_ = false;
    syncing_ = true;
    GridView* v = view();
    if (structurePending_) {
        structurePending_ = false;
        model_->reset(std::max(0, rows_ - fixedRows_), cols_);
        for (int c = 0; c < cols_; ++c)
            v->horizontalHeader()->resizeSection(c, toPixels(colWidths_[std::size_t(c)]));
    } else {
        model_->refreshAll();
    }
    // The grid decides what is scrolled into view, not the view's own
    // scrolling to its current cell: overlays were placed by the grid's.
    const int sideways = v->horizontalScrollBar()->value();
    if (row_ >= fixedRows_ && inRange(row_, col_))
        v->setCurrentIndex(model_->index(row_ - fixedRows_, col_));
    else
        v->selectionModel()->clearCurrentIndex();
    v->horizontalScrollBar()->setValue(sideways);
    v->verticalScrollBar()->setValue(topRow_ - fixedRows_);
    syncing_ = false;
}

} // namespace platform
