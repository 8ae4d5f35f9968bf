#pragma once
// The change history: before each change of the document a tool saves a
// snapshot of the whole document (a numbered file in the scratch folder) and
// a list entry with what it did and the details; the history window lists
// them, and restoring one puts the document back as it was before that
// change. Restoring adds nothing to the list and removes nothing from it.
//
// Snapshots are numbered 0000 to 9999 in the order taken; a load empties the
// history and numbering starts again at 0000.

#include <QString>
#include <vector>

class Program;
struct SnapshotContent;

class History {
public:
    explicit History(Program& p);

    // Four digits number the snapshots: 0000 to 9999.
    static constexpr int MaxSnapshots = 10000;

    struct Snapshot {
        QString entry;   // "0003 [date,time] action": the history list's line
        QString action;  // what was done
        QString details; // the comment the window shows for it
    };

    // Saves a snapshot before a change. False, after telling the user why,
    // when none could be kept (the history is full or the file could not be
    // written); the caller then makes no change.
    bool SaveSnapshot(const QString& action, const QString& details);
    // Puts the document back into the snapshot that a history entry of this
    // document's history names by its first four characters. The file is read and checked whole
    // first: a snapshot that is missing or damaged leaves the document as it was and says so
    // (false).
    bool RestoreSnapshot(const QString& entry);
    // Empties the history (after a load), enables the editing tab rows again
    // and the file menu's Add, Save, Print and Preview.
    void ClearHistoryWindow();
    // History menu: the history window, modally, over the main window.
    void MenuHistory();
    // At the start: whether the program folder takes this run's files (it may
    // be written and has MinRoom free). When it does not, the user is told
    // once, plainly, and the document is then edited without snapshots
    // (SaveSnapshot keeps none and refuses nothing). A snapshot that later
    // finds no room does the same.
    void CheckProgramFolder();
    static constexpr double MinRoom = 16 * 1024; // bytes
    bool off() const { return off_; }

    const std::vector<Snapshot>& snapshots() const { return snapshots_; }
    // The file of snapshot `number`.
    QString SnapshotFile(int number) const;
    static QString SnapshotNumber(int number);

private:
    QString NewEntry(const QString& number, const QString& action) const;
    void Restore(const SnapshotContent& content);
    void RestoreGrid(const SnapshotContent& content);
    void RestoreParts(const SnapshotContent& content);
    void FitFontList();
    void ReleaseEditing();
    void Tell(const QString& text);
    bool GoOnWithout(const QString& error);
    bool GoOnOverSizeLimit(const QString& error);
    QString NearestScratchFolder() const;
    static double FreeRoom(const QString& folder);
    // Snapshots stop for this run; `what` says why, `kept` how sure the loss
    // of the state files is ("are not", "may not be").
    void TurnOff(const QString& what, const QString& title, const QString& kept);

    Program& p_;
    std::vector<Snapshot> snapshots_;
    bool off_ = false; // the program folder cannot be written
};
