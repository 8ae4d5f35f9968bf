#include "shell/NavigationTree.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

void LoadNodes(Program& p) {
    frmMain& main = p.main();
    const QString recent = QStringLiteral("recent");
    const QString caption = p.shell.TreeCaptions[3]; // a language pack's word
    if (!main.TV1.exists(recent))
        main.TV1.add(QString(), recent, caption.isEmpty() ? QStringLiteral("Recent") : caption);
    for (int i = 0; i < main.Combo13.listCount(); ++i) {
        const QString path = main.Combo13.list(i);
        const QString key = QStringLiteral("lf_") + path;
        if (!main.TV1.exists(key)) main.TV1.add(recent, key, path);
    }
    main.TV1.setExpanded(recent, false);
}
