// The Editor group's commands that work on the Basic tab, the grid and the
// macro variables taken from the editor's fields.

#include "macro/Interpreter.h"
#include "macro/Variables.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

// "x,y": the grid's row y first, then its column x, as a user's click; the
// line shows afresh as when the user comes to it, also on the cell already
// current.
void CellSelect(Program& p, const QString& data) {
    const qsizetype comma = data.indexOf(u',');
    const int col = MacroInteger(comma < 0 ? data : data.left(comma));
    const int row = MacroInteger(comma < 0 ? QString() : data.mid(comma + 1));
    platform::Grid& g = p.doc.grid();
    if (row < 0 || row >= g.rows() || col < 0 || col >= g.cols()) throw MacroError("no such cell");
    const bool moved = row != g.row() || col != g.col();
    g.setRow(row);
    g.setCol(col);
    if (!moved) p.edit.ShowCurrentLine();
    p.edit.EditorCellSelect();
}

// A variable named by the data (or "mcrVar[n]") in the first free slot,
// with the field's text as its value; a variable of that name is not
// looked for.
void StoreField(Program& p, int code, const QString& data, const QString& value) {
    p.macro.StoreVariable(data, value);
    p.macro.SetMacroAction(QString(), code);
}

// Registered while the main window is being built: the fields are looked
// up when a command runs.
void RegisterFieldVariables(Program& p) {
    using Field = QString (*)(frmMain&);
    const struct {
        const char* name;
        int code;
        Field text;
    } fields[] = {
        {"Basic", 550, [](frmMain& w) { return w.editor.basic.rtfSubEditBasic.text(); }},
        {"Shift.Duration", 556, [](frmMain& w) { return w.shift.rtfShiftDuration.text(); }},
        {"Shift.Range.Start", 557, [](frmMain& w) { return w.editor.Text1[0].text(); }},
        {"Shift.Range.End", 558, [](frmMain& w) { return w.editor.Text1[1].text(); }},
        {"Stretch.First", 559, [](frmMain& w) { return w.editor.rtfStretchFirst.text(); }},
        {"Stretch.Last", 560, [](frmMain& w) { return w.editor.rtfStretchLast.text(); }},
        {"Stretch.Range.Start", 561, [](frmMain& w) { return w.editor.Text1[2].text(); }},
        {"Stretch.Range.End", 562, [](frmMain& w) { return w.editor.Text1[3].text(); }},
        {"Time.Start", 563, [](frmMain& w) { return w.timeTab.rtfTimeStart.text(); }},
        {"Time.End", 564, [](frmMain& w) { return w.timeTab.rtfTimeEnd.text(); }},
        {"Time.Duration", 565, [](frmMain& w) { return w.timeTab.rtfDurShift.text(); }},
    };
    for (const auto& f : fields)
        p.commands.add(QStringLiteral("Editor.mcrVar.Set.") + QString::fromLatin1(f.name), f.code,
                       [&p, code = f.code, text = f.text](const QString& d) {
                           StoreField(p, code, d, text(p.main()));
                       });
}

} // namespace

void RegisterEditorCommands(Program& p) {
    CommandRegistry& c = p.commands;
    EditArea& edit = p.edit;
    c.add(QStringLiteral("Editor.Basic.Insert"), 501, [&edit] { edit.BasicInsertLine(); });
    c.add(QStringLiteral("Editor.Basic.Delete"), 502, [&edit] { edit.BasicDeleteLine(); });
    c.add(QStringLiteral("Editor.Basic.Change"), 504, [&edit] { edit.BasicChangeCell(); });
    c.add(QStringLiteral("Editor.Basic.Text"), 505, [&p](const QString& d) {
        p.macro.SetMacroAction(d, 505);
        p.main().editor.basic.rtfSubEditBasic.setText(d);
    });
    c.add(QStringLiteral("Editor.Cel.Select"), 549, [&p](const QString& d) { CellSelect(p, d); });
    RegisterFieldVariables(p);
}
