#pragma once
// The macro language's shared state: the last action a command reported (the
// recorder turns it into a macro line), the macro variables, and the flags
// that say whether a macro runs or is being recorded.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class Program;

// The last user action: its action code (group × 100 + command number; -1
// once the recorder has taken it) and its argument text.
struct ReportedAction {
    int code = 0;
    QString text;
};

class Macro {
public:
    explicit Macro(Program& p);

    static constexpr int McrVarCount = 101;

    // Every command handler reports what it did here; a later report before
    // the recorder's next tick replaces an earlier one.
    void SetMacroAction(const QString& text, int code);
    ReportedAction MacroAction;
    // Told of each report as it is made, before the command changes
    // anything (the recorder keeps what the action read).
    std::function<void(int code)> onReported;
    // While recording, the report waiting for the recorder's tick is written
    // now: one user action that is two commands keeps both, in order.
    std::function<void()> onRecordNow;
    void RecordNow() {
        if (onRecordNow) onRecordNow();
    }

    // Macro variables: each entry empty (free) or a name, ":=" and a value.
    std::array<QString, McrVarCount> mcrVar;
    // Slot i, "" outside 0 to 100.
    QString McrVar(int i) const;
    // False (and nothing written) outside 0 to 100.
    bool setMcrVar(int i, const QString& entry);

    // Puts the variables' values into a message text: for each slot from 0
    // up to the first free one, the first occurrence of the name (case
    // counts, also inside a longer word) becomes the value, trimmed of blanks.
    // Changes the argument and returns it.
    QString InsertMcrVars(QString& text) const;
    // Lists the non-empty variables in the system window.
    void ListMcrVars();
    // The lowest free slot; 0 when every slot is in use.
    int FreeMcrVarSlot() const;
    // A new variable in the lowest free slot: the name ("mcrVar[k]" for slot
    // k when it is empty), ":=" and the value. With every slot in use it is
    // refused with a message and nothing is overwritten; false then.
    bool StoreVariable(const QString& name, const QString& value);

    // Answers to questions. While a macro is being recorded, a question the
    // program asks is recorded with the button the user pressed, the
    // question's kind (its key) and the file it names, as the line
    // View.Messagebox:=Answer: <button>,<kind>,<file>; the file the document
    // was loaded from is written sysVar[56], so that it is the file then
    // loaded on replay. Replayed, the answer lines before an action answer
    // the same questions that action asks, without showing them (the
    // chooser's type and option lines between belong to the action); any
    // other question is shown, and so is every question about what the
    // macro cannot know (see Question). A line without a kind (macros
    // recorded before) answers only routine questions.
    bool RecordsAnswers() const;
    // While recording, records the action reported last at once, before a
    // later report of the same command replaces it.
    void RecordPending();
    void RecordAnswer(int answer, const QString& kind, const QString& file);
    // The recorded form of an answer; the kind and file are left out when
    // the kind is empty.
    QString AnswerText(int answer, const QString& kind = QString(),
                       const QString& file = QString()) const;
    // Arms the answer a line's data holds; false when the data is no answer.
    bool ArmAnswer(const QString& data);
    struct RecordedAnswer {
        int button = -1;    // -1: none
        bool named = false; // carries a kind and a file
        QString kind, file;
    };
    // The answers the next action's questions may take, and whether they
    // wait for the next macro line.
    std::vector<RecordedAnswer> PendingAnswers;
    bool AnswerArmed = false;
    // True while the document's unsaved edits are all the running macro's
    // own: it was unchanged at a line of the run. Only then may a recorded
    // answer decide about unsaved work.
    bool RunOwnsEdits = false;

    // Records that the user just did what no macro line can do (its report
    // is dropped), and says so.
    void RecordNotRecorded(const QString& what);
    // What the running macro's recorder could not record, each said again
    // when the run ends.
    QStringList ReplayNotes;

    // True while the interpreter runs a macro; it stops when it finds this false.
    bool MacroRunning = false;
    // 1 while a macro is being recorded.
    int RecordMode = 0;

    // Run state of the execute list: lines run while MacroExecWatch is true
    // (a false If.Do and "<Comment>" clear it); the bounds, passes left and
    // value of the For.Do loop; where a run starts and which line runs now.
    bool MacroExecWatch = true;
    int ForDoStart = 0;
    int ForDoEnd = 0;
    int ForDoCounter = 0;
    int ForDoValue = 0;
    int ResumeLine = 0;
    // The execute-list position of the active For.Do line (kept for a run
    // that goes on after Item.Wait).
    int ForDoLine = 0;
    int WaitLine = 0;
    // The recorder's modes and the armed trigger: the action code awaited and
    // the macro an Item.Do.Macro trigger starts.
    enum RecordModes { WatchMode = 0, RecordingMode = 1, WaitMode = 3 };
    int TriggerKey = 0;
    // Documents loaded so far, by any load command: a trigger on a load
    // fires on every way a file is opened, not only on a load by name.
    int DocumentLoads = 0;
    QString TriggerMacroName;
    // The store slot of the macro a run executes (-1 when none); a resumed
    // Item.Wait continues this one, whichever macro the editor shows.
    int RunMacro = -1;

private:
    Program& p_;
};
