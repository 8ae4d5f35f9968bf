#pragma once
// The subtitle readers: one per format, each a small parser on the shared
// reader frame (document/ReaderFrame.h). A reader says three things: which
// Font tab controls its format supports, which lines its count pass counts
// (the estimate the reading limit checks before anything is cleared), and how
// its parse pass turns lines into rows through the frame.
//
// Readers show no windows of their own: a line that does not fit goes to the
// frame's badLine(), a line that makes further reading pointless to fail().

#include <QString>
#include <QStringList>

class ReaderFrame;

// Which Font tab controls a format supports: the Go button, the font-name
// list (with its toggle) and the style list (with its toggle).
struct FontTabSupport {
    bool goButton = false;
    bool fontNames = false;
    bool styles = false;
};

// How a parse pass ended: it read to the end of the file (bad lines passed
// over or answered), or it stopped early (rows read so far stay).
enum class ReadOutcome { Finished, Failed };

struct SubtitleReader {
    FontTabSupport fontTab;
    // The count pass adds one for each line (as read, untrimmed) this accepts.
    bool (*countsLine)(const QString& line) = nullptr;
    // The parse pass: reads the frame's lines to their end.
    ReadOutcome (*parse)(ReaderFrame& frame) = nullptr;
    // For formats whose subtitles take a varying number of lines: the count
    // pass takes the number of subtitles this finds in the whole file
    // instead of counting lines one by one.
    qsizetype (*countEntries)(const QStringList& lines) = nullptr;
};

// The reader of a format number, or null when the number is outside 1..16 or
// its format has no reader (the load then refuses the file and changes nothing).
const SubtitleReader* ReaderFor(int format);

// One object per format, each defined in its own file of this folder.
namespace readers {
// Whether a line opens with PowerDivX's two times in braces,
// "{hh:mm:ss}{hh:mm:ss}" (or one hour digit): detection and the reader take
// a line for one alike.
bool IsPowerDivXLine(QStringView line);

extern const SubtitleReader DvdSubtitle;     // dvdsubtitle.cpp
extern const SubtitleReader JacoSub;         // jacosub.cpp
extern const SubtitleReader MicroDvd;        // microdvd.cpp
extern const SubtitleReader Phoenix;         // phoenix.cpp
extern const SubtitleReader PowerDivX;       // powerdivx.cpp
extern const SubtitleReader RealTime;        // realtime.cpp
extern const SubtitleReader Sami;            // sami.cpp
extern const SubtitleReader SonicDvd;        // sonicdvd.cpp
extern const SubtitleReader SubRip;          // subrip.cpp
extern const SubtitleReader SubStationAlpha; // substationalpha.cpp
extern const SubtitleReader SubViewer1;      // subviewer1.cpp
extern const SubtitleReader SubViewer2;      // subviewer2.cpp
extern const SubtitleReader TmPlayer;        // tmplayer.cpp
extern const SubtitleReader TurboTitler;     // turbotitler.cpp
extern const SubtitleReader ViPlay;          // viplay.cpp
extern const SubtitleReader ZeroG;           // zerog.cpp
} // namespace readers
