// Merging this Mirel's macros with the store on disk, macro by macro. A
// macro is known by its name, case ignored (the editor keeps names unique),
// not by its slot: deleting a macro moves every later one up a slot, and
// another Mirel places its new macros wherever it finds room.

#include "macro/MacroStoreMerge.h"

#include "runtime/Numbers.h"

#include <map>
#include <vector>

namespace {

using SlotLines = QStringList;
using Slots = std::array<SlotLines, MacroLibrary::Macros>;

struct Entry {
    int slot = -1;
    const SlotLines* lines = nullptr;
};
// Name, case folded, and which macro of that name it is: a file written by
// hand may hold two of one name, and both are kept.
using Identities = std::map<QString, Entry>;

Identities ByIdentity(const Slots& store) {
    Identities out;
    std::map<QString, int> seen;
    for (int s = 0; s < MacroLibrary::Macros; ++s) {
        const SlotLines& lines = store[static_cast<std::size_t>(s)];
        if (lines.value(0).isEmpty()) continue;
        const QString name = lines[0].toCaseFolded();
        out[name + u'\n' + QString::number(seen[name]++)] = Entry{s, &lines};
    }
    return out;
}

Entry Find(const Identities& in, const QString& id) {
    const auto it = in.find(id);
    return it == in.end() ? Entry{} : it->second;
}

bool Same(const SlotLines* a, const SlotLines* b) {
    return a == b || (a && b && *a == *b);
}

// The version of one macro the store keeps (null: none). This Mirel's own
// change wins; what it did not change is as the disk has it, so the other
// Mirel's edits and deletions stay. A deletion here gives way to an edit
// the other Mirel made since this one last saw the macro.
const SlotLines* Kept(const Entry& base, const Entry& mine, const Entry& disk) {
    if (Same(base.lines, mine.lines)) return disk.lines;
    if (mine.lines) return mine.lines;
    return Same(disk.lines, base.lines) ? nullptr : disk.lines;
}

struct Wanted {
    const SlotLines* lines;
    int diskSlot, ownSlot;
};

std::vector<Wanted> WantedMacros(const Slots& base, const Slots& held, const Slots& disk) {
    const Identities b = ByIdentity(base), m = ByIdentity(held), d = ByIdentity(disk);
    std::map<QString, bool> ids;
    for (const Identities* in : {&b, &m, &d})
        for (const auto& entry : *in)
            ids[entry.first] = true;
    std::vector<Wanted> wanted;
    for (const auto& id : ids) {
        const Entry inBase = Find(b, id.first), mine = Find(m, id.first),
                    onDisk = Find(d, id.first);
        const SlotLines* kept = Kept(inBase, mine, onDisk);
        if (kept) wanted.push_back({kept, onDisk.slot, mine.slot});
    }
    return wanted;
}

bool IsEmpty(const SlotLines& lines) {
    for (qsizetype i = 0; i < lines.size() - 2; ++i)
        if (!lines[i].isEmpty()) return false;
    return lines.last().isEmpty() && lines[lines.size() - 2] == runtime::PrintNumber(0);
}

SlotLines EmptySlot() {
    SlotLines lines;
    for (int l = 0; l < MacroLibrary::Lines; ++l)
        lines << QString();
    return lines << runtime::PrintNumber(0) << QString();
}

} // namespace

MergedStore MergeMacroStore(const Slots& base, const Slots& held, const Slots& disk) {
    MergedStore out;
    out.stored.fill(EmptySlot());
    std::array<bool, MacroLibrary::Macros> taken{};
    const auto place = [&](const SlotLines& lines, int slot) {
        if (slot < 0 || taken[static_cast<std::size_t>(slot)]) return false;
        taken[static_cast<std::size_t>(slot)] = true;
        out.stored[static_cast<std::size_t>(slot)] = lines;
        return true;
    };
    const auto placeAnywhere = [&](const SlotLines& lines) {
        for (int s = 0; s < MacroLibrary::Macros; ++s)
            if (place(lines, s)) return true;
        return false;
    };
    std::vector<Wanted> wanted = WantedMacros(base, held, disk);
    // Where the disk has it first, then where this Mirel has it, then anywhere.
    std::vector<Wanted> rest, homeless;
    for (const Wanted& w : wanted)
        if (!place(*w.lines, w.diskSlot)) rest.push_back(w);
    for (const Wanted& w : rest)
        if (!place(*w.lines, w.ownSlot)) homeless.push_back(w);
    for (const Wanted& w : homeless)
        if (!placeAnywhere(*w.lines)) {
            out.unplaced = w.lines->value(0);
            return out;
        }
    // Cells of a slot without a name are no macro, but the file keeps them
    // where there is room.
    for (int s = 0; s < MacroLibrary::Macros; ++s) {
        const SlotLines& lines = disk[static_cast<std::size_t>(s)];
        if (lines.value(0).isEmpty() && !IsEmpty(lines) && !place(lines, s)) placeAnywhere(lines);
    }
    return out;
}

bool NameOnlyOnDisk(const Slots& base, const Slots& disk, const QString& name) {
    const QString folded = name.toCaseFolded();
    const auto named = [&folded](const Slots& store) {
        for (const SlotLines& lines : store)
            if (!lines.value(0).isEmpty() && lines[0].toCaseFolded() == folded) return true;
        return false;
    };
    return named(disk) && !named(base);
}
