// Fuzz target: macros as they arrive in a shared plug-in or a hand-edited
// store, built into the execute list, run by the interpreter and tested.
//   the input is macro text, one line a line; a line "#name" starts the
//   next macro (the first is "Fuzz" until one is named), at most 100 macros
//   of 199 lines. Macro 0 is run, then tested.
// Lines that reach a server, play media or open files by name are left out,
// and the run is stopped after a number of executed lines (loops may count
// to 32767), so one input takes moments.

#include "FuzzProgram.h"

#include "macro/ExecuteList.h"
#include "macro/MacroEditor.h"
#include "macro/MacroLibrary.h"
#include "shell/frmMain.h"

#include <QStringList>

namespace {

constexpr int StepLimit = 2000;

bool LeftOut(const QString& line) {
    static const char* const prefixes[] = {"Online.",   "Player.",        "Script.Player.",
                                           "Menu.",     "File.Handling.", "View.Settings",
                                           "Settings.", "System.Show.IH."};
    const QString command = line.trimmed();
    for (const char* prefix : prefixes)
        if (command.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    return false;
}

void ClearMacros(Program& p) {
    frmMain& w = p.main();
    w.macroPickers.Combo5.clear();
    for (int slot = 0; slot < MacroLibrary::Macros; ++slot)
        p.macroLibrary.ClearSlot(slot);
    p.macro.mcrVar.fill(QString());
    w.recorder.Timer2.setEnabled(false);
    p.macro.RecordMode = Macro::WatchMode;
}

void DefineMacros(Program& p, const QStringList& lines) {
    MacroEditor& editor = p.main().macroEditor;
    int slot = -1, line = 0;
    for (const QString& text : lines) {
        if (text.startsWith(u'#') || slot < 0) {
            slot =
                editor.AddMacroEntry(text.startsWith(u'#') ? text.mid(1) : QStringLiteral("Fuzz"));
            line = 0;
            if (slot < 0) return;
            if (text.startsWith(u'#')) continue;
        }
        if (++line >= MacroLibrary::Lines || text.isEmpty() || LeftOut(text)) continue;
        p.macroLibrary.MacroStore[static_cast<std::size_t>(slot)][static_cast<std::size_t>(line)] =
            text;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Program& p = fuzz::SharedProgram();
    frmMain& w = p.main();
    ClearMacros(p);
    const QString text = QString::fromUtf8(fuzz::Bytes(data, size));
    DefineMacros(p, text.split(QLatin1Char('\n')));
    if (w.macroPickers.Combo5.listCount() == 0) return 0;
    int steps = 0;
    w.executeList.onLine = [&p, &steps] {
        if (++steps > StepLimit) p.macro.MacroRunning = false;
    };
    w.macroPickers.Combo5.setListIndex(0);
    w.executeList.GoMacro(true);
    w.executeList.GoMacro(false);
    w.executeList.onLine = nullptr;
    ClearMacros(p);
    return 0;
}
