#pragma once
// What happens when a tab of the main window changes, by a click, from the
// navigation tree, from a macro or from code: the instant-help page (with
// AutoHelp on), the action code for the macro recorder, the labels of the
// clipboard's two copy buttons for the field they now copy to, the side area
// and the editor's enlarge button command55(0) ("+" normal, "-" enlarged).
//
// The View commands of the macro language set these tabs; the change
// handling below reports their codes.

#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;
class frmMain;

class MainTabs {
public:
    MainTabs(Program& p, frmMain& m);

    // The editor's enlarge button, beside the part buttons on the Editor tab.
    platform::ControlArray<platform::Label> command55;

    // Sets the change handling of every tab control.
    void wire();
    // The View commands: one per tab that a macro or the tree can choose.
    void registerCommands();

    // Labels the copy buttons for the current tab of the editor's second row.
    void subSetEditTab();
    // Toggles the editor's enlarged layout.
    void command55Click(int index);

    void SSTab1Change();
    void tabMainChange();
    void tabCalculatorChange();
    void SSTab2Change();
    void SSTab3Change();
    void SSTab5Change();
    void tabClipboardChange();

    // Copy targets, each with its labels in the text tables.
    enum CopyTarget { CalcClassic, CalcAdvanced, Partition, Shift, Stretch, Time };
    void LabelCopyButtons(CopyTarget target);

    static constexpr int NarrowCopy = 975, WideCopy = 1995;

private:
    void ShowHelp(int page);
    void EnableFirstCopyButton();
    void EnterCalculator();
    void EnterEditor();
    void EnterPlayer();

    Program& p_;
    frmMain& m_;
};
