// PowerDivX (.psb): one subtitle per line, the start and the end time as
// h:mm:ss in braces, then the text with "|" between its lines:
//     {00:01:02}{00:01:05}Hello|World
//     {0:01:02}{0:01:05}Hello|World
// Times are whole seconds, with one or two hour digits (and a "-" before a
// time before zero, as Mirel writes it). A line that strays from that form is
// taken by position: the start from characters 2 to 9, the end from 12 to
// 19, the text from 21 on (all of the line when those are no times).

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <optional>

namespace {

using readers::IsDigit;

// "h:mm:ss" or "hh:mm:ss" ("-h:mm:ss" before zero) at `at`, followed by "}":
// its end, or -1.
qsizetype ClockEnd(QStringView line, qsizetype at) {
    qsizetype hours = 0;
    if (at < line.size() && line[at] == u'-') ++hours;
    while (hours < 2 && at + hours < line.size() && IsDigit(line[at + hours]))
        ++hours;
    const qsizetype colon = at + hours;
    if (hours == 0 || (hours == 1 && line[at] == u'-') || colon + 7 > line.size()) return -1;
    for (qsizetype i : {1, 2, 4, 5})
        if (!IsDigit(line[colon + i])) return -1;
    if (line[colon] != u':' || line[colon + 3] != u':' || line[colon + 6] != u'}') return -1;
    return colon + 6;
}

struct TimedLine {
    QString start, end;
    QStringView text;
};

// "{clock}{clock}text", or nothing when the line is not in that form.
std::optional<TimedLine> SplitLine(QStringView line) {
    if (!line.startsWith(u'{')) return std::nullopt;
    const qsizetype first = ClockEnd(line, 1);
    if (first < 0 || first + 1 >= line.size() || line[first + 1] != u'{') return std::nullopt;
    const qsizetype second = ClockEnd(line, first + 2);
    if (second < 0) return std::nullopt;
    const auto code = [line](qsizetype from, qsizetype to) {
        QString clock = line.sliced(from, to - from).toString();
        if (clock.size() == 7) clock.prepend(QLatin1Char('0'));
        return clock + QStringLiteral(",000");
    };
    return TimedLine{code(1, first), code(first + 2, second), line.sliced(second + 1)};
}

// The eight characters from `from` (0-based) as a time code.
QString TimeField(const QString& line, qsizetype from) {
    return runtime::Trim(line.mid(from, 8)) + QStringLiteral(",000");
}

// Where the times are no times, they are not where the text is looked for
// either: the row keeps the whole line as its text (and the line is asked
// about), so that nothing is cut from it.
TimedLine ByPosition(const QString& line) {
    TimedLine l{TimeField(line, 1), TimeField(line, 11), QStringView(line).mid(20)};
    if (!readers::ReadsAsTime(l.start) || !readers::ReadsAsTime(l.end)) l.text = line;
    return l;
}

ReadOutcome Parse(ReaderFrame& f) {
    return readers::ReadNonBlankLines(f, [&f](const QString& line) {
        const TimedLine l = SplitLine(runtime::TrimView(line)).value_or(ByPosition(line));
        if (readers::AddTimedRow(f, l.start, l.end)) readers::BarSplit(f, l.text);
    });
}

} // namespace

bool readers::IsPowerDivXLine(QStringView line) {
    return SplitLine(line).has_value();
}

const SubtitleReader readers::PowerDivX{
    {false, false, false}, &readers::CountsNonBlankLine, &Parse};
