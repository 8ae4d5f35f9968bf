#pragma once
// A grid of text cells addressed by row and column. The cells live in a plain
// table; the widget is only a view of it, refreshed once per event-loop turn,
// so ten thousand rows are written and read without touching the view per
// cell. Fixed rows show as the column header; fixed columns are greyed.
//
// Like the program expects of its grid: a current cell (Row, Col) whose change
// by code or by the user fires RowColChange; a top visible row that the grid
// clamps so that the last rows fill the view; a background colour per cell
// read and written through the current cell; the current cell's position and
// size in twips relative to the grid, as it is drawn (after sideways
// scrolling and the user's column resizing).

#include "platform/Control.h"

#include <vector>

namespace platform {

class GridModel;
class GridView;

class Grid : public Control {
public:
    Grid(Container& parent, const QString& name, int rows = 2, int cols = 2);
    ~Grid() override;

    int rows() const { return rows_; }
    void setRows(int n);
    // Room for n rows at the current column count, taken at once: a table
    // filled row by row is then not moved as it grows.
    void reserveRows(int n);
    int cols() const { return cols_; }
    void setCols(int n);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int n);

    // Out-of-range cells read as "" and ignore writes.
    QString textMatrix(int row, int col) const;
    // The same text, read in place: for going through many cells at once.
    QStringView cellText(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // The current cell's text.
    QString text() const { return textMatrix(row_, col_); }
    void setText(const QString& t) { setTextMatrix(row_, col_, t); }

    int row() const { return row_; }
    void setRow(int r);
    int col() const { return col_; }
    void setCol(int c);
    // Row and column at once, with one RowColChange.
    void setCurrentCell(int r, int c);

    int topRow() const { return topRow_; }
    void setTopRow(int r);
    // Rows the view shows below the fixed rows, from its height.
    int visibleRows() const;

    // The current cell's background (white, or grey for fixed cells, until set).
    Color cellBackColor() const { return cellBackColorAt(row_, col_); }
    void setCellBackColor(Color c);
    Color cellBackColorAt(int row, int col) const;
    // Any cell's background, without moving the current cell.
    void setCellBackColorAt(int row, int col, Color c);

    // The current cell's position and size in twips, relative to the grid,
    // where it is drawn: a column scrolled sideways out of view has a
    // negative left. A new current cell is scrolled into view.
    int cellLeft() const;
    int cellTop() const;
    int cellWidth() const { return colWidth(col_); }
    int cellHeight() const { return rowHeight(); }

    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int twips);

    // Removes a row (the last non-fixed row stays); false when refused.
    bool removeItem(int row);
    // Inserts a row of tab-separated cells at index (at the end when -1).
    void addItem(const QString& tabbedCells, int index = -1);
    // Empties every cell's text.
    void clear();

    std::function<void()> onRowColChange;
    // What the view shows of a cell's text, where it differs from the text
    // (unset: the text itself). The cells keep their text as it is; a text
    // far longer than a cell can show is shown as its start (ShownStart).
    std::function<QString(int col, const QString& text)> shownText;

    // While held, moves of the current cell fire no RowColChange; releasing
    // fires one when the cell differs from where it was when held. Code that
    // walks the current cell over many cells (part marks) holds it.
    void holdRowColChange();
    void releaseRowColChange();
    // The user scrolled the grid, up and down or sideways.
    std::function<void()> onScroll;
    // The user dragged a column's width (colWidth already has the new one).
    std::function<void()> onColResize;

    // Controls laid over the grid (an editor over a cell) pass the mouse
    // wheel on to it: turning the wheel over them scrolls the grid.
    void passWheelFrom(Control& overlay);

private:
    friend class GridModel;
    friend class GridView;
    std::size_t at(int r, int c) const {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(c);
    }
    bool inRange(int r, int c) const { return r >= 0 && r < rows_ && c >= 0 && c < cols_; }
    void resizeTable(int rows, int cols);
    void clampCurrent();
    void changeCurrent(int r, int c, bool notify);
    void userMovedTo(int r, int c);
    void userScrolled(int top);
    void userResizedCol(int col, int px);
    void scrollColIntoView(int col);
    int scrolledLeft() const;
    int maxTopRow() const;
    void scheduleSync(bool structural);
    void syncView();
    void applyGeometry() override;

    GridView* view() const;
    std::unique_ptr<GridModel> model_;
    std::vector<QString> cells_;
    std::vector<Color> colors_; // DefaultColor = not set
    std::vector<int> colWidths_;
    int rows_ = 0, cols_ = 0, fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1, topRow_ = 1;
    int rowHeight_ = 240;
    bool syncPending_ = false, structurePending_ = false, syncing_ = false;
    int held_ = 0, heldRow_ = 0, heldCol_ = 0;
};

} // namespace platform
