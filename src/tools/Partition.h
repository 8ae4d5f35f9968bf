#pragma once
// The partition engine's checks and files. Before a span list is written its
// items are checked as a whole: every part name must be a plain file name,
// every length a time code, and no two parts may write the same file; a list
// that fails is reported before any file is touched. Previews are numbered
// files in the scratch folder, read back one part at a time.

#include <QString>
#include <vector>

namespace platform {
class Grid;
}
namespace runtime {
class ProgramFolder;
}
class TextTables;

namespace partition {

// One item of the span list: its file name cell and its length cell.
struct SpanItem {
    QString name;
    QString length;
};

// The items of a span list: rows 1 to Rows - 2 (the last row is the spare one).
std::vector<SpanItem> SpanItems(const platform::Grid& list);

// The file a part writes, without folder: its name up to the first "." and
// the format's extension ("cd1.avi" in SubRip is "cd1.srt").
QString PartFileName(const QString& name, int format);

// Why a part's name cannot name a file beside the current one ("" when it
// can): nothing before its first ".", a folder separator, a drive colon or a
// control character.
QString NameProblem(const TextTables& t, const QString& name);

// Whether a length reads as a time code: "hh:mm:ss,fff" (or "." before the
// thousandths), minutes and seconds below 60.
bool IsLength(const QString& length);

// The first reason the items cannot be written, as a message ("" when they
// can). Names are checked only where they name files (not for previews).
QString CheckSpanItems(const TextTables& t, const std::vector<SpanItem>& items, int format,
                       bool namesMatter);

// Preview files: "Splitprv." and the item number in three digits, in the
// scratch folder.
constexpr int PreviewLimit = 999;
QString PreviewFile(const runtime::ProgramFolder& folder, int item);
// Removes every preview file; a file that cannot be removed is left.
void DeletePreviewFiles(const runtime::ProgramFolder& folder);
// The whole text of a preview file, CR LF between its lines; "" when it is
// missing or cannot be read.
QString ReadPreview(const QString& path);

// "# n = label": the label is the item's name up to its first "." and the
// format's name in brackets; a label over 70 characters shows its first and
// last 33 characters around " .. ".
QString PreviewCaption(int item, const QString& name, const QString& formatName);

} // namespace partition
