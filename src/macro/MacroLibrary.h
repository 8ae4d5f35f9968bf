#pragma once
// The user's macros as they live between runs: the macro store (100 macros
// of 200 lines, line 0 the macro's name) in \System\Macro.sdf and the wizard
// list (a mark and a text per macro) in \System\wizard.sdf. CreateMacros
// reads both at start, lists the macros on the Macros tab and adds the
// plug-in macros (.mcr files in \Data\Macro); SaveStore writes both files
// back, each whole or not at all.
//
// A cell never holds a line break (it would shift every later cell of the
// file): OneLine stores a break as "/n", as the message window shows it.

#include "macro/MacroStoreMerge.h"
#include "platform/Timer.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

class Program;

class MacroLibrary {
public:
    explicit MacroLibrary(Program& p);

    static constexpr int Macros = 100;
    static constexpr int Lines = 200;

    // Cells [macro][line]; an empty cell is an empty line.
    std::array<std::array<QString, Lines>, Macros> MacroStore;
    std::array<int, Macros> WizardFlags{};
    std::array<QString, Macros> WizardTexts;

    // The wizard window's list: the names of the marked macros and of the
    // plug-ins read at start, and its selected entry (-1 none). Rebuilt by
    // the reader and by every change of a wizard mark.
    QStringList WizardList;
    int WizardListIndex = -1;

    // Fills the command groups, reads the wizard list and the macro store,
    // lists the macros, reads the plug-ins and selects the first macro.
    void CreateMacros();

    // The store on disk (see MacroStoreMerge.h) is one store of the one
    // store mechanism: written when this Mirel changed a macro, merged macro
    // by macro with what another Mirel wrote since (a macro only one changed
    // takes that change; one both changed is kept twice, the other's as
    // "name (2)"; each such choice is told). False when a file could not be
    // read or written (an old one stays whole) or a macro found no free slot
    // (nothing is written); *error then says why, and the change stays in
    // memory for the next write. `told` gains what the merge has to say.
    bool SaveStore(QString* error = nullptr, QStringList* told = nullptr);

    // The editor tells the store of each change it made: Changed writes it
    // now, ChangedSoon once the user has paused (text typed into a field
    // that takes every keystroke). A write that fails, and what the merge
    // has to say, are told at once; the change is written at the next one.
    bool Changed();
    void ChangedSoon();
    static constexpr int PauseMs = 1000;
    platform::Timer pause;

    // True when the file holds a macro of this name that another Mirel made
    // (this one never read or wrote it): a new or renamed macro must not take it.
    bool NameTakenElsewhere(const QString& name) const;

    // The first slot whose name is empty, preferring one with no lines; -1
    // when every slot holds a macro.
    int FreeSlot() const;
    // Empties a slot: name, lines, wizard mark and text.
    void ClearSlot(int slot);
    // The text with every line break as "/n".
    static QString OneLine(const QString& text);
    // Rebuilds the wizard lists from the marks (the Macros tab's List12 and
    // WizardList), selecting the last marked macro or the first.
    void RebuildWizardLists(bool selectLast = true);
    // Takes a macro's name out of both wizard lists (its first entry).
    void DropFromWizardLists(const QString& name);
    // A deleted macro that a plug-in file gave stays deleted: its file is set
    // aside as "<file>.deleted" (or ".deleted.2", ...), which no start reads. False, with the
    // reason, when the file could not be set aside.
    bool SetAsidePluginOf(const QString& name, QString* error);
    // Whether the plug-in file this macro was read from is still there (a
    // plug-in set aside by another Mirel is deleted in its store too).
    bool HasPluginFile(const QString& name) const;

    // A slot as the files hold it: its 200 cells, its mark in print form
    // and its wizard text.
    QStringList HeldSlot(int slot) const;
    // The slot of the macro of this name (case ignored), -1 for none.
    int SlotNamed(const QString& name) const;

private:
    void ReadStore();
    void ReadPlugins();
    bool ReadPlugin(const QString& path);

    Program& p_;
    MacroRecords records_;
    // The plug-in file each plug-in macro was read from, by its name in
    // lower case.
    QHash<QString, QString> pluginFiles_;
};
