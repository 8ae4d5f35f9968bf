// Phoenix Japanimation (.pjs): one subtitle per line, the start and the end
// frame each followed by a comma, then the text in double quotes with "|"
// between its lines:
//        1200,   1350, "Hello|World"
// Mirel writes the frames right-aligned in seven characters; lines written
// without that padding ("1200, 1350, ...") read the same. Frames become times
// at the frame rate chosen for the open file.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"

#include <optional>

namespace {

// The frames stand before the first and the second comma ahead of the
// opening quote; the text runs from after that quote to the line's last
// character, the closing quote, which is dropped (quotes inside stay). A line
// without its two commas or its opening quote, or with nothing after that
// quote, does not fit.
std::optional<readers::FrameLine> SplitLine(const QString& line) {
    const qsizetype quote = line.indexOf(QLatin1Char('"'));
    if (quote < 0 || quote + 1 >= line.size()) return std::nullopt;
    const qsizetype first = line.indexOf(QLatin1Char(','));
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
    if (second < 0 || second > quote) return std::nullopt;
    const QStringView v(line);
    return readers::FrameLine{v.left(first), v.mid(first + 1, second - first - 1),
                              v.mid(quote + 1, line.size() - quote - 2)};
}

ReadOutcome Parse(ReaderFrame& f) {
    return readers::ReadFrameLines(f, &SplitLine);
}

} // namespace

const SubtitleReader readers::Phoenix{{false, false, false}, &readers::CountsNonBlankLine, &Parse};
