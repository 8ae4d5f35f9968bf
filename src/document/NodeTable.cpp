#include "document/NodeTable.h"

namespace {
std::size_t slot(int i) {
    return static_cast<std::size_t>(i);
}
} // namespace

int NodeTable::FirstRow(int i) const {
    return validIndex(i) ? entries_[slot(i)].firstRow : 0;
}

bool NodeTable::setFirstRow(int i, int row) {
    if (!validIndex(i) || !fitsRow(row)) return false;
    entries_[slot(i)].firstRow = static_cast<qint16>(row);
    return true;
}

int NodeTable::LastRow(int i) const {
    return validIndex(i) ? entries_[slot(i)].lastRow : 0;
}

bool NodeTable::setLastRow(int i, int row) {
    if (!validIndex(i) || !fitsRow(row)) return false;
    entries_[slot(i)].lastRow = static_cast<qint16>(row);
    return true;
}

QString NodeTable::Name(int i) const {
    return validIndex(i) ? entries_[slot(i)].name : QString();
}

bool NodeTable::setName(int i, const QString& name) {
    if (!validIndex(i)) return false;
    entries_[slot(i)].name = name;
    return true;
}

bool NodeTable::InIndex(int i) const {
    return validIndex(i) && entries_[slot(i)].inIndex;
}

bool NodeTable::setInIndex(int i, bool on) {
    if (!validIndex(i)) return false;
    entries_[slot(i)].inIndex = on;
    return true;
}

bool NodeTable::setCount(int n) {
    if (n < 0 || n > MaxCount) return false;
    count_ = n;
    return true;
}

bool NodeTable::setCurrent(int i) {
    if (!validIndex(i)) return false;
    current_ = i;
    return true;
}

bool NodeTable::copyEntry(int from, int to) {
    if (!validIndex(from) || !validIndex(to)) return false;
    entries_[slot(to)] = entries_[slot(from)];
    return true;
}

void NodeTable::clear() {
    entries_.fill(Entry{});
    count_ = 0;
    current_ = 0;
}
