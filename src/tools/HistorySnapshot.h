#pragma once
// The layout of a history snapshot file: the whole document (grid cells of
// columns 1 to 5 and the part table) as lines of text.
//
//   line 1      the program version, ":=" and R, the grid's rows below the
//               header (the spare row included)
//   line 2      the number of parts
//   line 3      the part the range toggles last chose
//   4 per part  for parts 0 to the count: name, first row, last row, "1" when
//               the part is in the index, else "0"
//   5 per row   for rows 1 to R: start, end and the three text lines, each
//               exactly as the grid holds it
//
// Numbers on lines 2 and 3 and the rows are written with a blank in the sign
// position (" 12") and read back whatever blanks surround them.

#include <QString>
#include <QStringList>
#include <vector>

class NodeTable;
namespace platform {
class Grid;
}

struct SnapshotPart {
    QString name;
    int firstRow = 0;
    int lastRow = 0;
    bool inIndex = false;
};

struct SnapshotContent {
    int rows = 0; // R: the grid's rows below the header
    int current = 0;
    std::vector<SnapshotPart> parts; // parts 0 to the count
    QStringList cells;               // columns 1 to 5 of rows 1 to R, row by row
};

// The columns a snapshot keeps: start, end and three text lines.
constexpr int SnapshotFirstCol = 1, SnapshotCols = 5;

// Writes a snapshot of the document as it stands whole or not at all (UTF-8,
// CR LF line ends): into a file beside it, renamed over it once every byte is
// written. The text goes out in small pieces as it is encoded, so a snapshot
// of ten thousand rows takes no buffer of the whole file. A scratch file lives
// for one run, so it is not synced to the disk. False with `error` ("Cannot
// write <path>: <reason>") when it fails; an old file stays then. *failure,
// where given, receives the system's error number (ENOSPC for a full disk,
// EFBIG for a file-size limit), 0 when it gave none.
bool WriteSnapshotFile(const QString& path, const QString& version, const platform::Grid& grid,
                       const NodeTable& parts, QString& error, int* failure = nullptr);

// Reads the lines of a snapshot file. False, with `fault` saying what is
// wrong, unless they make one whole snapshot: a row count the grid can hold,
// a part table that fits, row numbers a grid row can have, and exactly the
// lines these call for.
bool ParseSnapshot(const QStringList& lines, SnapshotContent& content, QString& fault);
