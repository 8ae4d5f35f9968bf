#pragma once
// The Editor tab of the main window: the subtitle grid grdSubEdit (the
// document), the two rows of editing tools above it, SSTab2 and SSTab3, and
// the part buttons on the grid's header row: btnNode (split or join parts at
// the current row) at its left edge, Label74 and Label75 (previous and next
// part) at its right. Over the grid lie the current line's overlays: the
// in-cell editor rtfEdit, the diagnose balloon errExp and the calculator
// button cmdInvCalc, placed by the edit area at each change of the current
// cell and hidden when the grid scrolls.

#include "document/BasicTab.h"
#include "platform/ControlArray.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/RichTextBox.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "tools/FontTab.h"

class Program;

class EditorTab {
public:
    EditorTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab2;
    platform::TabStrip SSTab3;
    platform::Grid grdSubEdit;
    platform::ControlArray<platform::Label> btnNode; // element 0
    platform::Label Label74;
    platform::Label Label75;

    // Editor tools (first row): the Basic tab and the Font tab.
    BasicTab basic;
    FontTab font;
    // Range fields of the timing tools: Text1(0) and Text1(1) are the first
    // and last line of the Shift tab, Text1(2) and Text1(3) those of the
    // Stretch tab; rtfStretchFirst and rtfStretchLast are the Stretch tab's
    // first and last times.
    platform::ControlArray<platform::TextBox> Text1;
    platform::RichTextBox rtfStretchFirst;
    platform::RichTextBox rtfStretchLast;
    // The calculator buttons of the timing tools' time fields (0 Stretch
    // first, 1 Stretch last, 2 Shift duration, 3 Time start, 4 Time end):
    // each tool adds its own at the right end of the field's caption.
    platform::ControlArray<platform::Label> cmdInvokeCalc;
    void AddCalcButton(platform::Container& page, int index, const platform::Label& caption);

    // The current cell's overlays: the in-cell editor, the diagnose balloon
    // with its message, and the calculator button beside a number or time cell.
    platform::RichTextBox rtfEdit;
    platform::PictureBox errExp;
    platform::Label lblErrExp;
    platform::Label cmdInvCalc;

    // Grid columns: the line number, start and end time, three text lines.
    static constexpr int GridCols = 6;

private:
    void placeGrid();
    void placePartButtons(platform::Container& page);
    void placeRangeFields();
    void placeOverlays();
    void wireEditArea();

    Program& p_;
};
