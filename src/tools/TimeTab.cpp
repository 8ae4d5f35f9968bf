#include "tools/TimeTab.h"

#include "document/EditorTab.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "tools/TimingTools.h"

namespace {
const QString Tool = QStringLiteral("Time");
constexpr int StartCol = 1, EndCol = 2;
} // namespace

TimeTab::TimeTab(Program& p, EditorTab& editor)
    : Label4(editor.SSTab3.page(2), "Label4", "Start"),
      Label15(editor.SSTab3.page(2), "Label15", "End"),
      rtfTimeStart(editor.SSTab3.page(2), "rtfTimeStart"),
      rtfTimeEnd(editor.SSTab3.page(2), "rtfTimeEnd"),
      rtfDurShift(editor.SSTab3.page(2), "rtfDurShift"),
      Command15(editor.SSTab3.page(2), "Command15", "<<"),
      Command16(editor.SSTab3.page(2), "Command16", ">>"),
      Command17(editor.SSTab3.page(2), "Command17", "><"),
      Command18(editor.SSTab3.page(2), "Command18", "<>"),
      Command19(editor.SSTab3.page(2), "Command19", "Go"), p_(p), editor_(editor) {
    place();
    editor_.AddCalcButton(editor_.SSTab3.page(2), 3, Label4);
    editor_.AddCalcButton(editor_.SSTab3.page(2), 4, Label15);
    wire();
    registerCommands();
}

void TimeTab::place() {
    Label4.move(120, 450, 1455, 240);
    Label15.move(1680, 450, 1455, 240);
    rtfTimeStart.move(120, 690, 1455, 315);
    rtfTimeEnd.move(1680, 690, 1455, 315);
    for (platform::RichTextBox* f : {&rtfTimeStart, &rtfTimeEnd})
        f->setText(QStringLiteral("00:00:00,000"));
    rtfTimeStart.setToolTipText("Start of the current line");
    rtfTimeEnd.setToolTipText("End of the current line");
    timing::PlaceGoButton(Command19, 3240, "Write the start and end into the current line");
    rtfDurShift.move(120, 1215, 1095, 315);
    rtfDurShift.setText(QStringLiteral("00:01,000"));
    rtfDurShift.setToolTipText("Enter duration (x = Range 00:00,000 - 99:99,999)");
    platform::Label* steps[] = {&Command15, &Command16, &Command17, &Command18};
    const char* tips[] = {"Earlier by the step", "Later by the step", "Shorter by the step",
                          "Longer by the step"};
    for (int i = 0; i < 4; ++i) {
        steps[i]->move(1320 + i * 555, 1245, 480, 255);
        steps[i]->setToolTipText(QString::fromLatin1(tips[i]));
        MakeLabelButton(*steps[i]);
    }
}

void TimeTab::wire() {
    Command15.onClick = [this] { TimeLeft(); };
    Command16.onClick = [this] { TimeRight(); };
    Command17.onClick = [this] { TimeShrink(); };
    Command18.onClick = [this] { TimeStretch(); };
    Command19.onClick = [this] { TimeGo(); };
    timing::MakeTimeField(p_, rtfTimeStart, 531, [this] { TimeGo(); });
    timing::MakeTimeField(p_, rtfTimeEnd, 532, [this] { TimeGo(); });
    mirror(rtfTimeStart, editor_.basic.rtfLineStart);
    mirror(rtfTimeEnd, editor_.basic.rtfLineEnd);
}

// Setting the text it already has runs no Change, so the pair settles at once.
void TimeTab::mirror(platform::RichTextBox& shown, platform::RichTextBox& other) {
    shown.onChange = [&shown, &other] { other.setText(shown.text()); };
    other.onChange = [&shown, &other] { shown.setText(other.text()); };
}

// The step field has no hours: "mm:ss,fff".
QString TimeTab::step() const {
    return QStringLiteral("00:") + rtfDurShift.text();
}

void TimeTab::moveTime(platform::RichTextBox& field, const char* op) {
    field.setText(ShownTime(TimeCalc(field.text(), step(), QString::fromLatin1(op))));
}

void TimeTab::TimeLeft() {
    p_.macro.SetMacroAction(QString(), 534);
    moveTime(rtfTimeStart, "-");
    moveTime(rtfTimeEnd, "-");
}

void TimeTab::TimeRight() {
    p_.macro.SetMacroAction(QString(), 535);
    moveTime(rtfTimeStart, "+");
    moveTime(rtfTimeEnd, "+");
}

void TimeTab::TimeShrink() {
    p_.macro.SetMacroAction(QString(), 536);
    const int col = p_.doc.grid().col();
    if (col != EndCol) moveTime(rtfTimeStart, "+");
    if (col != StartCol) moveTime(rtfTimeEnd, "-");
}

void TimeTab::TimeStretch() {
    p_.macro.SetMacroAction(QString(), 537);
    const int col = p_.doc.grid().col();
    if (col != EndCol) moveTime(rtfTimeStart, "-");
    if (col != StartCol) moveTime(rtfTimeEnd, "+");
}

// Only a line takes the times: the header and the spare row are refused, and
// so are texts that are not time codes (the writer would leave the line out)
// and times below 00:00:00,000. The line's own times change nothing.
void TimeTab::TimeGo() {
    p_.macro.SetMacroAction(QString(), 530);
    platform::Grid& g = p_.doc.grid();
    const int row = g.row();
    if (row < 1 || row > p_.doc.lineCount()) {
        timing::Refuse(p_, Tool,
                       p_.texts.Say("Select a line of the document first: row %1 holds no line.",
                                    runtime::TrimStr(row)));
        return;
    }
    // The fields show a time before zero as "-00:00:01,000".
    const QString start = HeldTime(rtfTimeStart.text()), end = HeldTime(rtfTimeEnd.text());
    if (timing::RefuseNotATime(p_, Tool, QStringLiteral("start"), start) ||
        timing::RefuseNotATime(p_, Tool, QStringLiteral("end"), end) ||
        timing::RefuseNegativeTimes(p_, Tool, {row, {start}, {end}}))
        return;
    if (start == g.textMatrix(row, StartCol) && end == g.textMatrix(row, EndCol))
        return; // the line has these times: nothing to change
    if (!p_.history.SaveSnapshot(QStringLiteral("Line Shifted/Stretched"),
                                 QStringLiteral("[Duration: ") + rtfDurShift.text() +
                                     QStringLiteral("] [Start: ") + start +
                                     QStringLiteral("] [End: ") + end + QLatin1Char(']')))
        return;
    g.setTextMatrix(row, StartCol, start);
    g.setTextMatrix(row, EndCol, end);
    timing::LinesChanged(p_);
}

void TimeTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Editor.Time.Go"), 530, [this] { TimeGo(); });
    timing::AddFieldCommand(p_, "Editor.Time.Start", 531, rtfTimeStart);
    timing::AddFieldCommand(p_, "Editor.Time.End", 532, rtfTimeEnd);
    timing::AddFieldCommand(p_, "Editor.Time.Duration", 533, rtfDurShift);
    c.add(QStringLiteral("Editor.Time.Left"), 534, [this] { TimeLeft(); });
    c.add(QStringLiteral("Editor.Time.Right"), 535, [this] { TimeRight(); });
    c.add(QStringLiteral("Editor.Time.Shrink"), 536, [this] { TimeShrink(); });
    c.add(QStringLiteral("Editor.Time.Stretch"), 537, [this] { TimeStretch(); });
}
