#pragma once
// The preview window: the lines of the file the current document would be
// written as, with its name, format and line count. A borderless window that
// opens over the main window, dragged by its top strip; Close hides it, so it
// keeps what it showed.

#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "shell/SmallWindowFrame.h"

class Program;

class frmPreview : public SmallWindowFrame {
public:
    explicit frmPreview(Program& p);

    platform::Label Label1;                          // "Information"
    platform::ControlArray<platform::Label> Label5;  // "File", "Format", "Lines"
    platform::ControlArray<platform::Label> lblData; // the file, its format, its line count
    platform::ListBox List1;                         // the file's lines
    platform::Label Command1;                        // Close

    void Command1Click();

private:
    void layOut();
};
