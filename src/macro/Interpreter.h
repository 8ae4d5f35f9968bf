#pragma once
// Runs one macro command: the system variables are refreshed, the data's
// variable references expanded (the caller's text becomes the expanded one),
// the command run through the command registry by its full name, and the
// macro-variable list refreshed. A fault inside the command ends it with the
// "Macro Error" message naming the line and the cause, and ends the run;
// what it changed before stays changed.

#include <QString>

class Program;

class Interpreter {
public:
    explicit Interpreter(Program& p) : p_(p) {}

    // A name no command is registered under does nothing.
    void ExecMacro(const QString& command, QString& data);

private:
    void run(const QString& command, QString& data);
    void fail(const QString& command, const QString& data, const QString& cause);

    Program& p_;
};

// The macro language's own commands: the System group (variables,
// conditions, loops, triggers, exit) and the View commands of the message,
// input and system windows.
void RegisterMacroCommands(Program& p);
// The file chooser's and the progress window's commands.
void RegisterFileHandlingCommands(Program& p);
// The Editor commands of the Basic tab, the grid and the field variables.
void RegisterEditorCommands(Program& p);
// Runs a Menu.Save.SubFile line (false for any other command): `written` is
// its data as the macro holds it, `data` expanded. sysVar[56] is the file
// the document was read from or saved to; a document with none (File > New)
// is saved as by hand, through the chooser. A save with no type line before
// it in the run keeps the document's type.
bool SaveByMacro(Program& p, const QString& command, const QString& written, const QString& data);
