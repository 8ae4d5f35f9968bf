#pragma once
// The number forms of the language runtime Mirel's code was first written in.
// Every subsystem formats and reads numbers through these, so a time, a count
// or a setting looks the same in the grid, in the files and in the macros.
// None of them depends on the user's locale: "." is always the decimal point.

#include <QString>
#include <concepts>

namespace runtime {

// The leading number of a text. Blanks, tabs and line feeds are skipped
// wherever they stand; then an optional "+" or "-", digits and at most one
// "."; reading stops at the first other character. No number gives 0:
// Val(" 1 2.5x") == 12.5, Val("12:30") == 12, Val("abc") == 0. There are no
// exponents and no hex prefixes. Digit strings too long for a double give
// +-infinity (or 0 when only zeros stand before the point).
double Val(const QString& text);
double Val(QStringView text);

// The trimmed form: at most 15 significant digits, no trailing zeros, no "0"
// before the point: 12, -3, .5, -.5, .333333333333333. From 1E+15 up and
// below 1E-15 the exponent form is used (1.5E+20, 1E-16). Negative zero is
// "0"; NaN and infinity, which the runtime never produced, are also "0".
QString NumberText(double x);
// The signed form: a blank before a number that is not negative (" 12",
// "-12", " .5").
QString Str(double x);
// Same as NumberText; the name says what the code means (Trim(Str(n))).
QString TrimStr(double x);
// The form a number takes in the program's text files: Str(x) and a blank.
QString PrintNumber(double x);

// Integer arguments (int, qint64, ...) pick these, so call sites need no
// casts; a bool is refused rather than printed as 1 or 0.
template <class T>
concept RuntimeInteger = std::integral<T> && !std::same_as<T, bool>;

template <RuntimeInteger T> QString NumberText(T n) {
    return NumberText(static_cast<double>(n));
}
template <RuntimeInteger T> QString Str(T n) {
    return Str(static_cast<double>(n));
}
template <RuntimeInteger T> QString TrimStr(T n) {
    return TrimStr(static_cast<double>(n));
}
template <RuntimeInteger T> QString PrintNumber(T n) {
    return PrintNumber(static_cast<double>(n));
}
QString NumberText(bool) = delete;
QString Str(bool) = delete;
QString TrimStr(bool) = delete;
QString PrintNumber(bool) = delete;

} // namespace runtime
