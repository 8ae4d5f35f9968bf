#pragma once
// The help window: a browser on the help centre page of the program folder,
// or on a local page its caller points it at. Borderless, dragged by its top
// strip; Close unloads it.

#include "platform/Label.h"
#include "platform/WebBrowser.h"
#include "shell/SmallWindowFrame.h"

class Program;

class frmHelp : public SmallWindowFrame {
public:
    explicit frmHelp(Program& p);

    // Help > Online Help: a web address (http or https) opens in the
    // desktop's browser; anything else is shown in this window, which keeps
    // the help centre page when the address cannot be read.
    static void ShowHelpIndex(Program& p, const QString& address);

    platform::PictureBox Picture1; // the browser's frame
    platform::WebBrowser brwHelp;
    platform::Label cmdOk;

private:
    void layOut();
    void Form_Load();

    Program& p_;
};

// Fits a browser to its frame: its own border falls outside the frame.
void FitBrowserToFrame(platform::WebBrowser& browser, const platform::PictureBox& frame);
