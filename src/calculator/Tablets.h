#pragma once
// The advanced calculator's tablets as files: \Data\Calculator\<name>.sac,
// line 1 the program version, ":=" and the tablet's name, then one line per
// cell, row by row (rows 1 to 50, columns A to Z): the cell's formula, "@"
// and its value.
//
// For now LoadCalc reads a tablet into the tables and the grid Calc without
// evaluating it, and LoadCalcTablets lists the tablets' names without
// switching to the first; the evaluation and the tablet list come with the
// calculator.

#include <QString>
#include <QStringList>
#include <array>

class Program;

class Tablets {
public:
    explicit Tablets(Program& p);

    static constexpr int Rows = 50;
    static constexpr int Cols = 26;

    QString CurTabletName;
    QString CurTabletFile;
    // [row - 1][column - 1]
    std::array<std::array<QString, Cols>, Rows> TabletFormula;
    std::array<std::array<QString, Cols>, Rows> TabletValue;
    // The tablets of \Data\Calculator of this program version, by name.
    QStringList TabletNames;

    // An empty path loads \Data\Calculator\default.sac ("Default Tablet") and
    // receives that path. A file that cannot be read leaves an empty tablet
    // current under that path.
    void LoadCalc(QString& path);
    void LoadCalcTablets();
    // Writes the current tablet to its file; false when it could not be
    // written (an old file stays whole; *error, where given, says which file
    // and why) or there is none.
    bool SaveCurTablet(QString* error = nullptr) const;

private:
    void ClearTables();
    void TakeCell(int row, int col, const QString& line);

    Program& p_;
};
