#pragma once
// The Stretch tab of the editor (SSTab3, tab 1): rescales the start times of
// a range of lines so that its first line starts at First and its last line
// at Last; every line keeps its own duration.
//
// The range fields Text1(2) and Text1(3) and the time fields rtfStretchFirst
// and rtfStretchLast belong to the editor tab (the load fills them); this
// page places them and adds the range toggle Label63 (the part's number in
// Label77) and the Go button Command12.

#include "platform/Frame.h"
#include "platform/Label.h"

#include <QString>

class Program;
class EditorTab;
namespace timing {
struct NewTimes;
}

class StretchTab {
public:
    StretchTab(Program& p, EditorTab& editor);

    platform::Frame Frame8;    // "Range"
    platform::Label Label40;   // "First line"
    platform::Label Label41;   // "Last line"
    platform::Label Label63;   // range toggle
    platform::Label Label77;   // the part the toggle chose
    platform::Label Label9;    // "First"
    platform::Label Label10;   // "Last"
    platform::Label Command12; // Go

    // Lines of the next part (after the last, the whole document) into the range.
    void StretchRangeToggle();
    // Lines of part n (0 the whole document) into the range; false when there is no such part.
    bool StretchRangeNode(const QString& n);
    void StretchGo();

private:
    struct Plan;
    void place();
    void wire();
    void registerCommands();
    bool MakePlan(Plan& plan);
    // The range's new times, written nowhere yet.
    void Rescale(const Plan& plan, timing::NewTimes& moved);
    bool RescalePlain(const Plan& plan, int row, QString& newStart, QString& newEnd);
    void RescaleText(const Plan& plan, int row, QString& newStart, QString& newEnd);

    Program& p_;
    EditorTab& editor_;
};
