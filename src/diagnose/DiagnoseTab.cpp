#include "diagnose/DiagnoseTab.h"

#include "platform/Grid.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"

namespace {
// Twips, from the top of the tab strip (tab row included). The checks and the
// counts stand in the first column, the repairs with Go and Print in the
// second, the report fills the rest.
constexpr int Margin = 120, Top = 480, FrameWidth = 2055, Gap = 90;
constexpr int SecondColumn = Margin + FrameWidth + Gap;
constexpr int BoxLeft = 150, BoxTop = 270, BoxPitch = 285, BoxWidth = 1800, BoxHeight = 255;
constexpr int ButtonWidth = 975, ButtonHeight = 285;
constexpr int TreeLeft = SecondColumn + FrameWidth + 150, TreeWidth = 10215 - TreeLeft - 150;
constexpr int TreeHeight = 4260;
constexpr int ButtonsTop = 4560;

int FrameHeight(int boxes) {
    return BoxTop + boxes * BoxPitch + 90;
}
} // namespace

DiagnoseTab::DiagnoseTab(Program& p, platform::Container& page)
    : fraCheck(page, "fraCheck", "Check lines"), fraCount(page, "fraCount", "Count"),
      fraRepair(page, "fraRepair", "Repair"), Command27(page, "Command27", "Go"),
      lblPrint(page, "lblPrint", "Print"), tvDiag(page, "tvDiag"), p_(p) {
    placeFrames();
    placeOptions();
    placeButtons();
    tvDiag.move(TreeLeft, Top, TreeWidth, TreeHeight);
    tvDiag.setToolTipText("The report of the last run; click a line to go to it");
    tvDiag.onNodeClick = [this](const QString& key) { DiagTreeNodeClick(key); };
    registerCommands();
}

void DiagnoseTab::placeFrames() {
    fraCheck.move(Margin, Top, FrameWidth, FrameHeight(4));
    fraCount.move(Margin, Top + FrameHeight(4) + Gap, FrameWidth, FrameHeight(3));
    fraRepair.move(SecondColumn, Top, FrameWidth, FrameHeight(3));
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
                                     "Repairs empty lines"};
    // Within the repair frame "Empty" stands first.
    const int row[OptionCount] = {0, 1, 2, 3, 0, 1, 2, 1, 2, 0};
    for (int i = 0; i < OptionCount; ++i) {
        platform::Frame& frame = i < CountWords          ? fraCheck
                                 : i < RepairOverlapping ? fraCount
                                                         : fraRepair;
        platform::CheckBox& box = Check3.add(frame, "Check3", i, QString::fromLatin1(captions[i]));
        box.move(BoxLeft, BoxTop + row[i] * BoxPitch, BoxWidth, BoxHeight);
        box.setToolTipText(QString::fromLatin1(tips[i]));
        box.setValue(i < RepairOverlapping ? platform::CheckBox::Checked
                                           : platform::CheckBox::Unchecked);
    }
    Check3.onClick([this](int index) { DiagnoseOptionClick(index); });
}

// Go and Print stand at the tab's foot, where the main window's layout keeps
// them at their distance from its bottom edge.
void DiagnoseTab::placeButtons() {
    const int top = ButtonsTop;
    Command27.move(SecondColumn, top, ButtonWidth, ButtonHeight);
    lblPrint.move(SecondColumn + FrameWidth - ButtonWidth, top, ButtonWidth, ButtonHeight);
    Command27.setToolTipText("Checks the lines with the options above");
    lblPrint.setToolTipText("Prints the result");
    for (platform::Label* b : {&Command27, &lblPrint})
        MakeLabelButton(*b);
    Command27.onClick = [this] { DiagnoseGoClick(); };
    lblPrint.onClick = [this] { DiagnosePrint(); };
}

// ---- Handlers -------------------------------------------------------------------

// Boxes 0 to 8 report 701 + 2 × index when ticked; box 9, added later, 721.
int DiagnoseTab::TickedAction(int index) {
    return index == RepairEmpty ? 721 : 701 + 2 * index;
}

void DiagnoseTab::DiagnoseOptionClick(int index) {
    if (index < 0 || index >= OptionCount || !Check3.contains(index)) return;
    const int value = Check3[index].value();
    if (value == platform::CheckBox::Checked)
        p_.macro.SetMacroAction(QString(), TickedAction(index));
    else if (value == platform::CheckBox::Unchecked)
        p_.macro.SetMacroAction(QString(), TickedAction(index) + 1);
}

void DiagnoseTab::DiagnoseGoClick() {
    p_.diag.GoDiagnose();
}

// "Line 0012" (the word in the language in use): up to four digits after
// the word and its blank. The heading "Line", "Lines" and a line that is
// gone since the run name no line.
void DiagnoseTab::DiagTreeNodeClick(const QString& key) {
    const QString text = tvDiag.nodeText(key);
    const QString word = p_.texts.Own(OwnText::DiagLine) + QLatin1Char(' ');
    if (!text.startsWith(word)) return;
    const QString digits = text.mid(word.size(), 4);
    int row = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') break;
        row = row * 10 + (c.unicode() - u'0');
    }
    if (row < 1 || row > p_.doc.lineCount()) return;
    p_.doc.grid().setCurrentCell(row, 1);
}
