#include "macro/Interpreter.h"

#include "macro/Variables.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <exception>

namespace {
// The chooser's type and option lines preset the save or add after them:
// the answers recorded before them are for that action's questions.
bool PresetsTheNextAction(const QString& command) {
    return command.startsWith(QStringLiteral("File.Handling.Set."));
}
} // namespace

void Interpreter::ExecMacro(const QString& command, QString& data) {
    Macro& m = p_.macro;
    const bool answers = m.AnswerArmed;
    m.AnswerArmed = false;
    if (!p_.doc.FileChanged) m.RunOwnsEdits = true; // edits from here on are the run's
    run(command, data);
    if (m.AnswerArmed) return; // an answer line: for the action after it
    if (answers && PresetsTheNextAction(command))
        m.AnswerArmed = true;
    else if (answers)
        m.PendingAnswers.clear(); // recorded answers are for one action's questions
}

void Interpreter::run(const QString& command, QString& data) {
    try {
        p_.main(); // the main window registers the commands
        p_.sysVars.RefreshValues();
        const QString written = data;
        if (!data.isEmpty()) data = ExpandVars(p_, data);
        if (!SaveByMacro(p_, command, written, data)) {
            const CommandRegistry::Command* c = p_.commands.find(command);
            if (c && c->run) c->run(data);
        }
        p_.macro.ListMcrVars();
    } catch (const MacroError& e) {
        fail(command, data, QString::fromStdString(e.what()));
    } catch (const std::exception&) {
        fail(command, data, QString());
    }
}

// The line and the cause are named; the run ends there, as at any refusal.
void Interpreter::fail(const QString& command, const QString& data, const QString& cause) {
    const QString line = command + (data.isEmpty() ? QString() : QStringLiteral(":=") + data);
    p_.messages.ShowMessage(
        p_.texts.Say("There was an error while executing this macro./n%1%2/nCheck the macro "
                     "content for manual inserted data.",
                     MessageWindow::Verbatim(line),
                     cause.isEmpty() ? QString()
                                     : QStringLiteral(": ") + MessageWindow::Verbatim(cause)),
        KindQuestion, QStringLiteral("ok"), QStringLiteral("Macro Error"));
    p_.macro.MacroRunning = false;
}
