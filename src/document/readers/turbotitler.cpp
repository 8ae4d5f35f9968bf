// Turbo Titler (.tts): one subtitle per line,
//   h:mm:ss.cc,h:mm:ss.cc,NTP First line|Second line
// two times to the hundredth, the marker ",NTP " (in any case) and the text,
// whose lines are separated by "|". No fonts or styles; blank lines are
// passed over, and a line without the two times is a bad line.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"

namespace {

const QString Marker = QStringLiteral(",ntp ");

// The text follows the marker; without it, the separator after the end time.
QString TextOf(const QString& line, qsizetype afterTimes) {
    const qsizetype marker = line.indexOf(Marker, afterTimes, Qt::CaseInsensitive);
    if (marker >= 0) return line.mid(marker + Marker.size());
    return line.mid(afterTimes + 1);
}

void ReadLine(ReaderFrame& f, const QString& line) {
    qsizetype pos = 0;
    const auto separator = [](const QString&, qsizetype& at) { ++at; }; // one character
    if (!readers::StartHundredthsRow(f, line, pos, separator)) return;
    readers::BarSplit(f, TextOf(line, pos));
}

ReadOutcome Parse(ReaderFrame& f) {
    return readers::ReadNonBlankLines(f, [&f](const QString& line) { ReadLine(f, line); });
}

} // namespace

const SubtitleReader readers::TurboTitler{
    {false, false, false}, &readers::CountsLineHolding<"ntp">, &Parse};
