// Sonic DVD (.sub): no header; each subtitle is an entry line in fixed
// columns, up to two further text lines and an empty line that closes it:
//     0001  00:00:01:10  00:00:03:05  Hello
//     world
//     (empty)
// Columns 1-4 number the entry, 5-6 are blank, 7-17 and 20-30 hold the start
// and end time as hh:mm:ss:ff, the first text line starts at column 32; a
// file with one-digit hours moves the fields after them, so the times are
// found by their form. The last field is a frame count, turned into
// hundredths of a second with the
// frame rate chosen for the open file (the file names none).

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "document/readers/Common.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

#include <cmath>

namespace {

// The two blanks after the entry number mark an entry line.
bool IsEntryLine(const QString& line) {
    return line.size() >= 6 && line[4] == u' ' && line[5] == u' ';
}

bool CountsLine(const QString& line) {
    return IsEntryLine(line);
}

// The frame rate in thousandths of a frame per second (25.000 is 25000), so
// that the hundredths below come out exact; 0 when the rate is no number.
long long RateMilli(ReaderFrame& f) {
    const double rate = f.frameRate();
    return std::isfinite(rate) && rate > 0 && rate < 1e6 ? std::llround(rate * 1000) : 0;
}

// The hundredths of a second at which a frame is first on screen: frames x 100
// / rate, rounded up to a whole hundredth. A frame lasts more than three
// hundredths at every rate, so the hundredth still falls in that frame, and
// the writer (which takes the frame a time falls in) writes the same frame
// back. Frame 10 at 25 gives 40, frame 1 at 23.970 gives 5 (4.17 rounded up).
long long FrameHundredths(long long frames, long long rateMilli) {
    if (frames <= 0 || rateMilli <= 0) return 0;
    return (frames * 100000 + rateMilli - 1) / rateMilli;
}

// hh:mm:ss and a frame field as a time code. A frame count at or above the
// rate carries into the seconds.
QString FrameTimeCode(const readers::ClockField& field, long long rateMilli) {
    const double frames = std::floor(runtime::Val(runtime::TrimView(field.last)));
    const bool counted = frames > 0 && frames < 1e6; // the field holds two digits
    const long long hundredths =
        FrameHundredths(counted ? static_cast<long long>(frames) : 0, rateMilli);
    const QString time = readers::HundredthsCode(field.hms, QString::number(hundredths % 100));
    if (hundredths < 100) return time;
    const QString carry =
        QStringLiteral("00:00:%1,000").arg(hundredths / 100, 2, 10, QLatin1Char('0'));
    return TimeCalc(time, carry, QStringLiteral("+"));
}

// The two times after the entry number, found by their form (an hour may
// have one digit, blanks may stand between them), then the text.
bool ReadEntryTimes(QStringView line, qsizetype& pos, readers::ClockField& start,
                    readers::ClockField& end) {
    while (pos < line.size() && line[pos] == u' ')
        ++pos;
    if (!readers::ReadClockField(line, pos, start)) return false;
    while (pos < line.size() && line[pos] == u' ')
        ++pos;
    return readers::ReadClockField(line, pos, end);
}

// The entry line: its times and its text, the row's first line. A line whose
// times are no times is asked about; its row keeps all it holds after the
// entry number as text.
void ReadEntryLine(ReaderFrame& f, const QString& line, long long rateMilli) {
    qsizetype pos = 4;
    readers::ClockField start, end;
    if (!ReadEntryTimes(line, pos, start, end)) {
        f.badLine();
        f.addText(QStringView(line).mid(4));
        return;
    }
    f.setTimes(FrameTimeCode(start, rateMilli), FrameTimeCode(end, rateMilli));
    f.addText(QStringView(line).mid(pos)); // written even when empty: the row's first line is " "
}

// Further text lines up to the empty line that closes the entry (a line of
// blanks is text) or the end of the file.
void ReadContinuation(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        if (line.isEmpty()) return;
        f.addText(line);
    }
}

ReadOutcome Parse(ReaderFrame& f) {
    const long long rateMilli = RateMilli(f);
    return readers::ReadEntries(f, &IsEntryLine, [&f, rateMilli](const QString& line) {
        ReadEntryLine(f, line, rateMilli);
        ReadContinuation(f);
    });
}

} // namespace

const SubtitleReader readers::SonicDvd{{false, false, false}, &CountsLine, &Parse};
