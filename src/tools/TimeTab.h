#pragma once
// The Time tab of the editor (SSTab3, tab 2): the start and end of the
// current line in two fields, moved earlier or later or shortened and
// lengthened by a step time, and written into the line with Go.
//
// rtfTimeStart and rtfTimeEnd show the same times as the Basic tab's
// rtfLineStart and rtfLineEnd (the current-line display fills those): a change
// of either pair shows in the other, so the two never disagree.

#include "platform/Label.h"
#include "platform/RichTextBox.h"

class Program;
class EditorTab;

class TimeTab {
public:
    TimeTab(Program& p, EditorTab& editor);

    platform::Label Label4;  // "Start"
    platform::Label Label15; // "End"
    platform::RichTextBox rtfTimeStart;
    platform::RichTextBox rtfTimeEnd;
    platform::RichTextBox rtfDurShift; // the step, "mm:ss,fff"
    platform::Label Command15;         // Left: both times earlier by the step
    platform::Label Command16;         // Right: both later
    platform::Label Command17;         // Shrink
    platform::Label Command18;         // Stretch
    platform::Label Command19;         // Go

    void TimeLeft();
    void TimeRight();
    // Shorten or lengthen the line by the step: at its start when the grid's
    // current column is the start, at its end for the end column, else both.
    void TimeShrink();
    void TimeStretch();
    // Writes the two fields into the grid's current line.
    void TimeGo();

private:
    void place();
    void wire();
    void mirror(platform::RichTextBox& shown, platform::RichTextBox& other);
    void registerCommands();
    QString step() const;
    void moveTime(platform::RichTextBox& field, const char* op);

    Program& p_;
    EditorTab& editor_;
};
