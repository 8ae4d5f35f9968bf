// The macro store's records: what a macro record is, how the files hold the
// slotLines, and where each merged macro goes. A macro keeps its slot in the file
// where it has one, else the slot this Mirel gave it, else the first free one.

#include "macro/MacroStoreMerge.h"

#include "document/MessageWindow.h"
#include "macro/MacroLibrary.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/FileNumbers.h"
#include "shell/Program.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString WizardMarker = QStringLiteral("<Wizard>");

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

runtime::StoreRecord RecordOf(const QStringList& slot) {
    return {slot.value(0), slot.mid(1)};
}

bool IsEmpty(const runtime::StoreRecord& r) {
    if (!r.name.isEmpty()) return false;
    for (qsizetype i = 0; i < r.content.size() - 2; ++i)
        if (!r.content[i].isEmpty()) return false;
    return r.content.value(r.content.size() - 2) == runtime::PrintNumber(0) &&
           r.content.last().isEmpty();
}

MacroRecords::SlotLines EmptySlot() {
    MacroRecords::SlotLines lines;
    for (int l = 0; l < MacroRecords::Lines; ++l)
        lines << QString();
    return lines << runtime::PrintNumber(0) << QString();
}

bool WriteLines(const QString& path, const QStringList& lines, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runtime::WriteTextFile(path, lines, error);
}

} // namespace

MacroRecords::Slots MacroRecords::ReadSlots(bool* readable, QString* error) const {
    const QString storePath = p_.folder.path(runtime::Place::MacroFile);
    const runtime::TextFileContent file = runtime::ReadTextFile(storePath);
    const bool ok = file.ok || !QFileInfo::exists(storePath);
    if (readable) *readable = ok;
    if (!ok && error) *error = file.error;
    const QStringList& store = file.lines;
    const bool carriesWizard = store.value(Macros * Lines) == WizardMarker;
    const QStringList wizard =
        carriesWizard ? store.mid(Macros * Lines + 1)
                      : runtime::ReadTextFile(p_.folder.path(runtime::Place::WizardFile)).lines;
    Slots slotLines;
    for (int m = 0; m < Macros; ++m) {
        SlotLines& lines = slotLines[static_cast<std::size_t>(m)];
        for (int l = 0; l < Lines; ++l)
            lines << store.value(m * Lines + l);
        lines << runtime::PrintNumber(FileInteger(wizard.value(2 * m)).value_or(0))
              << wizard.value(2 * m + 1);
    }
    return slotLines;
}

runtime::StoreRecords MacroRecords::RecordsOf(const Slots& slotLines) {
    runtime::StoreRecords records;
    for (const SlotLines& slot : slotLines)
        if (runtime::StoreRecord r = RecordOf(slot); !IsEmpty(r)) records.push_back(r);
    return records;
}

runtime::StoreRecords MacroRecords::HeldRecords() const {
    Slots slotLines;
    for (int m = 0; m < Macros; ++m)
        slotLines[static_cast<std::size_t>(m)] = lib_.HeldSlot(m);
    return RecordsOf(slotLines);
}

// The file's macros, and the plug-ins this Mirel read whose name the file
// does not hold: as long as nobody changed them they are the same for every
// Mirel, whether stored or not.
bool MacroRecords::FileRecords(runtime::StoreRecords& records, QString* error) const {
    bool readable = true;
    const Slots slotLines = ReadSlots(&readable, error);
    if (!readable) return false;
    fileSlots_.clear();
    for (int m = 0; m < Macros; ++m)
        if (const QString& name = slotLines[static_cast<std::size_t>(m)][0]; !name.isEmpty())
            fileSlots_.emplace(Folded(name), m);
    records = RecordsOf(slotLines);
    for (const runtime::StoreRecord& plugin : plugins)
        if (!fileSlots_.count(Folded(plugin.name)) && lib_.HasPluginFile(plugin.name))
            records.push_back(plugin);
    return true;
}

bool MacroRecords::NameOnlyInFile(const QString& name) const {
    runtime::StoreRecords file;
    if (!FileRecords(file, nullptr)) return false;
    const auto named = [&](const runtime::StoreRecords& in) {
        for (const runtime::StoreRecord& r : in)
            if (!r.name.isEmpty() && Folded(r.name) == Folded(name)) return true;
        return false;
    };
    return named(file) && !named(base());
}

// Every merged macro on a slot, the cells of a slot without a name where
// there is room; false (nothing placed) when a macro finds no slot.
bool MacroRecords::Place(const runtime::StoreRecords& merged, Slots& out, QString* error) const {
    out.fill(EmptySlot());
    std::array<bool, Macros> taken{};
    std::vector<const runtime::StoreRecord*> rest;
    const auto place = [&](const runtime::StoreRecord& r, int slot) {
        if (slot < 0 || taken[static_cast<std::size_t>(slot)]) return false;
        taken[static_cast<std::size_t>(slot)] = true;
        out[static_cast<std::size_t>(slot)] = QStringList{r.name} + r.content;
        return true;
    };
    for (const runtime::StoreRecord& r : merged) {
        const auto at = fileSlots_.find(Folded(r.name));
        if (r.name.isEmpty() || at == fileSlots_.end() || !place(r, at->second)) rest.push_back(&r);
    }
    std::vector<const runtime::StoreRecord*> homeless;
    for (const runtime::StoreRecord* r : rest)
        if (r->name.isEmpty() || !place(*r, lib_.SlotNamed(r->name))) homeless.push_back(r);
    for (const runtime::StoreRecord* r : homeless) {
        int slot = 0;
        while (slot < Macros && !place(*r, slot))
            ++slot;
        if (slot < Macros || r->name.isEmpty()) continue;
        if (error)
            *error = QStringLiteral("The macros were not saved: the macro store holds %1 macros "
                                    "and has no room for '%2'. Delete a macro you do not need, "
                                    "then change a macro to save again.")
                         .arg(Macros)
                         .arg(MessageWindow::Verbatim(r->name));
        return false;
    }
    return true;
}

// Macro.sdf first, carrying the wizard data too: a kill after it leaves a
// whole store. Plug-ins nobody changed are not written.
bool MacroRecords::WriteRecords(const runtime::StoreRecords& merged, QString* error) {
    runtime::StoreRecords stored;
    for (const runtime::StoreRecord& r : merged)
        if (std::find(plugins.begin(), plugins.end(), r) == plugins.end()) stored.push_back(r);
    Slots slotLines;
    if (!Place(stored, slotLines, error)) return false;
    QStringList store, wizard;
    store.reserve(Macros * Lines + 1 + 2 * Macros);
    wizard.reserve(2 * Macros);
    for (const SlotLines& lines : slotLines) {
        store << lines.mid(0, Lines);
        wizard << lines.mid(Lines);
    }
    store << WizardMarker << wizard;
    const QString storePath = p_.folder.path(runtime::Place::MacroFile);
    if (!WriteLines(storePath, store, error)) {
        if (error)
            *error = runtime::English("%1 (%2 was not written either)")
                         .arg(*error, p_.folder.path(runtime::Place::WizardFile));
        return false;
    }
    return WriteLines(p_.folder.path(runtime::Place::WizardFile), wizard, error);
}
