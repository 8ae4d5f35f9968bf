#pragma once
// Running a stored macro. The execute list is built first: the macro's lines,
// each call of another macro replaced by that macro's lines (indented two
// blanks a level) between two comment lines, into the system window's
// lstExec. Then it is walked line by line: comments stripped, the command
// run by the interpreter, If.Do blocks skipped while false, For.Do loops
// repeated. A test run builds and checks the list and marks each line
// "[Ok] " or "[Error] " without running anything. Go and Test of the Macros
// tab run the macro selected in the macro list.

#include "platform/Label.h"

#include <QString>
#include <QStringList>
#include <functional>

class Program;

class ExecuteList {
public:
    ExecuteList(Program& p, platform::Container& page);

    platform::Label Command31; // Go
    // Test (the editor's Data caption holds the name Label69).
    platform::Label cmdTest;

    // Runs (execute) or tests the macro selected in the macro list; true when
    // a fault ended an execute run.
    bool GoMacro(bool execute);
    // The same for a store slot (-1: none).
    bool RunMacro(int slot, bool execute);
    // Whether a run is going on now.
    bool running() const { return running_; }

    void MacroGo();
    void MacroTest();
    // Called before each line of a run is looked at (a harness that bounds
    // the steps of a run clears MacroRunning from here).
    std::function<void()> onLine;

    // The calls may nest this deep below the macro run.
    static constexpr int MaxLevel = 30;
    // The execute list holds at most this many lines. The store holds 100
    // macros of 199 lines; a list this long only comes from calls that
    // multiply (a macro calling the next one over and over), and building it
    // would take minutes and gigabytes.
    static constexpr int MaxListLines = 50000;

private:
    struct Built {
        QStringList lines;
        int lastLevel = 0;
        QString overflow; // the macro whose call went one level too deep
        bool cut = false; // the list reached MaxListLines and was cut there
    };
    Built build(int slot) const;
    int findMacro(const QString& name) const;
    bool runLines(bool execute);
    bool runLine(int& i, bool execute, int& forLine);
    void stepLoop(const QString& text, int& i, int& forLine);
    bool lookUp(QString& text, QString& data) const;
    bool stopped();
    void endRun(const QString& help, const QString& ended);

    Program& p_;
    bool running_ = false;
    // If.Do lines met inside a skipped block whose End is still to come.
    int skipDepth_ = 0;
};

// The name a line calls, or "" when the line is no System.Call.Macro; a
// "//" comment and outer blanks are not part of it.
QString CalledMacroName(const QString& line);
