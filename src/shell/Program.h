#pragma once
// The one object that owns Mirel's state: the program folder, the shared
// window services, the windows and each subsystem's state. main() creates one;
// every test creates its own, so two programs can live side by side.

#include "calculator/Calculator.h"
#include "calculator/Tablets.h"
#include "diagnose/Diagnose.h"
#include "document/Document.h"
#include "document/EditArea.h"
#include "document/Loader.h"
#include "document/MessageWindow.h"
#include "fileio/FileCommands.h"
#include "fileio/Files.h"
#include "macro/Macro.h"
#include "macro/MacroCommandTable.h"
#include "macro/MacroLibrary.h"
#include "macro/SystemVariables.h"
#include "online/Online.h"
#include "platform/Host.h"
#include "runtime/ProgramFolder.h"
#include "shell/CommandRegistry.h"
#include "shell/LanguageTargets.h"
#include "shell/ShellState.h"
#include "shell/TextTables.h"
#include "tools/History.h"
#include "tools/Players.h"

#include <memory>

class frmMain;
class frmControl;
class frmSystem;
class frmWizard;
class frmSettings;
class frmFile;
class frmPreview;
class frmSplash;
class frmHistory;
class frmDbase;

class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    runtime::ProgramFolder folder;
    platform::Host host;
    // Every user command by name: menus, tree, keys and macros run them here.
    CommandRegistry commands;

    // Subsystem state, each with the routines that work on it.
    TextTables texts; // the interface's texts (built-in English or a language pack)
    // The windows a language pack relabels and the labels it gave.
    LanguageTargets languageTargets;
    ShellState shell;          // program-wide values of the main window
    Macro macro;               // action hook, macro variables, run and record flags
    MessageWindow messages;    // every question and notice: ShowMessage
    Document doc;              // the subtitle document: node table, grid routines, line list
    Loader loader;             // LoadSubFile: a file into the document
    EditArea edit;             // the current-line edit area and the basic line operations
    Files files;               // the current file, writers, file information, node files
    Diagnose diag;             // per-row diagnose messages and the error count
    History history;           // change-history snapshots
    Players players;           // the media and script players
    Calculator calc;           // the time-code calculator
    FileCommands fileCommands; // the file menu: New, Open, Add, Save, Print, Preview
    Online online;             // the online addresses, requests and download list
    MacroLibrary macroLibrary; // the macro store and the wizard list
    SystemVariables sysVars;   // the program's state as macro-readable texts
    Tablets tablets;           // the calculator's tablet files

    // Every command a macro line can name, built once.
    const MacroCommandTable macroTable;

    // The main window, created (not shown) on first use.
    frmMain& main();
    bool hasMain() const { return main_ != nullptr; }
    // The progress window, created on first use; it hides and keeps its state.
    frmControl& control();
    bool hasControl() const { return control_ != nullptr; }
    // The system window (system and macro variables), created on first use.
    frmSystem& system();
    bool hasSystem() const { return system_ != nullptr; }
    // The wizard window, created on first use; it hides and keeps its list.
    frmWizard& wizard();
    // The settings window, created on first use; it hides and keeps the settings.
    frmSettings& settings();
    // The file chooser, created on first use; it hides and keeps its state.
    frmFile& fileChooser();
    bool hasFileChooser() const { return fileChooser_ != nullptr; }
    // The preview window, created on first use; it hides and keeps what it shows.
    frmPreview& preview();
    // The splash window, created on first use.
    frmSplash& splash();
    bool hasSplash() const { return splash_ != nullptr; }
    // The history window, created on first use; it hides and keeps its lists.
    frmHistory& historyWindow();
    bool hasHistoryWindow() const { return historyWindow_ != nullptr; }
    // The collection window, created on first use; it hides and keeps its state.
    frmDbase& dbase();
    bool hasDbase() const { return dbase_ != nullptr; }

private:
    void registerLanguageWindows();

    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmControl> control_;
    std::unique_ptr<frmSystem> system_;
    std::unique_ptr<frmWizard> wizard_;
    std::unique_ptr<frmSettings> settings_;
    std::unique_ptr<frmFile> fileChooser_;
    std::unique_ptr<frmPreview> preview_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmHistory> historyWindow_;
    std::unique_ptr<frmDbase> dbase_;
};
