// ViPlay Subtitle File (.vsf): a header line, then one subtitle per line, the
// start and the end time at fixed places and the text after the first "=",
// with "|" between its lines:
//     {* VIPLAY SUBTITLE FILE *}
//     00:00:01,000-00:00:03,500=Hello|World
// The times are found by their form (an hour may have one digit); a line
// that strays from it is read by position: the start time is characters 1 to
// 12, the end time 14 to 25, the character between them is not looked at,
// nor are the times' own separators.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <utility>

namespace {

const QString Header = QStringLiteral("{* viplay subtitle file *}");

bool IsHeader(const QString& trimmed) {
    return trimmed.compare(Header, Qt::CaseInsensitive) == 0;
}

// Every subtitle line; neither blank lines nor the header become rows.
bool CountsLine(const QString& line) {
    const QString trimmed = runtime::Trim(line);
    return !trimmed.isEmpty() && !IsHeader(trimmed);
}

// The text follows the first "="; a line without one is all text.
QString TextOf(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? line : line.mid(equals + 1);
}

// The two times, found by their form where they have one ("0:00:01,000-"
// with a one-digit hour moves the end time); else by position. A time
// before zero, in the program's own form ("-1:59:59,000"), is read by
// position too.
std::pair<QString, QString> TimesOf(const QString& line) {
    const readers::ClockForm form{u",.", false};
    readers::Clock start, end;
    qsizetype at = 0, next = 0;
    if (!line.startsWith(u'-') && readers::ReadClock(line, start, at, form) && at < line.size() &&
        readers::ReadClock(QStringView(line).sliced(at + 1), end, next, form) && !end.negative)
        return {readers::TimeCodeOf(start), readers::TimeCodeOf(end)};
    return {runtime::Trim(line.left(12)), runtime::Trim(line.mid(13, 12))};
}

ReadOutcome Parse(ReaderFrame& f) {
    bool headerRead = false; // the first line that is not blank is the header
    return readers::ReadNonBlankLines(f, [&f, &headerRead](const QString& line) {
        if (!headerRead) {
            headerRead = true;
            return;
        }
        const auto [start, end] = TimesOf(line);
        if (readers::AddTimedRow(f, start, end)) readers::BarSplit(f, TextOf(line));
    });
}

} // namespace

const SubtitleReader readers::ViPlay{{false, false, false}, &CountsLine, &Parse};
