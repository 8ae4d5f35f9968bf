#pragma once
// The system window: the system variables with the description of the chosen
// one, the macro variables in use and the execute list of the last run. A
// borderless window, dragged by its top strip; OK hides it and it keeps its
// lists.

#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TabStrip.h"

class Program;

class frmSystem : public platform::Form {
public:
    explicit frmSystem(Program& p);

    enum MainTab { TabSystem = 0, TabMacro = 1 };
    enum MacroTab { TabVariables = 0, TabExecuteList = 1 };

    platform::PictureBox pMove; // the drag strip
    platform::Label Label3;     // "System", on the strip
    platform::TabStrip SSTab1;  // system variables | macro
    platform::Label Label2;     // heading of the system-variable list, with the count
    platform::ListBox List1;    // "sysVar[n]=value"
    // Type, description and remarks of the chosen variable, under their captions.
    platform::ControlArray<platform::Label> lblSysCaption;
    platform::ControlArray<platform::Label> lblSysComment;
    platform::TabStrip SSTab2; // macro variables | last execute list
    platform::Label Label68;   // heading of the macro-variable list
    platform::ListBox lstVar;  // one line per macro variable: name:=value
    platform::Label Label1;    // summary of the last execute list
    platform::ListBox lstExec; // the last execute list
    // What the last run's recording could not hold, one note a line.
    platform::ListBox lstNotes;
    // Lists the notes; returns what the status bar says of them.
    QString ShowReplayNotes(const QStringList& notes);
    platform::Label cmdOk;

    // The chosen system variable's type, description and remarks.
    void SysVarSelect();
    // Shows the window, modal (style 1) or not (0), after refreshing the lists.
    void ShowWindow(int style);

private:
    void layOut();
    void fitToWindow();
    void layOutMacroTab(int width, int tabHeight);
    void wire();

    Program& p_;
};
