#pragma once
// Subtitle format numbers and the recognition of a format from a file's lines.
//
// Format numbers run from 1 to 16 in alphabetical order of the format names;
// 0 means that no format is chosen (detect it) or none was recognised. The
// same number picks the reader, the writer, the format lists of the main
// window (list index number - 1) and the file chooser's type entry (number + 1).

#include <QString>
#include <QStringList>

namespace Format {
enum : int {
    None = 0,
    DvdSubtitle = 1,
    JacoSub = 2,
    MicroDvd = 3,
    Phoenix = 4,
    PowerDivX = 5,
    RealTime = 6,
    Sami = 7,
    SonicDvd = 8,
    SubRip = 9,
    SubStationAlpha = 10,
    SubViewer1 = 11,
    SubViewer2 = 12,
    TmPlayer = 13,
    TurboTitler = 14,
    ViPlay = 15,
    ZeroG = 16,
    Count = 17, // numbers 0..16
};
}

// The format one line announces, or 0. The line is trimmed of blanks and
// lower-cased; the tests are tried in a fixed order and the first that holds
// decides (a line starting with "#" is always JACOSub, a PowerDivX line is
// tested before the MicroDVD line it also resembles).
int DetectFormat(const QString& line);

// Whether a request runs the detection: 0 (detect) and the five formats that
// share the extension .sub, which a file name cannot tell apart.
bool IsDetectedRequest(int requested);

// The format a file is read in. Request 0 looks at the lines in order until
// one announces a format (0 when none does); a .sub-family request looks at
// the first line only and keeps the requested format unless that line
// announces another; every other request is taken as it stands.
int DetectFileFormat(const QStringList& lines, int requested);
