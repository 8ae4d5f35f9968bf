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

MacroLibrary::MacroLibrary(Program& p) : pause(p.host, "tmrMacroStore"), p_(p), records_(p, *this) {
    pause.setEnabled(false);
    pause.setInterval(PauseMs);
    pause.onTimer = [this] { Changed(); };
}

bool MacroLibrary::Changed() {
    pause.setEnabled(false);
    QString error;
    QStringList told;
    const bool saved = SaveStore(&error, &told);
    if (!saved) told << error;
    p_.messages.ShowTold(told, QStringLiteral("Macros"));
    return saved;
}

void MacroLibrary::ChangedSoon() {
    pause.setEnabled(false); // each keystroke starts the pause afresh
    pause.setEnabled(true);
}

bool MacroLibrary::NameTakenElsewhere(const QString& name) const {
    return records_.NameOnlyInFile(name);
}

// The plug-ins are read after the base is taken from the files, so that
// they count as no change: a Mirel writes a plug-in only once its user
// changed it.
void MacroLibrary::CreateMacros() {
    frmMain& main = p_.main();
    main.macroPickers.Combo6.setListIndex(0);
    ReadStore();
    main.macroEditor.ListStoredMacros();
    RebuildWizardLists(false);
    const MacroRecords::Slots before = [this] {
        MacroRecords::Slots held;
        for (int m = 0; m < Macros; ++m)
            held[static_cast<std::size_t>(m)] = HeldSlot(m);
        return held;
    }();
    ReadPlugins();
    for (int m = 0; m < Macros; ++m)
        if (const QStringList slot = HeldSlot(m); slot != before[static_cast<std::size_t>(m)])
            records_.plugins.push_back({slot[0], slot.mid(1)});
    records_.TakeBase();
}

void MacroLibrary::ReadStore() {
    const MacroRecords::Slots held = records_.ReadSlots();
    for (int m = 0; m < Macros; ++m) {
        const auto s = static_cast<std::size_t>(m);
        for (int l = 0; l < Lines; ++l)
            MacroStore[s][static_cast<std::size_t>(l)] = held[s][l];
        WizardFlags[s] = FileInteger(held[s][Lines]).value_or(0);
        WizardTexts[s] = held[s][Lines + 1];
    }
}

QStringList MacroLibrary::HeldSlot(int slot) const {
    const auto s = static_cast<std::size_t>(slot);
    QStringList lines;
    lines.reserve(Lines + 2);
    for (const QString& cell : MacroStore[s])
        lines << OneLine(cell);
    lines << runtime::PrintNumber(WizardFlags[s]) << OneLine(WizardTexts[s]);
    return lines;
}

int MacroLibrary::SlotNamed(const QString& name) const {
    for (int m = 0; m < Macros; ++m)
        if (!name.isEmpty() &&
            MacroStore[static_cast<std::size_t>(m)][0].compare(name, Qt::CaseInsensitive) == 0)
            return m;
    return -1;
}

bool MacroLibrary::SaveStore(QString* error, QStringList* told) {
    QStringList said;
    QString why;
    const bool saved = records_.Save(said, &why);
    if (told) *told << said;
    if (error) *error = why;
    return saved;
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
