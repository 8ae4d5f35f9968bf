// Where recorded lines go: the macro selected in the macro list, after its
// last line.

#include "macro/Recorder.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

bool AppendRecordedLine(Program& p, const QString& command, const QString& data) {
    const int slot = p.main().macroPickers.Combo5.listIndex();
    if (slot < 0 || slot >= MacroLibrary::Macros) return false;
    auto& lines = p.macroLibrary.MacroStore[static_cast<std::size_t>(slot)];
    for (std::size_t l = 1; l < lines.size(); ++l) {
        if (!lines[l].isEmpty()) continue;
        lines[l] = data.isEmpty() ? command : command + QStringLiteral(":=") + data;
        return true;
    }
    return false;
}
