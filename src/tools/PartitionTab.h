#pragma once
// The Partition tab of the main window: the partition engine's span list,
// output format, preview and buttons.

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class PartitionTab {
public:
    PartitionTab(Program& p, platform::Container& page);

    // The output format: the sixteen format names in format-number order; its
    // list index + 1 is the format the partition engine writes. Label31 opens
    // and closes the list; Label36 shows the chosen format.
    platform::Label Label31;
    platform::Label Label36;
    platform::ComboBox combo3;

    // The span list: rows 1 to Rows - 2 are the parts (column 0 the number,
    // column 1 the part's file name, column 2 its length as a time code); the
    // last row stays spare.
    platform::Grid grid;
    // The part files the last partition write wrote, by name without folder.
    platform::Label Label8;
    platform::ListBox List2;

    // The sixteen names, the first chosen ("Substation Alpha" is spelt so
    // in this list).
    void FillFormatList();
    // Row 0 "#", file name, length; the number 650 twips wide, the length
    // 1200, the name the rest.
    void HeadSpanList();
    // The span list's current cell. For now only: with the list empty, the
    // heading row gives way to the spare row.
    void ShowSpanListItem();
    void PartitionFormatSelectToggle();

private:
    Program& p_;
};
