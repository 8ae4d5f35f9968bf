// DVD Subtitle (.sub): a "{HEAD" block of keys closed by "}", then blocks in
// braces. Each subtitle is a start block (its time line and its text lines,
// closed by "}") followed by an end block whose time ends it and whose lines
// are not shown:
//     {T 00:01:02:35
//     Hello
//     }
//     {T 00:01:04:00
//
//     }
// The last field of a time is hundredths of a second (no frame rate takes
// part). A file that starts with its first time line has no header. A file
// that ends before a subtitle's end block leaves it without an end time (the
// frame gives it one after the read).

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <algorithm>

namespace {

// "{T" and a number ("{T 00:01:02:35", or "{T -1:59:59:00" before zero);
// "{The end}" is text.
bool IsTimeLine(const QString& line) {
    if (!line.startsWith(QLatin1String("{t"), Qt::CaseInsensitive)) return false;
    const QString rest = runtime::LTrim(line.mid(2));
    const qsizetype digit = rest.startsWith(u'-') ? 1 : 0;
    return rest.size() > digit && rest[digit].isDigit();
}

// A block ends at a line whose first character is "}" (an indented one is text).
bool ClosesBlock(const QString& line) {
    return line.startsWith(QLatin1Char('}'));
}

// "{T hh:mm:ss:cc" as hh:mm:ss,cc0: the fields by position, each trimmed.
QString TimeOf(const QString& line) {
    return readers::HundredthsCode(QStringView(line).mid(3, 8), QStringView(line).mid(12, 2));
}

// Passes over the lines of a block through its closing "}", but never into
// the next time line: the header (so a file that starts with a time line has
// none), and the rest of an end block (an empty line and "}" in files of this
// format; one that lacks a line does not take the next subtitle with it).
void SkipBlock(ReaderFrame& f) {
    while (!f.atEnd() && !IsTimeLine(f.peekLine()))
        if (ClosesBlock(f.nextLine())) return;
}

// Text lines up to the "}" that closes the start block; a time line ends the
// text as well (its "}" was left out) and is read as the end line.
void ReadText(ReaderFrame& f) {
    while (!f.atEnd() && !IsTimeLine(f.peekLine())) {
        const QString& line = f.nextLine();
        if (ClosesBlock(line)) return;
        f.addText(line);
    }
}

// The line after a subtitle's text: its end time. Blank lines before it are
// passed over; any other line is a bad line and the row keeps no end time.
// A file that ends before it leaves the row without one too.
void ReadEndLine(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (readers::IsBlankLine(line)) continue;
        if (!IsTimeLine(line)) {
            f.badLine();
            return;
        }
        f.setEndTime(TimeOf(line));
        SkipBlock(f);
        return;
    }
}

// Each subtitle has two time lines, its start block's and its end block's;
// blank lines, which other programs also leave between blocks, do not count.
qsizetype CountEntries(const QStringList& lines) {
    const auto times = std::count_if(lines.begin(), lines.end(), &IsTimeLine);
    return (times + 1) / 2;
}

ReadOutcome Parse(ReaderFrame& f) {
    SkipBlock(f); // the header
    return readers::ReadEntries(f, &IsTimeLine, [&f](const QString& line) {
        f.setStartTime(TimeOf(line));
        ReadText(f);
        ReadEndLine(f);
    });
}

} // namespace

const SubtitleReader readers::DvdSubtitle{{false, false, false}, nullptr, &Parse, &CountEntries};
