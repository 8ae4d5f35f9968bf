// Zero G (.zeg): two header lines ("% Zero G 1.0" and one more), then one
// subtitle per line, the times at fixed columns and the text after the
// marker " NTP ", its lines parted by "\n":
//     E 1 0:00:01.50 0:00:03.20 Default NTP Hello\nWorld
// Columns 5-11 and 16-22 hold h:mm:ss, 13-14 and 24-25 the hundredths; a time
// of 10 hours or more has two hour digits, and what follows it moves one
// column on. The marker is found in any case, the "\n" in lower case only.

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
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

// h:mm:ss (hh:mm:ss from 10 hours on) from column `at` and the hundredths
// after its separator, as hh:mm:ss,cc0; `at` moves past the blank after it.
// A "-" before it is a time that far before zero.
QString TimeAt(QStringView line, qsizetype& at) {
    const bool negative = line.size() > at && line[at] == u'-'; // one sign, read once
    if (negative) ++at;
    const bool twoHourDigits = line.size() > at + 2 && readers::IsDigit(line[at]) &&
                               readers::IsDigit(line[at + 1]) && line[at + 2] == u':';
    const qsizetype hms = twoHourDigits ? 8 : 7;
    QString code = readers::HundredthsCode(line.mid(at, hms), line.mid(at + hms + 1, 2));
    if (!twoHourDigits) code.prepend(QLatin1Char('0'));
    at += hms + 4;
    return negative ? TimeCalc(QStringLiteral("00:00:00,000"), code, QStringLiteral("-")) : code;
}

// The text's lines, at most three; what follows the third is not kept. A
// line without the marker gives everything from column 5 on.
void ReadText(ReaderFrame& f, const QString& line) {
    const qsizetype start = TextStart(line);
    readers::AddTextLines(f, line.mid(start >= 0 ? start : 4), u"\\n");
}

// A subtitle line: the start time from column 5, the end time after it.
void ReadLine(ReaderFrame& f, const QString& line) {
    qsizetype at = 4;
    const QString start = TimeAt(line, at);
    if (readers::AddTimedRow(f, start, TimeAt(line, at))) ReadText(f, line);
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
