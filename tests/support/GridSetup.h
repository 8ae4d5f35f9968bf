#pragma once
// A document set up straight in the grid, the font list and the node table,
// for the tests that start from lines they choose rather than from a load;
// and the parts read back from the node table.

#include "document/Document.h"
#include "document/NodeTable.h"
#include "platform/Grid.h"
#include "shell/Program.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

// "00:mm:ss,000" for a whole number of seconds below an hour.
QString timeAt(int seconds);

// Writes one line into the grid: its number in column 0, start and end in
// columns 1 and 2, and the texts from column 3 on (only as many as given).
void setLine(platform::Grid& grid, int row, const QString& start, const QString& end,
             const QStringList& texts);

// A line of a document: times, three text cells (those left out are empty)
// and its font entry.
struct Line {
    QString start, end;
    QString t1 = {}, t2 = {}, t3 = {};
    QString font = QStringLiteral("Arial;Western;Regular;16");
};
// The document holds exactly these lines, numbered from 1: the grid has them,
// the header row and the spare row; the font list has the header's empty entry
// and one entry a line.
void setLines(Program& p, const std::vector<Line>& lines);

// The colours of the part marks: an unmarked cell, a part's first row (its
// start cell) and a part's last row (its end cell).
inline constexpr platform::Color White = Document::White;
inline constexpr platform::Color Green = Document::PartStartGreen;
inline constexpr platform::Color Red = Document::PartEndRed;

// A part of the document: its first and last rows and its name.
struct Part {
    int first, last;
    QString name;
    bool operator==(const Part&) const = default;
    friend void PrintTo(const Part& p, std::ostream* out) {
        *out << p.first << "-" << p.last << " " << p.name.toStdString();
    }
};
// Entries 1..n of the node table become these parts, n the count and part 1
// the current one; entry 0 (the whole document) stays as it is.
void writeParts(NodeTable& nodes, const std::vector<Part>& parts);
// Entry i of the node table (0: the whole document).
Part partAt(const NodeTable& nodes, int i);
// Entries 1..Count of the node table.
std::vector<Part> partsOf(const NodeTable& nodes);
