#pragma once
// Time codes as whole milliseconds, for the timing tools' work on every line
// of a long document. Each routine gives exactly what the text routines of
// the time-code module give for the same times (TimeCalc's hour limits and
// negative form, SecToTime's cut), without reading every field of every text
// again; a time code that is not in the plain form is left to the text
// routines.

#include <QString>
#include <QtGlobal>

namespace timing {

// A time code in its plain form, "hh:mm:ss,fff" (or TimeCalc's negative
// "-h:mm:ss,fff"), minutes and seconds below 60: its milliseconds. False for
// any other text.
bool PlainMs(const QString& time, qint64& ms);

// A plain time code's hours are -9 to 99; SecToTime's may have more digits.
constexpr qint64 PlainLimitMs = 100LL * 3600000;

// TimeCalc on milliseconds: a + b (sign 1) or a - b (sign -1); a itself when
// the result's hours leave -9..99.
qint64 CalcMs(qint64 a, qint64 b, int sign);

// The text TimeCalc and SecToTime give for a number of milliseconds: hours of
// at least two digits ("-1" for the hour below zero), minutes and seconds of
// two, milliseconds of three.
QString MsTimeCode(qint64 ms);

// Seconds as SecToTime reads their plain decimal form (15 significant
// digits): the whole milliseconds, the rest cut off. 0 for 0 and below;
// numbers from 10^12 seconds up give 10^15.
qint64 CutMs(double seconds);

} // namespace timing
