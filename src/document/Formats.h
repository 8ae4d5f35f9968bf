#pragma once
// The one table of Mirel's file types. Entries 1 to 16 are the subtitle
// formats, numbered in alphabetical order of their names; entry 0 is the file
// chooser's "Supported files", entries 17 to 21 its other types (setting
// files, video, audio, macros, calculator tablets). Detection, the readers,
// the writer, file information, the chooser, the Save-type preset and the
// format lists of the main window all read their facts from here.

#include <QString>
#include <QStringList>

struct SubtitleReader;
namespace subtitle_formats {
struct Layout;
}

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
} // namespace Format

// The chooser's file types beyond the sixteen formats (list positions).
namespace FileType {
enum : int {
    Supported = 0,
    Settings = 17,
    Video = 18,
    Audio = 19,
    Macro = 20,
    Tablet = 21,
    AllFiles = 22,
    Count = 23,
};
} // namespace FileType

struct FileTypeEntry {
    int number;
    // The format's name ("SubRip"); for the other types their chooser text.
    const char* name;
    // The name in the partition and download format lists, where it differs.
    const char* listName;
    // The extensions, ";"-separated, each with its ".": the first is the one
    // the writer gives; a file with any of them is of this type.
    const char* extensions;
    // The chooser's entry: a description, "|" and the patterns.
    const char* filter;
    // Whether the format keeps a line's font (name, style) in its files.
    bool carriesFonts;
    // Whether the format counts time in frames at the file's frame rate.
    bool frameBased;
    const SubtitleReader* reader;           // null for the other types
    const subtitle_formats::Layout* layout; // null for the other types
};

namespace formats {

constexpr int FormatCount = 16;

// The entry of a chooser type 0..21 (subtitle formats 1..16); null otherwise.
const FileTypeEntry* Entry(int type);
// The entry of a subtitle format 1..16; null otherwise.
const FileTypeEntry* Subtitle(int format);
bool IsSubtitleFormat(int number);

// The display name of a format 1..16; "" otherwise.
QString Name(int format);
// A format's name in the partition and download lists.
QString ListName(int format);
// The name the status bar and the file information show: the chooser
// entry's description ("Synch. Accessible Media Interchange").
QString StatusName(int format);
// The extension the writer gives (".srt"); "" for a number outside 1..16.
QString WrittenExtension(int format);
// Every extension of a type (".smi", ".sami").
QStringList Extensions(int type);
// The chooser's entry of a type 0..21; "" otherwise.
QString Filter(int type);
// The formats that own an extension (compared without case): one for ".srt",
// five for ".sub".
QList<int> FormatsWithExtension(const QString& extension);

// The extension of a file name, with its "." ("" for none). Only the name
// after the last "/" is looked at, so a dotted folder keeps its name.
QString ExtensionOf(const QString& fileName);
// Whether an extension is one of a type of this table (".srt", ".mp4").
bool IsTypeExtension(const QString& extension);
// A file name with a format's extension: an extension that is already one of
// the format's (in any case) stays, so the name still names the file that was
// read ("LOUD.SRT" stays "LOUD.SRT"), and so does one that no type has
// (".bak"), which is part of the name the user gave; the extension of another
// type is replaced and a name without one gets the format's.
QString WithExtension(const QString& fileName, int format);

} // namespace formats
