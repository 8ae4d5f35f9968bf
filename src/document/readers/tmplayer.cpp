// TMPlayer (.txt). Mirel writes each subtitle as two lines: a start line
// "hh:mm:ss,t=text" (the text's lines separated by "|") and an end line
// "hh:mm:ss,t=" whose text is not read. Files from other programs often
// write one line per subtitle, "h:mm:ss:text" (or "=" after the time); such a
// subtitle has no end time of its own (the frame ends it where the next one
// starts). Blank lines are passed over.

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "document/readers/Common.h"

namespace {

using readers::IsDigit;

// "hh:mm:ss,t=" at the start of the text (or "-h:mm:ss,t=", the program's
// own form of a time below zero).
bool IsTenthsTime(QStringView line) {
    if (line.size() < 11 || line[2] != u':' || line[5] != u':' || line[8] != u',' ||
        line[10] != u'=')
        return false;
    if (!IsDigit(line[1]) || !(IsDigit(line[0]) || line[0] == u'-')) return false;
    for (int i : {3, 4, 6, 7, 9})
        if (!IsDigit(line[i])) return false;
    return true;
}

// A "-" before the time: the time lies that far before zero ("-00:00:01,0=").
bool IsSignedTenths(const QString& line) {
    return line.startsWith(u'-') && IsDigit(line.size() > 1 ? line[1] : QChar()) &&
           IsTenthsTime(QStringView(line).mid(1));
}

// At the start of the line, the form of both lines of a Mirel subtitle.
bool IsTenthsLine(const QString& line) {
    return IsTenthsTime(line) || IsSignedTenths(line);
}

// The tenths digit becomes the hundreds of the milliseconds.
QString TenthsTime(const QString& line) {
    if (IsSignedTenths(line)) return HeldTime(line.left(11) + QStringLiteral("00"));
    return line.left(10) + QStringLiteral("00");
}

// The text after the time's "=".
qsizetype TextStart(const QString& line) {
    return IsSignedTenths(line) ? 12 : 11;
}

// A subtitle written on one line: "h:mm:ss:" or "h:mm:ss=", then the text.
struct OneLine {
    QString time; // empty when the line is not in this form
    QString text;
};

// The clock stands at the very start of the line, in whole seconds.
OneLine ReadOneLine(const QString& line) {
    readers::Clock c;
    qsizetype end = 0;
    if (!readers::ReadClock(line, c, end, {u"", false}) || end >= line.size() ||
        (line[end] != u':' && line[end] != u'='))
        return {};
    return {readers::TimeCodeOf(c), line.mid(end + 1)};
}

struct TmPlayerState {
    bool endLineAwaited = false; // a start line was read; the next line gives its end
};

// A new row at `time` with the text's lines. The row before, when the file
// gave it no end, keeps none: the frame ends it where this one starts.
void StartRow(ReaderFrame& f, TmPlayerState& s, const QString& time, const QString& text) {
    s.endLineAwaited = false;
    if (readers::AddTimedRow(f, time)) readers::BarSplit(f, text);
}

void ReadLine(ReaderFrame& f, TmPlayerState& s, const QString& line) {
    if (IsTenthsLine(line)) {
        if (s.endLineAwaited) {
            f.setEndTime(TenthsTime(line)); // the end line's text is not read
            s.endLineAwaited = false;
            return;
        }
        StartRow(f, s, TenthsTime(line), line.mid(TextStart(line)));
        s.endLineAwaited = true;
        return;
    }
    const OneLine one = ReadOneLine(line);
    if (one.time.isEmpty()) {
        f.badLine();
        return;
    }
    StartRow(f, s, one.time, one.text);
}

// The subtitles as the parse pass finds them: a start line and the end line
// after it are one, a one-line subtitle is one, other lines none.
qsizetype CountEntries(const QStringList& lines) {
    qsizetype count = 0;
    bool endLineAwaited = false;
    for (const QString& line : lines) {
        if (readers::IsBlankLine(line)) continue;
        if (IsTenthsLine(line)) {
            count += endLineAwaited ? 0 : 1;
            endLineAwaited = !endLineAwaited;
        } else if (!ReadOneLine(line).time.isEmpty()) {
            ++count;
            endLineAwaited = false;
        }
    }
    return count;
}

// A start line without its end line at the end of the file has no end time,
// nor has the last one-line subtitle: the frame gives them one after the read.
ReadOutcome Parse(ReaderFrame& f) {
    TmPlayerState s;
    return readers::ReadNonBlankLines(f, [&f, &s](const QString& line) { ReadLine(f, s, line); });
}

} // namespace

const SubtitleReader readers::TmPlayer{{false, false, false}, nullptr, &Parse, &CountEntries};
