#pragma once
// The main window's menu bar: every item runs its command from the command
// registry, as the navigation tree and the macro interpreter do. The menu
// commands that no window registers are registered here: the Help menu's
// online help, tips and About, the wizard and the system window.

#include <QString>

class Program;
class frmMain;

// Registers the missing menu commands and wires every menu item that the
// main window does not wire itself.
void WireMenuBar(Program& p, frmMain& m);
// Online Help: the help window on the online help index; reports 0107 once
// the window is closed.
void MenuHelpIndex(Program& p);
// The online help index's address below a base address, a web address or a
// folder; the base may end in a separator or not, and may name the help
// folder itself.
QString HelpIndexAddress(const QString& base);
