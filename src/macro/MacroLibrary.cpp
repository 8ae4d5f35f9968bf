#include "macro/MacroLibrary.h"

#include "macro/MacroStoreMerge.h"
#include "macro/MacroWizardPage.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/FileNumbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

bool WriteLines(const QString& path, const QStringList& lines, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runtime::WriteTextFile(path, lines, error);
}

} // namespace

MacroLibrary::MacroLibrary(Program& p) : pause(p.host, "tmrMacroStore"), p_(p) {
    for (int m = 0; m < Macros; ++m)
        stored_[static_cast<std::size_t>(m)] = HeldSlot(m);
    pause.setEnabled(false);
    pause.setInterval(PauseMs);
    pause.onTimer = [this] { Changed(); };
}

void MacroLibrary::Changed() {
    pause.setEnabled(false);
    QString error;
    if (SaveStore(&error) || !unplaced_) return;
    p_.messages.ShowMessage(error, KindExclamation, QStringLiteral("ok"), QStringLiteral("Macros"));
}

void MacroLibrary::ChangedSoon() {
    pause.setEnabled(false); // each keystroke starts the pause afresh
    pause.setEnabled(true);
}

bool MacroLibrary::NameTakenElsewhere(const QString& name) const {
    return NameOnlyOnDisk(stored_, DiskSlots(), name);
}

void MacroLibrary::CreateMacros() {
    frmMain& main = p_.main();
    main.macroPickers.Combo6.setListIndex(0);
    ReadWizardList();
    ReadMacroStore();
    main.macroEditor.ListStoredMacros();
    RebuildWizardLists(false);
    ReadPlugins();
}

void MacroLibrary::ReadMacroStore() {
    const QStringList lines =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::MacroFile)).lines;
    for (int m = 0; m < Macros; ++m)
        for (int l = 0; l < Lines; ++l)
            MacroStore[static_cast<std::size_t>(m)][static_cast<std::size_t>(l)] =
                lines.value(m * Lines + l);
    // The wizard list was read first: this is each slot as the files hold it.
    for (int m = 0; m < Macros; ++m)
        stored_[static_cast<std::size_t>(m)] = HeldSlot(m);
}

void MacroLibrary::ReadWizardList() {
    const QStringList lines =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::WizardFile)).lines;
    for (int i = 0; i < Macros; ++i) {
        WizardFlags[static_cast<std::size_t>(i)] = FileInteger(lines.value(2 * i)).value_or(0);
        WizardTexts[static_cast<std::size_t>(i)] = lines.value(2 * i + 1);
    }
}

MacroLibrary::SlotLines MacroLibrary::HeldSlot(int slot) const {
    const auto s = static_cast<std::size_t>(slot);
    SlotLines lines;
    lines.reserve(Lines + 2);
    for (const QString& cell : MacroStore[s])
        lines << OneLine(cell);
    lines << runtime::PrintNumber(WizardFlags[s]) << OneLine(WizardTexts[s]);
    return lines;
}

std::array<MacroLibrary::SlotLines, MacroLibrary::Macros> MacroLibrary::DiskSlots() const {
    const QStringList store =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::MacroFile)).lines;
    const QStringList wizard =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::WizardFile)).lines;
    std::array<SlotLines, Macros> onDisk;
    for (int m = 0; m < Macros; ++m) {
        SlotLines& lines = onDisk[static_cast<std::size_t>(m)];
        for (int l = 0; l < Lines; ++l)
            lines << store.value(m * Lines + l);
        lines << runtime::PrintNumber(FileInteger(wizard.value(2 * m)).value_or(0))
              << wizard.value(2 * m + 1);
    }
    return onDisk;
}

bool MacroLibrary::SaveStore(QString* error) {
    std::array<SlotLines, Macros> held;
    bool changed = false;
    for (int m = 0; m < Macros; ++m) {
        const auto s = static_cast<std::size_t>(m);
        held[s] = HeldSlot(m);
        changed = changed || held[s] != stored_[s];
    }
    const QString storePath = p_.folder.path(runtime::Place::MacroFile);
    const QString wizardPath = p_.folder.path(runtime::Place::WizardFile);
    if (!changed && QFileInfo::exists(storePath) && QFileInfo::exists(wizardPath)) return true;

    const MergedStore merged = MergeMacroStore(stored_, held, DiskSlots());
    unplaced_ = !merged.unplaced.isEmpty();
    if (unplaced_) {
        if (error)
            *error = p_.texts.Say("The macros were not saved: the macro store holds %1 macros "
                                  "and has no room for '%2'. Delete a macro you do not need, "
                                  "then change a macro to save again.",
                                  Macros, MessageWindow::Verbatim(merged.unplaced));
        return false;
    }

    QStringList store, wizard;
    store.reserve(Macros * Lines);
    wizard.reserve(2 * Macros);
    for (const SlotLines& lines : merged.stored) {
        store << lines.mid(0, Lines);
        wizard << lines.mid(Lines);
    }
    if (!WriteLines(wizardPath, wizard, error) || !WriteLines(storePath, store, error))
        return false;
    stored_ = held;
    return true;
}

int MacroLibrary::FreeSlot() const {
    int named = -1;
    for (int m = 0; m < Macros; ++m) {
        const auto& macro = MacroStore[static_cast<std::size_t>(m)];
        if (!macro[0].isEmpty()) continue;
        if (macro[1].isEmpty()) return m;
        if (named < 0) named = m;
    }
    return named;
}

void MacroLibrary::ClearSlot(int slot) {
    if (slot < 0 || slot >= Macros) return;
    const auto s = static_cast<std::size_t>(slot);
    for (QString& cell : MacroStore[s])
        cell.clear();
    WizardFlags[s] = 0;
    WizardTexts[s].clear();
}

QString MacroLibrary::OneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("/n"));
    line.replace(u'\r', QStringLiteral("/n"));
    line.replace(u'\n', QStringLiteral("/n"));
    return line;
}

void MacroLibrary::RebuildWizardLists(bool selectLast) {
    WizardList.clear();
    WizardListIndex = -1;
    platform::ListBox& list12 = p_.main().macroWizard.List12;
    list12.clear();
    for (int i = 0; i < Macros; ++i) {
        if (WizardFlags[static_cast<std::size_t>(i)] != 1) continue;
        const QString& name = MacroStore[static_cast<std::size_t>(i)][0];
        if (name.isEmpty()) continue;
        WizardList << name;
        list12.addItem(name);
    }
    if (WizardList.isEmpty()) return;
    WizardListIndex = selectLast ? static_cast<int>(WizardList.size()) - 1 : 0;
    list12.setListIndex(WizardListIndex);
}

void MacroLibrary::DropFromWizardLists(const QString& name) {
    const qsizetype at = WizardList.indexOf(name);
    if (at < 0) return;
    WizardList.removeAt(at);
    WizardListIndex = WizardList.isEmpty() ? -1 : 0;
    platform::ListBox& list12 = p_.main().macroWizard.List12;
    for (int i = 0; i < list12.listCount(); ++i)
        if (list12.list(i) == name) {
            list12.removeItem(i);
            break;
        }
    if (list12.listCount() > 0) list12.setListIndex(0);
}
