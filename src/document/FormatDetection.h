#pragma once
// The recognition of a subtitle format from a file's lines. Format numbers
// (document/Formats.h) run from 1 to 16; 0 means that no format is chosen
// (detect it) or none was recognised.

#include "document/Formats.h"

#include <QString>
#include <QStringList>

// The format one line announces, or 0. The line is trimmed of blanks and
// lower-cased; the tests are tried in a fixed order and the first that holds
// decides (a line starting with "#" is always JACOSub, a PowerDivX line is
// tested before the MicroDVD line it also resembles).
int DetectFormat(const QString& line);

// Whether a request runs the detection: 0 (detect) and the five formats that
// share the extension .sub, which a file name cannot tell apart.
bool IsDetectedRequest(int requested);

// The format a file is read in. Request 0 looks at the lines in order until
// one announces a format; when none does, a DVD Subtitle time line ("{T" and
// a number) makes a DVD Subtitle file without its header; otherwise 0. A
// .sub-family request looks at
// the first line only and keeps the requested format unless that line
// announces another; every other request is taken as it stands.
int DetectFileFormat(const QStringList& lines, int requested);
