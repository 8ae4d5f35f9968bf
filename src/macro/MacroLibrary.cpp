#include "macro/MacroLibrary.h"

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

MacroLibrary::MacroLibrary(Program& p) : p_(p) {
    for (int m = 0; m < Macros; ++m)
        stored_[static_cast<std::size_t>(m)] = HeldSlot(m);
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

namespace {
bool EmptySlot(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size() - 2; ++i)
        if (!lines[i].isEmpty()) return false;
    return lines.last().isEmpty() && lines[lines.size() - 2] == runtime::PrintNumber(0);
}
} // namespace

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

    std::array<SlotLines, Macros> merged = DiskSlots();
    std::vector<SlotLines> displaced;
    for (std::size_t s = 0; s < held.size(); ++s) {
        if (held[s] == stored_[s]) continue; // the disk's, whoever wrote it
        if (merged[s] != stored_[s] && merged[s] != held[s] && !EmptySlot(merged[s]))
            displaced.push_back(merged[s]);
        merged[s] = held[s];
    }
    for (const SlotLines& other : displaced) {
        if (std::find(merged.begin(), merged.end(), other) != merged.end()) continue;
        const auto free = std::find_if(merged.begin(), merged.end(), EmptySlot);
        if (free != merged.end()) *free = other;
    }

    QStringList store, wizard;
    store.reserve(Macros * Lines);
    wizard.reserve(2 * Macros);
    for (const SlotLines& lines : merged) {
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
