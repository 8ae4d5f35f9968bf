#pragma once
// The wizard window: the installed wizards (the macros marked as wizard and
// the plug-ins), the explanation of the chosen one, Go to run it, Close, and
// the box that shows the window at start. A borderless window, dragged by
// its top strip; Close hides it and it keeps its list.

#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class frmWizard : public platform::Form {
public:
    explicit frmWizard(Program& p);

    platform::PictureBox pMove;
    platform::Label Label4;  // "Wizard", on the strip
    platform::Label Label3;  // "Installed Wizards (Macro's)"
    platform::ListBox List1; // the wizards by name
    platform::Label Label5;  // "Explanation"
    platform::Label Label2;  // the chosen wizard's explanation
    platform::Label cmdGo;
    platform::Label Label1; // Close
    platform::CheckBox chkLoadWizardAtStartup;

    // Fills the list from the wizard list of the macro store.
    void ListWizards();
    void WizardSelect();
    // Runs the chosen wizard; nothing runs when no macro has its name.
    void WizardGo();
    void WizardAtStartup();
    // The window, modally, with its list up to date.
    void ShowWindow();

private:
    void layOut();
    void wire();
    // The macro list's position of the chosen wizard, -1 when none.
    int chosenPosition() const;
    // While a wizard runs, the window takes no clicks.
    void setButtonsEnabled(bool on);

    bool syncing_ = false;
    Program& p_;
};
