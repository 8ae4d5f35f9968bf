#include "tools/TimingTools.h"

#include "document/TimeCode.h"
#include "document/WholeText.h"
#include "platform/Frame.h"
#include "platform/Grid.h"
#include "platform/Keys.h"
#include "platform/Label.h"
#include "platform/RichTextBox.h"
#include "platform/TextBox.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "tools/TimingMilliseconds.h"

#include <cmath>

using runtime::TrimStr;

namespace timing {

namespace {
constexpr double MinLineNumber = -32768, MaxLineNumber = 32767;
const QString Zero = QStringLiteral("00:00:00,000");
constexpr int ColumnLeft = 2580, ColumnWidth = 1455, RowPitch = 645;

void ShowNodeRange(const NodeTable& nodes, int node, platform::TextBox& first,
                   platform::TextBox& last) {
    first.setText(TrimStr(nodes.FirstRow(node)));
    last.setText(TrimStr(nodes.LastRow(node)));
}
} // namespace

bool LineNumberOf(const QString& text, int& line) {
    const double v = std::nearbyint(runtime::Val(text));
    if (!(v >= MinLineNumber && v <= MaxLineNumber)) return false;
    line = static_cast<int>(v);
    return true;
}

bool ReadRange(Program& p, const QString& firstText, const QString& lastText, const QString& tool,
               LineRange& range) {
    const int lines = p.doc.lineCount();
    if (lines < 1) {
        Refuse(p, tool, p.texts.Say("The document has no lines."));
        return false;
    }
    const bool firstRead = LineNumberOf(firstText, range.first);
    const bool lastRead = LineNumberOf(lastText, range.last);
    if (!firstRead || !lastRead || range.first < 1 || range.last > lines) {
        const auto shown = [](bool read, int line, const QString& text) {
            return read ? TrimStr(line) : MessageWindow::Verbatim(text.trimmed());
        };
        Refuse(p, tool,
               p.texts.Say("Lines %1 to %2 are not lines of the document: it has lines 1 to %3.",
                           shown(firstRead, range.first, firstText),
                           shown(lastRead, range.last, lastText), TrimStr(lines)));
        return false;
    }
    if (range.first > range.last) {
        Refuse(p, tool,
               p.texts.Say("The range is empty: line %1 comes after line %2.", TrimStr(range.first),
                           TrimStr(range.last)));
        return false;
    }
    return true;
}

int StepRangeNode(Program& p) {
    NodeTable& nodes = p.doc.FileNodes;
    nodes.setCurrent(nodes.Current() < nodes.Count() ? nodes.Current() + 1 : 0);
    return nodes.Current();
}

bool RangeFromNode(Program& p, const QString& n, platform::TextBox& first, platform::TextBox& last,
                   const QString& tool) {
    const NodeTable& nodes = p.doc.FileNodes;
    const double v = runtime::Val(n);
    const int node = static_cast<int>(std::nearbyint(v));
    if (!(v >= -0.5 && v < nodes.Count() + 0.5)) {
        Refuse(p, tool,
               p.texts.Say("There is no part %1: the document has parts 1 to %2, and 0 is the "
                           "whole document.",
                           MessageWindow::Verbatim(n.trimmed()), TrimStr(nodes.Count())));
        return false;
    }
    ShowNodeRange(nodes, node, first, last);
    return true;
}

void ToggleRange(Program& p, platform::TextBox& first, platform::TextBox& last,
                 platform::Label& part) {
    const int node = StepRangeNode(p);
    ShowNodeRange(p.doc.FileNodes, node, first, last);
    part.setCaption(TrimStr(node));
}

void PlaceRangeFrame(const RangeFrame& r, const QString& toggleTip) {
    r.frame.move(120, 390, 2340, 1380);
    r.frame.zOrder(1);
    r.firstCaption.move(240, 660, 975, 240);
    r.lastCaption.move(1320, 660, 975, 240);
    r.first.move(240, 900, 975, 315);
    r.last.move(1320, 900, 975, 315);
    r.toggle.move(240, 1335, 975, 255);
    r.toggle.setToolTipText(toggleTip);
    r.part.move(1320, 1335, 975, 255);
    r.part.setAlignment(2);
    r.part.setToolTipText(
        QStringLiteral("The part whose lines the range holds (0: the whole document)"));
}

void PlaceTimeField(platform::Label& caption, platform::RichTextBox& field, int row,
                    const QString& tip) {
    caption.move(ColumnLeft, 450 + row * RowPitch, ColumnWidth, 240);
    field.move(ColumnLeft, 690 + row * RowPitch, ColumnWidth, 315);
    field.setText(Zero);
    field.setToolTipText(tip);
}

void PlaceGoButton(platform::Label& go, int left, const QString& tip) {
    go.move(left, 720, 675, 255);
    go.setToolTipText(tip);
    MakeLabelButton(go);
}

void LinesChanged(Program& p) {
    p.doc.FileChanged = true;
    p.doc.LineListValid = false;
    p.edit.ShowCurrentLine();
}

QString PlainSeconds(double seconds) {
    if (!(seconds > 0)) return QStringLiteral("0");
    const QString text = runtime::NumberText(seconds);
    if (!text.contains(QLatin1Char('E'))) return text;
    return seconds < 1 ? QStringLiteral("0") : QString::number(seconds, 'f', 0);
}

QString SecondsToTimeCode(double seconds) {
    if (seconds >= 0) return MsTimeCode(CutMs(seconds));
    const qint64 cut = CutMs(-seconds);
    // SecToTime's hours past 99 do not read back by position: the text way.
    if (cut >= PlainLimitMs)
        return TimeCalc(Zero, SecToTime(PlainSeconds(-seconds)), QStringLiteral("-"));
    return MsTimeCode(CalcMs(0, cut, -1));
}

TimeStep::TimeStep(const QString& step, int sign)
    : step_(step), op_(sign < 0 ? QStringLiteral("-") : QStringLiteral("+")),
      plain_(PlainMs(step, stepMs_)), sign_(sign) {}

QString TimeStep::apply(const QString& time) const {
    qint64 ms = 0;
    if (plain_ && PlainMs(time, ms)) return MsTimeCode(CalcMs(ms, stepMs_, sign_));
    return TimeCalc(time, step_, op_);
}

QString DocumentRangeComment(Program& p) {
    const platform::Grid& g = p.doc.grid();
    return QStringLiteral("[Range: ") + g.textMatrix(1, 1) + QStringLiteral(" to ") +
           g.textMatrix(g.rows() - 2, 1) + QLatin1Char(']');
}

void EnterRunsGo(Program& p, platform::RichTextBox& field, int code, std::function<void()> go) {
    field.onKeyPress = [&p, &field, code, go = std::move(go)](int& key) {
        if (key != platform::KeyReturn) return;
        p.macro.SetMacroAction(field.text(), code);
        if (p.macro.RecordMode != Macro::RecordingMode) go();
    };
}

void MakeTimeField(Program& p, platform::RichTextBox& field, int code, std::function<void()> go) {
    field.onGotFocus = [&field] { SelectWholeText(field); };
    EnterRunsGo(p, field, code, std::move(go));
}

void AddFieldCommand(Program& p, const char* name, int code,
                     std::function<void(const QString&)> set) {
    p.commands.add(QString::fromLatin1(name), code,
                   [&p, code, set = std::move(set)](const QString& data) {
                       p.macro.SetMacroAction(QString(), code);
                       set(data);
                   });
}

void Refuse(Program& p, const QString& tool, const QString& why) {
    p.messages.ShowMessage(why, KindExclamation, QStringLiteral("ok"), tool);
}

bool RefuseNotATime(Program& p, const QString& tool, const QString& which, const QString& text) {
    if (IsValidTimeCode(text)) return false;
    const QString shown = MessageWindow::Verbatim(text);
    const bool isStart = which == QLatin1Char('s') + QStringLiteral("tart");
    const bool isEnd = !isStart && which.size() == 3 && which.startsWith(QLatin1Char('e'));
    Refuse(p, tool,
           isStart ? p.texts.Say("The start time '%1' is not a time code.\r\nType it "
                                 "as hh:mm:ss,fff, for example 00:01:02,500.",
                                 shown)
           : isEnd ? p.texts.Say("The end time '%1' is not a time code.\r\nType it as "
                                 "hh:mm:ss,fff, for example 00:01:02,500.",
                                 shown)
                   : p.texts.Say("The shift time '%1' is not a time code.\r\nType it "
                                 "as hh:mm:ss,fff, for example 00:01:02,500.",
                                 shown));
    return true;
}

bool IsNegativeTime(const QString& time) {
    return time.startsWith(QLatin1Char('-'));
}

bool RefuseNegativeTimes(Program& p, const QString& tool, const NewTimes& times) {
    for (qsizetype i = 0; i < times.starts.size(); ++i) {
        const bool start = IsNegativeTime(times.starts[i]);
        if (!start && !IsNegativeTime(times.ends[i])) continue;
        const QString line = TrimStr(times.firstLine + int(i));
        const QString time = ShownTime(start ? times.starts[i] : times.ends[i]);
        Refuse(p, tool,
               start ? p.texts.Say("Line %1 would move below 00:00:00,000: its start would be "
                                   "%2.\r\nNothing was changed.",
                                   line, time)
                     : p.texts.Say("Line %1 would move below 00:00:00,000: its end would be "
                                   "%2.\r\nNothing was changed.",
                                   line, time));
        return true;
    }
    return false;
}

void WriteTimes(Program& p, const NewTimes& times) {
    platform::Grid& g = p.doc.grid();
    for (qsizetype i = 0; i < times.starts.size(); ++i) {
        const int row = times.firstLine + int(i);
        g.setTextMatrix(row, 1, times.starts[i]);
        g.setTextMatrix(row, 2, times.ends[i]);
    }
}

} // namespace timing
