#include "macro/MacroLibrary.h"

#include "macro/MacroWizardPage.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/FileNumbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool WriteLines(const QString& path, const QStringList& lines, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runtime::WriteTextFile(path, lines, error);
}

} // namespace

MacroLibrary::MacroLibrary(Program& p) : p_(p) {}

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
}

void MacroLibrary::ReadWizardList() {
    const QStringList lines =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::WizardFile)).lines;
    for (int i = 0; i < Macros; ++i) {
        WizardFlags[static_cast<std::size_t>(i)] = FileInteger(lines.value(2 * i)).value_or(0);
        WizardTexts[static_cast<std::size_t>(i)] = lines.value(2 * i + 1);
    }
}

bool MacroLibrary::WriteWizardFile(QString* error) const {
    QStringList lines;
    lines.reserve(2 * Macros);
    for (int i = 0; i < Macros; ++i) {
        lines << runtime::PrintNumber(WizardFlags[static_cast<std::size_t>(i)]);
        lines << OneLine(WizardTexts[static_cast<std::size_t>(i)]);
    }
    return WriteLines(p_.folder.path(runtime::Place::WizardFile), lines, error);
}

bool MacroLibrary::WriteMacroFile(QString* error) const {
    QStringList lines;
    lines.reserve(Macros * Lines);
    for (const auto& macro : MacroStore)
        for (const QString& cell : macro)
            lines << OneLine(cell);
    return WriteLines(p_.folder.path(runtime::Place::MacroFile), lines, error);
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
