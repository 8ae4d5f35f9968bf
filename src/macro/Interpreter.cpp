#include "macro/Interpreter.h"

#include "macro/Variables.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <exception>

void Interpreter::ExecMacro(const QString& command, QString& data) {
    // A recorded answer is for the question of the line after it only.
    Macro& m = p_.macro;
    const bool answers = m.AnswerArmed;
    m.AnswerArmed = false;
    if (!p_.doc.FileChanged) m.RunOwnsEdits = true; // edits from here on are the run's
    run(command, data);
    if (answers) m.PendingAnswer = {};
}

void Interpreter::run(const QString& command, QString& data) {
    try {
        p_.main(); // the main window registers the commands
        p_.sysVars.RefreshValues();
        if (!data.isEmpty()) data = ExpandVars(p_, data);
        const CommandRegistry::Command* c = p_.commands.find(command);
        if (c && c->run) c->run(data);
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
