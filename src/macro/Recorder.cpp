#include "macro/Recorder.h"

#include "calculator/Tablets.h"
#include "macro/Variables.h"
#include "platform/Palette.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>
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
        if (recording) { // a new recording has set nothing yet
            set_.clear();
            filled_.clear();
            reported_ = {};
            spanRow_ = spanCol_ = -1;
            noteFilled(nullptr);
        }
        Timer2.setEnabled(recording);
    };
    p.macro.onReported = [this](int code) { reported(code); };
    p.macro.onRecordNow = [this] {
        if (p_.macro.RecordMode == Macro::RecordingMode && Timer2.enabled() &&
            p_.macro.MacroAction.code >= 0)
            recordAction();
    };
}

// While recording, what an action reads is kept as it was when the action
// reported itself, before it changed it.
void Recorder::reported(int code) {
    if (p_.macro.RecordMode != Macro::RecordingMode || !Timer2.enabled()) return;
    if (!p_.macroTable.findByCode(code).found()) return;
    const platform::Grid& spans = p_.main().partition.grid;
    const ActionReads& reads = readsOf(code);
    reported_ = {code,        readNow(reads), typedNow(reads),
                 spans.row(), spans.col(),    spans.rows() <= 2};
}

bool Recorder::ReadField::typed() const {
    return std::any_of(shownIn.begin(), shownIn.end(),
                       [](const platform::TextField* field) { return field->typed(); });
}

std::vector<Recorder::FieldLine> Recorder::readNow(const ActionReads& reads) const {
    std::vector<FieldLine> now;
    for (const ReadField& field : reads.fields)
        now.push_back(field.current());
    return now;
}

std::vector<bool> Recorder::typedNow(const ActionReads& reads) const {
    std::vector<bool> now;
    for (const ReadField& field : reads.fields)
        now.push_back(field.typed());
    return now;
}

// Whether the replay's field holds what the action read here: what a line
// set it to, or, for a text field the program filled in, the program's own
// filling of it.
bool Recorder::known(const ReadField& field, const FieldLine& now, bool typed) const {
    const int key = field.codes.front();
    if (!field.shownIn.empty() && !typed) {
        const auto it = filled_.find(key);
        return it != filled_.end() && it->second == now;
    }
    const auto it = set_.find(key);
    return it != set_.end() && it->second == now;
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
constexpr int SpanCellValue = 421, SpanDelete = 402, SpanClear = 403;
constexpr int TabletCellSelect = 209, EditorCellSelect = 549;
} // namespace

const QString Recorder::NotRecorded = QStringLiteral("Not recorded: ");

// Each action is recorded once; an action no command reports is dropped.
// An action button is preceded by a line for each field it reads whose value
// the macro has not set yet, so that its replay reads what the user's click
// read (as it read it, before the action changed it), however the value got
// into the field; what no line can set is named in a comment before it.
void Recorder::recordAction() {
    const ReportedAction action = p_.macro.MacroAction;
    p_.macro.SetMacroAction(QString(), -1);
    if (action.code <= 0 || action.code == ChooserShown) return;
    if (!p_.macroTable.findByCode(action.code).found()) return;
    const ActionReads& reads = readsOf(action.code);
    const bool asReported = reported_.code == action.code;
    const std::vector<FieldLine> read = asReported ? reported_.fields : readNow(reads);
    const std::vector<bool> typed = asReported ? reported_.typed : typedNow(reads);
    notes_.clear();
    // An action on a state no line names is not replayed elsewhere.
    for (const FieldLine& line : read)
        if (const QString refused = refusalOf(line.code, line.data); !refused.isEmpty())
            return RecordNotRecorded(
                p_.texts.Say("%1 on %2", CommandOfCode(p_, action.code), refused));
    lastLine_ = 0;
    if (!recordFields(reads, read, typed)) return;
    const bool ranByItsField = reads.runBy > 0 && lastLine_ == reads.runBy;
    const QString missing = unrecordedNow(reads);
    if (!missing.isEmpty() && !recordLine(CommentCode, NotRecorded + missing)) return;
    if (!missing.isEmpty()) notes_ << missing;
    if (action.code == SpanCellValue && !spanCellExpected())
        RecordNotRecorded(p_.texts.Say("a span-list cell chosen by hand (row %1, column %2) "
                                       "takes \"%3\"",
                                       reported_.spanRow, reported_.spanCol, action.text));
    else if (!ranByItsField && !recordLine(action.code, action.text))
        return;
    followSpanCell(action.code);
    noteFilled(&reads);
    if (notes_.isEmpty()) return;
    setStatus(p_.texts.Say("Macro [%1] recorded. Not recorded: %2", CommandOfCode(p_, action.code),
                           notes_.join(QStringLiteral("; "))));
}

// The lines that give the fields an action reads what the user's click
// read, where the replay's fields would hold something else: a field the
// user typed into gets its text; one the current line's display filled in
// outside the recorded actions is filled in again by the cell's line before
// it (the replay shows its own document's line there); any other field gets
// the value it holds.
bool Recorder::recordFields(const ActionReads& reads, const std::vector<FieldLine>& read,
                            const std::vector<bool>& typed) {
    const std::size_t n = std::min({reads.fields.size(), read.size(), typed.size()});
    bool fillAgain = false;
    for (std::size_t i = 0; i < n; ++i)
        fillAgain = fillAgain || (reads.fields[i].refreshed && !typed[i] && read[i].code > 0 &&
                                  !known(reads.fields[i], read[i], false));
    for (std::size_t i = 0; i < n; ++i) {
        const ReadField& field = reads.fields[i];
        if (read[i].code <= 0) continue;
        if (!(fillAgain && field.resetsLater) && known(field, read[i], typed[i])) continue;
        if (field.refreshed && !typed[i]) continue; // the cell's line fills it in
        if (!recordLine(read[i].code, read[i].data)) return false;
    }
    return true;
}

// The replay of an action leaves the fields it read as the action left them
// here, and every text field the program filled in (not typed) as the
// program filled it in here.
void Recorder::noteFilled(const ActionReads* action) {
    if (reads_.empty()) buildFieldTable();
    if (action)
        for (const ReadField& field : action->fields)
            if (field.shownIn.empty() || field.typed())
                if (const FieldLine now = field.current(); now.code > 0)
                    set_[field.codes.front()] = now;
    for (const auto& [button, reads] : reads_)
        for (const ReadField& field : reads.fields)
            if (!field.shownIn.empty() && !field.typed()) programFilled(field);
}

void Recorder::programFilled(const ReadField& field) {
    const FieldLine now = field.current();
    if (now.code <= 0) return;
    filled_[field.codes.front()] = now;
    set_.erase(field.codes.front());
}

// A span-list value goes into the chosen cell, which no line chooses: a
// replay reaches it only from an empty list or from the cell the recorded
// lines before it left.
bool Recorder::spanCellExpected() const {
    const Reported& r = reported_;
    if (r.code != SpanCellValue) return false;
    return r.spansEmpty || (r.spanRow == spanRow_ && r.spanCol == spanCol_);
}

// After a recorded span-list action the replay stands where the user does;
// after a value no line holds, nowhere a line can follow.
void Recorder::followSpanCell(int code) {
    if (code != SpanCellValue && code != SpanDelete && code != SpanClear) return;
    const platform::Grid& spans = p_.main().partition.grid;
    const bool followed = code != SpanCellValue || spanCellExpected();
    spanRow_ = followed ? spans.row() : -1;
    spanCol_ = followed ? spans.col() : -1;
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
    notes_ << what;
    setStatus(p_.texts.Say("Not recorded: %1", what));
}

// The recorder writes no line its interpreter would refuse: a state no
// command names (the tablet's row-number column, a cell off the grid) is
// left out and said so.
QString Recorder::refusalOf(int code, const QString& data) const {
    const qsizetype comma = data.indexOf(u',');
    const QString x = data.left(comma), y = data.mid(comma + 1);
    bool whole = false;
    const int row = y.toInt(&whole);
    if (code == TabletCellSelect) {
        const int col = x.size() == 1 ? x.at(0).toUpper().unicode() - 64 : 0;
        if (comma > 0 && whole && row >= 1 && row <= Tablets::Rows && col >= 1 &&
            col <= Tablets::Cols)
            return QString();
        return p_.texts.Say("the tablet cell %1, which no line selects", data);
    }
    if (code == EditorCellSelect) {
        const platform::Grid& g = p_.doc.grid();
        const int col = x.toInt();
        if (comma > 0 && whole && row >= 0 && row < g.rows() && col >= 0 && col < g.cols())
            return QString();
        return p_.texts.Say("the grid cell %1, which no line selects", data);
    }
    return QString();
}

// A file a load, an add or a save named in Data/Files is recorded by its
// name alone, as the macro language reads it: the program folder may move.
QString Recorder::namedInFiles(int code, const QString& text) const {
    if (code < FileCommands::ActionLoad || code > FileCommands::ActionSave) return text;
    const QFileInfo file(text);
    const QString files = p_.folder.path(runtime::Place::FilesFolder);
    return QDir::cleanPath(file.absolutePath()) == QDir::cleanPath(files) ? file.fileName() : text;
}

bool Recorder::recordLine(int code, const QString& text) {
    if (const QString refused = refusalOf(code, text); !refused.isEmpty()) {
        RecordNotRecorded(refused);
        return true; // the lines after it still hold
    }
    const MacroCommandTable& table = p_.macroTable;
    const MacroCommandTable::Position at = table.findByCode(code);
    if (!at.found()) return false;
    if (!AppendRecordedLine(p_, at.group, table.name(at.group, at.position),
                            namedInFiles(code, text)))
        return false;
    remember(code, text);
    lastLine_ = code;
    setStatus(p_.texts.Say("Macro [%1] recorded", table.fullName(at.group, at.position)));
    return true;
}

// A line sets its field; one that resets the fields after it in a table
// has them written again before their next use, but for those the program
// fills in there.
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
                if (fields[j].shownIn.empty() || fields[j].typed())
                    set_.erase(fields[j].codes.front());
                else // the program fills it in as here
                    programFilled(fields[j]);
        }
    }
    for (const auto& [button, reads] : reads_)
        for (const ReadField& field : reads.fields)
            for (int c : field.codes)
                if (c == code) {
                    set_[field.codes.front()] = FieldLine{code, text};
                    filled_.erase(field.codes.front());
                }
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
