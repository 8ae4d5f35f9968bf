// The execute list of the macro being edited: add, move and delete lines,
// split a line into its data and comment and build it back.
#include "macro/MacroEditor.h"

#include "macro/MacroPickers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

const QString Assign = QStringLiteral(":=");
const QString CommentMark = QStringLiteral("//");

} // namespace

void MacroEditor::ExecuteListButton(int index) {
    const int slot = currentSlot();
    switch (index) {
    case Add:
        if (slot >= 0) AddLine(slot);
        break;
    case Up:
        if (slot >= 0 && List7.listIndex() > 0)
            SwapLines(slot, List7.listIndex() - 1, List7.listIndex());
        break;
    case Down:
        if (slot >= 0 && List7.listIndex() >= 0 && List7.listIndex() < List7.listCount() - 1)
            SwapLines(slot, List7.listIndex() + 1, List7.listIndex());
        break;
    case Delete:
        DeleteLine(slot);
        break;
    case Record:
        RecordToggle();
        break;
    default:
        break;
    }
    p_.macroLibrary.Changed();
}

// The chosen command goes below the selected line; with lines but none
// selected it goes to the end, so no line is pushed away unseen.
void MacroEditor::AddLine(int slot) {
    const int count = List7.listCount();
    if (count >= MaxLines || pickers_.Combo6.listIndex() < 0 || List6.listIndex() < 0) return;
    const int selected = List7.listIndex();
    const int x = selected >= 0 ? selected + 1 : count;
    for (int i = count; i > x; --i)
        cell(slot, i + 1) = cell(slot, i);
    const QString line = pickers_.Combo6.text() + u'.' + List6.text();
    cell(slot, x + 1) = line;
    List7.addItem(line, x);
    if (List7.listIndex() == x)
        MacroLineSelect();
    else
        List7.setListIndex(x);
    WriteListCaption();
}

// Lines `to` and `from` trade places; `to` is selected afterwards.
void MacroEditor::SwapLines(int slot, int to, int from) {
    const QString moved = List7.list(from);
    List7.setList(from, List7.list(to));
    List7.setList(to, moved);
    std::swap(cell(slot, from + 1), cell(slot, to + 1));
    List7.setListIndex(to);
}

void MacroEditor::DeleteLine(int slot) {
    const int p = List7.listIndex();
    if (slot >= 0 && p >= 0) {
        List7.removeItem(p);
        for (int l = 1; l <= MaxLines; ++l)
            cell(slot, l) = l <= List7.listCount() ? List7.list(l - 1) : QString();
        List7.setListIndex(p - 1);
        if (p == 0) List7.setListIndex(-1);
    }
    WriteListCaption();
    rtfItemDescr.setText(QString());
    Text3.setText(QString());
}

void MacroEditor::RecordToggle() {
    Macro& macro = p_.macro;
    macro.MacroAction.code = -1;
    platform::Label& button = Command32[Record];
    if (macro.RecordMode == 0) {
        button.setCaption(p_.texts.TextTable(4, 33));
        macro.RecordMode = 1;
        p_.main().StatusBar1.setPanelText(3, p_.texts.TextTable(4, 34));
        if (onRecordToggle) onRecordToggle(true);
    } else if (macro.RecordMode == 1) {
        button.setCaption(p_.texts.TextTable(4, 32));
        macro.RecordMode = 0;
        p_.main().StatusBar1.setPanelText(3, QString());
        if (onRecordToggle) onRecordToggle(false);
    }
}

void MacroEditor::MacroLineSelect() {
    QString line = runtime::Trim(List7.text());
    const qsizetype comment = line.indexOf(CommentMark);
    if (comment >= 0) {
        Text3.setText(line.mid(comment + CommentMark.size()));
        line = runtime::Trim(line.left(comment));
    } else {
        Text3.setText(QString());
    }
    const qsizetype assign = line.indexOf(Assign);
    rtfItemDescr.setText(assign >= 0 ? line.mid(assign + Assign.size()) : QString());
}

void MacroEditor::MacroLineAccept() {
    const int p = List7.listIndex();
    const int slot = currentSlot();
    if (p < 0 || slot < 0) return;
    QString line = List7.list(p);
    const qsizetype assign = line.indexOf(Assign);
    const qsizetype comment = line.indexOf(CommentMark);
    if (assign >= 0)
        line = line.left(assign);
    else if (comment >= 0)
        line = runtime::Trim(line.left(comment));
    const QString data = MacroLibrary::OneLine(rtfItemDescr.text());
    const QString note = MacroLibrary::OneLine(Text3.text());
    if (!runtime::Trim(data).isEmpty()) line += Assign + data;
    if (!runtime::Trim(note).isEmpty()) line += QStringLiteral("  ") + CommentMark + note;
    line = runtime::Trim(line);
    List7.setList(p, line);
    cell(slot, p + 1) = line;
    p_.macroLibrary.Changed();
}

// ---- The command table's lists -------------------------------------------------

void MacroEditor::MacroGroupSelect() {
    List6.clear();
    List10.clear();
    lblMacroComment.setCaption(QString());
    const int group = pickers_.Combo6.listIndex();
    const MacroCommandTable& table = p_.macroTable;
    for (int pos = 0; pos < MacroCommandTable::Positions; ++pos) {
        if (table.cell(group, pos).isEmpty()) continue;
        List6.addItem(table.name(group, pos));
        List10.addItem(table.cell(group, pos));
    }
    Label55.setCaption(pickers_.Combo6.text());
    if (List6.listCount() > 0) {
        if (List6.listIndex() == 0)
            MacroCommandSelect();
        else
            List6.setListIndex(0);
    }
    pickers_.MacroGroupPickerToggle();
}

void MacroEditor::MacroCommandSelect() {
    const QString key = List6.text() + u';';
    for (int i = 0; i < List10.listCount(); ++i) {
        const QString item = List10.list(i);
        if (!item.startsWith(key)) continue;
        const QString rest = item.mid(item.indexOf(u';') + 1);
        const qsizetype caret = rest.indexOf(u'^');
        lblMacroComment.setCaption(caret < 0 ? rest : rest.left(caret));
        Label68.setCaption(QStringLiteral("Trigger.Index=") +
                           (caret < 0 ? QString() : rest.mid(caret + 1)));
        return;
    }
}

void MacroEditor::MacroCommandInsert() {
    ExecuteListButton(Add);
}
