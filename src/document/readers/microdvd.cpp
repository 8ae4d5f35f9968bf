// MicroDVD (.sub): one subtitle per line, the start and the end frame each in
// braces, then the text with "|" between its lines:
//     {1200}{1350}Hello|World
// Frames become times at the frame rate chosen for the open file (the file
// names none). Codes in braces after the second group, such as {y:i}, are
// part of the text.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "runtime/Strings.h"

#include <optional>

namespace {

// "{start}{end}text": each group runs from the character after its opener to
// its "}". A line with fewer than two closing braces, or with a "}" where a
// group's opener stands, does not fit.
std::optional<readers::FrameLine> SplitLine(const QString& read) {
    const QStringView v = runtime::TrimView(read); // the braces stand at its ends
    const qsizetype first = v.indexOf(QLatin1Char('}'));
    if (first < 1) return std::nullopt;
    const qsizetype second = v.indexOf(QLatin1Char('}'), first + 1);
    if (second < first + 2) return std::nullopt;
    return readers::FrameLine{v.mid(1, first - 1), v.mid(first + 2, second - first - 2),
                              v.mid(second + 1)};
}

ReadOutcome Parse(ReaderFrame& f) {
    return readers::ReadFrameLines(f, &SplitLine);
}

} // namespace

const SubtitleReader readers::MicroDvd{{false, false, false}, &readers::CountsNonBlankLine, &Parse};
