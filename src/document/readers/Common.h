#pragma once
// Pieces several readers share: turning a frame number into a time with the
// frame rate chosen for the open file, cutting an entry's text at "|" into
// the row's text lines, the time fields read by hand, and the reading loops
// that formats of the same build have in common.

#include "document/readers/Readers.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

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

// ---- Time fields ----------------------------------------------------------------

// A clock time "h:m:s" with one or two digits each, an optional "-" before
// it and an optional fraction of one to three digits after "." or ":".
// Read by hand: a file holds thousands.
struct Clock {
    bool negative = false;
    int hours = 0, minutes = 0, seconds = 0, millis = 0;
};

// The clock at the start of t (blanks around it skipped); `end` is set past
// it. False when t holds no clock there. A fraction of fewer than three
// digits gains zeros: ".35" is 350 ms.
bool ReadClock(QStringView t, Clock& c, qsizetype& end);

// hh:mm:ss,fff; a clock before zero in the program's own negative form.
QString TimeCodeOf(const Clock& c);

// "h:mm:ss?cc" at pos (one or two hour digits, any one character before the
// hundredths) as the time code hh:mm:ss,cc0; pos moves past it. Empty (and
// pos unchanged) when the characters there are no time.
QString HundredthsTime(const QString& line, qsizetype& pos);

// ---- Rows and reading loops -------------------------------------------------------

// The row of an entry whose line carries both its times: a bad line when
// either time is empty (no row); otherwise a new row, one more entry of the
// progress, and the two times. False when no row was started (a bad line,
// or the frame refused the row and the read stops).
bool StartTimedRow(ReaderFrame& f, const QString& start, const QString& end);

// A line of a frame-numbered one-line format: its start and end frame (read
// as leading numbers) and its text with "|" between the text lines.
struct FrameLine {
    QStringView start, end, text;
};
// Cuts a line as read into its parts; nothing when it does not fit.
using FrameLineSplit = std::optional<FrameLine> (*)(const QString& line);

// Reads every line of a frame-numbered one-line format: a blank line is
// passed over; any other is one more entry of the progress, and a bad line
// when `split` refuses it. A line that fits becomes a row: its frames as
// times at the current frame rate, its text cut at "|". The read stops when
// the frame refuses a row.
ReadOutcome ReadFrameLines(ReaderFrame& f, FrameLineSplit split);

// Reads a file of entries that each open with a line of their own: blank
// lines between entries are passed over, a line for which `opensEntry` is
// false is a bad line. An opening line starts a row (the read stops when the
// frame refuses it), counts as one more entry of the progress and is handed
// to `readEntry`, which reads the rest of the entry.
ReadOutcome ReadEntries(ReaderFrame& f, bool (*opensEntry)(const QString& line),
                        const std::function<void(const QString& line)>& readEntry);

} // namespace readers
