#pragma once
// The progress window: the log of a long operation, its progress bar, the
// closing status line and the "close when finished" box. One window for the
// whole run; closing it only hides it, so the log and the box keep their state.
// A borderless window, dragged by its top strip.

#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/RichTextBox.h"

class Program;

class frmControl : public platform::Form {
public:
    explicit frmControl(Program& p);

    platform::PictureBox pMove;         // the drag strip
    platform::RichTextBox Text1;        // the log; refresh() after adding a line shows it
    platform::ProgressBar ProgressBar1; // percent done, 0 to 100
    platform::Label lblEnd;             // how the operation ended
    platform::CheckBox chkClose;        // 1: hide the window when an operation ends

private:
    void layOut();

    Program& p_;
};
