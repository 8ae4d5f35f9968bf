// ViPlay Subtitle File (.vsf): a header line, then one subtitle per line, the
// start and the end time at fixed places and the text after the first "=",
// with "|" between its lines:
//     {* VIPLAY SUBTITLE FILE *}
//     00:00:01,000-00:00:03,500=Hello|World
// The start time is characters 1 to 12, the end time 14 to 25; the character
// between them is not looked at, nor are the times' own separators.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

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

ReadOutcome Parse(ReaderFrame& f) {
    bool headerRead = false; // the first line that is not blank is the header
    return readers::ReadNonBlankLines(f, [&f, &headerRead](const QString& line) {
        if (!headerRead) {
            headerRead = true;
            return;
        }
        if (readers::AddTimedRow(f, runtime::Trim(line.left(12)), runtime::Trim(line.mid(13, 12))))
            readers::BarSplit(f, TextOf(line));
    });
}

} // namespace

const SubtitleReader readers::ViPlay{{false, false, false}, &CountsLine, &Parse};
