#pragma once
// Collection files: several subtitle files ("items") kept together under one
// title in \Data\Files\<name>.dbs, written whole or not at all. Line by line:
// the program version, "<File>", the title, "</File>", "<Data>", the item
// count, the entries 0..count as "first,last:name" and an in-index digit,
// "</Data>", "<Subs>", the subtitle lines, "</Subs>". Entry 0 stands for the
// whole document (or carries the collection's title); entries 1..count are
// the items, whose first and last numbers count the lines of the <Subs>
// section from 1. A subtitle line is the line's number padded to four digits,
// then "|" before the start, the end and the three text lines. Each item's
// times run from the end of the item before it, so an item keeps the times
// of the file it came from. Files::LoadDbsFile reads the layout back.

#include "runtime/StoreMerge.h"

#include <QString>
#include <QStringList>

class NodeTable;
class Program;

namespace collection {

// Where SaveDbsFile takes the collection from.
enum Source { FromEditor = 0, FromCollection = 1 };

// The collection file of a subtitle file: every "." becomes "(" and ").dbs"
// follows (movie.srt gives movie(srt).dbs); a name already ending in ").dbs"
// stays as it is.
QString FileNameFor(const QString& subtitleName);
// Entry i as the file keeps it: "first,last:name" and "1" (in the index) or
// "0" (removed from it).
QString EntryLine(const NodeTable& t, int i);
// One subtitle line of grid row `row`, its times taken off `base`.
QString SubtitleLine(Program& p, int row, const QString& base);

// The collection of the document's parts (FileNodes), titled with the
// current file's full path.
QStringList DocumentLines(Program& p);
// The lines of an open collection: its items and the lines of its <Subs>
// section. With allLines every buffered line is written as it stands.
// Without, only the lines of items 1..Count are written, item by item: the
// items then take their new places (entry 0 the whole section) and every
// line's number becomes its new place, so that an item that lost lines
// before it still points at its own; items and buffer are changed to match.
QStringList CollectionLines(const QString& version, NodeTable& items, QStringList& buffer,
                            bool allLines);

// The open collection as one store of the one store mechanism
// (runtime/StoreMerge.h): its title, and its items, each known by its
// subtitle lines (without the line numbers, which a Delete renumbers) and
// holding its name and its in-index mark. A rename, remove or delete of the
// other Mirel's stays; an item both changed takes this Mirel's change, told.
class CollectionRecords : public runtime::RecordStore {
public:
    CollectionRecords(Program& p, NodeTable& items, QStringList& buffer)
        : p_(p), items_(items), buffer_(buffer) {}
    // The file in \Data\Files the collection was read from.
    QString file;

protected:
    runtime::StoreRecords HeldRecords() const override;
    bool FileRecords(runtime::StoreRecords& records, QString* error) const override;
    bool WriteRecords(const runtime::StoreRecords& merged, QString* error) override;
    runtime::StoreRules Rules() const override { return {Qt::CaseSensitive, false, 0, false}; }

private:
    Program& p_;
    NodeTable& items_;
    QStringList& buffer_;
};

} // namespace collection

// Writes a collection file into \Data\Files: from the document (source 0;
// the name is the subtitle file's, turned into the collection's by
// FileNameFor) or from the collection the collection window has open
// (source 1, under the name as given: merged with what another Mirel wrote
// since the window read it, see CollectionRecords). The file is replaced
// whole or not at all; a file that cannot be written is reported and false
// returned.
bool SaveDbsFile(Program& p, const QString& name, int source, bool allLines);
