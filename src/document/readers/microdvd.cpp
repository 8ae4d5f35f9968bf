// MicroDVD (.sub): one subtitle per line, the start and the end frame each in
// braces, then the text with "|" between its lines:
//     {1200}{1350}Hello|World
// Frames become times at the frame rate chosen for the open file (the file
// names none). Codes in braces after the second group, such as {y:i}, are
// part of the text.

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "document/readers/Common.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"

#include <optional>

namespace {

bool CountsLine(const QString& line) {
    return !runtime::Trim(line).isEmpty(); // blank lines never become rows
}

struct MicroDvdLine {
    QStringView start, end, text;
};

// "{start}{end}text": each group runs from the character after its opener to
// its "}". A line with fewer than two closing braces, or with a "}" where a
// group's opener stands, does not fit.
std::optional<MicroDvdLine> SplitLine(const QString& line) {
    const qsizetype first = line.indexOf(QLatin1Char('}'));
    if (first < 1) return std::nullopt;
    const qsizetype second = line.indexOf(QLatin1Char('}'), first + 1);
    if (second < first + 2) return std::nullopt;
    const QStringView v(line);
    return MicroDvdLine{v.mid(1, first - 1), v.mid(first + 2, second - first - 2),
                        v.mid(second + 1)};
}

ReadOutcome Parse(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QString line = runtime::Trim(f.nextLine());
        if (line.isEmpty()) continue;
        f.progress();
        const std::optional<MicroDvdLine> parts = SplitLine(line);
        if (!parts) {
            f.badLine();
            continue;
        }
        if (!f.addRow()) break;
        f.setTimes(readers::FrameTime(f, runtime::Val(parts->start)),
                   readers::FrameTime(f, runtime::Val(parts->end)));
        readers::BarSplit(f, parts->text.toString());
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::MicroDvd{{false, false, false}, &CountsLine, &Parse};
