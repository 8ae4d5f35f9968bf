#include "runtime/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace runtime {

namespace {

// A number as its rounded significant digits and a decimal exponent:
// digits "15", exponent 1 is 15; digits "15", exponent -1 is .15.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

bool IsSkippedBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The leading number of the text as plain ASCII ("12.5", ".5", "3."), without
// the sign, which goes to *negative. Short numbers stay in the caller's buffer.
template <class Out> void LeadingNumber(QStringView text, bool* negative, Out& number) {
    bool signAllowed = true;
    bool pointSeen = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (IsSkippedBlank(c)) continue;
        if (signAllowed && (c == u'+' || c == u'-')) {
            *negative = c == u'-';
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c >= u'0' && c <= u'9') {
            number.push_back(static_cast<char>(c));
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            number.push_back('.');
        } else {
            break;
        }
    }
}

// A fixed buffer that reports when it overflows.
struct SmallNumber {
    char data[64];
    std::size_t size = 0;
    bool overflow = false;
    void push_back(char c) {
        if (size < sizeof data)
            data[size++] = c;
        else
            overflow = true;
    }
};

// A number with too many digits for a double: huge when a digit other than 0
// stands before the point, else too small to tell from 0.
double OutOfRange(const std::string& number) {
    for (const char c : number) {
        if (c == '.') break;
        if (c != '0') return std::numeric_limits<double>::infinity();
    }
    return 0.0;
}

// x rounded to 15 significant digits, trailing zeros dropped. x is finite
// and not 0.
Decimal RoundTo15Digits(double x) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr); // "-d.dddddddddddddde+XX"
    Decimal d;
    d.negative = text.front() == '-';
    const std::size_t e = text.find('e');
    for (std::size_t i = d.negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// 1.5E+20, 1E-16: the mantissa as digits with a point after the first, and at
// least two exponent digits.
std::string ExponentForm(const Decimal& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += '.' + d.digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const std::string power = std::to_string(std::abs(d.exponent));
    if (power.size() < 2) out += '0';
    return out + power;
}

// 120, 12.5, .125, .000125: no "0" before the point.
std::string PlainForm(const Decimal& d) {
    if (d.exponent < 0) return '.' + std::string(-d.exponent - 1, '0') + d.digits;
    const std::size_t whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + '.' + d.digits.substr(whole);
}

} // namespace

double Val(const QString& text) {
    return Val(QStringView(text));
}

double Val(QStringView text) {
    // Digits alone (a field of a time code, a frame number) are read at once.
    if (!text.isEmpty() && text.size() <= 15) {
        long long digits = 0;
        qsizetype i = 0;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
            digits = digits * 10 + (text[i].unicode() - u'0');
        if (i == text.size()) return static_cast<double>(digits);
    }
    bool negative = false;
    SmallNumber small;
    LeadingNumber(text, &negative, small);
    std::string large;
    const char* first = small.data;
    const char* last = small.data + small.size;
    if (small.overflow) {
        negative = false;
        LeadingNumber(text, &negative, large);
        first = large.data();
        last = large.data() + large.size();
    }
    if (std::find_if(first, last, [](char c) { return c >= '0' && c <= '9'; }) == last) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) value = OutOfRange(std::string(first, last));
    if (value == 0.0) return 0.0; // never -0
    return negative ? -value : value;
}

QString NumberText(double x) {
    if (!std::isfinite(x) || x == 0.0) return QStringLiteral("0");
    const Decimal d = RoundTo15Digits(x);
    const bool exponentForm = d.exponent >= 15 || d.exponent < -15;
    const std::string body = exponentForm ? ExponentForm(d) : PlainForm(d);
    QString text = QString::fromLatin1(body.data(), static_cast<qsizetype>(body.size()));
    if (d.negative) text.prepend(QLatin1Char('-'));
    return text;
}

QString Str(double x) {
    const QString text = NumberText(x);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

QString TrimStr(double x) {
    return NumberText(x);
}

QString PrintNumber(double x) {
    return Str(x) + QLatin1Char(' ');
}

} // namespace runtime
