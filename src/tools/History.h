#pragma once
// The change history: a snapshot of the document before each change, listed
// with the action and its details so that the user can go back. Until the
// history window exists this keeps the list of snapshots in memory.

#include <QString>
#include <vector>

class Program;

class History {
public:
    explicit History(Program& p);

    struct Snapshot {
        QString action;
        QString details;
    };

    // Saves a snapshot before a change.
    void SaveSnapshot(const QString& action, const QString& details);
    // Empties the history (after a load), enables the editing tab rows again
    // and the file menu's Add, Save, Print and Preview.
    void ClearHistoryWindow();

    const std::vector<Snapshot>& snapshots() const { return snapshots_; }

private:
    Program& p_;
    std::vector<Snapshot> snapshots_;
};
