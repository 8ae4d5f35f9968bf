#pragma once
// The Clipboard tab of the main window's side area: the program's own
// clipboard of captured values (mostly time codes) and the buttons that send
// the selected one to the tool on the tab shown.
//
// Each item is a label, ">" and a value; the label ends with the item's number
// when it was added. The players, the calculators, the Basic tab's Clip, the
// Length button and setting files add items; a new item goes to the end and
// becomes the selected one.

#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/RichTextBox.h"

class Program;

class ClipboardTab {
public:
    ClipboardTab(Program& p, platform::Container& page);

    // The clipboard list: items "label>value", the newest last.
    platform::ListBox List1;
    // The selected item, editable; Accept (or Enter) writes it back.
    platform::RichTextBox rtfClipBoard;
    // Label buttons: 0 and 1 copy the selected item to the shown tab's
    // fields, 2 Accept, 3 Delete, 4 Clear. 1 to 4 have nothing to act on
    // while the list is empty.
    enum Action { CopyA, CopyB, Accept, Delete, Clear };
    static constexpr int ActionCount = 5;
    platform::ControlArray<platform::Label> command4;
    // Length: a movie's length as an item.
    platform::Label command9;

    // Adds an item at the end, selects it and enables buttons 1 to 4.
    void AddClipboardItem(const QString& item);
    // The number the next item's label carries.
    int NextItemNumber() const { return List1.listCount() + 1; }

    void ClipboardCommand(int index);
    void ClipboardLength();
    // The Basic tab's Clip: the Basic text as an item.
    void BasicClip();
    void ClipboardItemClick();
    void ClipboardEditFocus();
    void ClipboardEditKeyPress(int& keyAscii);

    // The clipboard's commands (and the Basic tab's Clip) in the command registry.
    void registerCommands();

private:
    // An item taken apart: the label's last path part (the whole label when
    // it has none) and the value's hours, minutes, seconds and milliseconds.
    // A part whose separator is missing stays empty.
    struct Item {
        QString name, hours, minutes, seconds, millis;
        static Item Split(const QString& text);
        QString time(QChar beforeMillis) const;
    };
    void placeButtons();
    void Copy(int index);
    void CopyToCalculator(int index, const Item& item);
    void CopyToSpanList(const Item& item);
    void CopyToEditorTool(int index, const Item& item);
    void AcceptEdit();
    void DeleteItem();
    void SelectItemFirst();

    Program& p_;
    platform::Container& page_;
};
