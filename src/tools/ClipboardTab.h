#pragma once
// The Clipboard tab of the main window's side area: the clipboard list and its
// action buttons.

#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class ClipboardTab {
public:
    ClipboardTab(Program& p, platform::Container& page);

    // The clipboard list: items "label>value", the newest last.
    platform::ListBox List1;
    // Label buttons: 0 and 1 copy the selected item to the shown tab's
    // fields, 2 Accept, 3 Delete, 4 Clear. 1 to 4 have nothing to act on
    // while the list is empty.
    enum Action { CopyA, CopyB, Accept, Delete, Clear };
    static constexpr int ActionCount = 5;
    platform::ControlArray<platform::Label> command4;

private:
    void placeButtons();

    Program& p_;
    platform::Container& page_;
};
