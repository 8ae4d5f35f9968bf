#include "shell/SmallWindowCommands.h"

#include "shell/Program.h"
#include "shell/frmAbout.h"
#include "shell/frmHelp.h"
#include "shell/frmTip.h"

// The menu commands themselves (Help and Wizard) are the menu bar's; they
// open these windows through the program's hooks.
void RegisterSmallWindowCommands(Program& p) {
    if (!p.shell.ShowHelpWindow)
        p.shell.ShowHelpWindow = [&p](const QString& address) {
            frmHelp::ShowHelpIndex(p, address);
        };
    if (!p.shell.ShowAboutWindow) p.shell.ShowAboutWindow = [&p] { frmAbout::MenuAbout(p); };
    if (!p.shell.ShowTipsWindow) p.shell.ShowTipsWindow = [&p] { frmTip::ShowAtStart(p); };
}
