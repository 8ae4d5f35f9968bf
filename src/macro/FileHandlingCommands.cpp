// The File.Handling and File.Control groups of the macro language: the file
// chooser's type and option, a load by name, and the progress window's
// close-when-done box.

#include "document/Formats.h"
#include "fileio/frmFile.h"
#include "macro/Interpreter.h"
#include "macro/Variables.h"
#include "macro/frmSystem.h"
#include "shell/Program.h"
#include "shell/frmControl.h"

namespace {

void PickType(Program& p, const QString& data) {
    const int type = MacroInteger(data);
    platform::ListBox& list = p.fileChooser().List3;
    if (type < 0 || type >= list.listCount()) throw MacroError("no such file type");
    list.setListIndex(type);
}

void LoadByName(Program& p, const QString& data) {
    p.fileCommands.OpenFile(p.fileCommands.MacroFileName(data), 0, false);
}

// Each reports its own code with its data first, as a handler does.
void Add(Program& p, const char* name, int code, std::function<void(const QString&)> run) {
    p.commands.add(QString::fromLatin1(name), code,
                   [&p, code, run = std::move(run)](const QString& data) {
                       p.macro.SetMacroAction(data, code);
                       run(data);
                   });
}

const QString SaveCommand = QStringLiteral("Menu.Save.SubFile");
const QString TypeCommand = QStringLiteral("File.Handling.Set.Settings.Type");

// Whether a type line ran before the running line of the execute list.
bool RunPickedType(Program& p) {
    const platform::ListBox& lines = p.system().lstExec;
    for (int i = 0; i < p.macro.WaitLine && i < lines.listCount(); ++i)
        if (lines.list(i).trimmed().startsWith(TypeCommand)) return true;
    return false;
}

} // namespace

bool SaveByMacro(Program& p, const QString& command, const QString& written, const QString& data) {
    if (command != SaveCommand) return false;
    FileCommands& files = p.fileCommands;
    const bool ownFile =
        written.trimmed().compare(QStringLiteral("sysVar[56]"), Qt::CaseInsensitive) == 0;
    if (ownFile && !p.files.IsRememberedFile(p.files.CurFileName)) {
        files.MenuSaveSubFile(); // no file yet: the user names one, or Cancel ends the run
        return true;
    }
    if (!RunPickedType(p) && formats::IsSubtitleFormat(p.files.CurFileIndex))
        p.fileChooser().List3.setListIndex(p.files.CurFileIndex);
    files.MenuSaveSubFile(files.MacroFileName(data));
    return true;
}

void RegisterFileHandlingCommands(Program& p) {
    // The chooser reports its own code when it is activated.
    p.commands.add(QStringLiteral("View.FileHandling"), 37, [&p] { p.fileChooser().showModal(); });
    Add(p, "File.Handling.Set.Settings.Type", 1401, [&p](const QString& d) { PickType(p, d); });
    Add(p, "File.Handling.Set.Check.SA.On", 1402,
        [&p](const QString&) { p.fileChooser().Check1.setValue(1); });
    Add(p, "File.Handling.Set.Check.SA.Off", 1403,
        [&p](const QString&) { p.fileChooser().Check1.setValue(0); });
    // The load runs Diagnose, which reports its own Go: the load's code is
    // reported again once it is over, so a trigger on it sees it last.
    Add(p, "File.Handling.Load", FileCommands::ActionLoadByName, [&p](const QString& d) {
        LoadByName(p, d);
        p.macro.SetMacroAction(d, FileCommands::ActionLoadByName);
    });
    Add(p, "File.Control.Set.AutoClose.On", 1501,
        [&p](const QString&) { p.control().chkClose.setValue(1); });
    Add(p, "File.Control.Set.AutoClose.Off", 1502,
        [&p](const QString&) { p.control().chkClose.setValue(0); });
}
