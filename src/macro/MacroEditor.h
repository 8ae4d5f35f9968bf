#pragma once
// The macro editor on the Macros tab: the macro list (Combo5, from the
// pickers) with its name box and New, Delete and Rename; the command groups
// and their commands from the command table (Combo6, List6) with the chosen
// command's description; and the execute list of the macro being edited
// (List7) with Add, Up, Down, Delete, the record toggle, and the data and
// comment boxes of the selected line.
//
// Every edit goes straight into the macro store in memory. Each entry of
// Combo5 carries the store slot of its macro as its item data (slotOf), so
// a slot whose name is empty never shifts the later macros onto the wrong
// slots. Cells never hold a line break: a typed one is stored as "/n".

#include "platform/CheckBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

#include <functional>

class Program;
class MacroPickers;

class MacroEditor {
public:
    MacroEditor(Program& p, MacroPickers& pickers, platform::Container& page);

    static constexpr int MaxNewMacros = 20;
    static constexpr int MaxLines = 199;
    enum ListButton { Add, Up, Down, Delete, Record };

    platform::TextBox rtfMacroName;
    platform::Label Command34; // New
    platform::Label Command35; // Delete
    platform::Label Command36; // Rename
    platform::Label Label55;   // the chosen group's name
    platform::ListBox List6;   // commands of the chosen group
    platform::ListBox List10;  // the whole cells behind List6, never shown
    platform::Label lblMacroComment;
    platform::Label Label68; // the command's action code
    platform::Label Label19; // caption of the execute list
    platform::ListBox List7; // the execute list
    platform::ControlArray<platform::Label> Command32;
    platform::Label Label69;        // "Data"
    platform::TextBox rtfItemDescr; // data of the selected line
    platform::Label Label70;        // "Comment"
    platform::TextBox Text3;        // comment of the selected line
    platform::Label Command53;      // Accept
    platform::Label Label17;        // Export
    platform::CheckBox Check5;      // Mark as Wizard

    // Handlers (the recorder and the wizard window call them too).
    void MacroSelect();
    void MacroNew();
    void MacroDelete();
    void MacroRename();
    void ExecuteListButton(int index);
    void MacroLineSelect();
    void MacroLineAccept();
    void MacroGroupSelect();
    void MacroCommandSelect();
    void MacroCommandInsert();
    void MacroExport();
    void WizardMark();
    // Each line of the macro being edited trimmed and indented by four blanks
    // for each System.If.Do block it stands in (its End line still inside).
    void LineUpMacro();

    // The store slot of Combo5's entry, -1 for none.
    int slotOf(int position) const;
    // The slot of the macro being edited, -1 with none selected.
    int currentSlot() const;
    // Lists the store's named macros in Combo5 (the store reader's step).
    void ListStoredMacros();
    // Appends a macro to Combo5 on a free slot; -1 when every slot is used.
    int AddMacroEntry(const QString& name);
    // True when a listed macro has this name, case ignored.
    bool HasMacroNamed(const QString& name, int exceptPosition = -1) const;
    // "Execute list [n functions left]".
    void WriteListCaption();

    // Called with true when recording starts and false when it stops.
    std::function<void(bool recording)> onRecordToggle;

private:
    void layOut(platform::Container& page);
    void wire();
    void AddLine(int slot);
    void SwapLines(int slot, int a, int b);
    void DeleteLine(int slot);
    void RecordToggle();
    void MoveSlotUp(int to, int from);
    QString& cell(int slot, int line);

    Program& p_;
    MacroPickers& pickers_;
};
