#include "macro/MacroWizardPage.h"

#include "macro/MacroEditor.h"
#include "macro/MacroPickers.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
const QString StoredBreak = QStringLiteral("/n");
} // namespace

MacroWizardPage::MacroWizardPage(Program& p, platform::Container& page)
    : List12(page, "List12"), Text2(page, "Text2", true), Label71(page, "Label71", "Accept"),
      Check6(page, "Check6", "Auto save"), p_(p) {
    List12.move(120, 480, 3495, 3255);
    List12.setToolTipText(QStringLiteral("Macros marked as wizard"));
    Text2.move(3735, 480, 6120, 3255);
    Label71.move(3735, 3810, 960, 255);
    MakeLabelButton(Label71);
    Check6.move(4815, 3810, 1935, 255);
    List12.onClick = [this] { WizardTextSelect(); };
    Label71.onClick = [this] { WizardTextAccept(); };
    Text2.onChange = [this] { WizardTextChange(); };
    Check6.onClick = [this] { WizardAutoSave(); };
}

int MacroWizardPage::chosenSlot() const {
    const QString name = List12.text();
    if (List12.listIndex() < 0) return -1;
    const MacroPickers& pickers = p_.main().macroPickers;
    for (int i = 0; i < pickers.Combo5.listCount(); ++i)
        if (pickers.Combo5.list(i) == name) return p_.main().macroEditor.slotOf(i);
    return -1;
}

void MacroWizardPage::WizardTextSelect() {
    const int slot = chosenSlot();
    if (slot < 0) return;
    QString text = p_.macroLibrary.WizardTexts[static_cast<std::size_t>(slot)];
    Text2.setText(text.replace(StoredBreak, QStringLiteral("\r\n")));
}

bool MacroWizardPage::takeText() {
    const int slot = chosenSlot();
    if (slot < 0) return false;
    p_.macroLibrary.WizardTexts[static_cast<std::size_t>(slot)] =
        MacroLibrary::OneLine(Text2.text());
    return true;
}

// An accepted text is saved at once, as a changed macro is.
void MacroWizardPage::WizardTextAccept() {
    if (takeText()) p_.macroLibrary.Changed();
}

// With Auto save each keystroke is taken; the store is written once the
// typing pauses.
void MacroWizardPage::WizardTextChange() {
    if (Check6.value() == platform::CheckBox::Checked && takeText()) p_.macroLibrary.ChangedSoon();
}

void MacroWizardPage::WizardAutoSave() {
    Label71.setEnabled(Check6.value() != platform::CheckBox::Checked);
}
