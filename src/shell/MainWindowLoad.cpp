#include "shell/MainWindowLoad.h"

#include "document/FontSpec.h"
#include "document/Formats.h"

#include "runtime/TextFile.h"
#include "shell/LanguagePack.h"
#include "shell/NavigationTree.h"
#include "shell/Program.h"
#include "shell/ScreenPos.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QFileInfo>
#include <algorithm>

MainWindowLoad::MainWindowLoad(Program& p) : p_(p), main_(p.main()) {}

void MainWindowLoad::Run() {
    PlaceAndName();
    FillTables();
    ReadSettingsAndLanguage();
    FillTabLists();
    SetUpCalculator();
    HeadGrids();
    p_.online.UpdateFTPList();
    FillFontLists();
    p_.macroLibrary.CreateMacros();
    ReadSearchHistory();
    OpenPickers();
    OpenCommandLineFile();
    p_.sysVars.UpdateSysVars();
    ChooseStartingTabs();
    OpenLastFiles();
    p_.history.CheckProgramFolder();
}

void MainWindowLoad::PlaceAndName() {
    using V = ProgramVersionNumbers;
    SetScreenPos(p_, main_);
    p_.shell.LanguageFolder = QStringLiteral("English");
    main_.setCaption(QStringLiteral("Brinlow - ") + p_.shell.ProgramVersionName +
                     QStringLiteral(" %1.%2").arg(V::Major).arg(V::Minor));
    p_.texts.SetDefaultTexts();
    p_.calc.CalcInvokeTarget = -1;
    p_.online.LoadInternetSettings();
}

void MainWindowLoad::FillTables() {
    FillHelpPageTable(p_.shell);
    p_.online.SubListName = QStringLiteral("sublist.sdf");
    p_.shell.CurFontName = QStringLiteral("Arial");
    main_.frameRate.FillRates();
    FillFormatTables(p_.shell);
    p_.online.SetIpAddress();
}

void MainWindowLoad::ReadSettingsAndLanguage() {
    // The requests start once the pack is read, so that what they show is
    // in its words.
    SettingsFile settings(p_);
    settings.ReadSettingsFile();
    LoadLanguage(p_);
    LoadNodes(p_);
    p_.settings().LoadNodes(); // the page tree in the pack's words
    FillColumnCaptions(p_.shell, p_.texts);
    settings.StartOnlineRequests();
}

void MainWindowLoad::FillTabLists() {
    main_.shift.FillDirections();
    main_.shift.ShiftDirectionPickerToggle();
    main_.partition.FillFormatList();
    FillOnlineLists();
    main_.calculator.FillFunctionKinds();
}

// The download filters let every format and language through on their first
// entry; the upload language starts on English.
void MainWindowLoad::FillOnlineLists() {
    OnlineTab& online = main_.online;
    online.Combo7.clear();
    online.Combo7.addItem(p_.texts.TextTable(4, 28));
    for (int f = 1; f <= 16; ++f)
        online.Combo7.addItem(formats::ListName(f));
    online.Combo7.setListIndex(0);
    online.Combo8[0].clear();
    online.Combo8[1].clear();
    online.Combo8[0].addItem(p_.texts.TextTable(4, 29));
    for (const QString& language : OnlineLists::Languages()) {
        online.Combo8[0].addItem(language);
        online.Combo8[1].addItem(language);
    }
    online.Combo8[0].setListIndex(0);
    online.Combo8[1].setListIndex(9);
}

void MainWindowLoad::SetUpCalculator() {
    p_.shell.FrameRateText = QStringLiteral("25.000");
    // The rate the settings chose counts: frames are worked out at the rate shown.
    if (const QString rate = main_.calculator.ChosenFrameRate(); !rate.isEmpty())
        p_.shell.FrameRateText = rate;
    // The option of the rate in use shows ticked from the start.
    const ReportedAction kept = p_.macro.MacroAction;
    for (auto it = main_.calculator.optFrameRate.begin(); it != main_.calculator.optFrameRate.end();
         ++it)
        if (it->caption() == p_.shell.FrameRateText && !it->value()) it->setValue(true);
    p_.macro.MacroAction = kept;
    QString tablet; // the default tablet
    p_.tablets.LoadCalc(tablet);
    p_.tablets.LoadCalcTablets();
    main_.calculator.HeadCalcGrid();
    main_.calculator.CalcAdvancedShowCell(); // the editor on its cell at the columns' widths
}

void MainWindowLoad::HeadGrids() {
    main_.partition.HeadSpanList();
    main_.partition.ShowSpanListItem();
    HeadDocumentGrid();
    main_.onlineLists.HeadFTPList();
    // The left pane reaches down to the side area's bottom edge.
    main_.SSTab1.setHeight(main_.tabClipboard.top() + main_.tabClipboard.height() -
                           main_.SSTab1.top());
}

void MainWindowLoad::HeadDocumentGrid() {
    platform::Grid& grid = main_.editor.grdSubEdit;
    const QString text = p_.texts.TextTable(4, 12);
    const QString headings[] = {QStringLiteral("#"),          p_.texts.TextTable(4, 10),
                                p_.texts.TextTable(4, 11),    text + QStringLiteral(" #1"),
                                text + QStringLiteral(" #2"), text + QStringLiteral(" #3")};
    // The time columns are wide enough for "00:00:00,000" in the screen font
    // and the calculator button at their right end;
    // the line numbers leave room for the part button at their right; the
    // text columns share the rest, so that all three show without scrolling.
    const int number = 1080, time = 1560, scrollBar = 300;
    const int lines = std::max(1500, (grid.width() - number - 2 * time - scrollBar) / 3);
    const int widths[] = {number, time, time, lines, lines, lines};
    for (int c = 0; c < 6; ++c) {
        grid.setTextMatrix(0, c, headings[c]);
        grid.setColWidth(c, widths[c]);
    }
    grid.setCurrentCell(1, 1);
}

// The screen's fonts with "Arial" chosen when there is one, else the font the
// system writes in, else the first; the four styles.
void MainWindowLoad::FillFontLists() {
    platform::ComboBox& names = main_.editor.font.Combo9[0];
    names.clear();
    const QStringList fonts = p_.host.screen.fonts();
    for (const QString& font : fonts)
        names.addItem(font);
    qsizetype start = fonts.indexOf(QStringLiteral("Arial"));
    if (start < 0) start = fonts.indexOf(p_.host.screen.defaultFont());
    if (start < 0 && !fonts.isEmpty()) start = 0;
    if (start >= 0) names.setListIndex(static_cast<int>(start));
    platform::ComboBox& styles = main_.editor.font.Combo9[1];
    styles.clear();
    const StyleWords words = StyleWords::of(p_.texts);
    for (const QString& style : {words.regular, words.bold, words.italic, words.word(true, true)})
        styles.addItem(style);
    styles.setListIndex(0);
}

// \System\sr.sdf: one entry a line; empty lines are left out.
void MainWindowLoad::ReadSearchHistory() {
    p_.shell.SearchHistoryStored =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::SearchFile)).lines;
    main_.search.ReadHistoryLines(p_.shell.SearchHistoryStored);
}

// Every picker label starts on ">>", so each opens its list.
void MainWindowLoad::OpenPickers() {
    main_.calculator.CalcFunctionSelectToggle();
    main_.editor.font.FontNamePickerToggle();
    main_.frameRate.FrameRateFromPickerToggle();
    main_.partition.PartitionFormatSelectToggle();
    main_.editor.font.FontTypePickerToggle();
    main_.frameRate.FrameRateToPickerToggle();
    main_.onlineLists.DownloadFormatPickerToggle();
    main_.macroPickers.MacroPickerToggle();
    main_.macroPickers.MacroGroupPickerToggle();
    main_.onlineLists.DownloadLanguagePickerToggle();
    main_.onlineLists.UploadLanguagePickerToggle();
}

// The whole command line is the file's name; its format is detected, it
// replaces the document, and the user is asked about bad lines.
void MainWindowLoad::OpenCommandLineFile() {
    const QString file = GetCommandLine(p_);
    if (file.isEmpty()) return;
    commandLineFile_ = true;
    p_.fileCommands.OpenFile(file, 0, true);
}

void MainWindowLoad::ChooseStartingTabs() {
    main_.tabMain.setTab(frmMain::TabEditor);
    for (platform::TabStrip* tabs :
         {&main_.calculator.tabCalculator, &main_.tabClipboard, &main_.editor.SSTab2,
          &main_.editor.SSTab3, &main_.macros.SSTab4, &main_.online.SSTab5})
        tabs->setTab(0);
    main_.macros.SSTab4.setWidth(main_.online.SSTab5.width());
}

// \System\last.sdf: the subtitle file, then the player's media file. A file
// named on the command line is the one the user asked for: the previous
// run's files are not opened then. Either opens only as a regular file that
// exists: a folder or a name that is gone is passed over.
void MainWindowLoad::OpenLastFiles() {
    if (!p_.settings().startupLoadLastFiles() || commandLineFile_) return;
    const QStringList lines = runtime::ReadTextFile(p_.folder.path(runtime::Place::LastFile)).lines;
    const QString subtitle = lines.value(0);
    if (!subtitle.isEmpty() && QFileInfo(subtitle).isFile()) {
        p_.fileCommands.OpenFile(subtitle, 0, false);
        main_.editor.rtfEdit.setEnabled(true);
        main_.editor.cmdInvCalc.setVisible(true);
        p_.edit.GridColResize(); // beside the current cell, not over the header
    }
    const QString media = lines.value(1);
    if (media.isEmpty() || !QFileInfo(media).isFile()) return;
    p_.players.OpenMedia(media);
    main_.player.Combo1.setEnabled(true);
    for (auto& button : main_.player.Command49)
        button.setVisible(true);
}
