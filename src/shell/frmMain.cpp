#include "shell/frmMain.h"

#include "shell/InstantHelp.h"
#include "shell/MainWindowLoad.h"
#include "shell/Program.h"
#include "shell/SettingsFile.h"
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
      scriptPlayer(p, tabClipboard.page(TabScriptPlayer)), shift(p, editor.SSTab3.page(0)),
      frameRate(p, editor.SSTab3.page(3)), search(p, editor.SSTab2.page(1)), onlineLists(p, online),
      macroPickers(p, macros.SSTab4.page(0)), mnuFile(*this, "mnuFile", "&File"),
      mnuNewFile(mnuFile, "mnuNewFile", "&New"), mnuLoadFile(mnuFile, "mnuLoadFile", "&Open .."),
      mnuAddFile(mnuFile, "mnuAddFile", "&Add .."), mnuNul0(mnuFile, "mnuNul0", "-"),
      mnuSavesubfile(mnuFile, "mnuSavesubfile", "&Save .."),
      mnuSaveSettings(mnuFile, "mnuSaveSettings", "Save S&ettings .."),
      mnuNul1(mnuFile, "mnuNul1", "-"), mnuPrint(mnuFile, "mnuPrint", "&Direct Print"),
      mnuNul2(mnuFile, "mnuNul2", "-"), mnuExit(mnuFile, "mnuExit", "E&xit"),
      mnuView(*this, "mnuView", "&View"), mnuPreview(mnuView, "mnuPreview", "&Preview"),
      mnuOptions(*this, "mnuOptions", "&Options"),
      mnuSettings(mnuOptions, "mnuSettings", "&Settings .."), p_(p) {
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
    Label34.move(3840, 5460, 10215, 255);
    tabClipboard.move(3840, 5700, 10215, 2265);

    Combo13.setVisible(false);

    StatusBar1.setPanelWidth(1, MinWidth - 7200);
    StatusBar1.setPanelWidth(2, 2400);
    StatusBar1.setPanelWidth(3, 4800);
    wireMenus();
    onLoad = [this] { MainWindowLoad(p_).Run(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };
}

void frmMain::wireMenus() {
    FileCommands& files = p_.fileCommands;
    mnuNewFile.onClick = [&files] { files.MenuNewFile(); };
    mnuLoadFile.onClick = [&files] { files.MenuLoadFile(); };
    mnuAddFile.onClick = [&files] { files.MenuAddFile(); };
    mnuSavesubfile.onClick = [&files] { files.MenuSaveSubFile(); };
    mnuSaveSettings.onClick = [&files] { files.MenuSaveSettings(); };
    mnuPrint.onClick = [&files] { files.MenuPrint(); };
    mnuPreview.onClick = [&files] { files.MenuPreview(); };
    mnuExit.onClick = [this] { MenuExit(); };
    mnuSettings.onClick = [this] { MenuSettings(); };
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

// A save the user asked for that did not complete keeps the program running.
void frmMain::Form_Unload(int& cancel) {
    if (!SaveSettings(ExitRoutine::Mode::Exit)) {
        cancel = 1;
        return;
    }
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
    if (p_.settings().Check7[6].value() == platform::CheckBox::Checked) {
        SSTab1.setTab(1);
        ShowHelpPage(p_, 19);
    }
    p_.settings().showModal();
    SaveSettings(ExitRoutine::Mode::SettingsClosed);
}
