#pragma once
// The user's macros as they live between runs: the macro store (100 macros
// of 200 lines, line 0 the macro's name) in \System\Macro.sdf and the wizard
// list (a mark and a text per macro) in \System\wizard.sdf. CreateMacros
// reads both at start, the exit routine writes both back.
//
// For now CreateMacros reads the two files only; the command table and the
// macro lists come with the macro language.

#include <QString>
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

    // Reads the macro store and the wizard list; a missing or short file
    // leaves the rest empty.
    void CreateMacros();

    // wizard.sdf: for each macro its mark in print form, then its text
    // (200 lines). Macro.sdf: every cell, macro after macro (20,000 lines).
    // False when the file could not be written (an old one stays whole);
    // *error, where given, then says which file and why.
    bool WriteWizardFile(QString* error = nullptr) const;
    bool WriteMacroFile(QString* error = nullptr) const;

private:
    void ReadMacroStore();
    void ReadWizardList();

    Program& p_;
};
