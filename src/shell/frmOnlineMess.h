#pragma once
// The news window: the server's news page in a browser, shown modally over
// the main window until the user closes it (Close, Escape or the title bar).

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/WebBrowser.h"

class Program;

class frmOnlineMess : public platform::Form {
public:
    explicit frmOnlineMess(Program& p);

    platform::WebBrowser brwHelp;
    platform::CommandButton cmdClose;
};
