#pragma once
// Pieces several readers share: turning a frame number into a time with the
// frame rate chosen for the open file, and cutting an entry's text at "|"
// into the row's text lines.

#include <QString>

class ReaderFrame;

namespace readers {

// The time of a frame number at the current frame rate (FrameRateText):
// seconds = frames / rate, written with 15 significant digits and turned
// into a time code that keeps the first three digits after the point. The
// frame shifts it by the append offset when it writes the cell. A rate of 0
// gives 00:00:00,000. A negative frame number (before the start of the film)
// keeps its sign in the program's negative form ("-1:59:53,440"), so that
// it is written back as the same frame.
QString FrameTime(ReaderFrame& frame, double frames);

// Cuts text at "|" into the current row's text lines, from column 3 on, at
// most three pieces (each " " + the trimmed piece; an empty piece gives " ").
// Returns what the cutting left behind: the last piece when no "|" followed
// it, or the text after the third piece.
QString BarSplit(ReaderFrame& frame, QString text);

} // namespace readers
