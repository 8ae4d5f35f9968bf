#include "document/readers/Common.h"

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Up to `most` ASCII digits from position i; their count (0: none there).
int ReadDigits(QStringView t, qsizetype& i, int most, int& value) {
    int count = 0;
    value = 0;
    for (; i < t.size() && count < most && IsDigit(t[i]); ++i, ++count)
        value = value * 10 + (t[i].unicode() - u'0');
    return count;
}

bool DigitsAt(const QString& s, qsizetype from, qsizetype count) {
    if (from < 0 || from + count > s.size()) return false;
    for (qsizetype i = from; i < from + count; ++i)
        if (!IsDigit(s[i])) return false;
    return true;
}

void SkipSpaces(QStringView t, qsizetype& i) {
    while (i < t.size() && t[i] == u' ')
        ++i;
}

} // namespace

namespace readers {

QString FrameTime(ReaderFrame& frame, double frames) {
    const double rate = runtime::Val(frame.program().shell.FrameRateText);
    if (rate == 0) return QStringLiteral("00:00:00,000");
    if (frames < 0) // before the start of the film: the program's negative form
        return TimeCalc(QStringLiteral("00:00:00,000"), FrameTime(frame, -frames),
                        QStringLiteral("-"));
    return SecToTime(runtime::NumberText(frames / rate));
}

QString BarSplit(ReaderFrame& frame, QString text) {
    for (int pieces = 0; pieces < 3; ++pieces) {
        const qsizetype bar = text.indexOf(QLatin1Char('|'));
        const QString piece = bar < 0 ? text : text.left(bar);
        if (bar >= 0) text = text.mid(bar + 1);
        frame.addText(piece);
        if (bar < 0) break;
    }
    return text;
}

bool ReadClock(QStringView t, Clock& c, qsizetype& end) {
    qsizetype i = 0;
    SkipSpaces(t, i);
    c.negative = i < t.size() && t[i] == u'-';
    if (c.negative) ++i;
    if (!ReadDigits(t, i, 2, c.hours) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.minutes) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.seconds)) return false;
    c.millis = 0;
    if (i + 1 < t.size() && (t[i] == u'.' || t[i] == u':') && IsDigit(t[i + 1])) {
        ++i;
        const int digits = ReadDigits(t, i, 3, c.millis);
        for (int d = digits; d < 3; ++d)
            c.millis *= 10; // hundredths gain a "0": .35 is 350 ms
    }
    SkipSpaces(t, i);
    end = i;
    return true;
}

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

QString HundredthsTime(const QString& line, qsizetype& pos) {
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

bool StartTimedRow(ReaderFrame& f, const QString& start, const QString& end) {
    if (start.isEmpty() || end.isEmpty()) {
        f.badLine();
        return false;
    }
    if (!f.addRow()) return false;
    f.progress();
    f.setTimes(start, end);
    return true;
}

ReadOutcome ReadFrameLines(ReaderFrame& f, FrameLineSplit split) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (runtime::Trim(line).isEmpty()) continue;
        f.progress();
        const std::optional<FrameLine> parts = split(line);
        if (!parts) {
            f.badLine();
            continue;
        }
        if (!f.addRow()) break;
        f.setTimes(FrameTime(f, runtime::Val(parts->start)),
                   FrameTime(f, runtime::Val(parts->end)));
        BarSplit(f, parts->text.toString());
    }
    return ReadOutcome::Finished;
}

ReadOutcome ReadEntries(ReaderFrame& f, bool (*opensEntry)(const QString& line),
                        const std::function<void(const QString& line)>& readEntry) {
    while (!f.atEnd()) {
        const QString line = f.nextLine();
        if (runtime::Trim(line).isEmpty()) continue;
        if (!opensEntry(line)) {
            f.badLine();
            continue;
        }
        if (!f.addRow()) break;
        f.progress();
        readEntry(line);
    }
    return ReadOutcome::Finished;
}

} // namespace readers
