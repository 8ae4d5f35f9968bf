#pragma once
// The progress window: the log of a long operation, its progress bar, the
// closing status line and the "close when finished" box. One window for the
// whole run; closing it, its Ok button and going to another window only hide
// it, so the log and the box keep their state. A borderless window, dragged by
// its top strip, that opens over the main window.

#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/RichTextBox.h"
#include "shell/SmallWindowFrame.h"

class Program;

class frmControl : public SmallWindowFrame {
public:
    explicit frmControl(Program& p);

    platform::Label Label1;             // "Info"
    platform::RichTextBox Text1;        // the log; refresh() after adding a line shows it
    platform::ProgressBar ProgressBar1; // percent done, 0 to 100
    platform::Label lblEnd;             // how the operation ended
    platform::CheckBox chkClose;        // 1: hide the window when an operation ends
    platform::Label cmdOk;              // hides the window

    // A load starts: the window shows with its bar, an empty log and no
    // status yet (a load says how it ended only when it has).
    void StartLoadLog();
    // A load ended: the status line says the file was read, or that it was
    // not, unless the load already set it (bad lines, a failure); the window
    // hides when "close when finished" is ticked.
    void EndLoadLog(bool read);

    void cmdOkClick();

private:
    void layOut();

    Program& p_;
};
