#pragma once
// Pieces several readers share: the count-pass rules of line formats,
// turning a frame number into a time with the frame rate chosen for the open
// file, cutting an entry's text into the row's text lines, the time fields
// read by hand, the row steps and the reading loops that formats of the same
// build have in common.

#include "document/readers/Readers.h"

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>

class ReaderFrame;

namespace readers {

inline bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Nothing but blanks, or nothing: such a line never becomes a row.
bool IsBlankLine(QStringView line);

// Where a tag (lower case, opening with a mark such as "<" or "&") stands in
// the text from `from` on, in any letter case, or -1. The mark is looked for
// first: most of a line is text without it.
qsizetype FindTag(QStringView text, QLatin1String tag, qsizetype from = 0);

// The leading digits of the two characters from `from`: a size as mark-up
// names it ("24pt" gives 24, "8pt" 8, "100%" 10, "large" nothing).
QString TwoDigitSize(const QString& line, qsizetype from);

// ---- Count pass -----------------------------------------------------------------

// Formats of one subtitle per line: every line that is not blank is counted.
bool CountsNonBlankLine(const QString& line);

// A marker word of a format's subtitle lines, spelled in lower case.
template <std::size_t N> struct MarkerWord {
    char text[N]{};
    constexpr MarkerWord(const char (&word)[N]) { std::copy_n(word, N, text); }
    QLatin1String view() const { return QLatin1String(text, static_cast<qsizetype>(N - 1)); }
};

// Formats whose subtitle lines carry a marker word: a line holding it, in any
// letter case, is counted (&CountsLineHolding<"ntp">).
template <MarkerWord Word> bool CountsLineHolding(const QString& line) {
    return line.contains(Word.view(), Qt::CaseInsensitive);
}

// The time of a frame number at the current frame rate (FrameRateText):
// seconds = frames / rate, written with 15 significant digits and turned
// into a time code that keeps the first three digits after the point. The
// frame shifts it by the append offset when it writes the cell. A rate of 0
// gives 00:00:00,000. A negative frame number (before the start of the film)
// keeps its sign in the program's negative form ("-1:59:53,440"), so that
// it is written back as the same frame. Empty for a frame whose time no
// document holds.
QString FrameTime(ReaderFrame& frame, double frames);

// What follows a row's third text line has no column: unless it is blank,
// it is a bad line (the user is asked, as for any text the row cannot keep).
void TextPastTheRow(ReaderFrame& frame, QStringView rest);

// Cuts text at `lineBreak` (in any letter case with Qt::CaseInsensitive)
// into the current row's text lines, from column 3 on: at most three pieces,
// each " " + the trimmed piece (an empty piece gives " "). What follows the
// third goes to TextPastTheRow.
void AddTextLines(ReaderFrame& frame, QStringView text, QStringView lineBreak,
                  Qt::CaseSensitivity cs = Qt::CaseSensitive);

// The text lines of formats that put "|" between them.
void BarSplit(ReaderFrame& frame, QStringView text);

// ---- Time fields ----------------------------------------------------------------

// A clock time "h:m:s" with one or two digits each, an optional "-" before
// it and an optional fraction of one to three digits after "." or ":".
// Read by hand: a file holds thousands.
struct Clock {
    bool negative = false;
    int hours = 0, minutes = 0, seconds = 0, millis = 0;
};

// How a format writes its clocks: the marks that may open the fraction (none:
// the clock has whole seconds only) and whether blanks around the clock are
// passed over.
struct ClockForm {
    QStringView fractionMarks = u".:";
    bool blanksAround = true;
};

// The clock at the start of t (blanks around it skipped, as the form allows);
// `end` is set past it. False when t holds no clock there. A fraction of
// fewer than three digits gains zeros: ".35" is 350 ms.
bool ReadClock(QStringView t, Clock& c, qsizetype& end, const ClockForm& form = {});

// hh:mm:ss,fff; a clock before zero in the program's own negative form.
QString TimeCodeOf(const Clock& c);

// The time code of a clock that fills all of t, or empty when t is no clock
// of the form (or holds more than it).
QString ClockTimeCode(QStringView t, const ClockForm& form = {});

// The times a document holds: up to 99:59:59,999, and back to nine hours
// before zero, the farthest the program's negative form reaches
// ("-9:00:00,000"). A number a file gives is checked against these before
// any arithmetic is done on it.
constexpr long long LatestMillis = 99LL * 3600000 + 3599999;
constexpr long long EarliestMillis = -9LL * 3600000;
bool WithinDocumentTimes(double ms);

// A number of milliseconds as a time code; a number below zero gives the
// program's negative form. Empty for a time no document holds.
QString MillisTime(long long ms);

// A time read by position: h:mm:ss and its hundredths, each trimmed, as
// h:mm:ss,cc0 (one hundredths digit gains a "0" before it).
QString HundredthsCode(QStringView hms, QStringView hundredths);

// A time field "h:mm:ss?ff" found by its form, not by its columns: the
// clock (one or two hour digits, or "-" and one digit, the program's form of
// a time before zero), any one character, then the two characters of the
// last field (frames or hundredths, as the format counts them; fewer where
// the line ends). A one-digit hour moves every field after it.
struct ClockField {
    QString hms;      // hh:mm:ss ("-h:mm:ss" as it stands)
    QStringView last; // the last field as it stands
};
// The field at pos; pos moves past it. False (pos unchanged) when no clock
// stands there.
bool ReadClockField(QStringView line, qsizetype& pos, ClockField& field);

// "h:mm:ss?cc" at pos (one or two hour digits, any one character before the
// hundredths) as the time code hh:mm:ss,cc0; pos moves past it. A "-" before
// it is a time that far before zero. Empty (and pos unchanged) when the
// characters there are no time.
QString HundredthsTime(const QString& line, qsizetype& pos);

// ---- Rows and reading loops -------------------------------------------------------

// The row of a line that opens with two hundredths times (HundredthsTime at
// pos, the second after the separator that `skip` moves pos past), as
// StartTimedRow makes it; pos ends past the second time.
bool StartHundredthsRow(ReaderFrame& f, const QString& line, qsizetype& pos,
                        void (*skip)(const QString& line, qsizetype& pos));

// Whether the time routines, which read a time code by the position of its
// characters, find digits where they read them ("00:00:01.500" does; a
// field taken from the wrong columns, "0:00:10:,000", does not).
bool ReadsAsTime(QStringView time);

// A new row at a start time: one more entry of the progress and the time.
// False when the frame refused the row (the read stops). A time that does
// not read as one is a bad line, and is not written: the time routines
// would make it 00:00:00,000.
bool AddTimedRow(ReaderFrame& f, const QString& start);
// The same with its end time, written as it is (even when empty).
bool AddTimedRow(ReaderFrame& f, const QString& start, const QString& end);

// The row of an entry whose line carries both its times: a bad line when
// either time is empty (no row); otherwise a new row, one more entry of the
// progress, and the two times. False when no row was started (a bad line,
// or the frame refused the row and the read stops).
bool StartTimedRow(ReaderFrame& f, const QString& start, const QString& end);

// Hands every line that is not blank to `read`, to the end of the file (or
// until the read stops).
ReadOutcome ReadNonBlankLines(ReaderFrame& f, const std::function<void(const QString& line)>& read);

// A line of a frame-numbered one-line format: its start and end frame (read
// as leading numbers) and its text with "|" between the text lines.
struct FrameLine {
    QStringView start, end, text;
};
// Cuts a line as read into its parts; nothing when it does not fit.
using FrameLineSplit = std::optional<FrameLine> (*)(const QString& line);

// Reads every line of a frame-numbered one-line format: a blank line is
// passed over; any other is one more entry of the progress, and a bad line
// when `split` refuses it or a frame's time is one no document holds. A line
// that fits becomes a row: its frames as
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
