#include "tools/PartitionTab.h"
#include "document/Formats.h"

#include "shell/Picker.h"
#include "shell/Program.h"

namespace {
// Span list columns: the number, the file name and the length.
constexpr int SpanCols = 3;
constexpr int SpanLeft = 2175, SpanWidth = 5055;
} // namespace

PartitionTab::PartitionTab(Program& p, platform::Container& page)
    : Label31(page, "Label31", ">>"), Label36(page, "Label36", "Format"),
      combo3(page, "combo3", platform::ComboBox::DropDownList), grid(page, "grid", 2, SpanCols),
      Label8(page, "Label8", "Written files"), List2(page, "List2"), p_(p) {
    Label31.move(120, 4560, 375, 255);
    Label36.move(540, 4560, 1515, 255);
    combo3.move(120, 1200, 1935, 315);
    ClosePicker(Label31, combo3);
    Label31.onClick = [this] { PartitionFormatSelectToggle(); };
    FillFormatList();
    grid.move(SpanLeft, 480, SpanWidth, 1935);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    HeadSpanList();
    Label8.move(SpanLeft, 2700, SpanWidth, 255);
    List2.move(SpanLeft, 2940, SpanWidth, 1500);
}

void PartitionTab::FillFormatList() {
    combo3.clear();
    for (int f = 1; f <= 16; ++f)
        combo3.addItem(formats::ListName(f));
    combo3.setListIndex(0);
}

void PartitionTab::HeadSpanList() {
    grid.setTextMatrix(0, 0, QStringLiteral("#"));
    grid.setTextMatrix(0, 1, p_.texts.TextTable(4, 14));
    grid.setTextMatrix(0, 2, p_.texts.TextTable(4, 15));
    grid.setColWidth(0, 650);
    grid.setColWidth(2, 1200);
    grid.setColWidth(1, grid.width() - 1200 - 654);
}

void PartitionTab::ShowSpanListItem() {
    if (grid.row() == 0 && grid.rows() == 2) grid.setRow(1);
}

void PartitionTab::PartitionFormatSelectToggle() {
    TogglePicker(Label31, combo3);
}
