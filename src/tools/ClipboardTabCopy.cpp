// The clipboard's copy buttons: the selected item goes to the calculator, the
// partition span list or the editor's timing tool shown.

#include "calculator/Tablets.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "tools/ClipboardTab.h"

namespace {
enum CalculatorPage { Advanced, Classic };
enum TimingTool { Shift, Stretch, Time };
} // namespace

// "label>hh:mm:ss,fff": the name is the label after its last "\" or "/".
ClipboardTab::Item ClipboardTab::Item::Split(const QString& text) {
    Item item;
    const qsizetype gt = text.indexOf(QLatin1Char('>'));
    const QString label = gt < 0 ? text : text.left(gt);
    const qsizetype slash =
        std::max(label.lastIndexOf(QLatin1Char('\\')), label.lastIndexOf(QLatin1Char('/')));
    item.name = label.mid(slash + 1);
    if (gt < 0) return item;
    const QString value = text.mid(gt + 1);
    const qsizetype colon1 = value.indexOf(QLatin1Char(':'));
    if (colon1 < 0) return item;
    item.hours = value.left(colon1);
    const qsizetype colon2 = value.indexOf(QLatin1Char(':'), colon1 + 1);
    if (colon2 < 0) return item;
    item.minutes = value.mid(colon1 + 1, colon2 - colon1 - 1);
    const qsizetype comma = value.indexOf(QLatin1Char(','), colon2 + 1);
    if (comma < 0) return item;
    item.seconds = value.mid(colon2 + 1, comma - colon2 - 1);
    item.millis = value.mid(comma + 1);
    return item;
}

QString ClipboardTab::Item::time(QChar beforeMillis) const {
    return hours + QLatin1Char(':') + minutes + QLatin1Char(':') + seconds + beforeMillis + millis;
}

// With no item selected there is nothing to copy.
void ClipboardTab::Copy(int index) {
    const int selected = List1.listIndex();
    if (selected < 0) return;
    const Item item = Item::Split(List1.list(selected));
    switch (p_.main().tabMain.tab()) {
    case frmMain::TabCalculator:
        CopyToCalculator(index, item);
        break;
    case frmMain::TabPartition:
        CopyToSpanList(item);
        break;
    case frmMain::TabEditor:
    case frmMain::TabPlayer:
        CopyToEditorTool(index, item);
        break;
    default:
        break;
    }
}

// The advanced page takes the time (with "." before the milliseconds) into
// its selected cell, and as a time-code value into the tablet; the classic
// page reports Copy.To.A or Copy.To.B.
void ClipboardTab::CopyToCalculator(int index, const Item& item) {
    CalculatorTab& calculator = p_.main().calculator;
    if (calculator.tabCalculator.tab() == Classic) {
        p_.macro.SetMacroAction(QString(), 1001 + index);
        auto& field = index == 0 ? calculator.rtfCalcClassicA : calculator.rtfCalcClassicB;
        const QString parts[] = {item.hours, item.minutes, item.seconds, item.millis};
        for (int i = 0; i < 4; ++i)
            if (field.contains(i)) field[i].setText(parts[i]);
        return;
    }
    if (calculator.tabCalculator.tab() != Advanced) return;
    platform::Grid& cells = calculator.Calc;
    const QString text = item.time(QLatin1Char('.'));
    cells.setText(text);
    const int row = cells.row(), col = cells.col();
    if (row >= 1 && row <= Tablets::Rows && col >= 1 && col <= Tablets::Cols)
        p_.tablets.TabletValue[std::size_t(row - 1)][std::size_t(col - 1)] =
            QStringLiteral("tc_") + text;
}

// A new part at the end of the span list: its number, the item's name and the
// time as its length.
void ClipboardTab::CopyToSpanList(const Item& item) {
    p_.macro.SetMacroAction(QString(), 1003);
    PartitionTab& partition = p_.main().partition;
    platform::Grid& spans = partition.grid;
    spans.setRows(spans.rows() + 1);
    const int row = spans.rows() - 2;
    spans.setTextMatrix(row, 0, runtime::TrimStr(row));
    spans.setTextMatrix(row, 1, item.name);
    spans.setTextMatrix(row, 2, item.time(QLatin1Char('.')));
    partition.ShowSpanListItem();
}

// Shift takes the time as its duration from either button; Stretch and Time
// take it as their first/start (button 0) or last/end (button 1) time.
void ClipboardTab::CopyToEditorTool(int index, const Item& item) {
    EditorTab& editor = p_.main().editor;
    const QString time = item.time(QLatin1Char(','));
    switch (editor.SSTab3.tab()) {
    case Shift:
        p_.macro.SetMacroAction(QString(), 1004);
        p_.main().shift.rtfShiftDuration.setText(time);
        break;
    case Stretch:
        p_.macro.SetMacroAction(QString(), 1005 + index);
        (index == 0 ? editor.rtfStretchFirst : editor.rtfStretchLast).setText(time);
        break;
    case Time:
        p_.macro.SetMacroAction(QString(), 1007 + index);
        (index == 0 ? p_.main().timeTab.rtfTimeStart : p_.main().timeTab.rtfTimeEnd).setText(time);
        break;
    default:
        break;
    }
}
