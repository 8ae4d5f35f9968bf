#pragma once
// What the Shift, Stretch, Time and Frame rate tools share: reading a line
// range from its fields and checking it against the document, the range
// toggle, the places of their fields and Go buttons, turning a number of
// seconds into a time code (signed, cut to the millisecond), the range part of
// their history comments, the refusal notice, and what follows a change.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class Program;
namespace platform {
class Frame;
class Label;
class RichTextBox;
class TextBox;
} // namespace platform

namespace timing {

// A range of document lines, both ends included.
struct LineRange {
    int first = 0;
    int last = 0;
};

// The line number a range field holds: its leading number, rounded to the
// nearest whole line. False when it does not fit a 16-bit line number.
bool LineNumberOf(const QString& text, int& line);

// Reads a range from its two fields and checks it: both ends are lines of the
// document (1 to the line count) and the first is not after the last. A range
// that fails is refused with a notice titled `tool`; false then.
bool ReadRange(Program& p, const QString& firstText, const QString& lastText, const QString& tool,
               LineRange& range);

// The range toggles: the node table's current part steps to the next part,
// and from the last part back to 0, the whole document. Returns the new one.
int StepRangeNode(Program& p);
// Part n's first and last row into two range fields as decimal text. A number
// that names no part (0 to the part count) is refused with a notice; false.
bool RangeFromNode(Program& p, const QString& n, platform::TextBox& first, platform::TextBox& last,
                   const QString& tool);
// The range toggle's click: the next part's rows into the two range fields
// and its number into the label beside the toggle.
void ToggleRange(Program& p, platform::TextBox& first, platform::TextBox& last,
                 platform::Label& part);

// The range frame of the Shift and Stretch pages, at the same place on each:
// the frame, its two captions, the two line fields, the range toggle and the
// part number beside it.
struct RangeFrame {
    platform::Frame& frame;
    platform::Label& firstCaption;
    platform::Label& lastCaption;
    platform::TextBox& first;
    platform::TextBox& last;
    platform::Label& toggle;
    platform::Label& part;
};
void PlaceRangeFrame(const RangeFrame& r, const QString& toggleTip);
// A caption over a time field in the column beside the range frame: in the
// upper place (row 0) or the lower one (row 1). The field starts at zero.
void PlaceTimeField(platform::Label& caption, platform::RichTextBox& field, int row,
                    const QString& tip);
// The Go button of a tool page, level with the upper time field.
void PlaceGoButton(platform::Label& go, int left, const QString& tip);

// The tool changed lines in the grid: the document counts as changed, its
// line list is out of date, and the current line shows what it holds now.
void LinesChanged(Program& p);

// Seconds as plain decimal text with "." (never an exponent, never the
// user's locale): at most 15 significant digits, so 57.52799999999 reads as
// 57.528. Negative and tiny numbers give "0".
QString PlainSeconds(double seconds);

// A number of seconds as a time code, cut (not rounded) to the millisecond;
// a negative number gives a negative time code ("-1:59:59,000" for -1 s).
QString SecondsToTimeCode(double seconds);

// One time code added to many (sign 1) or taken from them (sign -1), as
// TimeCalc does it, quickly for times in the plain form.
class TimeStep {
public:
    TimeStep(const QString& step, int sign);
    QString apply(const QString& time) const;

private:
    QString step_, op_;
    qint64 stepMs_ = 0;
    bool plain_ = false;
    int sign_;
};

// "[Range: <start of line 1> to <start of the last line>]": the history
// comments of Shift and Stretch always name the whole document.
QString DocumentRangeComment(Program& p);

// A field whose Enter runs its tab's Go: Enter reports the field's own
// command (`code`) with the field's text, then runs `go` (the key still
// reaches the field). While a macro is being recorded Go does not run: the
// recorded line carries the text, and the user's Go is recorded on its own.
void EnterRunsGo(Program& p, platform::RichTextBox& field, int code, std::function<void()> go);
// A time field: selects its whole text when it gets the focus; Enter as
// EnterRunsGo.
void MakeTimeField(Program& p, platform::RichTextBox& field, int code, std::function<void()> go);

// Registers a command that reports `code` and puts its data into a field.
void AddFieldCommand(Program& p, const char* name, int code,
                     std::function<void(const QString&)> set);
template <class Field> void AddFieldCommand(Program& p, const char* name, int code, Field& field) {
    AddFieldCommand(p, name, code, [&field](const QString& data) { field.setText(data); });
}

// Shows why a tool did nothing (an exclamation with Ok, titled by the tool).
void Refuse(Program& p, const QString& tool, const QString& why);

// New start and end times for a range of lines, worked out before anything
// is written: the tools write none of them when one falls below zero.
struct NewTimes {
    int firstLine = 0;
    QStringList starts, ends;
};
// A text that is not a time code, as the edit area checks it, is refused in a
// notice titled `tool` that names the field (`which`: "start", "end"); true
// then.
bool RefuseNotATime(Program& p, const QString& tool, const QString& which, const QString& text);

// True when a time is below 00:00:00,000 (TimeCalc's "-h:mm:ss,fff" form).
bool IsNegativeTime(const QString& time);
// The first line whose new start or end falls below 00:00:00,000 is named
// in a refusal titled `tool`; true then. False (nothing shown) when every
// time stays at zero or above.
bool RefuseNegativeTimes(Program& p, const QString& tool, const NewTimes& times);
// The new times into the grid's start and end columns.
void WriteTimes(Program& p, const NewTimes& times);

} // namespace timing
