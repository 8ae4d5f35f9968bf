#pragma once
// A table of up to 100 numbered entries (0 to 99), each with a first and a
// last grid row, a name and an in-index flag, plus the number of entries in
// use and the entry shown by previous/next navigation.
//
// The document keeps its parts in one (FileNodes: entry 0 is the whole
// document, entries 1..Count the parts); the collection window keeps its
// items in another. Every access is bounds-checked: reading an index outside
// 0..99 gives 0, "" or false, and writing one is refused (false), so no caller
// can write past the table. Row numbers are 16-bit values, as the node and
// collection files store them; a value outside that range is refused too.

#include <QString>
#include <array>

class NodeTable {
public:
    static constexpr int Size = 100;    // entries 0..99
    static constexpr int MaxCount = 99; // entries 1..99 can be in use

    static bool validIndex(int i) { return i >= 0 && i < Size; }

    int FirstRow(int i) const;
    bool setFirstRow(int i, int row);
    int LastRow(int i) const;
    bool setLastRow(int i, int row);
    QString Name(int i) const;
    bool setName(int i, const QString& name);
    // True (-1 in the files) = the entry is in the index; false = removed from
    // the index but kept.
    bool InIndex(int i) const;
    bool setInIndex(int i, bool on);

    // Entries 1..Count are in use (0..99; other values are refused).
    int Count() const { return count_; }
    bool setCount(int n);
    // The entry previous/next navigation shows (0..99; other values are refused).
    int Current() const { return current_; }
    bool setCurrent(int i);

    // Entry `to` takes all four fields of entry `from`; false when either is
    // outside the table.
    bool copyEntry(int from, int to);
    // Every entry back to 0, "" and false; Count and Current 0.
    void clear();

private:
    struct Entry {
        qint16 firstRow = 0;
        qint16 lastRow = 0;
        QString name;
        bool inIndex = false;
    };
    static bool fitsRow(int v) { return v >= -32768 && v <= 32767; }

    std::array<Entry, Size> entries_{};
    int count_ = 0;
    int current_ = 0;
};
