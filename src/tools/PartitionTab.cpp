#include "tools/PartitionTab.h"

#include "shell/Program.h"

namespace {
// Span list columns: the number, the file name and the length.
constexpr int SpanCols = 3;
constexpr int SpanLeft = 2175, SpanWidth = 5055;
} // namespace

PartitionTab::PartitionTab(Program& p, platform::Container& page)
    : Label36(page, "Label36", "Format"), combo3(page, "combo3", platform::ComboBox::DropDownList),
      grid(page, "grid", 2, SpanCols), Label8(page, "Label8", "Written files"),
      List2(page, "List2"), p_(p), page_(page) {
    Label36.move(120, 960, 1935, 255);
    combo3.move(120, 1200, 1935, 315);
    for (int f = 1; f <= 16; ++f)
        combo3.addItem(p.shell.FormatName[static_cast<std::size_t>(f)]);
    placeSpanList();
    Label8.move(SpanLeft, 2700, SpanWidth, 255);
    List2.move(SpanLeft, 2940, SpanWidth, 1500);
}

// Heads the span list and sizes its columns: the number 650 twips, the length
// 1200, the name the rest.
void PartitionTab::placeSpanList() {
    grid.move(SpanLeft, 480, SpanWidth, 1935);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setTextMatrix(0, 0, QStringLiteral("#"));
    grid.setTextMatrix(0, 1, p_.texts.TextTable(4, 14));
    grid.setTextMatrix(0, 2, p_.texts.TextTable(4, 15));
    grid.setColWidth(0, 650);
    grid.setColWidth(2, 1200);
    grid.setColWidth(1, SpanWidth - 1200 - 654);
}
