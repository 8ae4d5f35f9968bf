#pragma once
// The Filters tab of the editor (SSTab2, tab 2): rewrites the text cells of
// every line. Reverse Hebrew reverses the characters of each text cell behind
// its leading blank; correct long lines joins a line's three text cells and
// splits the text again at blanks into at most three cells, cutting a piece
// at the first blank past txtMaxCount characters.

#include "platform/CheckBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

class Program;

class FilterTab {
public:
    FilterTab(Program& p, platform::Container& page);

    platform::ControlArray<platform::CheckBox> Check4; // 0 Reverse Hebrew, 1 Correct long lines
    platform::Label lblMaxCount;                       // "Characters a line"
    platform::TextBox txtMaxCount;                     // the long-line count
    platform::Label Command30;                         // Go

    void FilterGo();
    void FilterOptionClick(int index);

    // One line's three text cells after reverse Hebrew, and after correct
    // long lines with pieces of at least `max` characters.
    static void ReverseCells(QString cells[3]);
    static void SplitLongLine(QString cells[3], int max);

    // The most characters a line may be given.
    static constexpr int MaxCountLimit = 32767;

private:
    void place();
    void wire();
    void registerCommands();
    bool ReadMaxCount(int& max);
    bool SaveFilterSnapshot();
    void ApplyFilters(int max);

    Program& p_;
};
