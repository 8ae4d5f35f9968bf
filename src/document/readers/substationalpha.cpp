// SubStation Alpha (.ssa, and the .ass event lines): only the "Dialogue:"
// lines of the events section are read. The comma fields of a dialogue line
// are the prefix ("Marked=0" or the .ass layer), start, end, style, name,
// three margins and effect; the text is everything after the ninth comma,
// its lines parted by "\n" or "\N". Override codes stay in the text, styles
// are not read: every row gets the default font.

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"

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

// A clock time "h:m:s" with one or two digits each, an optional "-" before
// it and an optional fraction of one to three digits after "." or ":".
// Read by hand: a file holds thousands.
struct Clock {
    bool negative = false;
    int hours = 0, minutes = 0, seconds = 0, millis = 0;
};

// Up to `most` ASCII digits from position i; their count (0: none there).
int ReadDigits(QStringView t, qsizetype& i, int most, int& value) {
    int count = 0;
    value = 0;
    for (; i < t.size() && count < most && t[i] >= u'0' && t[i] <= u'9'; ++i, ++count)
        value = value * 10 + (t[i].unicode() - u'0');
    return count;
}

// The clock at the start of t (blanks around it skipped); `end` is set past
// it. False when t holds no clock there.
bool ReadClock(QStringView t, Clock& c, qsizetype& end) {
    qsizetype i = 0;
    while (i < t.size() && t[i] == u' ')
        ++i;
    c.negative = i < t.size() && t[i] == u'-';
    if (c.negative) ++i;
    if (!ReadDigits(t, i, 2, c.hours) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.minutes) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.seconds)) return false;
    c.millis = 0;
    if (i + 1 < t.size() && (t[i] == u'.' || t[i] == u':') && t[i + 1] >= u'0' &&
        t[i + 1] <= u'9') {
        ++i;
        const int digits = ReadDigits(t, i, 3, c.millis);
        for (int d = digits; d < 3; ++d)
            c.millis *= 10; // hundredths gain a "0": .35 is 350 ms
    }
    while (i < t.size() && t[i] == u' ')
        ++i;
    end = i;
    return true;
}

// hh:mm:ss,fff; a clock before zero in the program's own negative form.
QString TimeCodeOf(const Clock& c) {
    QString code = QStringLiteral("00:00:00,000");
    const auto put = [&code](qsizetype at, int value, int width) {
        for (qsizetype k = at + width - 1; k >= at; --k, value /= 10)
            code[k] = QChar(u'0' + value % 10);
    };
    put(0, c.hours, 2);
    put(3, c.minutes, 2);
    put(6, c.seconds, 2);
    put(9, c.millis, 3);
    if (!c.negative) return code;
    return TimeCalc(QStringLiteral("00:00:00,000"), code, QStringLiteral("-"));
}

// A time field "h:mm:ss.cc" as a time code: the hour gains a leading zero,
// the hundredths a trailing one (0:01:02.35 is 00:01:02,350). Two hour
// digits and one to three fraction digits read too. Anything else is no
// time (empty).
QString FieldTime(QStringView field) {
    Clock c;
    qsizetype end = 0;
    if (!ReadClock(field, c, end) || end != field.size()) return {};
    return TimeCodeOf(c);
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
    if (start.isEmpty() || end.isEmpty()) return f.badLine();
    if (!f.addRow()) return;
    f.progress();
    f.setTimes(start, end);
    AddTextLines(f, line.mid(c[TextCommas - 1] + 1));
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
