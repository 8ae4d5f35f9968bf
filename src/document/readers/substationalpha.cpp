// SubStation Alpha (.ssa, and the .ass event lines): only the "Dialogue:"
// lines of the events section are read. The comma fields of a dialogue line
// are the prefix ("Marked=0" or the .ass layer), start, end, style, name,
// three margins and effect; the text is everything after the ninth comma,
// its lines parted by "\n" or "\N". Override codes stay in the text, styles
// are not read: every row gets the default font.

#include "document/ReaderFrame.h"
#include "document/readers/Common.h"

#include <array>

namespace {

constexpr int TextCommas = 9; // the text follows the ninth comma
constexpr int MaxTextLines = 3;

bool CountsLine(const QString& line) {
    return line.contains(QLatin1String("dialogue"), Qt::CaseInsensitive);
}

bool IsDialogueLine(QStringView line) {
    return line.startsWith(QLatin1String("dialogue:"), Qt::CaseInsensitive);
}

// A time field "h:mm:ss.cc" as a time code: the hour gains a leading zero,
// the hundredths a trailing one (0:01:02.35 is 00:01:02,350). Two hour
// digits and one to three fraction digits read too. Anything else is no
// time (empty).
QString FieldTime(QStringView field) {
    readers::Clock c;
    qsizetype end = 0;
    if (!readers::ReadClock(field, c, end) || end != field.size()) return {};
    return readers::TimeCodeOf(c);
}

// The positions of the line's first nine commas; false when it has fewer.
bool FindCommas(QStringView line, std::array<qsizetype, TextCommas>& commas) {
    qsizetype at = -1;
    for (qsizetype& comma : commas) {
        at = line.indexOf(u',', at + 1);
        if (at < 0) return false;
        comma = at;
    }
    return true;
}

// The position of the next "\n" or "\N" from `from`, or -1.
qsizetype NextBreak(QStringView text, qsizetype from) {
    for (qsizetype at = text.indexOf(u'\\', from); at >= 0; at = text.indexOf(u'\\', at + 1))
        if (at + 1 < text.size() && (text[at + 1] == u'n' || text[at + 1] == u'N')) return at;
    return -1;
}

// The text's lines, parted at "\n" or "\N"; what follows the third is lost.
void AddTextLines(ReaderFrame& f, QStringView text) {
    qsizetype from = 0;
    for (int lines = 0; lines < MaxTextLines; ++lines) {
        const qsizetype at = NextBreak(text, from);
        f.addText(text.mid(from, at < 0 ? -1 : at - from).toString());
        if (at < 0) return;
        from = at + 2;
    }
}

// One dialogue line: a row with its times and text, or a bad line when its
// times or its nine fields are missing.
void ReadDialogue(ReaderFrame& f, QStringView line) {
    std::array<qsizetype, TextCommas> c{};
    if (!FindCommas(line, c)) return f.badLine();
    const QString start = FieldTime(line.mid(c[0] + 1, c[1] - c[0] - 1));
    const QString end = FieldTime(line.mid(c[1] + 1, c[2] - c[1] - 1));
    if (readers::StartTimedRow(f, start, end)) AddTextLines(f, line.mid(c[TextCommas - 1] + 1));
}

ReadOutcome Parse(ReaderFrame& f) {
    while (!f.atEnd()) {
        // Lines indented by blanks (as some scripts are) read as the others.
        QStringView line = f.nextLine();
        while (line.startsWith(u' '))
            line = line.mid(1);
        if (IsDialogueLine(line)) ReadDialogue(f, line);
    }
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::SubStationAlpha{{false, false, false}, &CountsLine, &Parse};
