#include "document/readers/Common.h"

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

namespace {

using readers::IsDigit;

// Up to `most` ASCII digits from position i; their count (0: none there).
int ReadDigits(QStringView t, qsizetype& i, int most, int& value) {
    int count = 0;
    value = 0;
    for (; i < t.size() && count < most && IsDigit(t[i]); ++i, ++count)
        value = value * 10 + (t[i].unicode() - u'0');
    return count;
}

bool DigitsAt(QStringView s, qsizetype from, qsizetype count) {
    if (from < 0 || from + count > s.size()) return false;
    for (qsizetype i = from; i < from + count; ++i)
        if (!IsDigit(s[i])) return false;
    return true;
}

void SkipSpaces(QStringView t, qsizetype& i) {
    while (i < t.size() && t[i] == u' ')
        ++i;
}

// The program's negative form of a time code: zero less it.
QString Negated(const QString& code) {
    return TimeCalc(QStringLiteral("00:00:00,000"), code, QStringLiteral("-"));
}

// Whether text at `at` starts with the lower-case tag, in any letter case.
// The text's letters are folded one by one as Qt folds them in a search in
// any letter case; an ASCII letter is folded here at once.
bool TagAt(QStringView text, qsizetype at, QLatin1String tag) {
    if (text.size() - at < tag.size()) return false;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        const char16_t c = text[at + i].unicode();
        const char32_t folded = c < 0x80 ? (c >= u'A' && c <= u'Z' ? char32_t(c + 32) : char32_t(c))
                                         : QChar::toCaseFolded(char32_t(c));
        if (folded != static_cast<unsigned char>(tag.data()[i])) return false;
    }
    return true;
}

// "h:mm:ss" with one or two hour digits ("-h" before zero) at pos, as
// hh:mm:ss; pos moves past it. Empty when the characters there are no clock.
QString ClockAt(QStringView t, qsizetype& pos) {
    const qsizetype sign = pos < t.size() && t[pos] == u'-' ? 1 : 0;
    qsizetype hours = sign;
    while (hours < 2 && pos + hours < t.size() && IsDigit(t[pos + hours]))
        ++hours;
    const qsizetype m = pos + hours; // the ":" after the hours
    if (hours == sign || m + 6 > t.size() || t[m] != u':' || !DigitsAt(t, m + 1, 2) ||
        t[m + 3] != u':' || !DigitsAt(t, m + 4, 2))
        return {};
    QString hms;
    hms.reserve(8);
    if (hours == 1) hms.append(QLatin1Char('0'));
    hms.append(t.mid(pos, m + 6 - pos));
    pos = m + 6;
    return hms;
}

// "h:mm:ss?cc" at pos without a sign, as HundredthsTime reads it.
QString UnsignedHundredthsTime(const QString& line, qsizetype& pos) {
    qsizetype at = pos;
    readers::ClockField field;
    if (pos >= line.size() || !IsDigit(line[pos]) || !readers::ReadClockField(line, at, field) ||
        !DigitsAt(field.last, 0, 2))
        return {};
    pos = at;
    QString time = field.hms;
    return time.append(QLatin1Char(',')).append(field.last).append(QLatin1Char('0'));
}

} // namespace

namespace readers {

bool IsBlankLine(QStringView line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' '; });
}

qsizetype FindTag(QStringView text, QLatin1String tag, qsizetype from) {
    const QChar mark = QLatin1Char(tag.front());
    for (qsizetype at = text.indexOf(mark, from); at >= 0; at = text.indexOf(mark, at + 1))
        if (TagAt(text, at, tag)) return at;
    return -1;
}

QString TwoDigitSize(const QString& line, qsizetype from) {
    const QString two = line.mid(from, 2);
    qsizetype digits = 0;
    while (digits < two.size() && IsDigit(two[digits]))
        ++digits;
    return two.left(digits);
}

bool CountsNonBlankLine(const QString& line) {
    return !IsBlankLine(line);
}

QString FrameTime(ReaderFrame& frame, double frames) {
    const double rate = frame.frameRate();
    if (rate == 0) return QStringLiteral("00:00:00,000");
    const double seconds = frames / rate;
    if (!WithinDocumentTimes(seconds * 1000)) return {};
    if (seconds < 0) return Negated(SecondsTime(-seconds)); // before the start of the film
    return SecondsTime(seconds);
}

// The first line break from `from`, or -1. Its first character is looked for
// first: a text holds few, and a search in any letter case is slow.
qsizetype FindBreak(QStringView text, QStringView lineBreak, qsizetype from,
                    Qt::CaseSensitivity cs) {
    const QChar first = lineBreak.front();
    for (qsizetype at = text.indexOf(first, from, cs); at >= 0;
         at = text.indexOf(first, at + 1, cs))
        if (text.sliced(at).startsWith(lineBreak, cs)) return at;
    return -1;
}

void TextPastTheRow(ReaderFrame& frame, QStringView rest) {
    if (!rest.trimmed().isEmpty()) frame.badLine();
}

void AddTextLines(ReaderFrame& frame, QStringView text, QStringView lineBreak,
                  Qt::CaseSensitivity cs) {
    qsizetype from = 0;
    for (int pieces = 0; pieces < 3; ++pieces) {
        const qsizetype cut = FindBreak(text, lineBreak, from, cs);
        frame.addText(text.sliced(from, (cut < 0 ? text.size() : cut) - from));
        if (cut < 0) return;
        from = cut + lineBreak.size();
    }
    TextPastTheRow(frame, text.sliced(from));
}

void BarSplit(ReaderFrame& frame, QStringView text) {
    AddTextLines(frame, text, u"|");
}

bool ReadClock(QStringView t, Clock& c, qsizetype& end, const ClockForm& form) {
    qsizetype i = 0;
    if (form.blanksAround) SkipSpaces(t, i);
    c.negative = i < t.size() && t[i] == u'-';
    if (c.negative) ++i;
    if (!ReadDigits(t, i, 2, c.hours) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.minutes) || i >= t.size() || t[i++] != u':') return false;
    if (!ReadDigits(t, i, 2, c.seconds)) return false;
    c.millis = 0;
    if (i + 1 < t.size() && form.fractionMarks.contains(t[i]) && IsDigit(t[i + 1])) {
        ++i;
        const int digits = ReadDigits(t, i, 3, c.millis);
        for (int d = digits; d < 3; ++d)
            c.millis *= 10; // hundredths gain a "0": .35 is 350 ms
    }
    if (form.blanksAround) SkipSpaces(t, i);
    end = i;
    return true;
}

QString TimeCodeOf(const Clock& c) {
    QString code(12, Qt::Uninitialized); // written in place: a file holds thousands
    QChar* out = code.data();
    const auto put = [out](qsizetype at, int value, int width) {
        for (qsizetype k = at + width - 1; k >= at; --k, value /= 10)
            out[k] = QChar(u'0' + value % 10);
    };
    put(0, c.hours, 2);
    out[2] = out[5] = QLatin1Char(':');
    put(3, c.minutes, 2);
    put(6, c.seconds, 2);
    out[8] = QLatin1Char(',');
    put(9, c.millis, 3);
    return c.negative ? Negated(code) : code;
}

QString ClockTimeCode(QStringView t, const ClockForm& form) {
    Clock c;
    qsizetype end = 0;
    if (!ReadClock(t, c, end, form) || end != t.size()) return {};
    return TimeCodeOf(c);
}

bool WithinDocumentTimes(double ms) {
    return ms >= static_cast<double>(EarliestMillis) && ms < static_cast<double>(LatestMillis + 1);
}

QString MillisTime(long long ms) {
    if (ms < EarliestMillis || ms > LatestMillis) return {}; // also keeps -ms in range
    const long long away = ms < 0 ? -ms : ms;
    const Clock c{ms < 0, static_cast<int>(away / 3600000), static_cast<int>(away / 60000 % 60),
                  static_cast<int>(away / 1000 % 60), static_cast<int>(away % 1000)};
    return TimeCodeOf(c);
}

QString HundredthsCode(QStringView hms, QStringView hundredths) {
    hms = runtime::TrimView(hms);
    hundredths = runtime::TrimView(hundredths);
    QString code;
    code.reserve(hms.size() + 5);
    code.append(hms).append(QLatin1Char(','));
    for (qsizetype pad = hundredths.size(); pad < 2; ++pad)
        code.append(QLatin1Char('0'));
    return code.append(hundredths).append(QLatin1Char('0'));
}

bool ReadClockField(QStringView line, qsizetype& pos, ClockField& field) {
    qsizetype at = pos;
    QString hms = ClockAt(line, at);
    if (hms.isEmpty()) return false;
    field.hms = std::move(hms);
    field.last = line.mid(at + 1, 2);
    pos = std::min(line.size(), at + 3);
    return true;
}

QString HundredthsTime(const QString& line, qsizetype& pos) {
    // One sign at most: a run of "-" is no time, however long.
    const bool negative = pos < line.size() && line[pos] == u'-';
    qsizetype after = negative ? pos + 1 : pos;
    const QString time = UnsignedHundredthsTime(line, after);
    if (time.isEmpty()) return {};
    pos = after;
    return negative ? Negated(time) : time;
}

bool StartTimedRow(ReaderFrame& f, const QString& start, const QString& end) {
    if (start.isEmpty() || end.isEmpty()) {
        f.badLine();
        return false;
    }
    return AddTimedRow(f, start, end);
}

bool StartHundredthsRow(ReaderFrame& f, const QString& line, qsizetype& pos,
                        void (*skip)(const QString& line, qsizetype& pos)) {
    const QString start = HundredthsTime(line, pos);
    skip(line, pos);
    const QString end = start.isEmpty() ? QString() : HundredthsTime(line, pos);
    return StartTimedRow(f, start, end);
}

bool ReadsAsTime(QStringView t) {
    if (t.size() != 12 || !(IsDigit(t[0]) || t[0] == u'-')) return false;
    for (int i : {1, 3, 4, 6, 7, 9, 10, 11})
        if (!IsDigit(t[i])) return false;
    return true;
}

namespace {
// The new row and its times: the end only when given.
bool AddRowAt(ReaderFrame& f, const QString& start, const QString* end) {
    if (!f.addRow()) return false;
    f.progress();
    const bool startRead = start.isEmpty() || ReadsAsTime(start);
    const bool endRead = !end || end->isEmpty() || ReadsAsTime(*end);
    if (startRead) f.setStartTime(start);
    if (end && endRead) f.setEndTime(*end);
    if (!startRead || !endRead) f.badLine();
    return true;
}
} // namespace

bool AddTimedRow(ReaderFrame& f, const QString& start) {
    return AddRowAt(f, start, nullptr);
}

bool AddTimedRow(ReaderFrame& f, const QString& start, const QString& end) {
    return AddRowAt(f, start, &end);
}

ReadOutcome ReadNonBlankLines(ReaderFrame& f,
                              const std::function<void(const QString& line)>& read) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine(); // the file's lines stay as they are
        if (!IsBlankLine(line)) read(line);
    }
    return ReadOutcome::Finished;
}

ReadOutcome ReadFrameLines(ReaderFrame& f, FrameLineSplit split) {
    return ReadNonBlankLines(f, [&f, split](const QString& line) {
        f.progress();
        const std::optional<FrameLine> parts = split(line);
        if (!parts) return f.badLine();
        const QString start = FrameTime(f, runtime::Val(parts->start));
        const QString end = FrameTime(f, runtime::Val(parts->end));
        if (start.isEmpty() || end.isEmpty()) return f.badLine(); // a frame past any time
        if (!f.addRow()) return;
        f.setTimes(start, end);
        BarSplit(f, parts->text);
    });
}

ReadOutcome ReadEntries(ReaderFrame& f, bool (*opensEntry)(const QString& line),
                        const std::function<void(const QString& line)>& readEntry) {
    return ReadNonBlankLines(f, [&f, opensEntry, &readEntry](const QString& line) {
        if (!opensEntry(line)) return f.badLine();
        if (!f.addRow()) return;
        f.progress();
        readEntry(line);
    });
}

} // namespace readers
