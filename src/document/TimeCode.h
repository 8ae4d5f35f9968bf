#pragma once
// Time codes: the text form hh:mm:ss,fff used in the grid, in files and in
// every tool. A time code is read by character position, not by its
// separators: hours are the first two characters, minutes the two from the
// fourth, seconds the two from the seventh, milliseconds the last three. Only
// the hours carry a sign: "-1:59:59,000" is minus one second. None of these
// routines fails, whatever text it is given.

#include <QString>

// Adds ("+") or subtracts ("-") two time codes field by field, carrying once
// per field. When the hours leave -9..99 the first time comes back unchanged;
// an operator other than "+" or "-" gives the first time too.
QString TimeCalc(const QString& first, const QString& second, const QString& op);

// True for the form the grid and the files hold: "hh:mm:ss,fff" in digits,
// minutes and seconds below 60, or a negative time with "-1" to "-9" as its
// hours ("-1:59:59,000"). Anything else is not a time, however it would read.
bool IsValidTimeCode(const QString& text);

// A time as the user sees it: a time before zero is "-" and how far before
// zero it lies ("-1:59:59,000" shows as "-00:00:01,000"); any other text
// stays as it is.
QString ShownTime(const QString& time);
// The reverse: "-00:00:01,000" (typed, or as shown) becomes the program's
// own form "-1:59:59,000"; a text that is no such time, or one too far before
// zero for that form, stays as it is.
QString HeldTime(const QString& text);

// The time code in milliseconds (negative for a negative time code).
double TimeToMs(const QString& time);

// A number of seconds written as decimal text ("12.5", "3661.250") as a time
// code; fraction digits beyond the third are dropped, hours past 99 keep all
// their digits, and a negative number (or one of more digits than a double
// holds) counts as 0.
QString SecToTime(const QString& seconds);
// SecToTime of the number's text (runtime::NumberText), without making the text.
QString SecondsTime(double seconds);

// The fields of a time code as read by position; a time shown as
// "-00:00:01,000" reads as its own form "-1:59:59,000".
struct TimeFields {
    double hours = 0, minutes = 0, seconds = 0, millis = 0;
};
TimeFields ReadTimeFields(const QString& time);
