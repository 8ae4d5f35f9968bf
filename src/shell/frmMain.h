#pragma once
// The main window: the left pane (navigation tree and instant help), the main
// tab area with its seven tabs, the side area (clipboard and script player),
// the menu bar and the status bar. Each tab's controls belong to a panel class
// in the folder of the subsystem that works with them.

#include "calculator/CalculatorTab.h"
#include "diagnose/DiagnoseTab.h"
#include "document/EditorTab.h"
#include "macro/MacrosTab.h"
#include "online/OnlineTab.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/StatusBar.h"
#include "platform/TabStrip.h"
#include "platform/TreeView.h"
#include "platform/WebBrowser.h"
#include "tools/ClipboardTab.h"
#include "tools/PartitionTab.h"
#include "tools/PlayerTab.h"
#include "tools/ScriptPlayerTab.h"

class Program;

class frmMain : public platform::Form {
public:
    explicit frmMain(Program& p);

    // The window's smallest size, in twips.
    static constexpr int MinWidth = 14295;
    static constexpr int MinHeight = 9195;

    // Tabs of tabMain and tabClipboard.
    enum MainTab {
        TabCalculator,
        TabPartition,
        TabEditor,
        TabPlayer,
        TabDiagnose,
        TabMacros,
        TabOnline
    };
    enum SideTab { TabClipboard, TabScriptPlayer };

    // Left pane.
    platform::Label Label1;
    platform::TabStrip SSTab1;
    platform::TreeView TV1;
    platform::PictureBox Picture2;
    platform::WebBrowser brwHelp;

    // The splitter bar between the panes.
    platform::PictureBox pMove;

    // Right pane.
    platform::Label Label33;
    platform::TabStrip tabMain;
    platform::Label Label34;
    platform::TabStrip tabClipboard;
    platform::StatusBar StatusBar1;
    // The recent-file list: one full path per entry, never shown.
    platform::ComboBox Combo13;

    CalculatorTab calculator;
    PartitionTab partition;
    EditorTab editor;
    PlayerTab player;
    DiagnoseTab diagnose;
    MacrosTab macros;
    OnlineTab online;
    ClipboardTab clipboard;
    ScriptPlayerTab scriptPlayer;

    // The menu bar. Add, Save, Print and Preview start disabled; the load of
    // a subtitle file enables them, New enables Save.
    platform::Menu mnuFile;
    platform::Menu mnuNewFile;
    platform::Menu mnuLoadFile;
    platform::Menu mnuAddFile;
    platform::Menu mnuNul0;
    platform::Menu mnuSavesubfile;
    platform::Menu mnuSaveSettings;
    platform::Menu mnuNul1;
    platform::Menu mnuPrint;
    platform::Menu mnuView;
    platform::Menu mnuPreview;

private:
    void wireMenus();

    Program& p_;
};
