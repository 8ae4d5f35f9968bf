// DVD Subtitle (.sub): a "{HEAD" block of keys closed by "}", then blocks in
// braces, each a time line and the lines up to a closing "}". A block with
// text starts a subtitle; the block without text after it (an end block)
// ends it:
//     {T 00:01:02:35
//     Hello
//     }
//     {T 00:01:04:00
//
//     }
// A subtitle that the next block with text follows at once has no end block:
// it ends where that one starts, and so does one whose end block lies before
// its start. A block may stand on one line, "{T 00:01:02:35 Hello}": the
// text after the time is the block's first line. A time is found by its form
// (an hour may have one digit, "{T 0:01:02:35"); its last field is
// hundredths of a second (no frame rate takes part). A file that starts with its first time
// line has no header. A file that ends before a subtitle's end block leaves
// it without an end time (the frame gives it one after the read).

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

namespace {

// What a time line holds: its time, the block's first text after it, and
// whether the block closes on the same line.
struct TimeLine {
    QString time; // empty: the line is no time line
    QStringView text;
    bool closed = false;
};

// "{T", blanks, and a clock found by its form ("{T 00:01:02:35", "{T
// 0:01:02:35", "{T -1:59:59:00" before zero) as hh:mm:ss,cc0; "{The end}"
// is text.
TimeLine ReadTimeLine(const QString& line) {
    if (!line.startsWith(QLatin1String("{t"), Qt::CaseInsensitive)) return {};
    qsizetype pos = 2;
    while (pos < line.size() && line[pos] == u' ')
        ++pos;
    readers::ClockField field;
    if (!readers::ReadClockField(line, pos, field)) return {};
    QStringView rest = runtime::TrimView(QStringView(line).mid(pos));
    const bool closed = rest.endsWith(u'}');
    if (closed) rest = runtime::TrimView(rest.chopped(1));
    return {readers::HundredthsCode(field.hms, field.last), rest, closed};
}

bool IsTimeLine(const QString& line) {
    return !ReadTimeLine(line).time.isEmpty();
}

// A block ends at a line whose first character is "}" (an indented one is text).
bool ClosesBlock(const QString& line) {
    return line.startsWith(QLatin1Char('}'));
}

// Passes over the header through its closing "}", but never into a time
// line: a file that starts with a time line has none.
void SkipHeader(ReaderFrame& f) {
    while (!f.atEnd() && !IsTimeLine(f.peekLine()))
        if (ClosesBlock(f.nextLine())) return;
}

// The text lines of a block: the first line with text opens the block's row
// at its time, with the blank lines before it as its first text lines.
class BlockRow {
public:
    BlockRow(ReaderFrame& f, const QString& time) : f_(f), time_(time) {}
    // False when the read stops.
    bool add(QStringView line) {
        if (!opened_ && readers::IsBlankLine(line)) {
            ++blanks_;
            return true;
        }
        if (!opened_) {
            opened_ = true;
            if (!readers::AddTimedRow(f_, time_)) return false;
            for (; blanks_ > 0; --blanks_)
                f_.addText(QString());
        }
        f_.addText(line);
        return true;
    }
    bool opened() const { return opened_; }

private:
    ReaderFrame& f_;
    const QString& time_;
    int blanks_ = 0;
    bool opened_ = false;
};

// The block of a time line: the text after its time, then the lines after
// it through the "}" that closes it (a time line ends it as well: its "}"
// was left out). False when the block holds no text: no row was opened.
bool ReadBlockText(ReaderFrame& f, const TimeLine& rest) {
    BlockRow row(f, rest.time);
    if ((!rest.text.isEmpty() && !row.add(rest.text)) || rest.closed) return row.opened();
    while (!f.atEnd() && !IsTimeLine(f.peekLine())) {
        const QString& line = f.nextLine();
        if (ClosesBlock(line) || !row.add(line)) break;
    }
    return row.opened();
}

// A block with text is a subtitle, whatever came before it; a block without
// text ends the row before it, or, when that row has its end already (or
// there is none), is a subtitle without text. A row that no block without
// text follows, or whose end block lies before its start, keeps no end
// time: the frame ends it where the next row starts.
void ReadBlock(ReaderFrame& f, const TimeLine& line, bool& rowOpen) {
    const QString& time = line.time;
    if (ReadBlockText(f, line)) {
        rowOpen = true;
    } else if (rowOpen) {
        f.setEndTimeAfterStart(time);
        rowOpen = false;
    } else {
        rowOpen = readers::AddTimedRow(f, time);
    }
}

// The rows the parse pass makes, block by block as ReadBlock makes them.
qsizetype CountEntries(const QStringList& lines) {
    qsizetype rows = 0;
    bool rowOpen = false, inBlock = false, hasText = false;
    const auto endBlock = [&] {
        if (inBlock && (hasText || !rowOpen)) ++rows;
        rowOpen = inBlock && (hasText || !rowOpen);
        inBlock = hasText = false;
    };
    for (const QString& line : lines) {
        const TimeLine rest = ReadTimeLine(line);
        if (!rest.time.isEmpty()) {
            if (inBlock) endBlock();
            inBlock = true;
            hasText = !rest.text.isEmpty();
            if (rest.closed) endBlock();
        } else if (inBlock && ClosesBlock(line)) {
            endBlock();
        } else if (inBlock && !readers::IsBlankLine(line)) {
            hasText = true;
        }
    }
    if (inBlock) endBlock();
    return rows;
}

ReadOutcome Parse(ReaderFrame& f) {
    SkipHeader(f);
    bool rowOpen = false;
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (readers::IsBlankLine(line)) continue;
        const TimeLine timeLine = ReadTimeLine(line);
        if (!timeLine.time.isEmpty())
            ReadBlock(f, timeLine, rowOpen);
        else
            f.badLine();
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::DvdSubtitle{{false, false, false}, nullptr, &Parse, &CountEntries};
