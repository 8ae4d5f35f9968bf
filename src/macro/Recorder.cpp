#include "macro/Recorder.h"

#include "macro/Variables.h"
#include "platform/Palette.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QStringList>
#include <algorithm>

QString CommandOfCode(const Program& p, int code) {
    if (code <= 0) return QString();
    const MacroCommandTable::Position at = p.macroTable.findByCode(code);
    return at.found() ? p.macroTable.fullName(at.group, at.position) : QString();
}

Recorder::Recorder(Program& p, MacroEditor& editor) : Timer2(p.host, "Timer2"), p_(p) {
    Timer2.setInterval(1);
    Timer2.setEnabled(false);
    Timer2.onTimer = [this] { Timer2Tick(); };
    editor.onRecordToggle = [this](bool recording) {
        if (recording) set_.clear(); // a new recording has set nothing yet
        Timer2.setEnabled(recording);
    };
}

void Recorder::Timer2Tick() {
    if (p_.main().executeList.running()) return; // looked at again once the run is over
    const Macro& m = p_.macro;
    switch (m.RecordMode) {
    case Macro::RecordingMode:
        if (m.MacroAction.code >= 0) recordAction();
        break;
    case Macro::WatchMode:
        if (awaitedActionSeen()) fireDoMacro();
        break;
    case Macro::WaitMode:
        if (awaitedActionSeen()) resumeWait();
        break;
    default:
        break;
    }
}

// A trigger on a load by name is met by every load: the user opens files
// through the menu, the tree, a drop or the recent list.
bool Recorder::awaitedActionSeen() const {
    const Macro& m = p_.macro;
    if (m.MacroAction.code == m.TriggerKey) return true;
    return m.TriggerKey == FileCommands::ActionLoadByName && m.DocumentLoads != loadsSeen_;
}

QString Recorder::triggerText() const {
    const int key = p_.macro.TriggerKey;
    return p_.texts.Say(
        "Trigger %1", QStringLiteral("[%1,%2]").arg(runtime::TrimStr(key), CommandOfCode(p_, key)));
}

void Recorder::setStatus(const QString& text) {
    p_.main().StatusBar1.setPanelText(3, text);
}

void Recorder::fireDoMacro() {
    Timer2.setEnabled(false);
    platform::ComboBox& macros = p_.main().macroPickers.Combo5; // the macros by name
    for (int i = 0; i < macros.listCount(); ++i) {
        if (macros.list(i) != p_.macro.TriggerMacroName) continue;
        p_.macro.SetMacroAction(QString(), -1);
        DoKeyAction(p_.macro.TriggerKey, false);
        setStatus(QString());
        macros.setListIndex(i);
        p_.main().executeList.MacroGo();
        return;
    }
    setStatus(QString()); // no such macro: the trigger is dropped
}

// The run goes on with the line after the Wait, in the macro that waited.
void Recorder::resumeWait() {
    Timer2.setEnabled(false);
    p_.macro.RecordMode = Macro::WatchMode; // idle again: recording can start
    p_.macro.ResumeLine = p_.macro.WaitLine + 1;
    DoKeyAction(p_.macro.TriggerKey, false);
    p_.main().executeList.RunMacro(p_.macro.RunMacro, true);
}

void Recorder::ArmTrigger(int mode, int key, const QString& macroName) {
    const QString command = CommandOfCode(p_, key);
    if (command.isEmpty()) throw MacroError("no command reports this trigger number");
    Macro& m = p_.macro;
    m.SetMacroAction(QString(), -1);
    m.TriggerKey = key;
    loadsSeen_ = m.DocumentLoads;
    if (mode == Macro::WatchMode) m.TriggerMacroName = macroName;
    DoKeyAction(key, true);
    setStatus(triggerText());
    m.RecordMode = mode;
    Timer2.setEnabled(true);
}

void Recorder::RunEnded() {
    if (!Timer2.enabled() || p_.macro.RecordMode == Macro::RecordingMode) return;
    p_.macro.SetMacroAction(QString(), -1);
    loadsSeen_ = p_.macro.DocumentLoads;
}

QString Recorder::EndForRun() {
    if (!Timer2.enabled()) return QString();
    Macro& m = p_.macro;
    if (m.RecordMode == Macro::RecordingMode) {
        p_.main().macroEditor.ExecuteListButton(MacroEditor::Record); // Record.Stop
        return p_.texts.Say("Recording ended: a macro ran");
    }
    Timer2.setEnabled(false);
    DoKeyAction(m.TriggerKey, false);
    m.RecordMode = Macro::WatchMode;
    return triggerText() + QStringLiteral(" ended: another macro ran");
}

namespace {
// The file chooser is opened by the command it serves (a load, a save, an
// add), which records itself with what the chooser answered: its replay
// opens no chooser.
constexpr int ChooserShown = 37;
constexpr int CommentCode = 1301;
} // namespace

const QString Recorder::NotRecorded = QStringLiteral("Not recorded: ");

// Each action is recorded once; an action no command reports is dropped.
// An action button is preceded by a line for each field it reads whose value
// the macro has not set yet, so that its replay reads what the user's click
// read, however the value got into the field; what no line can set is named
// in a comment before it.
void Recorder::recordAction() {
    const ReportedAction action = p_.macro.MacroAction;
    p_.macro.SetMacroAction(QString(), -1);
    if (action.code <= 0 || action.code == ChooserShown) return;
    if (!p_.macroTable.findByCode(action.code).found()) return;
    const ActionReads& reads = readsOf(action.code);
    for (const ReadField& field : reads.fields) {
        const FieldLine now = field.current();
        if (now.code <= 0) continue;
        const auto known = set_.find(field.codes.front());
        if (known != set_.end() && known->second == now) continue;
        if (!recordLine(now.code, now.data)) return;
    }
    const QString missing = unrecordedNow(reads);
    if (!missing.isEmpty() && !recordLine(CommentCode, NotRecorded + missing)) return;
    if (!recordLine(action.code, action.text)) return;
    // The replay of the action leaves its fields as the action left them here.
    for (const ReadField& field : reads.fields)
        if (const FieldLine now = field.current(); now.code > 0) set_[field.codes.front()] = now;
    if (missing.isEmpty()) return;
    setStatus(p_.texts.Say("Macro [%1] recorded. Not recorded: %2", CommandOfCode(p_, action.code),
                           missing));
}

QString Recorder::unrecordedNow(const ActionReads& reads) const {
    QStringList named;
    for (const UnrecordedInput& input : reads.unrecorded) {
        const QString value = input.value();
        if (!value.isEmpty()) named << input.name + QStringLiteral(" \"") + value + u'"';
    }
    return named.join(QStringLiteral(", "));
}

void Recorder::RecordNotRecorded(const QString& what) {
    if (!recordLine(CommentCode, NotRecorded + what)) return;
    setStatus(p_.texts.Say("Not recorded: %1", what));
}

bool Recorder::recordLine(int code, const QString& text) {
    const MacroCommandTable& table = p_.macroTable;
    const MacroCommandTable::Position at = table.findByCode(code);
    if (!at.found()) return false;
    if (!AppendRecordedLine(p_, at.group, table.name(at.group, at.position), text)) return false;
    remember(code, text);
    setStatus(p_.texts.Say("Macro [%1] recorded", table.fullName(at.group, at.position)));
    return true;
}

// A line sets its field; one that resets the fields after it in a table
// has them written again before their next use.
void Recorder::remember(int code, const QString& text) {
    if (reads_.empty()) buildFieldTable();
    for (const auto& [button, reads] : reads_) {
        const std::vector<ReadField>& fields = reads.fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::vector<int>& codes = fields[i].codes;
            if (!fields[i].resetsLater ||
                std::find(codes.begin(), codes.end(), code) == codes.end())
                continue;
            for (std::size_t j = i + 1; j < fields.size(); ++j)
                set_.erase(fields[j].codes.front());
        }
    }
    for (const auto& [button, reads] : reads_)
        for (const ReadField& field : reads.fields)
            for (int c : field.codes)
                if (c == code) set_[field.codes.front()] = FieldLine{code, text};
}

const Recorder::ActionReads& Recorder::readsOf(int code) {
    static const ActionReads none;
    if (reads_.empty()) buildFieldTable();
    const auto it = reads_.find(code);
    return it == reads_.end() ? none : it->second;
}

platform::Control* Recorder::keyControl(int key) {
    frmMain& w = p_.main();
    CalculatorTab& calc = w.calculator;
    switch (key) {
    case 201:
        return &calc.cmdExecCalcData;
    case 202:
        return &calc.cmdAdvCalcClipIt;
    case 210:
        return &calc.Label14;
    case 211:
        return &calc.Label65;
    case 212:
        return &calc.Label16;
    case 301:
    case 302:
    case 303:
    case 304:
        return &calc.Command1[key - 301];
    case 503:
        return &w.editor.basic.Command47;
    case 605:
    case 606:
        return &w.player.Command49[key - 605];
    default:
        return nullptr;
    }
}

// The awaited button turns orange; when the trigger fires it gets its own
// colour back.
void Recorder::DoKeyAction(int key, bool state) {
    platform::Control* control = keyControl(key);
    if (!control) return;
    if (state) {
        if (armedControl_ != control) armedColour_ = control->foreColor();
        armedControl_ = control;
        control->setForeColor(platform::palette::TriggerArmed);
    } else if (control == armedControl_) {
        control->setForeColor(armedColour_);
        armedControl_ = nullptr;
    }
}
