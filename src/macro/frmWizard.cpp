#include "macro/frmWizard.h"

#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

namespace {

constexpr int WindowWidth = 5400, WindowHeight = 4500, StripHeight = 300;
constexpr int Margin = 120, InnerWidth = WindowWidth - 2 * Margin;
constexpr int ShowWizardBox = 5, ShowTipsBox = 4;

} // namespace

frmWizard::frmWizard(Program& p)
    : Form(p.host, "frmWizard"), pMove(*this, "pMove"), Label4(pMove, "Label4", "Wizard"),
      Label3(*this, "Label3", "Installed Wizards (Macro's)"), List1(*this, "List1"),
      Label5(*this, "Label5", "Explanation"), Label2(*this, "Label2"), cmdGo(*this, "cmdGo", "Go"),
      Label1(*this, "Label1", "Close"),
      chkLoadWizardAtStartup(*this, "chkLoadWizardAtStartup", "&Show Wizard at Startup"), p_(p) {
    setCaption("Wizard");
    layOut();
    wire();
}

void frmWizard::layOut() {
    makeBorderless(pMove, WindowWidth, WindowHeight, StripHeight);
    Label4.move(Margin, 30, InnerWidth, 240);
    Label4.setForeColor(platform::ColorWhite);
    Label4.setBackColor(pMove.backColor());
    Label4.setFontBold(true);
    Label3.move(Margin, 420, InnerWidth, 255);
    List1.move(Margin, 690, InnerWidth, 1500);
    Label5.move(Margin, 2280, InnerWidth, 255);
    Label2.move(Margin, 2550, InnerWidth, 1050);
    Label2.setWordWrap(true);
    Label2.setBorderStyle(1);
    chkLoadWizardAtStartup.move(Margin, 3720, 2880, 255);
    cmdGo.move(WindowWidth - Margin - 2 * 975 - 105, 4080, 975, 315);
    Label1.move(WindowWidth - Margin - 975, 4080, 975, 315);
    MakeLabelButton(cmdGo, QStringLiteral("Run the chosen wizard"));
    MakeLabelButton(Label1, QStringLiteral("Close the window"));
}

void frmWizard::wire() {
    attachDragStrip(Label4);
    List1.onClick = [this] { WizardSelect(); };
    cmdGo.onClick = [this] { WizardGo(); };
    Label1.onClick = [this] { hide(); };
    chkLoadWizardAtStartup.onClick = [this] { WizardAtStartup(); };
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
    onEscape = [this] { hide(); };
    openOver([this]() -> const platform::Form* { return p_.hasMain() ? &p_.main() : nullptr; });
}

void frmWizard::ListWizards() {
    List1.clear();
    for (const QString& name : p_.macroLibrary.WizardList)
        List1.addItem(name);
    if (List1.listCount() > 0) List1.setListIndex(0);
}

int frmWizard::chosenPosition() const {
    const QString chosen = List1.text();
    if (List1.listIndex() < 0) return -1;
    const platform::ComboBox& macros = p_.main().macroPickers.Combo5;
    for (int i = 0; i < macros.listCount(); ++i)
        if (macros.list(i) == chosen) return i;
    return -1;
}

void frmWizard::WizardSelect() {
    const int slot = p_.main().macroEditor.slotOf(chosenPosition());
    if (slot < 0) return;
    Label2.setCaption(p_.macroLibrary.WizardTexts[static_cast<std::size_t>(slot)]);
}

void frmWizard::WizardGo() {
    const int position = chosenPosition();
    if (position < 0) return; // no macro of that name: nothing to run
    setButtonsEnabled(false);
    p_.main().macroPickers.Combo5.setListIndex(position);
    p_.main().executeList.MacroGo();
    setButtonsEnabled(true);
}

// Wizard and tips are never both shown at start.
void frmWizard::WizardAtStartup() {
    if (syncing_) return;
    const int on = chkLoadWizardAtStartup.value();
    p_.settings().StoreStartupTick(ShowWizardBox, on);
    if (on == 1) p_.settings().StoreStartupTick(ShowTipsBox, 0);
}

void frmWizard::ShowWindow() {
    ListWizards();
    syncing_ = true;
    chkLoadWizardAtStartup.setValue(p_.settings().startupShowWizard() ? 1 : 0);
    syncing_ = false;
    showModal();
}

void frmWizard::setButtonsEnabled(bool on) {
    for (platform::Control* c : std::initializer_list<platform::Control*>{&List1, &cmdGo, &Label1,
                                                                          &chkLoadWizardAtStartup})
        c->setEnabled(on);
}
