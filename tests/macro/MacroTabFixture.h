#pragma once
// A program whose main window has loaded, with the Macros tab's controls at
// hand the way a user reaches them: clicks on label buttons, picks in lists,
// text typed into boxes.

#include "document/frmMessageBox.h"
#include "macro/MacroEditor.h"
#include "macro/MacroPickers.h"
#include "macro/MacroWizardPage.h"
#include "shell/ShellFixture.h"
#include "support/ListItems.h"

inline void click(platform::Label& button) {
    ASSERT_TRUE(button.enabled()) << button.name().toStdString();
    button.onClick();
}

// The execute list of a slot as the store holds it, to its first empty line.
inline QStringList storedLines(MacroLibrary& lib, int slot) {
    QStringList lines;
    for (int l = 1; l < MacroLibrary::Lines; ++l) {
        const QString& line = lib.MacroStore[std::size_t(slot)][std::size_t(l)];
        if (line.isEmpty()) break;
        lines << line;
    }
    return lines;
}

class MacroTab {
public:
    explicit MacroTab(ProgramOn& p) : p_(p) {}

    frmMain& m() { return p_.main(); }
    MacroEditor& ed() { return m().macroEditor; }
    MacroPickers& pickers() { return m().macroPickers; }
    MacroWizardPage& wizard() { return m().macroWizard; }
    MacroLibrary& lib() { return p_->macroLibrary; }
    QString& store(int slot, int line) {
        return lib().MacroStore[static_cast<std::size_t>(slot)][static_cast<std::size_t>(line)];
    }

    void pickMacro(int position) { pickers().Combo5.setListIndex(position); }
    void pickGroup(const QString& group) {
        pickers().Combo6.setListIndex(MacroCommandTable::groupNames().indexOf(group));
    }
    void pickCommand(const QString& name) {
        for (int i = 0; i < ed().List6.listCount(); ++i)
            if (ed().List6.list(i) == name) ed().List6.setListIndex(i);
    }
    // Picks the command and presses "Add >>".
    void add(const QString& group, const QString& command) {
        pickGroup(group);
        pickCommand(command);
        click(ed().Command32[MacroEditor::Add]);
    }
    void pickLine(int position) { ed().List7.setListIndex(position); }
    QStringList storedLines(int slot) { return ::storedLines(lib(), slot); }

private:
    ProgramOn& p_;
};
