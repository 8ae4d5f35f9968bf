#include "document/MessageWindow.h"

#include "document/frmMessageBox.h"
#include "shell/Program.h"

#include <QDir>

namespace {
// The action code of the macro commands "Messagebox" and "Inputbox".
constexpr int MessageActionCode = 30;
const char* const ButtonWords[] = {"cancel", "ok", "no", "yes"};

// Whether the buttons name this answer's button.
bool Offers(const QString& buttons, int answer) {
    return answer >= 0 && answer <= 3 &&
           buttons.toLower().contains(QLatin1String(ButtonWords[answer]));
}

// A question offers a choice: two buttons or more.
bool IsQuestion(const QString& buttons) {
    int named = 0;
    for (int answer = 0; answer <= 3; ++answer)
        named += Offers(buttons, answer) ? 1 : 0;
    return named > 1;
}
} // namespace

MessageWindow::MessageWindow(Program& p) : p_(p) {}

MessageWindow::~MessageWindow() = default;

// A replayed macro answers as recorded the question it recorded the answer
// to, by its key and its file; an answer recorded without its question
// answers routine ones only.
bool MessageWindow::answeredByMacro(const QString& buttons, const QString& kind,
                                    const Question& about) {
    if (!IsQuestion(buttons) || !macroMayAnswer(about)) return false;
    std::vector<Macro::RecordedAnswer>& answers = p_.macro.PendingAnswers;
    for (auto a = answers.begin(); a != answers.end(); ++a) {
        if (!Offers(buttons, a->button)) continue;
        if (!a->named && about.stake != Question::Routine) continue;
        const QString file = QDir::cleanPath(p_.fileCommands.MacroFileName(a->file));
        if (a->named && (a->kind != kind || file != QDir::cleanPath(about.file))) continue;
        MsgResult = a->button;
        answers.erase(a);
        return true;
    }
    return false;
}

bool MessageWindow::macroMayAnswer(const Question& about) const {
    switch (about.stake) {
    case Question::ChangedOnDisk:
        return false; // another program's work: only the user knows it
    case Question::UnsavedWork:
        return p_.macro.RunOwnsEdits;
    case Question::Overwrite:
        return p_.files.IsRememberedFile(about.file);
    default:
        return true;
    }
}

int MessageWindow::ShowMessage(const QString& text, int kind, const QString& buttons,
                               const QString& title, bool input, const Question& about) {
    Macro& m = p_.macro;
    const bool question = IsQuestion(buttons);
    const QString key = about.key.isEmpty() ? title : about.key;
    if (answeredByMacro(buttons, key, about)) return static_cast<qint16>(MsgResult);
    // While recording, a question is recorded with its answer and a message
    // that only informs records nothing: the action that showed it stays the
    // recorded line, and its replay meets the same message.
    const bool recordAnswer = question && m.RecordsAnswers();
    if ((kind == KindStop || kind == KindExclamation) && about.stake != Question::Notice &&
        buttons.compare(u"ok", Qt::CaseInsensitive) == 0)
        ++RefusalsShown;
    if (!m.RecordsAnswers()) m.SetMacroAction(QString(), MessageActionCode);
    // In the pack's words; the English title still names the question.
    QString shown = p_.texts.Said(text); // only a macro's own texts take variables
    breakLines(shown);

    // A fresh window each time, so its fields start empty. It is kept in a
    // local while it is open: a message shown from inside another one must
    // not destroy the outer window.
    auto box = std::make_unique<frmMessageBox>(p_);
    p_.languageTargets.Relabel(*box); // the language pack's button captions
    MacroInputMode = input;
    showInputRows(*box, input);
    box->Label4.setCaption(p_.texts.Said(title));
    box->Label1.setCaption(shown);
    box->FitText();
    showIcon(*box, kind);
    placeButtons(*box, buttons);
    if (input) box->txtInput[0].setFocus(); // typing starts at the name
    box->showModal();
    last_ = std::move(box);
    if (recordAnswer) m.RecordAnswer(MsgResult, key, about.file);
    return static_cast<qint16>(MsgResult);
}

// Each "/n" becomes a blank and a carriage return in place, so the text keeps
// its length and the label breaks the line there.
void MessageWindow::breakLines(QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'/' && text.at(i + 1) == u'n') {
            text[i] = u' ';
            text[i + 1] = u'\r';
        }
    }
}

void MessageWindow::showInputRows(frmMessageBox& box, bool input) const {
    for (int k = 0; k < 2; ++k) {
        box.Label2[k].setVisible(input);
        box.txtInput[k].setVisible(input);
    }
}

void MessageWindow::showIcon(frmMessageBox& box, int kind) {
    for (int k = 0; k < 4; ++k)
        box.Picture1[k].setVisible(kind == k);
}

// The named buttons stand from the right in the fixed order Cancel, Ok, No,
// Yes: the first at 5160 twips, each further one 1035 twips to its left.
void MessageWindow::placeButtons(frmMessageBox& box, const QString& buttons) {
    static const char* const words[] = {"cancel", "ok", "no", "yes"};
    QString named = buttons.toLower();
    bool any = false;
    for (const char* w : words)
        any = any || named.contains(QLatin1String(w));
    if (!any) named = QStringLiteral("ok"); // a message always has a way out
    int n = -1;
    for (int k = 0; k < 4; ++k) {
        box.cmdAction[k].setVisible(false);
        if (!named.contains(QLatin1String(words[k]))) continue;
        ++n;
        box.cmdAction[k].setLeft(frmMessageBox::RightmostButtonLeft -
                                 n * frmMessageBox::ButtonPitch);
        box.cmdAction[k].setVisible(true);
    }
}

QString MessageWindow::ButtonWord(int answer) {
    frmMessageBox box(p_);
    p_.languageTargets.Relabel(box);
    return answer >= 0 && answer <= 3 ? box.cmdAction[answer].caption().remove(u'&') : QString();
}

QString MessageWindow::Verbatim(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("/n"), QStringLiteral("/\u2060n"));
    return out;
}

QString MessageWindow::ToldLines(const QStringList& told) const {
    QStringList lines;
    for (const QString& sentence : told)
        lines << Verbatim(p_.texts.Told(sentence));
    return lines.join(QStringLiteral("/n"));
}

void MessageWindow::ShowTold(const QStringList& told, const QString& title) {
    if (!told.isEmpty()) ShowMessage(ToldLines(told), KindExclamation, QStringLiteral("ok"), title);
}
