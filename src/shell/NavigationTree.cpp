#include "shell/NavigationTree.h"

#include "platform/Keys.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

struct Node {
    const char* key;
    const char* parent;
    int caption; // TreeCaptions number
    const char* english;
};

// In the order of adding; language packs address the captions by number.
constexpr Node Nodes[] = {{"menu", "", 0, "Menu"},
                          {"main", "", 1, "Main"},
                          {"sub", "", 2, "Sub Tab"},
                          {"recent", "", 3, "Recent"},
                          {"file", "menu", 4, "File"},
                          {"view", "menu", 44, "View"},
                          {"options", "menu", 5, "Options"},
                          {"wizard", "menu", 42, "Wizard"},
                          {"help", "menu", 6, "Help"},
                          {"calc", "main", 7, "Calculator"},
                          {"part", "main", 8, "Partition"},
                          {"edit", "main", 9, "Editor"},
                          {"mp", "main", 10, "Media Player"},
                          {"diag", "main", 11, "Diagnose"},
                          {"macro", "main", 12, "Macro's"},
                          {"online", "main", 13, "Online"},
                          {"basic", "edit", 14, "Basic"},
                          {"sr", "edit", 15, "Search/Replace"},
                          {"filter", "edit", 16, "Filters"},
                          {"font", "edit", 17, "Font"},
                          {"shift", "edit", 18, "Shift"},
                          {"stretch", "edit", 19, "Stretch"},
                          {"time", "edit", 20, "Time"},
                          {"fr", "edit", 21, "Frame Rate"},
                          {"dl", "online", 22, "Download"},
                          {"ul", "online", 23, "Upload"},
                          {"new", "file", 24, "New File"},
                          {"load", "file", 25, "Load File .."},
                          {"add", "file", 26, "Add File .."},
                          {"save_sub", "file", 27, "Save Subtitle File .."},
                          {"save_set", "file", 28, "Save Settings"},
                          {"collection", "file", 46, "Collection"},
                          {"col_manage", "collection", 47, "Manage"},
                          {"print", "file", 29, "Direct Print"},
                          {"exit", "file", 30, "Exit"},
                          {"preview", "view", 45, "Preview"},
                          {"settings", "options", 31, "Settings .."},
                          {"system", "options", 40, "System .."},
                          {"history", "options", 41, "History .."},
                          {"wizshow", "wizard", 43, "Show"},
                          {"onlinehelp", "help", 32, "Online Help"},
                          {"showtips", "help", 33, "Show Tips"},
                          {"about", "help", 35, "About"},
                          {"adv", "calc", 36, "Advanced"},
                          {"classic", "calc", 37, "Classic"},
                          {"clip", "sub", 38, "Clipboard"},
                          {"sp", "sub", 39, "Script Player"}};

// Guards of the commands that need a loaded file: the menu item whose
// enabled state stands for it, and the warning shown while it is off.
enum Guard { NoGuard, AddGuard, SaveGuard, PrintGuard, PreviewGuard };

struct Action {
    const char* key;
    Guard guard;
    const char* first;  // command run first
    const char* second; // then this one ("" for none)
};

constexpr Action Actions[] = {{"load", NoGuard, "Menu.File.Load", ""},
                              {"new", NoGuard, "Menu.File.New", ""},
                              {"add", AddGuard, "Menu.File.Add", ""},
                              {"save_sub", SaveGuard, "Menu.Save.SubFile", ""},
                              {"save_set", NoGuard, "Menu.Save.Settings", ""},
                              {"col_manage", NoGuard, "Menu.Collection.Manage", ""},
                              {"print", PrintGuard, "Menu.Print", ""},
                              {"exit", NoGuard, "Menu.File.Exit", ""},
                              {"onlinehelp", NoGuard, "Menu.Online.Help", ""},
                              {"showtips", NoGuard, "Menu.Show.Tips", ""},
                              {"about", NoGuard, "Menu.About", ""},
                              {"wizshow", NoGuard, "Menu.Wizard.Show", ""},
                              {"calc", NoGuard, "View.Calculator", ""},
                              {"adv", NoGuard, "View.Calculator", "View.Calculator.Advanced"},
                              {"classic", NoGuard, "View.Calculator", "View.Calculator.Classic"},
                              {"part", NoGuard, "View.Partition", ""},
                              {"edit", NoGuard, "View.Editor", ""},
                              {"basic", NoGuard, "View.Editor", "View.Editor.Basic"},
                              {"sr", NoGuard, "View.Editor", "View.Editor.Search/Replace"},
                              {"filter", NoGuard, "View.Editor", "View.Editor.Filters"},
                              {"font", NoGuard, "View.Editor", "View.Editor.Font"},
                              {"shift", NoGuard, "View.Editor", "View.Editor.Shift"},
                              {"stretch", NoGuard, "View.Editor", "View.Editor.Stretch"},
                              {"time", NoGuard, "View.Editor", "View.Editor.Time"},
                              {"fr", NoGuard, "View.Editor", "View.Editor.Frame rate"},
                              {"mp", NoGuard, "View.Player", ""},
                              {"diag", NoGuard, "View.Diagnose", ""},
                              {"macro", NoGuard, "View.Macro", ""},
                              {"online", NoGuard, "View.Online", ""},
                              {"dl", NoGuard, "View.Online", "View.Online.Download"},
                              {"ul", NoGuard, "View.Online", "View.Online.Upload"},
                              {"clip", NoGuard, "View.Clipboard", ""},
                              {"sp", NoGuard, "View.Script Player", ""},
                              {"settings", NoGuard, "Menu.Options.Settings", ""},
                              {"system", NoGuard, "Menu.Options.System", ""},
                              {"history", NoGuard, "Menu.History.Show", ""},
                              {"preview", PreviewGuard, "Menu.View.Preview", ""}};

const QString RecentPrefix = QStringLiteral("lf_");

// False (after its warning) when the guard's menu item is off.
bool Passes(Program& p, Guard guard) {
    frmMain& m = p.main();
    const struct {
        platform::Menu* item;
        const char* warning;
    } guards[] = {
        {nullptr, ""},
        {&m.mnuAddFile, "You can not add a file while there is no primairy file loaded first. "
                        "Please load a primairy file first. Press Ok to continue."},
        {&m.mnuSavesubfile, "You can not save a file that has not been loaded yet. Please load a "
                            "primairy file first. Press Ok to continue."},
        {&m.mnuPrint, "You can not print the content of a file that has not been loaded yet. "
                      "Please load a primairy file first. Press Ok to continue."},
        {&m.mnuPreview, "You can not view any content because you have to load a subtitle file "
                        "first. Press Ok to continue."}};
    const auto& g = guards[guard];
    if (!g.item || g.item->enabled()) return true;
    p.messages.ShowMessage(QString::fromLatin1(g.warning), 0, QStringLiteral("ok"),
                           QStringLiteral("Warning"));
    return false;
}

void LoadRecentFile(Program& p, const QString& path) {
    p.fileCommands.OpenFile(path, 0, true);
}

void AddRecentNodes(Program& p) {
    frmMain& main = p.main();
    for (int i = 0; i < main.Combo13.listCount(); ++i) {
        const QString path = main.Combo13.list(i);
        const QString key = RecentPrefix + path;
        // A list edited by hand may name a file twice: one node is enough.
        if (main.TV1.exists(key)) continue;
        main.TV1.add(QStringLiteral("recent"), key, path);
        main.TV1.setNodeToolTip(key, path);
    }
}

// Without a pack every caption is the English one; with a pack, a node whose
// caption the pack does not give keeps its English caption too.
void FillDefaultCaptions(Program& p, bool all) {
    for (const Node& n : Nodes) {
        QString& caption = p.shell.TreeCaptions[static_cast<std::size_t>(n.caption)];
        if (all || caption.isEmpty()) caption = QString::fromLatin1(n.english);
    }
}

} // namespace

QString DefaultTreeCaption(int index) {
    for (const Node& n : Nodes)
        if (n.caption == index) return QString::fromLatin1(n.english);
    return QString();
}

void LoadNodes(Program& p) {
    FillDefaultCaptions(p, p.shell.LanguageFile.isEmpty());
    platform::TreeView& tree = p.main().TV1;
    for (const Node& n : Nodes)
        tree.add(QString::fromLatin1(n.parent), QString::fromLatin1(n.key),
                 p.shell.TreeCaptions[static_cast<std::size_t>(n.caption)]);
    AddRecentNodes(p);
    for (const char* open : {"menu", "main", "sub"})
        tree.setExpanded(QString::fromLatin1(open), true);
    tree.setExpanded(QStringLiteral("recent"), false);
    tree.onNodeClick = [&p](const QString& key) { NodeClick(p, key); };
    tree.onKeyDown = [&p, &tree](int& keyCode, int) {
        if (keyCode != platform::KeyReturn || tree.selectedKey().isEmpty()) return;
        keyCode = 0;
        NodeClick(p, tree.selectedKey());
    };
}

void NodeClick(Program& p, const QString& key) {
    for (const Action& a : Actions) {
        if (key != QLatin1String(a.key)) continue;
        if (!Passes(p, a.guard)) return;
        p.commands.run(QString::fromLatin1(a.first));
        if (*a.second) p.commands.run(QString::fromLatin1(a.second));
        return;
    }
    if (key.startsWith(RecentPrefix)) LoadRecentFile(p, key.mid(RecentPrefix.size()));
}
