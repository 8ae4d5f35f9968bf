#pragma once
// The history window: one line per snapshot ("0003 [date,time] action"), the
// details of the chosen one, and Restore and Close. A borderless window,
// dragged by its top strip; it opens over the main window and hides (keeping
// its lists) on Close, Escape or the window system's close.

#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class frmHistory : public platform::Form {
public:
    explicit frmHistory(Program& p);

    enum Button { Close = 0, Restore = 1 };

    platform::PictureBox pMove;                       // the drag strip
    platform::Label Label1;                           // "History", on the strip
    platform::Label Label2;                           // "Undo any Changes"
    platform::Label Label3;                           // "History List"
    platform::ListBox List1;                          // one entry per snapshot
    platform::ListBox List2;                          // hidden: the details of each entry of List1
    platform::Label lblHistComment;                   // the details of the chosen entry
    platform::ControlArray<platform::Label> Command1; // Close, Restore

    // A snapshot's entry shows its details; Restore becomes possible.
    void HistoryListClick();
    // Restore puts the document back to the chosen snapshot; any button hides the window.
    void HistoryButtonClick(int index);

    // Keeping the lists in step with the history.
    void AddEntry(const QString& entry, const QString& details);
    void ClearEntries();
    // Centres the window over another one (kept on the screen).
    void CentreOver(const platform::Form& owner);

private:
    void layOut();
    void wire();

    Program& p_;
};
