#include "shell/InstantHelp.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

bool ShowHelpPage(Program& p, int page) {
    if (page < 0 || page >= static_cast<int>(p.shell.HelpPageTable.size())) return false;
    const QString name = p.shell.HelpPageTable[static_cast<std::size_t>(page)];
    if (name.isEmpty()) return false;
    const QString folder = p.folder.path(runtime::Place::HelpFolder, p.shell.LanguageFolder);
    if (folder.isEmpty()) return false;
    return p.main().brwHelp.navigate(folder + QLatin1Char('/') + name);
}
