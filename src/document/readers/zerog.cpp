// Zero G (.zeg): two header lines ("% Zero G 1.0" and one more), then one
// subtitle per line, the times at fixed columns and the text after the
// marker " NTP ", its lines parted by "\n":
//     E 1 0:00:01.50 0:00:03.20 Default NTP Hello\nWorld
// Columns 5-11 and 16-22 hold h:mm:ss, 13-14 and 24-25 the hundredths; a time
// of 10 hours or more has two hour digits, and what follows it moves one
// column on. A line whose times are no times is a bad line. The marker is
// found in any case, the "\n" in lower case only.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"

namespace {

const QString Marker = QStringLiteral(" ntp ");
constexpr int HeaderLines = 2;

// Where the text begins: after " NTP ", or at the end of a line that ends in
// " NTP" (trailing blanks cut by an editor); -1 when the line has no marker.
qsizetype TextStart(const QString& line) {
    const qsizetype marker = line.indexOf(Marker, 0, Qt::CaseInsensitive);
    if (marker >= 0) return marker + Marker.size();
    if (line.endsWith(Marker.chopped(1), Qt::CaseInsensitive)) return line.size();
    return -1;
}

// The blank between the two times.
void SkipSeparator(const QString&, qsizetype& at) {
    ++at;
}

// The text's lines, at most three; what follows the third is not kept. A
// line without the marker gives everything from column 5 on.
void ReadText(ReaderFrame& f, const QString& line) {
    const qsizetype start = TextStart(line);
    readers::AddTextLines(f, line.mid(start >= 0 ? start : 4), u"\\n");
}

// A subtitle line: the start time from column 5 (h:mm:ss.cc, hh:mm:ss.cc
// from 10 hours on, one "-" before a time before zero), the end time after it.
void ReadLine(ReaderFrame& f, const QString& line) {
    qsizetype at = 4;
    if (readers::StartHundredthsRow(f, line, at, &SkipSeparator)) ReadText(f, line);
}

// At most two header lines; a subtitle line (one with the marker) is never
// taken for one, so a file that lost its header keeps its first lines.
void SkipHeader(ReaderFrame& f) {
    for (int i = 0; i < HeaderLines && !f.atEnd() && TextStart(f.peekLine()) < 0; ++i)
        f.nextLine();
}

ReadOutcome Parse(ReaderFrame& f) {
    SkipHeader(f);
    return readers::ReadNonBlankLines(f, [&f](const QString& line) { ReadLine(f, line); });
}

} // namespace

const SubtitleReader readers::ZeroG{
    {false, false, false}, &readers::CountsLineHolding<"ntp">, &Parse};
