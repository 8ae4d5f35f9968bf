#pragma once
// The sixteen subtitle layouts (1 DVD Subtitle to 16 Zero G), each named in
// the table of file types (document/Formats.h): a format's header lines,
// footer lines and the lines that one subtitle row becomes. The writer re-bases a row's
// times against its part and hands the row here; nothing in this file reads
// the grid or touches a file.
//
// The time pieces a layout takes from a re-based time code R ("hh:mm:ss,fff",
// or "-h:mm:ss,fff" before the part's start), by character position: full (R),
// hms (1-8), tenth (1-10), clock (h:mm:ss, the whole hour count without a
// leading zero: 0:20:30, 10:20:30), cs
// (10-11, hundredths truncated), ms (R in whole milliseconds), frame (R in
// seconds times the frame rate, rounded down) and cs-frame (cs / 100 times the
// frame rate, kept with its fraction).

#include <QString>
#include <QStringList>
#include <array>

namespace subtitle_formats {

// What the layouts need beyond the row itself.
struct LayoutContext {
    // Frames per second in thousandths (25.000 is 25000), so that frame numbers
    // come out exact: 4.100 s at 30.000 is frame 123, never 122.
    long long frameRateMilli = 25000;
    QString fontName;   // the SubViewer 2.0 header's font
    QString boldWord;   // the FontSpec words that make a line bold or italic
    QString italicWord; // (JACOSub 2.7+ and SubRip)
};

// One grid row as a layout sees it.
struct RowInput {
    QString start, end;           // re-based times as shown ("-00:00:01,000" before zero)
    std::array<QString, 3> cells; // the text cells as stored (not trimmed)
    QString fontSpec;
    int number = 0; // the row's line number within its part (1 for the first)
    int row = 0;    // its row in the grid, to name it in a message
};

struct Layout {
    QStringList (*header)(const LayoutContext&); // null: no header
    QStringList (*footer)();                     // null: no footer
    // Appends the row's lines. Returns "" or, when a number does not fit its
    // field, a description of it (and appends nothing).
    QString (*row)(const LayoutContext&, const RowInput&, QStringList&);
};

// The layout of a format number 1..16; null for any other number.
const Layout* LayoutOf(int format);

// One layout per format.
namespace layouts {
extern const Layout DvdSubtitle, JacoSub, MicroDvd, Phoenix, PowerDivX, RealTime, Sami, SonicDvd,
    SubRip, SubStationAlpha, SubViewer1, SubViewer2, TmPlayer, TurboTitler, ViPlay, ZeroG;
} // namespace layouts

// Frames per second in thousandths from a frame-rate text ("23.970" -> 23970).
long long FrameRateMilli(const QString& frameRateText);

} // namespace subtitle_formats
