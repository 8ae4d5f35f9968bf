#pragma once
// The news window: the server's news page in a browser, shown modally over
// the main window until the user closes it (Close or Escape). While it is
// open the splash's countdown waits; unticking "Display this window on next
// startup" turns the start-up news check off. Borderless, dragged by its top
// strip.

#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "platform/WebBrowser.h"
#include "shell/SmallWindowFrame.h"

class Program;

class frmOnlineMess : public SmallWindowFrame {
public:
    explicit frmOnlineMess(Program& p);

    platform::Label Label1;        // "Information"
    platform::PictureBox Picture1; // the browser's frame
    platform::WebBrowser brwHelp;
    platform::CheckBox Check1;
    platform::Label Command1; // Close

private:
    void layOut();
    void Form_Load();
    void Form_Unload();
    void PauseSplash(bool paused);

    Program& p_;
};
