#include "tools/TimingMilliseconds.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace timing {

namespace {

constexpr qint64 MsPerHour = 3600000, MsPerMinute = 60000, MsPerSecond = 1000;
constexpr qint64 MaxCutSeconds = 1000000000000; // far past any time code

bool digitAt(const QString& t, int i, int& value) {
    const char16_t c = t.at(i).unicode();
    if (c < u'0' || c > u'9') return false;
    value = c - u'0';
    return true;
}

// Two digits at i and i + 1.
bool twoDigits(const QString& t, int i, int& value) {
    int high = 0, low = 0;
    if (!digitAt(t, i, high) || !digitAt(t, i + 1, low)) return false;
    value = high * 10 + low;
    return true;
}

void appendDigits(QString& out, qint64 value, int width) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (auto n = end - digits; n < width; ++n)
        out.append(QLatin1Char('0'));
    out.append(QLatin1String(digits, end - digits));
}

} // namespace

bool PlainMs(const QString& time, qint64& ms) {
    if (time.size() != 12 || time.at(2) != QLatin1Char(':') || time.at(5) != QLatin1Char(':') ||
        time.at(8) != QLatin1Char(','))
        return false;
    int hours = 0, minutes = 0, seconds = 0, hundreds = 0, rest = 0;
    if (time.at(0) == QLatin1Char('-')) {
        // "-0" is not a form TimeCalc writes.
        if (!digitAt(time, 1, hours) || hours == 0) return false;
        hours = -hours;
    } else if (!twoDigits(time, 0, hours)) {
        return false;
    }
    if (!twoDigits(time, 3, minutes) || !twoDigits(time, 6, seconds) || minutes > 59 ||
        seconds > 59 || !digitAt(time, 9, hundreds) || !twoDigits(time, 10, rest))
        return false;
    ms = hours * MsPerHour + minutes * MsPerMinute + seconds * MsPerSecond + hundreds * 100 + rest;
    return true;
}

qint64 CalcMs(qint64 a, qint64 b, int sign) {
    const qint64 r = a + sign * b;
    const qint64 hours = r >= 0 ? r / MsPerHour : -((-r + MsPerHour - 1) / MsPerHour);
    return hours < -9 || hours > 99 ? a : r;
}

QString MsTimeCode(qint64 ms) {
    const qint64 hours = ms >= 0 ? ms / MsPerHour : -((-ms + MsPerHour - 1) / MsPerHour);
    const qint64 rest = ms - hours * MsPerHour;
    const qint64 minutes = rest / MsPerMinute, seconds = rest / MsPerSecond % 60,
                 millis = rest % MsPerSecond;
    if (hours >= 0 && hours <= 99) {
        // The usual case, written in place.
        QString out(12, Qt::Uninitialized);
        QChar* c = out.data();
        const auto two = [&c](qint64 v) {
            *c++ = QLatin1Char(char('0' + v / 10));
            *c++ = QLatin1Char(char('0' + v % 10));
        };
        two(hours);
        *c++ = QLatin1Char(':');
        two(minutes);
        *c++ = QLatin1Char(':');
        two(seconds);
        *c++ = QLatin1Char(',');
        *c++ = QLatin1Char(char('0' + millis / 100));
        two(millis % 100);
        return out;
    }
    QString out;
    appendDigits(out, hours, 2);
    out.append(QLatin1Char(':'));
    appendDigits(out, minutes, 2);
    out.append(QLatin1Char(':'));
    appendDigits(out, seconds, 2);
    out.append(QLatin1Char(','));
    appendDigits(out, millis, 3);
    return out;
}

// The decimal digits the text form keeps: "d.dddddddddddddde±x", 15 digits.
qint64 CutMs(double seconds) {
    if (!(seconds > 0)) return 0;
    if (seconds >= MaxCutSeconds) return MaxCutSeconds * MsPerSecond;
    char text[48];
    const auto end =
        std::to_chars(text, text + sizeof text, seconds, std::chars_format::scientific, 14).ptr;
    const char* e = std::find(text, end, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    // The digits down to the thousandths: exponent + 4 of them.
    qint64 ms = 0;
    int taken = 0;
    for (const char* c = text; c < e && taken < exponent + 4; ++c) {
        if (*c == '.') continue;
        ms = ms * 10 + (*c - '0');
        ++taken;
    }
    for (; taken < exponent + 4; ++taken)
        ms *= 10;
    return ms;
}

} // namespace timing
