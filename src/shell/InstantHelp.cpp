#include "shell/InstantHelp.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QFileInfo>

bool ShowHelpPage(Program& p, int page) {
    if (page < 0 || page >= static_cast<int>(p.shell.HelpPageTable.size())) return false;
    const QString name = p.shell.HelpPageTable[static_cast<std::size_t>(page)];
    if (name.isEmpty()) return false;
    // A pack's folder that lacks the page gives the English one.
    for (const QString& language : {p.shell.LanguageFolder, QStringLiteral("English")}) {
        const QString folder = p.folder.path(runtime::Place::HelpFolder, language);
        if (!folder.isEmpty() && QFileInfo(folder + QLatin1Char('/') + name).isFile())
            return p.main().brwHelp.navigate(folder + QLatin1Char('/') + name);
    }
    return p.main().brwHelp.navigate(
        p.folder.path(runtime::Place::HelpFolder, p.shell.LanguageFolder) + QLatin1Char('/') +
        name);
}
