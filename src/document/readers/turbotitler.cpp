// Turbo Titler (.tts): one subtitle per line,
//   h:mm:ss.cc,h:mm:ss.cc,NTP First line|Second line
// two times to the hundredth, the marker ",NTP " (in any case) and the text,
// whose lines are separated by "|". No fonts or styles; blank lines are
// passed over, and a line without the two times is a bad line.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

namespace {

const QString Marker = QStringLiteral(",ntp ");

// A line holding "ntp" in any case is counted.
bool CountsLine(const QString& line) {
    return line.contains(QLatin1String("ntp"), Qt::CaseInsensitive);
}

// The text follows the marker; without it, the separator after the end time.
QString TextOf(const QString& line, qsizetype afterTimes) {
    const qsizetype marker = line.indexOf(Marker, afterTimes, Qt::CaseInsensitive);
    if (marker >= 0) return line.mid(marker + Marker.size());
    return line.mid(afterTimes + 1);
}

void ReadLine(ReaderFrame& f, const QString& line) {
    qsizetype pos = 0;
    const QString start = readers::HundredthsTime(line, pos);
    ++pos; // the separator between the two times
    const QString end = start.isEmpty() ? QString() : readers::HundredthsTime(line, pos);
    if (!readers::StartTimedRow(f, start, end)) return;
    readers::BarSplit(f, TextOf(line, pos));
}

ReadOutcome Parse(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (runtime::Trim(line).isEmpty()) continue;
        ReadLine(f, line);
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::TurboTitler{{false, false, false}, &CountsLine, &Parse};
