#include "shell/frmMain.h"

#include "macro/Interpreter.h"
#include "online/CollectionCommands.h"
#include "shell/InstantHelp.h"
#include "shell/MainWindowLoad.h"
#include "shell/MenuBar.h"
#include "shell/Program.h"
#include "shell/SettingsCommands.h"
#include "shell/SettingsFile.h"
#include "shell/SmallWindowCommands.h"
#include "shell/frmSettings.h"

frmMain::frmMain(Program& p)
    : Form(p.host, "frmMain", Style::Main), Label1(*this, "Label1", "Navigation"),
      SSTab1(*this, "SSTab1", {"Main.&Selection", "&Instant.Help"}), TV1(SSTab1.page(0), "TV1"),
      Picture2(SSTab1.page(1), "Picture2"), brwHelp(Picture2, "brwHelp"), pMove(*this, "pMove"),
      Label33(*this, "Label33", "Workspace"),
      tabMain(
          *this, "tabMain",
          {"&Calculator", "&Partition", "&Editor", "P&layer", "&Diagnose", "&Macros", "&Online"}),
      Label34(*this, "Label34", "Side"),
      tabClipboard(*this, "tabClipboard", {"Clip&board", "Script.Pl&ayer"}),
      StatusBar1(*this, "StatusBar1", 3),
      Combo13(*this, "Combo13", platform::ComboBox::DropDownList),
      calculator(p, tabMain.page(TabCalculator)), partition(p, tabMain.page(TabPartition)),
      editor(p, tabMain.page(TabEditor)), player(p, tabMain.page(TabPlayer)),
      diagnose(p, tabMain.page(TabDiagnose)), macros(p, tabMain.page(TabMacros)),
      online(p, tabMain.page(TabOnline)), clipboard(p, tabClipboard.page(TabClipboard)),
      scriptPlayer(p, tabClipboard.page(TabScriptPlayer)), shift(p, editor), stretch(p, editor),
      timeTab(p, editor), frameRate(p, editor.SSTab3.page(3)), search(p, editor.SSTab2.page(1)),
      onlineLists(p, online), macroPickers(p, macros.SSTab4.page(0)),
      macroEditor(p, macroPickers, macros.SSTab4.page(0)), macroWizard(p, macros.SSTab4.page(1)),
      executeList(p, macros.SSTab4.page(0)), recorder(p, macroEditor),
      mnuFile(*this, "mnuFile", "&File"), mnuNewFile(mnuFile, "mnuNewFile", "&New"),
      mnuLoadFile(mnuFile, "mnuLoadFile", "&Open .."), mnuAddFile(mnuFile, "mnuAddFile", "&Add .."),
      mnuNul0(mnuFile, "mnuNul0", "-"), mnuSavesubfile(mnuFile, "mnuSavesubfile", "&Save .."),
      mnuSaveSettings(mnuFile, "mnuSaveSettings", "Save S&ettings .."),
      mnuNul1(mnuFile, "mnuNul1", "-"), mnuDBase(mnuFile, "mnuDBase", "&Collection"),
      mnuDBManage(mnuDBase, "mnuDBManage", "&Manage"), mnuNul10(mnuFile, "mnuNul10", "-"),
      mnuPrint(mnuFile, "mnuPrint", "&Direct Print"), mnuNul2(mnuFile, "mnuNul2", "-"),
      mnuExit(mnuFile, "mnuExit", "E&xit"), mnuView(*this, "mnuView", "&View"),
      mnuPreview(mnuView, "mnuPreview", "&Preview"), mnuOptions(*this, "mnuOptions", "&Options"),
      mnuSettings(mnuOptions, "mnuSettings", "&Settings .."),
      mnuMacro(mnuOptions, "mnuMacro", "S&ystem .."),
      mnuHistory(mnuOptions, "mnuHistory", "&History .."), mnuWizard(*this, "mnuWizard", "&Wizard"),
      mnuWizShow(mnuWizard, "mnuWizShow", "&Show"), mnuHelp(*this, "mnuHelp", "&Help"),
      mnuHelpIndex(mnuHelp, "mnuHelpIndex", "Online Help"), mnuNul3(mnuHelp, "mnuNul3", "-"),
      mnuShowTips(mnuHelp, "mnuShowTips", "Show Tips"), mnuAbout(mnuHelp, "mnuAbout", "About"),
      mainTabs(p, *this), layout(p, *this), p_(p), filter(p, editor.SSTab2.page(2)) {
    setCaption("Mirel");
    move(0, 0, MinWidth, MinHeight);

    Label1.move(60, 60, 3615, 255);
    SSTab1.move(60, 360, 3615, 7605);
    TV1.move(210, 480, 3195, 6855);
    Picture2.move(210, 480, 3195, 6855);
    brwHelp.move(-15, -15, 3225, 6885);

    pMove.move(3720, 0, 105, 8100);

    Label33.move(3840, 60, 10215, 255);
    tabMain.move(3840, 360, 10215, 5055);
    Label34.move(3840, 5460, 10215, 240); // down to the side area's top edge
    tabClipboard.move(3840, 5700, 10215, 2265);

    Combo13.setVisible(false);

    StatusBar1.setPanelWidth(1, MinWidth - 7200);
    StatusBar1.setPanelWidth(2, 2400);
    StatusBar1.setPanelWidth(3, 4800);
    wireMenus();
    onResize = [this] { Resize(); };
    WireMenuBar(p_, *this);
    mainTabs.wire();
    if (mainTabs.command55.contains(0)) layout.setFoldButton(&mainTabs.command55[0]);
    onLoad = [this] { MainWindowLoad(p_).Run(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
}

void frmMain::registerCommands() {
    CommandRegistry& c = p_.commands;
    FileCommands& files = p_.fileCommands;
    c.add(QStringLiteral("Menu.File.New"), 101, [&files] { files.MenuNewFile(); });
    c.add(QStringLiteral("Menu.File.Load"), 102,
          [&files](const QString& file) { files.MenuLoadFile(files.MacroFileName(file)); });
    c.add(QStringLiteral("Menu.File.Add"), 103,
          [&files](const QString& file) { files.MenuAddFile(files.MacroFileName(file)); });
    c.add(QStringLiteral("Menu.Save.SubFile"), 104,
          [&files](const QString& file) { files.MenuSaveSubFile(files.MacroFileName(file)); });
    c.add(QStringLiteral("Menu.Save.Settings"), 105, [&files] { files.MenuSaveSettings(); });
    c.add(QStringLiteral("Menu.Print"), 106, [&files] { files.MenuPrint(); });
    c.add(QStringLiteral("Menu.View.Preview"), 0, [&files] { files.MenuPreview(); });
    c.add(QStringLiteral("Menu.File.Exit"), 0, [this] { MenuExit(); });
    c.add(QStringLiteral("Menu.Options.Settings"), 0, [this] { MenuSettings(); });
    RegisterSettingsCommands(p_);
    c.add(QStringLiteral("Menu.History.Show"), 0, [this] { p_.history.MenuHistory(); });
    player.registerCommands();
    scriptPlayer.registerCommands();
    clipboard.registerCommands();
    editor.basic.Command47.onClick = [&c] { c.run(QStringLiteral("Editor.Basic.Clip")); };
    RegisterCollectionCommands(p_);
    RegisterMacroCommands(p_);
    RegisterSmallWindowCommands(p_);
    mainTabs.registerCommands();
}

// Each menu item runs its command from the registry.
void frmMain::wireMenu(platform::Menu& item, const char* command) {
    const QString name = QString::fromLatin1(command);
    item.onClick = [this, name] { p_.commands.run(name); };
}

void frmMain::wireMenus() {
    registerCommands();
    FileCommands& files = p_.fileCommands;
    wireMenu(mnuNewFile, "Menu.File.New");
    wireMenu(mnuLoadFile, "Menu.File.Load");
    wireMenu(mnuAddFile, "Menu.File.Add");
    wireMenu(mnuSavesubfile, "Menu.Save.SubFile");
    wireMenu(mnuSaveSettings, "Menu.Save.Settings");
    wireMenu(mnuPrint, "Menu.Print");
    wireMenu(mnuPreview, "Menu.View.Preview");
    wireMenu(mnuExit, "Menu.File.Exit");
    wireMenu(mnuSettings, "Menu.Options.Settings");
    for (platform::Menu* item : {&mnuAddFile, &mnuSavesubfile, &mnuPrint, &mnuPreview})
        item->setEnabled(false);
    // Anything dropped onto the window opens the chooser, as Open does.
    onDragDrop = [&files] { files.MenuLoadFile(); };
}

void frmMain::LoadSettingsFile() {
    SettingsFile(p_).LoadSettingsFile();
}

bool frmMain::SaveSettings(ExitRoutine::Mode mode) {
    return ExitRoutine(p_).SaveSettings(mode);
}

// No to stopping an upload, Cancel at the question about a changed document,
// or a save the user asked for that did not complete, keeps the program
// running. The transfers end at once, without a wait.
void frmMain::Form_Unload(int& cancel) {
    if (p_.loader.Loading()) { // the program ends only once the load is over
        cancel = 1;
        return;
    }
    if (!p_.online.ConfirmExit() || !SaveSettings(ExitRoutine::Mode::Exit)) {
        cancel = 1;
        return;
    }
    p_.online.EndTransfers();
    if (p_.shell.EndProgram) p_.shell.EndProgram();
}

void frmMain::MenuExit() {
    if (isLoaded()) {
        unload(); // the exit routine and the end, as closing the window
        return;
    }
    int cancel = 0;
    Form_Unload(cancel);
}

void frmMain::MenuSettings() {
    if (p_.settings().autoHelp()) {
        SSTab1.setTab(1);
        ShowHelpPage(p_, 19);
    }
    p_.settings().ShowWindow(true);
    SaveSettings(ExitRoutine::Mode::SettingsClosed);
}
