#pragma once
// The one way a store that two Mirels on one program folder write is merged
// (the macros, their wizard data and the plug-ins, the tablets' cells, the
// collections, the recent files, the search history, the settings). A store
// is a list of records, each known by its name; a Mirel keeps the store as it
// last read or wrote it (the base) and, at each write, merges what it holds
// now with what the file holds now, record by record:
//   - a record only this Mirel changed (added, edited, deleted) is taken as
//     this Mirel holds it;
//   - one only the other changed is taken as the file holds it;
//   - one both changed alike is taken once;
//   - one both changed apart: with copies, this Mirel's under its name and
//     the other's under "name (2)" (the first free number), else this
//     Mirel's; told either way;
//   - a deletion that meets the other's later edit gives way to the edit,
//     and is told; an edit that meets the other's deletion stands, told
//     (and the deleter is told at its next write that the record is back).
// Nothing one Mirel changed is lost unsaid. Records keep the file's order;
// this Mirel's new ones follow.

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace runtime {

struct StoreRecord {
    QString name;
    QStringList content;
    bool operator==(const StoreRecord&) const = default;
};
using StoreRecords = std::vector<StoreRecord>;

struct StoreRules {
    // Whether two names that differ in case only name one record.
    Qt::CaseSensitivity names = Qt::CaseInsensitive;
    // Whether a record both changed apart is kept twice (false: this Mirel's).
    bool copies = true;
    // Which content line the user knows a record by, where its name is an
    // identity the user never sees (-1: the name).
    int shownLine = -1;
    // Whether the user renames records: a record gone under its name may
    // live on under another, and the words say so.
    bool renames = true;
};

struct MergedRecords {
    StoreRecords records;
    // One sentence per record that needed a choice, for the user.
    QStringList told;
    // Per sentence: the sentence with the records it is about, so that a store
    // tells one choice once, and the same words about new changes again.
    QStringList toldKeys;
    // Whether the result differs from what the file holds (it needs writing).
    bool changesFile = false;
};

MergedRecords MergeRecords(const StoreRecords& base, const StoreRecords& mine,
                           const StoreRecords& theirs, const StoreRules& rules = {});

// One store that two Mirels write. A store names its records (HeldRecords,
// FileRecords: the one place that says what a record is and what names it)
// and writes them (WriteRecords); this class keeps the base, merges and
// decides whether to write. The store is told of each change (Save): it
// writes when the merge differs from the file, so a store nobody changed is
// never written, and a failed write leaves the change in memory and the
// base as it was, to be written at the next Save.
class RecordStore {
public:
    virtual ~RecordStore() = default;

    // Merges what this Mirel holds with the file and writes the result when
    // it differs from the file. False when the file could not be read or
    // written (*error says why); `told` gains the sentences for the user
    // that this store has not told before.
    bool Save(QStringList& told, QString* error);
    // After a read: what this Mirel holds now is the store as read.
    void TakeBase() { base_ = HeldRecords(); }
    const StoreRecords& base() const { return base_; }
    // True when the last Save could not write what this Mirel changed.
    bool unsaved() const { return unsaved_; }

protected:
    virtual StoreRecords HeldRecords() const = 0;
    // False when the file exists but cannot be read (nothing is then
    // written: a merge with nothing would delete every record).
    virtual bool FileRecords(StoreRecords& records, QString* error) const = 0;
    virtual bool WriteRecords(const StoreRecords& merged, QString* error) = 0;
    virtual StoreRules Rules() const { return {}; }

private:
    void TellDeletedSinceChanged(const StoreRecords& held, const StoreRecords& file,
                                 QStringList& told);
    void KeepDeleted(const StoreRecords& held, const StoreRecords& merged);

    StoreRecords base_;
    QSet<QString> toldBefore_;
    // What this Mirel deleted and wrote, as it was: another Mirel that
    // still held it may write it back changed, and the deleter is told.
    StoreRecords deleted_;
    bool unsaved_ = false;
};

} // namespace runtime
