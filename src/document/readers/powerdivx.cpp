// PowerDivX (.psb): one subtitle per line, the start and the end time as
// hh:mm:ss in braces at fixed places, then the text with "|" between its
// lines:
//     {00:01:02}{00:01:05}Hello|World
// Times are whole seconds. The fields are taken by position: the start from
// characters 2 to 9, the end from 12 to 19, the text from 21 on; a line that
// strays from those places gives misread times rather than an error.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

namespace {

// The eight characters from `from` (0-based) as a time code.
QString TimeField(const QString& line, qsizetype from) {
    return runtime::Trim(line.mid(from, 8)) + QStringLiteral(",000");
}

ReadOutcome Parse(ReaderFrame& f) {
    return readers::ReadNonBlankLines(f, [&f](const QString& line) {
        if (readers::AddTimedRow(f, TimeField(line, 1), TimeField(line, 11)))
            readers::BarSplit(f, line.mid(20));
    });
}

} // namespace

const SubtitleReader readers::PowerDivX{
    {false, false, false}, &readers::CountsNonBlankLine, &Parse};
