#pragma once
// The advanced calculator's tablet: 50 rows by 26 columns (A to Z) of cells,
// each a formula and a typed value, and the tablet files that keep them.
//
// A cell's value is a kind and a text: "tc_" and a time code, "val_" and a
// number, "txt_" and a text, or empty. A formula cell holds "=" and an
// expression, or "=cnvtcfr_" and a reference for the time code in frames; its
// value is worked out by the evaluator and takes the kind of the last cell the
// formula refers to.
//
// A tablet file, \Data\Calculator\<name>.sac: line 1 the program version,
// ":=" and the tablet's name, then one line per cell, row by row (row 1
// columns A to Z, then row 2, ... row 50): the cell's formula, "@" and its
// value. The tablet list shows the tablets of this program version by name;
// each entry is tied to its own file.

#include "runtime/StoreMerge.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

class Program;
class Tablets;

// The current tablet as one store of the one store mechanism
// (runtime/StoreMerge.h): its header line and each cell, a cell known by its
// place ("A1" .. "Z50") and holding its file line. A cell both Mirels changed
// takes this Mirel's, told.
class TabletRecords : public runtime::RecordStore {
public:
    explicit TabletRecords(Tablets& t) : t_(t) {}

protected:
    runtime::StoreRecords HeldRecords() const override;
    bool FileRecords(runtime::StoreRecords& records, QString* error) const override;
    bool WriteRecords(const runtime::StoreRecords& merged, QString* error) override;
    runtime::StoreRules Rules() const override { return {Qt::CaseSensitive, false, -1, false}; }

private:
    Tablets& t_;
};

class Tablets {
public:
    explicit Tablets(Program& p);

    static constexpr int Rows = 50;
    static constexpr int Cols = 26;
    static constexpr int CellLines = Rows * Cols;

    QString CurTabletName;
    QString CurTabletFile;
    // [row - 1][column - 1]
    std::array<std::array<QString, Cols>, Rows> TabletFormula;
    std::array<std::array<QString, Cols>, Rows> TabletValue;
    // The tablet list's entries (names) and, entry by entry, their files.
    QStringList TabletNames;
    QStringList TabletFiles;

    // Cells by row 1..50 and column 1..26.
    QString& formula(int row, int col);
    QString& value(int row, int col);

    // ---- Evaluation --------------------------------------------------------------
    // Works out one formula cell into its value and the grid; a formula that
    // fails shows the error title in the grid, the cell keeps the value it
    // had (if any), and the answer is false.
    bool CalcCel(int row, int col);
    // Every formula cell, rows down and then back up (a formula that refers
    // to one further on settles on the way back), then shows the current cell.
    // With `tell`, one message names the cells that could not be worked out
    // (one message for the user's action, however many passes meet them).
    void ToDoCalc(bool tell = true);

    // ---- Files ------------------------------------------------------------------
    // Reads a tablet and makes it current, then works it out. An empty path
    // loads \Data\Calculator\default.sac ("Default Tablet") and receives that
    // path. A missing file gives an empty tablet, a short one leaves the rest
    // of the cells empty; a file that exists but cannot be read is told and
    // the current tablet stays (false).
    bool LoadCalc(QString& path);
    // Lists the tablets of \Data\Calculator; unless told not to, chooses the
    // first, which makes it current.
    void LoadCalcTablets(bool selectFirst = true);
    // Writes the current tablet to its file, whole or not at all; false (and
    // told) when it could not be written. A file that already holds the tablet
    // is left untouched, and so is one whose tablet this Mirel did not change
    // since it read or wrote it (another Mirel may have); a changed tablet
    // keeps the file's cells that this Mirel did not change. With `failure`
    // given, nothing is told: it receives which file and why (the exit
    // routine names every failed file at once).
    bool SaveCurTablet(QString* failure = nullptr);
    // The tablet list's click: the tablet being left is written, the chosen
    // one loaded. When the one being left cannot be written it stays current.
    void CalcTabletSelect();
    // Asks for a name (the file chooser) and creates an empty tablet of that
    // name in \Data\Calculator, then makes it current.
    void CalcTabletNew();

private:
    void TellFailures(const std::vector<std::pair<int, int>>& cells);
    QStringList TabletLines() const;
    void ClearTables();
    void TakeCell(int row, int col, const QString& line);
    void ShowCellText(int row, int col);
    void ListTablet(const QString& folder, const QString& file);
    int EntryOfFile(const QString& path) const;
    void SelectEntryQuietly(int index);
    QString NewTabletPath(const QString& chosen, const QString& typed);
    bool WriteNewTablet(const QString& path, const QString& name);
    void ShowError(const QString& text, const QString& title);

    friend class TabletRecords;
    Program& p_;
    bool selecting_ = false;
    TabletRecords records_{*this};
};
