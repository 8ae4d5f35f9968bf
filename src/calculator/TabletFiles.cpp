// Tablet files: reading, writing, the tablet list and new tablets.
#include "calculator/Tablets.h"

#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Assign = QStringLiteral(":=");

// The name after the header's first ":=" (the whole line less its first
// character when it has none).
QString NameOf(const QString& header) {
    return header.mid(header.indexOf(Assign) + Assign.size());
}

bool SameFile(const QString& a, const QString& b) {
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}
} // namespace

void Tablets::ShowError(const QString& text, const QString& title) {
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), title);
}

void Tablets::ClearTables() {
    for (auto* table : {&TabletFormula, &TabletValue})
        for (auto& row : *table)
            row.fill(QString());
    platform::Grid& grid = p_.main().calculator.Calc;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.setTextMatrix(r, c, QString());
}

bool Tablets::LoadCalc(QString& path) {
    if (path.isEmpty()) {
        path = p_.folder.path(runtime::Place::CalculatorFolder, QStringLiteral("default.sac"));
        CurTabletName = QStringLiteral("Default Tablet");
    }
    const runtime::TextFileContent file = runtime::ReadTextFile(path);
    if (!file.ok && QFileInfo::exists(path)) {
        ShowError(p_.texts.Say("The tablet %1 cannot be read; the current tablet stays.",
                               MessageWindow::Verbatim(path)),
                  QStringLiteral("Tablet Error"));
        return false;
    }
    ClearTables();
    if (!file.lines.isEmpty()) CurTabletName = NameOf(file.lines.first());
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            TakeCell(r, c, file.lines.value((r - 1) * Cols + c));
    CurTabletFile = path;
    ToDoCalc(false); // the grid shows what failed; a load is no action on a cell
    // What the load worked out is no change of the user's: a tablet left as
    // loaded is not written back.
    records_.TakeBase();
    p_.main().calculator.Calc.setCurrentCell(1, 1);
    return true;
}

// "formula@value", split at the first "@"; a line without one is an empty cell.
void Tablets::TakeCell(int row, int col, const QString& line) {
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    if (at < 0) return;
    formula(row, col) = line.left(at);
    value(row, col) = line.mid(at + 1);
    ShowCellText(row, col);
}

// A cell shows its value after the kind's "_" (the whole value when it has none).
void Tablets::ShowCellText(int row, int col) {
    const QString& v = value(row, col);
    p_.main().calculator.Calc.setTextMatrix(row, col, v.mid(v.indexOf(QLatin1Char('_')) + 1));
}

void Tablets::LoadCalcTablets(bool selectFirst) {
    CalculatorTab& tab = p_.main().calculator;
    const QString folder = p_.folder.path(runtime::Place::CalculatorFolder);
    QDir().mkpath(folder);
    if (tab.File3.path() == folder)
        tab.File3.refresh();
    else
        tab.File3.setPath(folder);
    tab.List11.clear();
    TabletNames.clear();
    TabletFiles.clear();
    for (int i = 0; i < tab.File3.listCount(); ++i)
        ListTablet(folder, tab.File3.list(i));
    if (selectFirst && tab.List11.listCount() > 0) tab.List11.setListIndex(0);
}

// Lists a tablet of this program version under its name, unless that name
// is listed already. A file that cannot be read, or holds no header, is told
// and left out; the listing goes on with the next file.
void Tablets::ListTablet(const QString& folder, const QString& file) {
    const QString path = QDir(folder).filePath(file);
    const runtime::TextFileContent content = runtime::ReadTextFile(path);
    if (!content.ok || content.lines.isEmpty()) {
        ShowError(p_.texts.Say("Data in %1 is corrupt. Press 'Ok' to cancel reading.",
                               MessageWindow::Verbatim(path)),
                  QStringLiteral("Plugin Error"));
        return;
    }
    const QString header = content.lines.first();
    if (header.left(4) != p_.shell.ProgramVersion) return;
    const QString name = NameOf(header);
    if (TabletNames.contains(name, Qt::CaseInsensitive)) return;
    TabletNames << name;
    TabletFiles << path;
    p_.main().calculator.List11.addItem(name);
}

QStringList Tablets::TabletLines() const {
    QStringList lines{p_.shell.ProgramVersion + Assign + CurTabletName};
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            lines << TabletFormula[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] +
                         QLatin1Char('@') +
                         TabletValue[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    return lines;
}

namespace {
QString CellName(int index) {
    return QChar(u'A' + index % Tablets::Cols) + QString::number(index / Tablets::Cols + 1);
}

runtime::StoreRecords RecordsOfLines(const QStringList& lines) {
    runtime::StoreRecords records{{QStringLiteral("header"), {lines.value(0)}}};
    for (int i = 0; i < Tablets::CellLines; ++i)
        records.push_back({CellName(i), {lines.value(i + 1, QStringLiteral("@"))}});
    return records;
}
} // namespace

runtime::StoreRecords TabletRecords::HeldRecords() const {
    return RecordsOfLines(t_.TabletLines());
}

// A tablet file that is missing counts as unchanged since it was read; one
// that exists but cannot be read is not merged with (nothing is written).
bool TabletRecords::FileRecords(runtime::StoreRecords& records, QString* error) const {
    const runtime::TextFileContent file = runtime::ReadTextFile(t_.CurTabletFile);
    if (!file.ok && QFileInfo::exists(t_.CurTabletFile)) {
        if (error) *error = file.error;
        return false;
    }
    records = file.ok ? RecordsOfLines(file.lines) : base(); // a missing file: nobody changed it
    return true;
}

bool TabletRecords::WriteRecords(const runtime::StoreRecords& merged, QString* error) {
    QStringList lines = t_.TabletLines();
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = QStringLiteral("@");
    for (const runtime::StoreRecord& r : merged) {
        if (r.name == QStringLiteral("header")) {
            lines[0] = r.content.value(0);
            continue;
        }
        const int col = r.name.at(0).unicode() - u'A', row = r.name.mid(1).toInt();
        lines[(row - 1) * Tablets::Cols + col + 1] = r.content.value(0);
    }
    QDir().mkpath(QFileInfo(t_.CurTabletFile).absolutePath());
    return runtime::WriteTextFile(t_.CurTabletFile, lines, error);
}

// A tablet nobody changed is not written; a changed one is merged cell by
// cell with what another Mirel wrote since (see TabletRecords).
bool Tablets::SaveCurTablet(QString* failure) {
    if (CurTabletFile.isEmpty()) return false;
    QStringList told;
    QString error;
    const bool saved = records_.Save(told, &error);
    if (!told.isEmpty())
        ShowError(p_.texts.Say("The tablet '%1':/n%2", MessageWindow::Verbatim(CurTabletName),
                               p_.messages.ToldLines(told)),
                  QStringLiteral("Tablets"));
    if (saved) return true;
    if (failure) {
        *failure = error;
        return false;
    }
    ShowError(p_.texts.Say("The tablet '%1' was not saved:/n%2",
                           MessageWindow::Verbatim(CurTabletName),
                           MessageWindow::Verbatim(p_.texts.Told(error))),
              QStringLiteral("Tablet Error"));
    return false;
}

int Tablets::EntryOfFile(const QString& path) const {
    for (int i = 0; i < TabletFiles.size(); ++i)
        if (SameFile(TabletFiles[i], path)) return i;
    return -1;
}

void Tablets::SelectEntryQuietly(int index) {
    selecting_ = true;
    p_.main().calculator.List11.setListIndex(index);
    selecting_ = false;
}

void Tablets::CalcTabletSelect() {
    CalculatorTab& tab = p_.main().calculator;
    const int entry = tab.List11.listIndex();
    if (selecting_ || entry < 0 || entry >= TabletFiles.size()) return;
    if (!SaveCurTablet()) {
        SelectEntryQuietly(EntryOfFile(CurTabletFile));
        return;
    }
    QString path = TabletFiles[entry];
    if (!LoadCalc(path)) {
        SelectEntryQuietly(EntryOfFile(CurTabletFile));
        return;
    }
    tab.Label64.setCaption(tab.List11.list(entry));
    for (int i = 0; i < tab.File3.listCount(); ++i)
        if (SameFile(QDir(tab.File3.path()).filePath(tab.File3.list(i)), path))
            tab.File3.setListIndex(i);
    tab.CalcFunctionSelectToggle();
}
