#pragma once
// Every question and notice of the program goes through ShowMessage: a modal
// message window with a title, a text, an icon and up to four buttons, which
// returns the button pressed: 0 Cancel, 1 Ok, 2 No, 3 Yes. In input mode the
// window also asks for a name and a value and keeps them as a macro variable.

#include <QString>
#include <memory>
#include <utility>

class Program;
class frmMessageBox;

// The message window's answers: the button pressed.
enum Answer : int { AnswerCancel = 0, AnswerOk = 1, AnswerNo = 2, AnswerYes = 3 };
// The message window's kinds: the icon it shows.
enum MessageKind : int {
    KindStop = 0,
    KindQuestion = 1,
    KindExclamation = 2,
    KindInformation = 3,
    KindNone = 4
};

// What a question is about, so that a recorded answer answers only the
// question it was given to: the file it names, what a wrong answer would
// lose, and a key that names the question whatever language its title is
// shown in (the title itself when empty).
//
// A macro's recorded answer never decides what the macro cannot know about:
// another program's change on disk, unsaved edits the run did not make, or
// the overwriting of a file other than the document's own. A Notice asks
// nothing: it says what goes on without something, and work goes on.
struct Question {
    enum Stake { Routine, ChangedOnDisk, UnsavedWork, LinesNotRead, Overwrite, Notice };
    Question() = default;
    Question(QString file_, Stake stake_ = Routine, QString key_ = QString())
        : file(std::move(file_)), stake(stake_), key(std::move(key_)) {}
    QString file;
    Stake stake = Routine;
    QString key;
};

class MessageWindow {
public:
    explicit MessageWindow(Program& p);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // kind: a MessageKind (any other value shows no icon). buttons: the words "cancel", "ok", "no"
    // and "yes" in any case and order ("okcancel", "yesnocancel", ...); naming none shows Ok. The
    // text is shown as written, with "/n" as a line break; a macro's message
    // puts its variables in first (Macro::InsertMcrVars).
    // A question is known by its title and `about`.
    int ShowMessage(const QString& text, int kind, const QString& buttons, const QString& title,
                    bool input = false, const Question& about = {});

    // Text taken as it stands inside a message (a file name, a line of a
    // file): a "/n" in it is not a line break. Linux paths hold "/n" often
    // ("/home/nina/..."), so every file name shown in a message goes through
    // this. An invisible word joiner keeps the two characters apart.
    static QString Verbatim(const QString& text);

    // What a store's merge told of the other Mirel's changes (or why it was
    // not written), a sentence a line in the pack's words; ShowTold shows
    // nothing when nothing was told.
    QString ToldLines(const QStringList& told) const;
    void ShowTold(const QStringList& told, const QString& title);

    // The caption of the button of an answer, as the message window shows it
    // in the pack's words ("No", "Nein"): a text that names a button names it so.
    QString ButtonWord(int answer);

    // The last button pressed (the file chooser also writes 0 or 1 here).
    int MsgResult = 0;
    // Refusals shown so far: warnings and stops with Ok as their only
    // button (a Notice is none). A macro run ends at one, since its next
    // lines count on the refused step.
    int RefusalsShown = 0;
    // True while the shown message asks for input; kept until the next message.
    bool MacroInputMode = false;

    // The window of the last message (null before the first); it is unloaded
    // but keeps what it showed.
    frmMessageBox* lastWindow() const { return last_.get(); }

private:
    bool answeredByMacro(const QString& buttons, const QString& kind, const Question& about);
    bool macroMayAnswer(const Question& about) const;
    static void breakLines(QString& text);
    void showInputRows(frmMessageBox& box, bool input) const;
    static void showIcon(frmMessageBox& box, int kind);
    static void placeButtons(frmMessageBox& box, const QString& buttons);

    Program& p_;
    std::unique_ptr<frmMessageBox> last_;
};
