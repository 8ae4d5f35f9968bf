// Where recorded lines go: the macro editor adds the command below the
// selected line of the macro being edited, as its Add button does, and puts
// the data in with Accept.

#include "macro/Recorder.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

bool AppendRecordedLine(Program& p, int group, const QString& name, const QString& data) {
    frmMain& w = p.main();
    MacroEditor& editor = w.macroEditor;
    if (editor.currentSlot() < 0) return false;
    w.macroPickers.Combo6.setListIndex(group);
    int item = -1;
    for (int i = 0; i < editor.List6.listCount() && item < 0; ++i)
        if (editor.List6.list(i) == name) item = i;
    if (item < 0) return false;
    editor.List6.setListIndex(item);
    const int before = editor.List7.listCount();
    editor.ExecuteListButton(MacroEditor::Add);
    if (editor.List7.listCount() == before) return false; // the macro is full
    if (!data.isEmpty()) {
        editor.rtfItemDescr.setText(data);
        editor.MacroLineAccept();
    }
    return true;
}
