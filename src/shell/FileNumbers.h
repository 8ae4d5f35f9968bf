#pragma once
// How the program's state files give back a number: the line's numeric value
// (blanks skipped, a line without a number reads as 0) rounded to the nearest
// whole number, halves to the even one, as a 16-bit integer; a value outside
// -32768 .. 32767 is no such number.

#include <QString>
#include <optional>

std::optional<int> FileInteger(const QString& line);
