#include "calculator/Tablets.h"

#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Assign = QStringLiteral(":=");
} // namespace

Tablets::Tablets(Program& p) : p_(p) {}

void Tablets::ClearTables() {
    for (auto* table : {&TabletFormula, &TabletValue})
        for (auto& row : *table)
            row.fill(QString());
    platform::Grid& grid = p_.main().calculator.Calc;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.setTextMatrix(r, c, QString());
}

void Tablets::LoadCalc(QString& path) {
    if (path.isEmpty()) {
        path = p_.folder.path(runtime::Place::CalculatorFolder, QStringLiteral("default.sac"));
        CurTabletName = QStringLiteral("Default Tablet");
    }
    const runtime::TextFileContent file = runtime::ReadTextFile(path);
    if (!file.ok) {
        ClearTables();
    } else {
        const QString header = file.lines.value(0);
        CurTabletName = header.mid(header.indexOf(Assign) + Assign.size());
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c)
                TakeCell(r, c, file.lines.value((r - 1) * Cols + c));
    }
    CurTabletFile = path;
    p_.main().calculator.Calc.setCurrentCell(1, 1);
}

// "formula@value": the grid shows the value after its first "_" (the whole
// value when it has none). A line without "@" leaves the cell as it is.
void Tablets::TakeCell(int row, int col, const QString& line) {
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    if (at < 0) return;
    const auto r = static_cast<std::size_t>(row - 1), c = static_cast<std::size_t>(col - 1);
    TabletFormula[r][c] = line.left(at);
    TabletValue[r][c] = line.mid(at + 1);
    const QString& value = TabletValue[r][c];
    p_.main().calculator.Calc.setTextMatrix(row, col,
                                            value.mid(value.indexOf(QLatin1Char('_')) + 1));
}

void Tablets::LoadCalcTablets() {
    TabletNames.clear();
    const QDir folder(p_.folder.path(runtime::Place::CalculatorFolder));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.sac")}, QDir::Files, QDir::Name)) {
        const QString header = runtime::ReadTextFile(folder.filePath(name)).lines.value(0);
        if (!header.startsWith(p_.shell.ProgramVersion)) continue;
        const QString tablet = header.mid(header.indexOf(Assign) + Assign.size());
        if (!TabletNames.contains(tablet, Qt::CaseInsensitive)) TabletNames << tablet;
    }
}

bool Tablets::SaveCurTablet(QString* error) const {
    if (CurTabletFile.isEmpty()) return false;
    QStringList lines{p_.shell.ProgramVersion + Assign + CurTabletName};
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            lines << TabletFormula[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] +
                         QLatin1Char('@') +
                         TabletValue[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    QDir().mkpath(QFileInfo(CurTabletFile).absolutePath());
    return runtime::WriteTextFile(CurTabletFile, lines, error);
}
