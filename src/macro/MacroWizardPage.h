#pragma once
// The wizard page of the Macros tab: the marked macros (List12) and the
// wizard text of the one chosen (Text2), stored by Accept or, with "Auto
// save" ticked, at every change (the store is written once the typing
// pauses). A line break in a wizard text is stored as "/n" and shown again
// as a break.

#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

class Program;

class MacroWizardPage {
public:
    MacroWizardPage(Program& p, platform::Container& page);

    platform::ListBox List12;
    platform::TextBox Text2;
    platform::Label Label71;   // Accept
    platform::CheckBox Check6; // Auto save

    void WizardTextSelect();
    void WizardTextAccept();
    void WizardTextChange();
    void WizardAutoSave();

private:
    // The slot of the macro chosen in List12, -1 for none.
    int chosenSlot() const;
    // The text into the chosen macro's wizard text; false with none chosen.
    bool takeText();

    Program& p_;
};
