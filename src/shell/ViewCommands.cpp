// The View commands: each brings one tab forward. The tab's change handling
// reports the code, so a View command reports nothing itself and a tab that
// is already shown reports nothing again.

#include "shell/MainTabs.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
struct ViewCommand {
    const char* name;
    int code;
    int control; // which tab control
    int tab;
};
enum Control { Main, EditorFirst, EditorSecond, OnlineRow, Side, LeftPane };

constexpr ViewCommand Views[] = {{"View.Calculator", 1, Main, frmMain::TabCalculator},
                                 {"View.Partition", 4, Main, frmMain::TabPartition},
                                 {"View.Editor", 5, Main, frmMain::TabEditor},
                                 {"View.Editor.Basic", 6, EditorFirst, 0},
                                 {"View.Editor.Search/Replace", 7, EditorFirst, 1},
                                 {"View.Editor.Filters", 8, EditorFirst, 2},
                                 {"View.Editor.Font", 9, EditorFirst, 3},
                                 {"View.Editor.Shift", 10, EditorSecond, 0},
                                 {"View.Editor.Stretch", 11, EditorSecond, 1},
                                 {"View.Editor.Time", 12, EditorSecond, 2},
                                 {"View.Editor.Frame rate", 13, EditorSecond, 3},
                                 {"View.Player", 14, Main, frmMain::TabPlayer},
                                 {"View.Diagnose", 15, Main, frmMain::TabDiagnose},
                                 {"View.Macro", 16, Main, frmMain::TabMacros},
                                 {"View.Online", 17, Main, frmMain::TabOnline},
                                 {"View.Online.Download", 18, OnlineRow, 0},
                                 {"View.Online.Upload", 19, OnlineRow, 1},
                                 {"View.Clipboard", 20, Side, frmMain::TabClipboard},
                                 {"View.Script Player", 21, Side, frmMain::TabScriptPlayer},
                                 {"View.Main.Selection", 38, LeftPane, 0},
                                 {"View.Instant.Help", 39, LeftPane, 1}};

platform::TabStrip& TabControl(frmMain& m, int control) {
    switch (control) {
    case EditorFirst:
        return m.editor.SSTab2;
    case EditorSecond:
        return m.editor.SSTab3;
    case OnlineRow:
        return m.online.SSTab5;
    case Side:
        return m.tabClipboard;
    case LeftPane:
        return m.SSTab1;
    default:
        return m.tabMain;
    }
}
} // namespace

void MainTabs::registerCommands() {
    for (const ViewCommand& v : Views) {
        platform::TabStrip& tabs = TabControl(m_, v.control);
        const int tab = v.tab;
        p_.commands.add(QString::fromLatin1(v.name), v.code, [&tabs, tab] { tabs.setTab(tab); });
    }
}
