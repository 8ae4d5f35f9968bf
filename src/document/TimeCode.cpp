#include "document/TimeCode.h"

#include "runtime/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// A field's shortest decimal text, left-padded with "0" to its width.
void appendField(QString& out, double value, int width) {
    // Whole values (all well-formed time codes) take the quick integer form,
    // which is the same text as the number's shortest form.
    if (value == std::floor(value) && std::fabs(value) < 1e9) {
        char digits[16];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value)).ptr;
        for (auto n = end - digits; n < width; ++n)
            out.append(QLatin1Char('0'));
        out.append(QLatin1String(digits, end - digits));
        return;
    }
    out.append(runtime::NumberText(value).rightJustified(width, QLatin1Char('0')));
}

void carryUp(TimeFields& t) {
    if (t.millis > 999) {
        t.seconds += 1;
        t.millis -= 1000;
    }
    if (t.seconds > 59) {
        t.minutes += 1;
        t.seconds -= 60;
    }
    if (t.minutes > 59) {
        t.hours += 1;
        t.minutes -= 60;
    }
}

void borrowDown(TimeFields& t) {
    if (t.millis < 0) {
        t.seconds -= 1;
        t.millis += 1000;
    }
    if (t.seconds < 0) {
        t.minutes -= 1;
        t.seconds += 60;
    }
    if (t.minutes < 0) {
        t.hours -= 1;
        t.minutes += 60;
    }
}

// Whole digits of a non-negative number, with one "0" in front below 10.
void appendTwoDigitsAtLeast(QString& out, double value) {
    if (value < 10) out.append(QLatin1Char('0'));
    if (value >= 0 && value < 1e15) {
        char digits[24];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value)).ptr;
        out.append(QLatin1String(digits, end - digits));
    } else {
        out.append(runtime::NumberText(value));
    }
}

} // namespace

namespace {
// "-" and a time code of digits: a time before zero as it is shown.
bool IsShownNegative(const QString& t) {
    return t.size() == 13 && t[0] == u'-' && t[1] != u'-' && IsValidTimeCode(t.mid(1));
}
} // namespace

QString ShownTime(const QString& time) {
    if (time.isEmpty() || time[0] != u'-' || !IsValidTimeCode(time)) return time;
    const long long ms = -static_cast<long long>(TimeToMs(time));
    return QString::asprintf("-%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}

QString HeldTime(const QString& text) {
    if (!IsShownNegative(text)) return text;
    const QString zero = QStringLiteral("00:00:00,000"), magnitude = text.mid(1);
    if (magnitude == zero) return zero;
    const QString held = TimeCalc(zero, magnitude, QStringLiteral("-"));
    return held == zero ? text : held; // more than the hours' sign can hold
}

TimeFields ReadTimeFields(const QString& time) {
    if (time.size() == 13 && IsShownNegative(time)) {
        const QString held = HeldTime(time);
        if (held != time) return ReadTimeFields(held);
    }
    const QStringView v(time);
    TimeFields t;
    t.hours = runtime::Val(v.left(2));
    t.minutes = runtime::Val(v.mid(3, 2));
    t.seconds = runtime::Val(v.mid(6, 2));
    t.millis = runtime::Val(v.right(3));
    return t;
}

QString TimeCalc(const QString& first, const QString& second, const QString& op) {
    const bool add = op == QLatin1String("+");
    if (!add && op != QLatin1String("-")) return first;
    const TimeFields a = ReadTimeFields(first), b = ReadTimeFields(second);
    const double sign = add ? 1 : -1;
    TimeFields r{a.hours + sign * b.hours, a.minutes + sign * b.minutes,
                 a.seconds + sign * b.seconds, a.millis + sign * b.millis};
    if (add)
        carryUp(r);
    else
        borrowDown(r);
    if (r.hours < -9 || r.hours > 99) return first;
    QString out;
    out.reserve(12);
    appendField(out, r.hours, 2);
    out.append(QLatin1Char(':'));
    appendField(out, r.minutes, 2);
    out.append(QLatin1Char(':'));
    appendField(out, r.seconds, 2);
    out.append(QLatin1Char(','));
    appendField(out, r.millis, 3);
    return out;
}

namespace {
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
// Two digits at `at` making a number below 60.
bool isSixtieth(const QString& t, int at) {
    return isDigit(t[at]) && isDigit(t[at + 1]) && t[at] < u'6';
}
} // namespace

bool IsValidTimeCode(const QString& text) {
    if (text.size() != 12) return false;
    const bool hours = (isDigit(text[0]) && isDigit(text[1])) ||
                       (text[0] == u'-' && isDigit(text[1]) && text[1] != u'0');
    return hours && text[2] == u':' && isSixtieth(text, 3) && text[5] == u':' &&
           isSixtieth(text, 6) && text[8] == u',' && isDigit(text[9]) && isDigit(text[10]) &&
           isDigit(text[11]);
}

double TimeToMs(const QString& time) {
    const TimeFields t = ReadTimeFields(time);
    return t.hours * 3600000.0 + t.minutes * 60000.0 + t.seconds * 1000.0 + t.millis;
}

// The number as NumberText writes it (15 significant digits) cut as SecToTime
// cuts it: the whole seconds and the first three digits after the point.
// Numbers whose text would be in exponent form take the long way.
QString SecondsTime(double seconds) {
    if (!(seconds >= 1e-3 && seconds < 1e14)) return SecToTime(runtime::NumberText(seconds));
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::scientific, 14)
            .ptr; // "d.dddddddddddddde+XX"
    const char* e = std::find(buffer, end, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    char digits[15];
    std::copy(buffer + 2, buffer + 16, digits + 1);
    digits[0] = buffer[0];
    long long whole = 0;
    for (int i = 0; i <= exponent; ++i)
        whole = whole * 10 + (digits[i] - '0');
    char fraction[3];
    for (int i = 0; i < 3; ++i) {
        const int at = exponent + 1 + i; // the digit's place in `digits`
        fraction[i] = at >= 0 && at < 15 ? digits[at] : '0';
    }
    QString out;
    out.reserve(12);
    appendTwoDigitsAtLeast(out, static_cast<double>(whole / 3600));
    out.append(QLatin1Char(':'));
    appendTwoDigitsAtLeast(out, static_cast<double>(whole / 60 % 60));
    out.append(QLatin1Char(':'));
    appendTwoDigitsAtLeast(out, static_cast<double>(whole % 60));
    out.append(QLatin1Char(','));
    return out.append(QLatin1String(fraction, 3));
}

QString SecToTime(const QString& seconds) {
    const QStringView text(seconds);
    if (runtime::Val(text) < 0) return QStringLiteral("00:00:00,000");
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    // The three characters after the point, padded with "0" on the right.
    const QStringView digits = point < 0 ? QStringView() : text.mid(point + 1, 3);
    double n = std::max(0.0, std::floor(runtime::Val(whole)));
    if (!std::isfinite(n)) n = 0; // digits beyond any number
    // fmod is exact, so minutes and seconds stay within 0..59 however large
    // the number is.
    const double hours = std::floor(n / 3600);
    const double minutes = std::fmod(std::floor(n / 60), 60);
    const double secs = std::fmod(n, 60);
    QString out;
    out.reserve(12);
    appendTwoDigitsAtLeast(out, hours);
    out.append(QLatin1Char(':'));
    appendTwoDigitsAtLeast(out, minutes);
    out.append(QLatin1Char(':'));
    appendTwoDigitsAtLeast(out, secs);
    out.append(QLatin1Char(','));
    out.append(digits);
    for (qsizetype i = digits.size(); i < 3; ++i)
        out.append(QLatin1Char('0'));
    return out;
}
