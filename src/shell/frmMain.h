#pragma once
// The main window: the left pane (navigation tree and instant help), the main
// tab area with its seven tabs, the side area (clipboard and script player),
// the menu bar and the status bar. Each tab's controls belong to a panel class
// in the folder of the subsystem that works with them.
//
// Its load prepares the whole interface (MainWindowLoad); its unload runs the
// exit routine and then ends the program, unless the user cancelled, or
// wanted the changed document saved and it was not.

#include "calculator/CalculatorTab.h"
#include "diagnose/DiagnoseTab.h"
#include "document/EditorTab.h"
#include "macro/ExecuteList.h"
#include "macro/MacroEditor.h"
#include "macro/MacroPickers.h"
#include "macro/MacroWizardPage.h"
#include "macro/MacrosTab.h"
#include "macro/Recorder.h"
#include "online/OnlineLists.h"
#include "online/OnlineTab.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/StatusBar.h"
#include "platform/TabStrip.h"
#include "platform/TreeView.h"
#include "platform/WebBrowser.h"
#include "shell/ExitRoutine.h"
#include "shell/Layout.h"
#include "shell/MainTabs.h"
#include "tools/ClipboardTab.h"
#include "tools/FilterTab.h"
#include "tools/FrameRateTab.h"
#include "tools/PartitionTab.h"
#include "tools/PlayerTab.h"
#include "tools/ScriptPlayerTab.h"
#include "tools/SearchTab.h"
#include "tools/ShiftTab.h"
#include "tools/StretchTab.h"
#include "tools/TimeTab.h"

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
    // Pieces of the editor's and the online and macro tabs' tool pages.
    ShiftTab shift;
    StretchTab stretch;
    TimeTab timeTab;
    FrameRateTab frameRate;
    SearchTab search;
    OnlineLists onlineLists;
    MacroPickers macroPickers;
    MacroEditor macroEditor;
    MacroWizardPage macroWizard;
    // Go and Test of the Macros tab, and the recorder and trigger timer Timer2.
    ExecuteList executeList;
    Recorder recorder;

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
    platform::Menu mnuDBase;
    platform::Menu mnuDBManage;
    platform::Menu mnuNul10;
    platform::Menu mnuPrint;
    platform::Menu mnuNul2;
    platform::Menu mnuExit;
    platform::Menu mnuView;
    platform::Menu mnuPreview;
    platform::Menu mnuOptions;
    platform::Menu mnuSettings;
    platform::Menu mnuMacro;
    platform::Menu mnuHistory;
    platform::Menu mnuWizard;
    platform::Menu mnuWizShow;
    platform::Menu mnuHelp;
    platform::Menu mnuHelpIndex;
    platform::Menu mnuNul3;
    platform::Menu mnuShowTips;
    platform::Menu mnuAbout;

    // The change handling of the tab controls and the editor's enlarge button.
    MainTabs mainTabs;

    // Reads the settings file into the settings window's boxes, fills the
    // recent-file list and starts the online requests the settings ask for.
    void LoadSettingsFile();
    // The exit routine (the program goes on; its callers end it).
    bool SaveSettings(ExitRoutine::Mode mode);
    // Exit: the exit routine, then the end of the program.
    void MenuExit();
    // Settings: the settings window, modally; when it closes, the exit
    // routine without the end of the program.
    void MenuSettings();
    // Lines up the indents of the macro being edited: four blanks deeper
    // inside each System.If.Do block.
    void LineUpMacro() { macroEditor.LineUpMacro(); }

    // The window's layout for its present size: run on every size change.
    MainLayout layout;
    void Resize() { layout.Resize(); }

private:
    void registerCommands();
    void wireMenu(platform::Menu& item, const char* command);
    void wireMenus();
    void Form_Unload(int& cancel);

    Program& p_;

public:
    FilterTab filter; // the editor's Filters page (SSTab2, tab 2)
};
