#include "calculator/Tablets.h"

#include "calculator/TabletEvaluator.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <algorithm>
#include <utility>
#include <vector>

Tablets::Tablets(Program& p) : p_(p) {}

QString& Tablets::formula(int row, int col) {
    return TabletFormula.at(static_cast<std::size_t>(row - 1))
        .at(static_cast<std::size_t>(col - 1));
}

QString& Tablets::value(int row, int col) {
    return TabletValue.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1));
}

bool Tablets::CalcCel(int row, int col) {
    const tablet::Evaluation e = tablet::Evaluate(
        formula(row, col), [this](int r, int c) { return value(r, c); }, p_.shell.FrameRateText);
    platform::Grid& grid = p_.main().calculator.Calc;
    if (!e.ok) {
        grid.setTextMatrix(row, col, p_.texts.TextTable(9, 13));
        return false;
    }
    value(row, col) = e.kind + e.result;
    grid.setTextMatrix(row, col, e.result);
    return true;
}

void Tablets::ToDoCalc(bool tell) {
    // A cell fails in both passes; it is named once, as the last pass left it.
    std::vector<std::pair<int, int>> failed;
    const auto work = [&](int r, int c) {
        if (formula(r, c).isEmpty() || CalcCel(r, c)) return;
        if (std::find(failed.begin(), failed.end(), std::pair(r, c)) == failed.end())
            failed.emplace_back(r, c);
    };
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            work(r, c);
    for (int r = Rows; r >= 1; --r)
        for (int c = Cols; c >= 1; --c)
            work(r, c);
    if (tell && !failed.empty()) TellFailures(failed);
    p_.main().calculator.CalcAdvancedShowCell();
}

// "Overflow/nCell B2 could not be worked out and keeps its value.": the value
// is claimed only where the cell still has one.
void Tablets::TellFailures(const std::vector<std::pair<int, int>>& cells) {
    QStringList names;
    for (const auto& [r, c] : cells)
        names << QString(QChar(64 + c)) + QString::number(r);
    const TextTables& t = p_.texts;
    QString text;
    if (cells.size() > 1) {
        text = t.Say("Cells %1 could not be worked out.", names.join(QStringLiteral(", ")));
    } else {
        const bool kept = !value(cells[0].first, cells[0].second).isEmpty();
        text = kept ? t.Say("Cell %1 could not be worked out and keeps its value.", names[0])
                    : t.Say("Cell %1 could not be worked out and has no value.", names[0]);
    }
    // The tablet is worked out all the same: a notice, not a refusal.
    p_.messages.ShowMessage(t.Say("Overflow/n%1", text), KindExclamation, QStringLiteral("ok"),
                            p_.texts.TextTable(9, 13), false, {QString(), Question::Notice});
}
