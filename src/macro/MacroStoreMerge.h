#pragma once
// The macro store's records for the one store mechanism (runtime/StoreMerge.h):
// a record is a macro, named by its name (case ignored, as the editor keeps
// names), holding its 199 lines, its wizard mark and its wizard text. A slot
// with lines but no name is a record of an empty name: not listed, kept.
//
// The files: \System\Macro.sdf holds the 20,000 cells, macro after macro,
// then the line "<Wizard>" and each macro's mark and text (one write carries
// a whole change); \System\wizard.sdf holds the marks and texts again for
// readers of the older layout. A Macro.sdf without the "<Wizard>" lines (an
// older file) takes the marks and texts from wizard.sdf.

#include "runtime/StoreMerge.h"

#include <QStringList>
#include <array>
#include <map>

class MacroLibrary;
class Program;

class MacroRecords : public runtime::RecordStore {
public:
    static constexpr int Macros = 100;
    static constexpr int Lines = 200;
    // A slot as the files hold it: its 200 cells, its mark in print form and
    // its wizard text.
    using SlotLines = QStringList;
    using Slots = std::array<SlotLines, Macros>;

    MacroRecords(Program& p, MacroLibrary& lib) : p_(p), lib_(lib) {}

    // The slotLines as the files hold them now (missing files: empty slotLines).
    Slots ReadSlots(bool* readable = nullptr, QString* error = nullptr) const;
    static runtime::StoreRecords RecordsOf(const Slots& slotLines);
    // The plug-ins as read: they are no change of this Mirel's, and they are
    // written only once a Mirel changed them.
    runtime::StoreRecords plugins;
    // Whether a macro of this name is in the file but not in the base:
    // another Mirel made it.
    bool NameOnlyInFile(const QString& name) const;

protected:
    runtime::StoreRecords HeldRecords() const override;
    bool FileRecords(runtime::StoreRecords& records, QString* error) const override;
    bool WriteRecords(const runtime::StoreRecords& merged, QString* error) override;

private:
    bool Place(const runtime::StoreRecords& merged, Slots& out, QString* error) const;

    Program& p_;
    MacroLibrary& lib_;
    // Where the file read last holds each record (name folded).
    mutable std::map<QString, int> fileSlots_;
};
