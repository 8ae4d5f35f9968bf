#pragma once
// The recorder and trigger timer Timer2. While recording, each reported
// action becomes a line of the macro being edited; an armed Item.Do.Macro
// trigger starts its macro when the user performs the awaited action; an
// armed Item.Wait trigger continues the waiting macro after the Wait line.
// Triggers never fire while a macro runs: the run's own actions are not the
// user's, and the timer looks again once the run is over.

#include "platform/Control.h"
#include "platform/Timer.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class MacroEditor;
class Program;

// Adds a recorded command (its group and its name in the group), with ":="
// and the data where there is any, below the selected line of the macro
// being edited; false when no macro is selected or it is full.
bool AppendRecordedLine(Program& p, int group, const QString& name, const QString& data);

// The full name of the command with that action code in the macro command
// table (the lowest position of its group); "" when none has it.
QString CommandOfCode(const Program& p, int code);

class Recorder {
public:
    // Record.Start and Record.Stop of the editor switch the timer.
    Recorder(Program& p, MacroEditor& editor);

    platform::Timer Timer2;

    void Timer2Tick();
    // Colours the button of an awaited action orange (state true) and back.
    void DoKeyAction(int key, bool state);
    // Arms a trigger: mode Macro::WatchMode (runs `macroName`) or
    // Macro::WaitMode (continues the waiting run). Throws MacroError when no
    // command reports `key`.
    void ArmTrigger(int mode, int key, const QString& macroName = QString());

    // Called by a run when it ends: actions the run reported itself do not
    // fire the trigger it armed.
    void RunEnded();
    // Called by a run as it starts, which ends recording and any armed
    // trigger: stops them as their own controls do, and returns what the
    // status bar says once the run is over ("" when nothing was going on).
    QString EndForRun();

    // A field an action button reads, as the macro line that would give it
    // its present value (code 0: no line sets what it holds now). The codes
    // are every command that sets the field.
    struct FieldLine {
        int code = 0;
        QString data;
        bool operator==(const FieldLine&) const = default;
    };
    struct ReadField {
        std::vector<int> codes;
        std::function<FieldLine()> current;
        // Its line resets the fields after it (a selected cell shows its own
        // kind and text): those are written again after it.
        bool resetsLater = false;
        // The program refreshes it from the document: what a line set it to
        // does not stay, so its line is written each time it is read.
        bool refreshed = false;
    };
    // An input an action reads that no command sets: what it is, and its
    // value now ("" while the action does not read it).
    struct UnrecordedInput {
        QString name;
        std::function<QString()> value;
    };
    // Everything an action button reads. The fields stand in the order
    // their lines run.
    struct ActionReads {
        std::vector<ReadField> fields;
        std::vector<UnrecordedInput> unrecorded = {};
    };

    // What a recorded macro cannot express is said at once: a System.Comment
    // line beginning NotRecorded and the status bar; its replay says it again.
    static const QString NotRecorded;
    void RecordNotRecorded(const QString& what);

private:
    void recordAction();
    void reported(int code);
    std::vector<FieldLine> readNow(const ActionReads& reads) const;
    QString unrecordedNow(const ActionReads& reads) const;
    bool recordLine(int code, const QString& text);
    QString refusalOf(int code, const QString& data) const;
    QString namedInFiles(int code, const QString& text) const;
    bool spanCellExpected() const;
    void followSpanCell(int code);
    void remember(int code, const QString& text);
    const ActionReads& readsOf(int code);
    void buildFieldTable();
    bool awaitedActionSeen() const;
    QString triggerText() const;
    void fireDoMacro();
    void resumeWait();
    void setStatus(const QString& text);
    platform::Control* keyControl(int key);

    Program& p_;
    platform::Control* armedControl_ = nullptr;
    platform::Color armedColour_ = 0;
    // The document loads counted when the trigger was armed (or the arming
    // run ended): a later load is the user's.
    int loadsSeen_ = 0;
    // What each action button reads, by the button's action code.
    std::map<int, ActionReads> reads_;
    // What the macro being recorded has set each field to, by the field's
    // first code.
    std::map<int, FieldLine> set_;
    // What the action reported last read as it was reported, before it
    // changed anything (a step button moves the very times it reads).
    struct Reported {
        int code = 0;
        std::vector<FieldLine> fields;
        int spanRow = -1, spanCol = -1;
        bool spansEmpty = false;
    } reported_;
    // The span-list cell a replay of the lines so far stands on (-1: the
    // list was filled, or a cell chosen, where no line can follow).
    int spanRow_ = -1, spanCol_ = -1;
    // What this action's lines could not hold.
    QStringList notes_;
};
