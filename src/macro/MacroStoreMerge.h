#pragma once
// The macro store's merge with what another Mirel wrote: see MergeMacroStore.

#include "macro/MacroLibrary.h"

#include <QStringList>
#include <array>

struct MergedStore {
    std::array<QStringList, MacroLibrary::Macros> stored;
    // The name of a macro that found no free slot ("" when all were placed);
    // the slots are then incomplete and must not be written.
    QString unplaced;
};

// Each slot as its 200 cells, its wizard mark and its text. `base` is the
// store as this Mirel last read or wrote it, `held` as it holds it now,
// `disk` as the file holds it now. Each macro is kept once: as this Mirel
// holds it when it changed it, else as the disk has it (so the other
// Mirel's edits and deletions stay), at its slot on disk where it has one.
MergedStore MergeMacroStore(const std::array<QStringList, MacroLibrary::Macros>& base,
                            const std::array<QStringList, MacroLibrary::Macros>& held,
                            const std::array<QStringList, MacroLibrary::Macros>& disk);

// True when the disk holds a macro of this name (case ignored) that this
// Mirel never read or wrote: another Mirel made it.
bool NameOnlyOnDisk(const std::array<QStringList, MacroLibrary::Macros>& base,
                    const std::array<QStringList, MacroLibrary::Macros>& disk, const QString& name);
