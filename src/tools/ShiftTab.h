#pragma once
// The Shift tab of the editor (SSTab3, tab 0): moves the start and end times
// of a range of lines by one duration, towards the beginning of the file
// (earlier) or its end (later).
//
// The range fields Text1(0) and Text1(1) belong to the editor tab; this page
// places them and adds the range toggle Label5 (steps through the parts, the
// part's number in Label76), the duration rtfShiftDuration, the direction
// picker Label37 with its hidden list Combo2 ("Beginning", "End") and value
// label Label38, and the Go button Command13.

#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/RichTextBox.h"

class Program;
class EditorTab;

class ShiftTab {
public:
    ShiftTab(Program& p, EditorTab& editor);

    platform::Frame Frame11; // "Range"
    platform::Label Label26; // "First line"
    platform::Label Label39; // "Last line"
    platform::Label Label5;  // range toggle
    platform::Label Label76; // the part the toggle chose
    platform::Label Label11; // "Duration"
    platform::RichTextBox rtfShiftDuration;
    platform::Label Label12; // "Direction"
    platform::Label Label37; // direction picker ">>" / "<<"
    platform::Label Label38; // the chosen direction
    platform::ComboBox Combo2;
    platform::Label Command13; // Go

    // The two directions, the first chosen.
    void FillDirections();
    void ShiftDirectionPickerToggle();
    // A direction chosen in Combo2 (by a click or from code).
    void ShiftDirectionSelect();
    // Lines of the next part (after the last, the whole document) into the range.
    void ShiftRangeToggle();
    // Lines of part n (0 the whole document) into the range; false when there is no such part.
    bool ShiftRangeNode(const QString& n);
    void ShiftGo();

private:
    void place();
    void wire();
    void registerCommands();
    void PickDirection(int index);

    Program& p_;
    EditorTab& editor_;
};
