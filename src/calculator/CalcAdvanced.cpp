// The advanced calculator's handlers: entering a cell, showing the current
// cell in the input controls, the pickers and the clip.
#include "calculator/CalcClip.h"
#include "calculator/CalculatorTab.h"
#include "document/WholeText.h"
#include "platform/Keys.h"
#include "runtime/Numbers.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {
const QString ConvertPrefix = QStringLiteral("=cnvtcfr_");
const QString Open = QStringLiteral(">>");
const QString Close = QStringLiteral("<<");

bool InTablet(int row, int col) {
    return row >= 1 && row <= Tablets::Rows && col >= 1 && col <= Tablets::Cols;
}

QString ColumnLetter(int col) {
    return QString(QChar(64 + col));
}
} // namespace

// The report comes last: a message the evaluation shows is not what the
// user did.
void CalculatorTab::CalcAdvancedEnter() {
    const int r = Calc.row(), c = Calc.col();
    if (InTablet(r, c)) {
        StoreInput(r, c);
        p_.tablets.ToDoCalc();
        Calc.setCurrentCell(r, c);
        // Saved at once: another Mirel on the folder may exit before this
        // one. A tablet that cannot be written is told now, and written
        // again at the next entry or at the exit.
        p_.tablets.SaveCurTablet();
    }
    p_.macro.SetMacroAction(QString(), 201);
}

// The input is kept as its kind says; it is not tested against the kind. A
// formula may not hold "@", which ends a cell's formula in the tablet file.
void CalculatorTab::StoreInput(int row, int col) {
    const QString input = rtfCalcAdvDataInput.text();
    const int kind = cmbCalcAdvFuncSelect.listIndex();
    QString& formula = p_.tablets.formula(row, col);
    QString& value = p_.tablets.value(row, col);
    if (kind == KindFunction || kind == KindConvert) {
        if (input.contains(QLatin1Char('@'))) {
            p_.messages.ShowMessage(QStringLiteral("A formula cannot hold \"@\": the cell was "
                                                   "not changed."),
                                    KindExclamation, QStringLiteral("ok"),
                                    p_.texts.TextTable(9, 13));
            return;
        }
        formula = (kind == KindFunction ? QStringLiteral("=") : ConvertPrefix) + input.toUpper();
        value.clear();
        return;
    }
    const char* prefixes[] = {"tc_", "val_", "txt_"};
    formula.clear();
    if (kind >= KindTimecode && kind <= KindText) {
        value = QString::fromLatin1(prefixes[kind - KindTimecode]) + input;
        Calc.setTextMatrix(row, col, input);
    } else {
        value.clear();
        Calc.setTextMatrix(row, col, QString());
    }
}

void CalculatorTab::CalcAdvancedShowCell() {
    cmdAdvCalcClipIt.setEnabled(false);
    const int r = Calc.row(), c = Calc.col();
    if (!InTablet(r, c)) return;
    rtfCalcAdvDataInput.setText(ShowKindOf(r, c));
    const TextTables& t = p_.texts;
    lblAdvCalc.setCaption(ColumnLetter(c) + runtime::TrimStr(r) + QStringLiteral(" [") +
                          t.TextTable(4, 0) + QStringLiteral(": ") + runtime::TrimStr(r) +
                          QStringLiteral(", ") + t.TextTable(4, 1) + QStringLiteral(": ") +
                          runtime::TrimStr(c) + QLatin1Char(']'));
    if (tabCalculator.tab() == TabAdvanced) PlaceCellEditor();
}

// Chooses the cell's kind in the kind list (as no user's choice) and gives
// the text to edit; the clip is offered for functions and time codes.
QString CalculatorTab::ShowKindOf(int row, int col) {
    const QString formula = p_.tablets.formula(row, col);
    const QString value = p_.tablets.value(row, col);
    showingCell_ = true;
    QString input;
    if (formula.contains(ConvertPrefix)) {
        cmbCalcAdvFuncSelect.setListIndex(KindConvert);
        input = formula.mid(ConvertPrefix.size());
    } else if (formula.startsWith(QLatin1Char('='))) {
        cmbCalcAdvFuncSelect.setListIndex(KindFunction);
        cmdAdvCalcClipIt.setEnabled(true);
        input = formula.mid(1);
    } else {
        const qsizetype cut = value.indexOf(QLatin1Char('_')) + 1;
        const QString prefix = value.left(cut);
        if (prefix == QLatin1String("tc_")) {
            cmbCalcAdvFuncSelect.setListIndex(KindTimecode);
            cmdAdvCalcClipIt.setEnabled(true);
        } else if (prefix == QLatin1String("val_")) {
            cmbCalcAdvFuncSelect.setListIndex(KindValue);
        } else if (prefix == QLatin1String("txt_")) {
            cmbCalcAdvFuncSelect.setListIndex(KindText);
        }
        input = value.mid(cut);
    }
    showingCell_ = false;
    return input;
}

// The cell editor lies over the current cell with the input's text.
void CalculatorTab::PlaceCellEditor() {
    rtfCalc.move(Calc.left() + Calc.cellLeft(), Calc.top() + Calc.cellTop(), Calc.cellWidth(),
                 Calc.cellHeight());
    rtfCalc.setVisible(true);
    rtfCalc.zOrder(0);
    rtfCalc.setText(rtfCalcAdvDataInput.text());
}

void CalculatorTab::CalcAdvancedClip() {
    AddClipboardItem(p_, QStringLiteral("Calc.Adv.Result:"), Calc.text());
    p_.macro.SetMacroAction(QString(), 202);
}

// The tablet list and the kind list are never open together.
void CalculatorTab::CalcTabletListToggle() {
    p_.macro.SetMacroAction(QString(), 211);
    if (Label65.caption() == Open) {
        TogglePicker(Label65, List11);
        List11.zOrder(0);
        ClosePicker(Label16, cmbCalcAdvFuncSelect);
    } else {
        ClosePicker(Label65, List11);
    }
}

void CalculatorTab::CalcFunctionSelectToggle() {
    if (Label16.caption() == Open) {
        TogglePicker(Label16, cmbCalcAdvFuncSelect);
        cmbCalcAdvFuncSelect.zOrder(0);
        ClosePicker(Label65, List11);
    } else if (Label16.caption() == Close) {
        ClosePicker(Label16, cmbCalcAdvFuncSelect);
    }
    p_.macro.SetMacroAction(QString(), 212);
}

void CalculatorTab::FunctionKindClick() {
    const int kind = cmbCalcAdvFuncSelect.listIndex();
    Label35.setCaption(cmbCalcAdvFuncSelect.list(kind));
    if (showingCell_ || kind < 0) return;
    CalcFunctionSelectToggle();
    p_.macro.SetMacroAction(QString(), 203 + kind);
}

void CalculatorTab::CalcClick() {
    p_.macro.SetMacroAction(
        ColumnLetter(Calc.col()) + QLatin1Char(',') + runtime::TrimStr(Calc.row()), 209);
}

void CalculatorTab::CalcKeyPress(int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    FocusWholeText(rtfCalc);
}

void CalculatorTab::CalcScroll() {
    rtfCalc.setVisible(false);
}

void CalculatorTab::CalcEditChange() {
    rtfCalcAdvDataInput.setText(rtfCalc.text());
}

// Enter stores the cell; Escape leaves the editor.
void CalculatorTab::CalcEditKeyPress(int& keyAscii) {
    if (keyAscii == platform::KeyReturn) {
        const QString text = rtfCalc.text();
        CalcAdvancedEnter();
        Calc.setFocus();
        ReportEnterKey(text);
    } else if (keyAscii == platform::KeyEscape) {
        Calc.setFocus();
    }
}

void CalculatorTab::CalcInputKeyPress(int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    const QString text = rtfCalcAdvDataInput.text();
    CalcAdvancedEnter();
    ReportEnterKey(text);
}

// The Enter key enters the formula as the Enter button does. While a macro
// is being recorded it is recorded as the button (the recorder writes the
// cell, its kind and the formula before it); otherwise it reports the
// formula it entered.
void CalculatorTab::ReportEnterKey(const QString& text) {
    if (p_.macro.RecordMode == 1)
        p_.macro.SetMacroAction(QString(), 201);
    else
        p_.macro.SetMacroAction(text, 208);
}

void CalculatorTab::SelectCell(const QString& data) {
    const qsizetype comma = data.indexOf(QLatin1Char(','));
    const QString x = comma < 0 ? data : data.left(comma);
    const double y = runtime::Val(comma < 0 ? QString() : data.mid(comma + 1));
    const int col = x.isEmpty() ? 0 : x.toLower()[0].unicode() - 96;
    const int row = static_cast<int>(y);
    if (!InTablet(row, col) || row != y) {
        p_.messages.ShowMessage(p_.texts.Say("There is no cell %1 in the tablet (A,1 to Z,50).",
                                             MessageWindow::Verbatim(data)),
                                KindExclamation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
        return;
    }
    Calc.setRow(row);
    Calc.setCol(col);
}
