#pragma once
// The Basic tab of the editor (SSTab2, tab 0): the current line's start and
// end time, the Basic text field that shows and edits the selected cell, the
// cell-position caption, and the line operations Insert, Delete and Change
// with the Clip button (labels used as buttons).

#include "platform/Label.h"
#include "platform/RichTextBox.h"

class Program;

class BasicTab {
public:
    BasicTab(Program& p, platform::Container& page);

    platform::Label Label13; // "Row: 12, Col: 3 = Text #1"
    platform::RichTextBox rtfLineStart;
    platform::RichTextBox rtfLineEnd;
    platform::RichTextBox rtfSubEditBasic;
    platform::Label Command10; // Insert
    platform::Label Command11; // Delete
    platform::Label Command14; // Change
    platform::Label Command47; // Clip

private:
    void place();
    void wire();
    void registerCommands();

    Program& p_;
};
