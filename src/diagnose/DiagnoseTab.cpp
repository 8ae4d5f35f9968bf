#include "diagnose/DiagnoseTab.h"

namespace {
constexpr int BoxWidth = 2055, BoxHeight = 255, RowPitch = 300;
// The three groups: checks, counts and repairs, side by side.
constexpr int GroupLeft[] = {240, 2520, 4800};
constexpr int FirstRowTop = 600;
} // namespace

DiagnoseTab::DiagnoseTab(Program& p, platform::Container& page) : p_(p), page_(page) {
    placeOptions();
}

void DiagnoseTab::placeOptions() {
    const char* captions[OptionCount] = {"Empty",   "Overlapping", "Invalid time",    "Negative",
                                         "Words",   "Multilines",  "Displaying time", "Overlapping",
                                         "Invalid", "Empty"};
    const char* tips[OptionCount] = {"Checks for empty lines",
                                     "Checks for overlapping lines",
                                     "Checks for invalid time lines",
                                     "Checks for negative lines",
                                     "Count the amount of words",
                                     "Count the number of multi lines",
                                     "Calculates the total displaying time",
                                     "Repairs overlapping lines",
                                     "Repairs invalid lines",
                                     "Repairs invalid lines"};
    // Within the repair group "Empty" stands first.
    const int row[OptionCount] = {0, 1, 2, 3, 0, 1, 2, 1, 2, 0};
    for (int i = 0; i < OptionCount; ++i) {
        platform::CheckBox& box = Check3.add(page_, "Check3", i, QString::fromLatin1(captions[i]));
        const int group = i < 4 ? 0 : i < 7 ? 1 : 2;
        box.move(GroupLeft[group], FirstRowTop + row[i] * RowPitch, BoxWidth, BoxHeight);
        box.setToolTipText(QString::fromLatin1(tips[i]));
        box.setValue(i < RepairOverlapping ? platform::CheckBox::Checked
                                           : platform::CheckBox::Unchecked);
    }
}
