#include "macro/MacroLibrary.h"

#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/FileNumbers.h"
#include "shell/Program.h"

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
    ReadMacroStore();
    ReadWizardList();
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
        lines << WizardTexts[static_cast<std::size_t>(i)];
    }
    return WriteLines(p_.folder.path(runtime::Place::WizardFile), lines, error);
}

bool MacroLibrary::WriteMacroFile(QString* error) const {
    QStringList lines;
    lines.reserve(Macros * Lines);
    for (const auto& macro : MacroStore)
        for (const QString& cell : macro)
            lines << cell;
    return WriteLines(p_.folder.path(runtime::Place::MacroFile), lines, error);
}
