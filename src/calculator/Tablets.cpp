#include "calculator/Tablets.h"

#include "calculator/TabletEvaluator.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

Tablets::Tablets(Program& p) : p_(p) {}

QString& Tablets::formula(int row, int col) {
    return TabletFormula.at(static_cast<std::size_t>(row - 1))
        .at(static_cast<std::size_t>(col - 1));
}

QString& Tablets::value(int row, int col) {
    return TabletValue.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1));
}

void Tablets::CalcCel(int row, int col) {
    const tablet::Evaluation e = tablet::Evaluate(
        formula(row, col), [this](int r, int c) { return value(r, c); }, p_.shell.FrameRateText);
    platform::Grid& grid = p_.main().calculator.Calc;
    if (!e.ok) {
        const QString title = p_.texts.TextTable(9, 13);
        const QString cell = QString(QChar(64 + col)) + QString::number(row);
        p_.messages.ShowMessage(QStringLiteral("Overflow/nCell ") + cell +
                                    QStringLiteral(" could not be worked out and keeps its value."),
                                KindExclamation, QStringLiteral("ok"), title);
        grid.setTextMatrix(row, col, title);
        return;
    }
    value(row, col) = e.kind + e.result;
    grid.setTextMatrix(row, col, e.result);
}

void Tablets::ToDoCalc() {
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            if (!formula(r, c).isEmpty()) CalcCel(r, c);
    for (int r = Rows; r >= 1; --r)
        for (int c = Cols; c >= 1; --c)
            if (!formula(r, c).isEmpty()) CalcCel(r, c);
    p_.main().calculator.CalcAdvancedShowCell();
}
