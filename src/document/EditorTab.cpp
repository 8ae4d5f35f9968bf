#include "document/EditorTab.h"

EditorTab::EditorTab(Program& p, platform::Container& page)
    : SSTab2(page, "SSTab2", {"Basic", "Search/Replace", "Filters", "Font"}),
      SSTab3(page, "SSTab3", {"Shift", "Stretch", "Time", "Frame rate"}),
      grdSubEdit(page, "grdSubEdit", 2, GridCols), p_(p) {
    SSTab2.move(120, 420, 4935, 1860);
    SSTab3.move(5160, 420, 4935, 1860);
    // The grid keeps 2430 twips above it for the tool rows and the tab row.
    grdSubEdit.move(120, 2340, 9975, 5055 - 2430);
    grdSubEdit.setFixedRows(1);
    grdSubEdit.setFixedCols(1);
    const int widths[GridCols] = {600, 1200, 1200, 2250, 2250, 2250};
    const char* captions[GridCols] = {"#", "Start", "End", "Text #1", "Text #2", "Text #3"};
    for (int c = 0; c < GridCols; ++c) {
        grdSubEdit.setColWidth(c, widths[c]);
        grdSubEdit.setTextMatrix(0, c, QString::fromLatin1(captions[c]));
    }
}
