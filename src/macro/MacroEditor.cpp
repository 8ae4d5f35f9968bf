#include "macro/MacroEditor.h"

#include "document/MessageWindow.h"
#include "macro/MacroPickers.h"
#include "platform/Keys.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <functional>

namespace {

constexpr int KeyReturn = 13;
constexpr int NoSlot = -1;

// A store cell holds one line: a typed line break is kept as "/n".
} // namespace

MacroEditor::MacroEditor(Program& p, MacroPickers& pickers, platform::Container& page)
    : rtfMacroName(page, "rtfMacroName"), Command34(page, "Command34", "New"),
      Command35(page, "Command35", "Delete"), Command36(page, "Command36", "Rename"),
      Label55(page, "Label55"), List6(page, "List6"), List10(page, "List10"),
      lblMacroComment(page, "lblMacroComment"), Label68(page, "Label68"), Label19(page, "Label19"),
      List7(page, "List7"), Label69(page, "Label69", "Data"), rtfItemDescr(page, "rtfItemDescr"),
      Label70(page, "Label70", "Comment"), Text3(page, "Text3"),
      Command53(page, "Command53", "Accept"), Label17(page, "Label17", "Export"),
      Check5(page, "Check5", "Mark as Wizard"), p_(p), pickers_(pickers) {
    const char* captions[] = {"Add >>", "Up", "Down", "<< Delete", "Record.Start"};
    for (int i = Add; i <= Record; ++i)
        Command32.add(page, "Command32", i, QString::fromLatin1(captions[i]));
    layOut(page);
    wire();
    for (const QString& group : MacroCommandTable::groupNames())
        pickers_.Combo6.addItem(group);
    WriteListCaption();
    for (platform::Control* c : {static_cast<platform::Control*>(&Command36),
                                 static_cast<platform::Control*>(&rtfMacroName),
                                 static_cast<platform::Control*>(&Command32[Record])})
        c->setEnabled(false);
}

void MacroEditor::layOut(platform::Container&) {
    rtfMacroName.move(540, 480, 3495, 315); // under the macro list while it is closed
    rtfMacroName.setToolTipText(QStringLiteral("Name of the selected macro; Enter renames it"));
    const int top = 510, width = 855, pitch = 915;
    Command34.move(4140, top, width, 255);
    Command35.move(4140 + pitch, top, width, 255);
    Command36.move(4140 + 2 * pitch, top, width, 255);
    Label55.move(540, 930, 3495, 255);
    List6.move(120, 1260, 3915, 1740);
    List10.setVisible(false);
    lblMacroComment.move(120, 3060, 3915, 735);
    lblMacroComment.setWordWrap(true);
    Label68.move(120, 3840, 3915, 255);
    for (int i = Add; i <= Record; ++i)
        Command32[i].move(4140, 1260 + i * 300, 1155, 255);
    Label17.move(4140, 1260 + 5 * 300, 1155, 255);
    Label19.move(5340, 930, 4515, 255);
    List7.move(5340, 1260, 4515, 1740);
    Label69.move(5340, 3075, 1000, 255);
    rtfItemDescr.move(5340, 3330, 2190, 315);
    Label70.move(7620, 3075, 1000, 255);
    Text3.move(7620, 3330, 2235, 315);
    Check5.move(5340, 3780, 2295, 255);
    Command53.move(8895, 3780, 960, 255);
    for (platform::Label* b : {&Command34, &Command35, &Command36, &Command53, &Label17})
        MakeLabelButton(*b);
    for (platform::Label& b : Command32)
        MakeLabelButton(b);
}

// Each handler that changes a macro tells the store, which writes it at
// once (another Mirel on the same folder may exit before this one).
void MacroEditor::wire() {
    pickers_.Combo5.onClick = [this] { MacroSelect(); };
    pickers_.Combo6.onClick = [this] { MacroGroupSelect(); };
    Command34.onClick = [this] { MacroNew(); };
    Command35.onClick = [this] { MacroDelete(); };
    Command36.onClick = [this] { MacroRename(); };
    rtfMacroName.onKeyPress = [this](int& key) {
        if (key == KeyReturn) MacroRename();
    };
    rtfMacroName.onGotFocus = [this] {
        rtfMacroName.setSelStart(0);
        rtfMacroName.setSelLength(static_cast<int>(rtfMacroName.text().size()));
    };
    List6.onClick = [this] { MacroCommandSelect(); };
    List6.onDblClick = [this] { MacroCommandInsert(); };
    Command32.onClick([this](int index) { ExecuteListButton(index); });
    List7.onClick = [this] { MacroLineSelect(); };
    Command53.onClick = [this] { MacroLineAccept(); };
    for (platform::TextBox* box : {&rtfItemDescr, &Text3})
        box->onKeyPress = [this](int& key) {
            if (key == KeyReturn) MacroLineAccept();
        };
    Label17.onClick = [this] { MacroExport(); };
    Check5.onClick = [this] { WizardMark(); };
}

void MacroEditor::LineUpMacro() {
    const int slot = currentSlot();
    if (slot < 0) return;
    const int selected = List7.listIndex();
    int indent = 0;
    for (int i = 0; i < List7.listCount(); ++i) {
        const QString line = runtime::Trim(List7.list(i));
        const QString placed = QString(indent, u' ') + line;
        List7.setList(i, placed);
        cell(slot, i + 1) = placed;
        if (line.startsWith(QStringLiteral("System.If.Do.End")))
            indent = std::max(indent - 4, 0);
        else if (line.startsWith(QStringLiteral("System.If.Do")))
            indent += 4;
    }
    List7.setListIndex(selected);
}

void MacroEditor::WizardMark() {
    const int slot = currentSlot();
    if (slot < 0) return;
    // Showing a macro sets the box too: only a mark the box turns over is a
    // change (a mark the file holds as neither 0 nor 1 stays as it is).
    int& flag = p_.macroLibrary.WizardFlags[static_cast<std::size_t>(slot)];
    const bool ticked = Check5.value() == platform::CheckBox::Checked;
    const bool changed = (flag == 1) != ticked;
    if (changed) flag = ticked ? 1 : 0;
    p_.macroLibrary.RebuildWizardLists();
    if (changed) p_.macroLibrary.Changed();
}

QString& MacroEditor::cell(int slot, int line) {
    return p_.macroLibrary
        .MacroStore[static_cast<std::size_t>(slot)][static_cast<std::size_t>(line)];
}

int MacroEditor::slotOf(int position) const {
    const platform::ComboBox& list = pickers_.Combo5;
    if (position < 0 || position >= list.listCount()) return NoSlot;
    return list.itemData(position);
}

int MacroEditor::currentSlot() const {
    return slotOf(pickers_.Combo5.listIndex());
}

void MacroEditor::WriteListCaption() {
    Label19.setCaption(p_.texts.TextTable(4, 3) + QStringLiteral(" [") +
                       QString::number(MaxLines - List7.listCount()) + u' ' +
                       p_.texts.TextTable(4, 2) + u']');
}

bool MacroEditor::HasMacroNamed(const QString& name, int exceptPosition) const {
    const platform::ComboBox& list = pickers_.Combo5;
    for (int i = 0; i < list.listCount(); ++i)
        if (i != exceptPosition && list.list(i).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// ---- The macro list -----------------------------------------------------------

void MacroEditor::MacroSelect() {
    List7.clear();
    const int slot = currentSlot();
    rtfMacroName.setText(pickers_.Combo5.text());
    if (slot != NoSlot) {
        Check5.setValue(p_.macroLibrary.WizardFlags[static_cast<std::size_t>(slot)] == 1 ? 1 : 0);
        for (int l = 1; l <= MaxLines && !cell(slot, l).isEmpty(); ++l)
            List7.addItem(cell(slot, l));
        if (List7.listCount() > 0) List7.setListIndex(0);
    }
    WriteListCaption();
    Command32[Record].setEnabled(true);
    pickers_.MacroPickerToggle();
}

void MacroEditor::MacroNew() {
    platform::ComboBox& list = pickers_.Combo5;
    if (list.listCount() < MaxNewMacros) {
        int number = list.listCount() + 1;
        while (HasMacroNamed(QStringLiteral("New Macro") + QString::number(number)) ||
               p_.macroLibrary.NameTakenElsewhere(QStringLiteral("New Macro") +
                                                  QString::number(number)))
            ++number;
        if (AddMacroEntry(QStringLiteral("New Macro") + QString::number(number)) != NoSlot)
            list.setListIndex(list.listCount() - 1);
    }
    Command36.setEnabled(true);
    rtfMacroName.setEnabled(true);
    rtfItemDescr.setText(QString());
    Text3.setText(QString());
    WriteListCaption();
    Command32[Record].setEnabled(true);
    p_.macroLibrary.Changed();
}

void MacroEditor::MacroDelete() {
    if (List7.listCount() > 0 &&
        p_.messages.ShowMessage(QStringLiteral("Are you sure you want do delete this macro. Press "
                                               "'Ok' to confirm or Cancel to escape."),
                                KindExclamation, QStringLiteral("okcancel"),
                                QStringLiteral("Warning")) == AnswerCancel)
        return;
    platform::ComboBox& list = pickers_.Combo5;
    const int k = list.listIndex();
    if (k >= 0) {
        p_.macroLibrary.DropFromWizardLists(list.list(k)); // a deleted macro runs no more
        QString kept;
        if (!p_.macroLibrary.SetAsidePluginOf(list.list(k), &kept))
            p_.messages.ShowMessage(kept, KindExclamation, QStringLiteral("ok"),
                                    QStringLiteral("Macros"));
        const int last = list.listCount() - 1;
        for (int i = k; i < last; ++i) {
            list.setList(i, list.list(i + 1));
            MoveSlotUp(slotOf(i), slotOf(i + 1));
        }
        MoveSlotUp(slotOf(last), NoSlot);
        list.removeItem(last);
        List7.clear();
        rtfMacroName.setText(QString());
        if (list.listCount() == 0) {
            Command36.setEnabled(false);
            rtfMacroName.setEnabled(false);
        }
    }
    WriteListCaption();
    if (list.listCount() > 0)
        list.setListIndex(list.listCount() - 1);
    else
        Command32[Record].setEnabled(false);
    p_.macroLibrary.Changed();
}

// Slot `to` takes the name, lines and wizard data of slot `from`, which is
// emptied; with no `from`, `to` is emptied.
void MacroEditor::MoveSlotUp(int to, int from) {
    MacroLibrary& lib = p_.macroLibrary;
    const auto t = static_cast<std::size_t>(to);
    if (from == NoSlot) {
        lib.ClearSlot(to);
        return;
    }
    const auto f = static_cast<std::size_t>(from);
    lib.MacroStore[t] = lib.MacroStore[f];
    lib.WizardFlags[t] = lib.WizardFlags[f];
    lib.WizardTexts[t] = lib.WizardTexts[f];
    lib.ClearSlot(from);
}

void MacroEditor::MacroRename() {
    platform::ComboBox& list = pickers_.Combo5;
    const int m = list.listIndex();
    if (m < 0) return;
    const QString name = MacroLibrary::OneLine(rtfMacroName.text());
    const bool empty = runtime::Trim(name).isEmpty();
    if (empty || HasMacroNamed(name, m) || p_.macroLibrary.NameTakenElsewhere(name)) {
        rtfMacroName.setText(list.list(m)); // the macro keeps its name
        p_.messages.ShowMessage(
            empty ? p_.texts.Say("A macro needs a name: the macro keeps its name '%1'",
                                 MessageWindow::Verbatim(list.list(m)))
                  : p_.texts.Say("Another macro is named '%1' already: the macro keeps its name "
                                 "'%2'",
                                 MessageWindow::Verbatim(name),
                                 MessageWindow::Verbatim(list.list(m))),
            KindExclamation, QStringLiteral("ok"), QStringLiteral("Rename"));
        return;
    }
    const QString was = list.list(m);
    list.setList(m, name);
    cell(slotOf(m), 0) = name;
    // A renamed plug-in, once the store holds it, is set aside: its file
    // would bring the old name back beside the new one.
    QString kept;
    if (p_.macroLibrary.Changed() && !p_.macroLibrary.SetAsidePluginOf(was, &kept))
        p_.messages.ShowMessage(kept, KindExclamation, QStringLiteral("ok"),
                                QStringLiteral("Rename"));
}

int MacroEditor::AddMacroEntry(const QString& name) {
    const int slot = p_.macroLibrary.FreeSlot();
    if (slot == NoSlot) return NoSlot;
    p_.macroLibrary.ClearSlot(slot);
    cell(slot, 0) = MacroLibrary::OneLine(name);
    platform::ComboBox& list = pickers_.Combo5;
    list.addItem(cell(slot, 0));
    list.setItemData(list.listCount() - 1, slot);
    return slot;
}

void MacroEditor::ListStoredMacros() {
    for (int slot = 0; slot < MacroLibrary::Macros; ++slot) {
        const QString& name = cell(slot, 0);
        if (name.isEmpty()) continue;
        pickers_.Combo5.addItem(name);
        pickers_.Combo5.setItemData(pickers_.Combo5.listCount() - 1, slot);
    }
}
