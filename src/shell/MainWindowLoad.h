#pragma once
// The main window's load: runs once per run, before the window is first
// shown, and prepares the whole interface in a fixed order: the window's
// place, the built-in texts, the online addresses, the program-wide tables,
// the settings and the recent-file list, the language, the navigation tree,
// every tab's lists and grids, the calculator tablet, the download list, the
// fonts, the macros, the search history, the pickers, the file named on the
// command line, the starting tabs and, when the settings ask, the files of
// the previous run. The settings are read before the language, the language
// before the navigation tree and before every caption built from the texts.

class Program;
class frmMain;

class MainWindowLoad {
public:
    explicit MainWindowLoad(Program& p);
    void Run();

private:
    void PlaceAndName();
    void FillTables();
    void ReadSettingsAndLanguage();
    void FillTabLists();
    void FillOnlineLists();
    void SetUpCalculator();
    void HeadGrids();
    void HeadDocumentGrid();
    void FillFontLists();
    void ReadSearchHistory();
    void OpenPickers();
    void OpenCommandLineFile();
    void ChooseStartingTabs();
    void OpenLastFiles();

    Program& p_;
    frmMain& main_;
    bool commandLineFile_ = false;
};
