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

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool DigitsAt(const QString& s, qsizetype from, qsizetype count) {
    if (from < 0 || from + count > s.size()) return false;
    for (qsizetype i = from; i < from + count; ++i)
        if (!IsDigit(s[i])) return false;
    return true;
}

// A line holding "ntp" in any case is counted.
bool CountsLine(const QString& line) {
    return line.contains(QLatin1String("ntp"), Qt::CaseInsensitive);
}

// "h:mm:ss?cc" at pos (one or two hour digits, any one character before the
// hundredths) as the time code hh:mm:ss,cc0; pos moves past it. Empty when
// the characters there are no time.
QString ReadTime(const QString& line, qsizetype& pos) {
    const qsizetype hours = DigitsAt(line, pos, 2) ? 2 : DigitsAt(line, pos, 1) ? 1 : 0;
    const qsizetype m = pos + hours; // the ":" after the hours
    if (hours == 0 || m + 9 > line.size() || line[m] != u':' || !DigitsAt(line, m + 1, 2) ||
        line[m + 3] != u':' || !DigitsAt(line, m + 4, 2) || !DigitsAt(line, m + 7, 2))
        return {};
    QString time = line.mid(pos, hours).rightJustified(2, u'0');
    time += line.mid(m, 6) + QLatin1Char(',') + line.mid(m + 7, 2) + QLatin1Char('0');
    pos = m + 9;
    return time;
}

// The text follows the marker; without it, the separator after the end time.
QString TextOf(const QString& line, qsizetype afterTimes) {
    const qsizetype marker = line.indexOf(Marker, afterTimes, Qt::CaseInsensitive);
    if (marker >= 0) return line.mid(marker + Marker.size());
    return line.mid(afterTimes + 1);
}

void ReadLine(ReaderFrame& f, const QString& line) {
    qsizetype pos = 0;
    const QString start = ReadTime(line, pos);
    ++pos; // the separator between the two times
    const QString end = start.isEmpty() ? QString() : ReadTime(line, pos);
    if (end.isEmpty()) {
        f.badLine();
        return;
    }
    if (!f.addRow()) return;
    f.progress();
    f.setTimes(start, end);
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
