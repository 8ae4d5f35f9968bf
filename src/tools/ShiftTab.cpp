#include "tools/ShiftTab.h"

#include "document/EditorTab.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/TimingMilliseconds.h"
#include "tools/TimingTools.h"

namespace {
const QString Tool = QStringLiteral("Shift");
const QString Open = QStringLiteral("<<");
} // namespace

ShiftTab::ShiftTab(Program& p, EditorTab& editor)
    : Frame11(editor.SSTab3.page(0), "Frame11", "Range"),
      Label26(editor.SSTab3.page(0), "Label26", "First line"),
      Label39(editor.SSTab3.page(0), "Label39", "Last line"),
      Label5(editor.SSTab3.page(0), "Label5", "Next part"),
      Label76(editor.SSTab3.page(0), "Label76"),
      Label11(editor.SSTab3.page(0), "Label11", "Duration"),
      rtfShiftDuration(editor.SSTab3.page(0), "rtfShiftDuration"),
      Label12(editor.SSTab3.page(0), "Label12", "Direction"),
      Label37(editor.SSTab3.page(0), "Label37", ">>"), Label38(editor.SSTab3.page(0), "Label38"),
      Combo2(editor.SSTab3.page(0), "Combo2", platform::ComboBox::DropDownList),
      Command13(editor.SSTab3.page(0), "Command13", "Go"), p_(p), editor_(editor) {
    place();
    editor_.AddCalcButton(editor_.SSTab3.page(0), 2, Label11);
    wire();
    registerCommands();
}

void ShiftTab::place() {
    timing::PlaceRangeFrame(
        {Frame11, Label26, Label39, editor_.Text1[0], editor_.Text1[1], Label5, Label76},
        QStringLiteral("Toggle ranges"));
    timing::PlaceTimeField(Label11, rtfShiftDuration, 0, "Shift by this time (hh:mm:ss,fff)");
    timing::PlaceGoButton(Command13, 4140, "Shift the lines of the range");
    Label12.move(2580, 1095, 1455, 240);
    Label37.move(2580, 1335, 375, 255);
    Label38.move(3000, 1335, 1455, 255);
    Combo2.move(3000, 1320, 1455, 315);
    ClosePicker(Label37, Combo2);
    MakeLabelButton(Label5);
}

void ShiftTab::wire() {
    Label37.onClick = [this] { ShiftDirectionPickerToggle(); };
    Combo2.onClick = [this] { ShiftDirectionSelect(); };
    Label5.onClick = [this] { ShiftRangeToggle(); };
    Command13.onClick = [this] { ShiftGo(); };
    timing::MakeTimeField(p_, rtfShiftDuration, 517, [this] { ShiftGo(); });
}

void ShiftTab::FillDirections() {
    Combo2.clear();
    Combo2.addItem(p_.texts.TextTable(4, 13));
    Combo2.addItem(p_.texts.TextTable(4, 11));
    Combo2.setListIndex(0);
}

void ShiftTab::ShiftDirectionPickerToggle() {
    TogglePicker(Label37, Combo2);
}

// The choice shows in Label38 and the picker toggles (a click in the open
// list closes it). Choosing no item reports nothing.
void ShiftTab::ShiftDirectionSelect() {
    const int index = Combo2.listIndex();
    Label38.setCaption(Combo2.text());
    ShiftDirectionPickerToggle();
    if (index >= 0) p_.macro.SetMacroAction(QString(), 515 + index);
}

// A macro picks a direction without leaving the list open.
void ShiftTab::PickDirection(int index) {
    const bool open = Label37.caption() == Open;
    Combo2.setListIndex(index);
    if (!open && Label37.caption() == Open) ShiftDirectionPickerToggle();
}

void ShiftTab::ShiftRangeToggle() {
    timing::ToggleRange(p_, editor_.Text1[0], editor_.Text1[1], Label76);
    p_.macro.SetMacroAction(QString(), 521);
}

bool ShiftTab::ShiftRangeNode(const QString& n) {
    return timing::RangeFromNode(p_, n, editor_.Text1[0], editor_.Text1[1], Tool);
}

// Towards the beginning subtracts the duration, towards the end adds it; a
// time that would leave the time code's hours keeps its old value. A shift
// that would move a line below 00:00:00,000 changes nothing, and so does one
// that moves no time at all; each says why.
void ShiftTab::ShiftGo() {
    p_.macro.SetMacroAction(QString(), 518);
    timing::LineRange range;
    if (!timing::ReadRange(p_, editor_.Text1[0].text(), editor_.Text1[1].text(), Tool, range))
        return;
    const int direction = Combo2.listIndex();
    if (direction != 0 && direction != 1) {
        timing::Refuse(p_, Tool, QStringLiteral("Choose the direction of the shift first."));
        return;
    }
    const QString duration = rtfShiftDuration.text();
    if (timing::RefuseNotATime(p_, Tool, QStringLiteral("shift"), duration)) return;
    const timing::TimeStep step(duration, direction == 0 ? -1 : 1);
    const double stepMs = TimeToMs(duration);
    const platform::Grid& g = p_.doc.grid();
    timing::NewTimes moved;
    moved.firstLine = range.first;
    moved.starts.reserve(range.last - range.first + 1);
    moved.ends.reserve(range.last - range.first + 1);
    bool anyMoved = false;
    // A time so far below zero that the time code cannot hold it is kept by
    // the step; it is named by its distance below zero.
    const auto shifted = [&](const QString& time) {
        const QString to = step.apply(time);
        if (to != time) {
            anyMoved = true;
        } else if (direction == 0 && stepMs > 0 && IsValidTimeCode(time) &&
                   TimeToMs(time) < stepMs) {
            return QLatin1Char('-') +
                   timing::MsTimeCode(static_cast<qint64>(stepMs - TimeToMs(time)));
        }
        return to;
    };
    for (int r = range.first; r <= range.last; ++r) {
        moved.starts << shifted(g.textMatrix(r, 1));
        moved.ends << shifted(g.textMatrix(r, 2));
    }
    if (timing::RefuseNegativeTimes(p_, Tool, moved)) return;
    if (!anyMoved) {
        timing::Refuse(p_, Tool,
                       stepMs == 0
                           ? p_.texts.Say("A shift by 00:00:00,000 moves no line.\r\nNothing "
                                          "was changed.")
                           : p_.texts.Say("Shifting lines %1 to %2 by %3 would take their times "
                                          "past 99:59:59,999.\r\nNothing was changed.",
                                          runtime::TrimStr(range.first),
                                          runtime::TrimStr(range.last), duration));
        return;
    }
    if (!p_.history.SaveSnapshot(QStringLiteral("Script Shifted"),
                                 timing::DocumentRangeComment(p_) + QStringLiteral(" [Duration: ") +
                                     duration + QStringLiteral("] [Direction: ") +
                                     Label38.caption() + QLatin1Char(']')))
        return;
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    timing::WriteTimes(p_, moved);
    timing::LinesChanged(p_);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}

void ShiftTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Editor.Shift.Set.Direction.Beginning"), 515,
          [this] { PickDirection(0); });
    c.add(QStringLiteral("Editor.Shift.Set.Direction.End"), 516, [this] { PickDirection(1); });
    c.add(QStringLiteral("Editor.Shift.Go"), 518, [this] { ShiftGo(); });
    timing::AddFieldCommand(p_, "Editor.Shift.Duration", 517, rtfShiftDuration);
    timing::AddFieldCommand(p_, "Editor.Shift.Start", 519, editor_.Text1[0]);
    timing::AddFieldCommand(p_, "Editor.Shift.End", 520, editor_.Text1[1]);
    c.add(QStringLiteral("Editor.Shift.Range.Toggle"), 521, [this] { ShiftRangeToggle(); });
    c.add(QStringLiteral("Editor.Shift.Range.Node"), 568,
          [this](const QString& data) { ShiftRangeNode(data); });
}
