#include "macro/Macro.h"

#include "document/MessageWindow.h"
#include "macro/Recorder.h"
#include "macro/frmSystem.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name a macro variable stored without one is known by: a name of the
// macro language, no word of a pack.
QString DefaultVarName() {
    return QStringLiteral("mcrVar");
}

const QString Assign = QStringLiteral(":=");
const QString AnswerPrefix = QStringLiteral("Answer: ");
// The buttons by their answer number (0 Cancel, 1 Ok, 2 No, 3 Yes).
const char* const AnswerWords[] = {"Cancel", "Ok", "No", "Yes"};
// The system variable holding the document's file name.
const QString CurrentFileVariable = QStringLiteral("sysVar[56]");

bool SamePath(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir::fromNativeSeparators(a)) ==
           QDir::cleanPath(QDir::fromNativeSeparators(b));
}

} // namespace

Macro::Macro(Program& p) : p_(p) {}

void Macro::SetMacroAction(const QString& text, int code) {
    MacroAction.text = text;
    MacroAction.code = code;
    if (code > 0 && onReported) onReported(code);
}

QString Macro::McrVar(int i) const {
    if (i < 0 || i >= McrVarCount) return QString();
    return mcrVar[static_cast<std::size_t>(i)];
}

bool Macro::setMcrVar(int i, const QString& entry) {
    if (i < 0 || i >= McrVarCount) return false;
    mcrVar[static_cast<std::size_t>(i)] = entry;
    return true;
}

QString Macro::InsertMcrVars(QString& text) const {
    for (const QString& entry : mcrVar) {
        if (entry.isEmpty()) break;
        const qsizetype assign = entry.indexOf(Assign);
        if (assign <= 0) continue; // no name to look for
        const QString name = entry.left(assign);
        const qsizetype at = text.indexOf(name);
        if (at >= 0)
            text.replace(at, name.size(), runtime::Trim(entry.mid(assign + Assign.size())));
    }
    return text;
}

void Macro::ListMcrVars() {
    frmSystem& sys = p_.system();
    sys.lstVar.clear();
    for (const QString& entry : mcrVar)
        if (!entry.isEmpty()) sys.lstVar.addItem(entry);
    // The heading counts the variables defined, also none.
    sys.Label68.setCaption(p_.texts.TextTable(7, 0) + u' ' +
                           QString::number(sys.lstVar.listCount()));
}

int Macro::FreeMcrVarSlot() const {
    for (int i = 0; i < McrVarCount; ++i)
        if (mcrVar[static_cast<std::size_t>(i)].isEmpty()) return i;
    return 0;
}

bool Macro::StoreVariable(const QString& name, const QString& value) {
    const int slot = FreeMcrVarSlot();
    if (!mcrVar[static_cast<std::size_t>(slot)].isEmpty()) {
        p_.messages.ShowMessage(
            p_.texts.Say("All %1 macro variables are in use: the variable '%2' was not "
                         "stored./nClear variables with System.mcrVar.Clear first.",
                         McrVarCount,
                         MessageWindow::Verbatim(name.isEmpty() ? DefaultVarName() : name)),
            KindExclamation, QStringLiteral("ok"), QStringLiteral("Macro Message"));
        return false;
    }
    const QString named =
        name.isEmpty() ? QStringLiteral("mcrVar[") + runtime::TrimStr(slot) + u']' : name;
    mcrVar[static_cast<std::size_t>(slot)] = named + Assign + value;
    return true;
}

bool Macro::RecordsAnswers() const {
    return RecordMode == RecordingMode && p_.main().recorder.Timer2.enabled();
}

void Macro::RecordPending() {
    if (RecordsAnswers()) p_.main().recorder.Timer2Tick();
}

void Macro::RecordNotRecorded(const QString& what) {
    if (!RecordsAnswers()) return;
    SetMacroAction(QString(), -1);
    p_.main().recorder.RecordNotRecorded(what);
}

// What was reported before the question is recorded first, then the answer,
// at once: the command that asked reports itself when it ends, and would
// replace the answer before the recorder's next tick.
void Macro::RecordAnswer(int answer, const QString& kind, const QString& file) {
    Recorder& recorder = p_.main().recorder;
    recorder.Timer2Tick();
    SetMacroAction(AnswerText(answer, kind, file), 30);
    recorder.Timer2Tick();
}

QString Macro::AnswerText(int answer, const QString& kind, const QString& file) const {
    if (answer < 0 || answer > 3) return QString();
    const QString button = AnswerPrefix + QString::fromLatin1(AnswerWords[answer]);
    if (kind.isEmpty()) return button;
    const bool current = !file.isEmpty() && SamePath(file, p_.files.CurFileName);
    // A file in \Data\Files by its name alone: the program folder may move.
    const QFileInfo info(file);
    const bool inFiles =
        !file.isEmpty() && SamePath(info.path(), p_.folder.path(runtime::Place::FilesFolder));
    return button + u',' + kind + u',' +
           (current   ? CurrentFileVariable
            : inFiles ? info.fileName()
                      : file);
}

bool Macro::ArmAnswer(const QString& data) {
    const qsizetype comma = data.indexOf(u',');
    const QString button = comma < 0 ? data : data.left(comma);
    RecordedAnswer answer;
    for (int a = 0; a <= 3; ++a)
        if (button == AnswerPrefix + QString::fromLatin1(AnswerWords[a])) answer.button = a;
    if (answer.button < 0) return false;
    if (comma >= 0) {
        const qsizetype second = data.indexOf(u',', comma + 1);
        answer.named = true;
        answer.kind = data.mid(comma + 1, second < 0 ? -1 : second - comma - 1);
        answer.file = second < 0 ? QString() : data.mid(second + 1);
    }
    PendingAnswers.push_back(answer);
    AnswerArmed = true;
    return true;
}
