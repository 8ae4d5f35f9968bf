#include "shell/ExitRoutine.h"
#include "runtime/Strings.h"

#include "runtime/Numbers.h"
#include "runtime/StoreMerge.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
using runtime::CrLf;

// The next start may be in another folder: a file is kept by its full path.
QString FullPath(const QString& file) {
    return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}
} // namespace

bool ExitRoutine::SaveSettings(Mode mode) {
    if (!OfferToSave(mode)) return false;
    QStringList failed;
    QString error;
    if (!p_.tablets.SaveCurTablet(&error) && !error.isEmpty()) failed << error;
    WriteStateFiles(failed);
    ReportUnwritten(failed);
    if (mode == Mode::Exit) EmptyScratchFolder(p_);
    return true;
}

// At an exit the question has Cancel, which keeps Mirel running with nothing
// written; No goes on without saving; Yes goes on once the document was
// saved, and at an exit a save that did not complete stops the routine. When
// the settings window closes there is nothing to stop: Yes or No.
bool ExitRoutine::OfferToSave(Mode mode) {
    if (!p_.doc.FileChanged) return true;
    const bool exit = mode == Mode::Exit;
    const int answer = p_.messages.ShowMessage(
        p_.texts.Say("File %1\r\nhas been changed and not saved.\r\nDo you want to save "
                     "now?\r\nIf you choose '%2', all changes are lost.",
                     MessageWindow::Verbatim(p_.files.CurFileName),
                     p_.messages.ButtonWord(AnswerNo)),
        KindExclamation, exit ? QStringLiteral("yesnocancel") : QStringLiteral("yesno"),
        QStringLiteral("Warning: File not saved"), false,
        {p_.files.CurFileName, Question::UnsavedWork});
    if (answer == AnswerCancel) return !exit;
    if (answer != AnswerYes) return true;
    const bool saved = p_.fileCommands.MenuSaveSubFile();
    return saved || !exit;
}

// A file that cannot be written keeps its old content; the others are
// written all the same. What failed, and why, is added to `failed`.
void ExitRoutine::WriteStateFiles(QStringList& failed) {
    QString error;
    QStringList told;
    if (!p_.macroLibrary.SaveStore(&error, &told)) failed << error;
    p_.messages.ShowTold(told, QStringLiteral("Macros"));
    WriteMergedList(runtime::Place::SearchFile, SearchHistoryLines(), p_.shell.SearchHistoryStored,
                    0, failed);
    WriteMergedList(runtime::Place::RecentFile, RecentFileLines(), p_.shell.RecentFilesStored,
                    RecentKept, failed);
    WriteSystemFile(runtime::Place::LastFile, LastFileLines(), failed);
    WriteSystemFile(runtime::Place::PositionFile, WindowPositionLines(), failed);
}

void ExitRoutine::WriteSystemFile(runtime::Place file, const QStringList& lines,
                                  QStringList& failed) {
    QDir().mkpath(p_.folder.path(runtime::Place::System));
    QString error;
    if (!runtime::WriteTextFile(p_.folder.path(file), lines, &error)) failed << error;
}

// Another Mirel on the folder may have written the list since this one read
// it: merged entry by entry (runtime/StoreMerge.h), the file keeps its
// entries, less those this Mirel removed, and gains those this Mirel added,
// after them; then the last `keep` (0 all).
void ExitRoutine::WriteMergedList(runtime::Place file, const QStringList& held, QStringList& stored,
                                  int keep, QStringList& failed) {
    const auto records = [](const QStringList& lines) {
        runtime::StoreRecords out;
        for (const QString& line : lines)
            if (!line.isEmpty()) out.push_back({line, {}});
        return out;
    };
    const runtime::MergedRecords m = runtime::MergeRecords(
        records(stored), records(held), records(runtime::ReadTextFile(p_.folder.path(file)).lines),
        {Qt::CaseSensitive, false});
    QStringList merged;
    for (const runtime::StoreRecord& r : m.records)
        merged << r.name;
    if (keep > 0 && merged.size() > keep) merged = merged.mid(merged.size() - keep);
    const qsizetype before = failed.size();
    WriteSystemFile(file, merged, failed);
    if (failed.size() == before) stored = held;
}

// One message for every file that could not be written; the routine goes on.
// A program folder that cannot be written was said at the start, with what it
// means: it is not said again.
void ExitRoutine::ReportUnwritten(const QStringList& failed) {
    if (failed.isEmpty() || p_.history.off()) return;
    QString errors;
    for (const QString& error : failed)
        errors += CrLf + MessageWindow::Verbatim(p_.texts.Told(error));
    const QString text = p_.texts.Say("Mirel could not save what it keeps for the next "
                                      "start:%1\r\nEverything else was saved.",
                                      errors);
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"),
                            QStringLiteral("Files not saved"));
}

QStringList ExitRoutine::SearchHistoryLines() const {
    return p_.main().search.HistoryLines();
}

QStringList ExitRoutine::RecentFileLines() const {
    const platform::ComboBox& recent = p_.main().Combo13;
    QStringList lines;
    for (int i = 0; i < recent.listCount(); ++i)
        lines << FullPath(recent.list(i));
    return lines;
}

QStringList ExitRoutine::LastFileLines() const {
    return {FullPath(p_.files.CurFileName), FullPath(p_.players.mediaFileName())};
}

QStringList ExitRoutine::WindowPositionLines() const {
    const frmMain& main = p_.main();
    return {runtime::PrintNumber(main.left()), runtime::PrintNumber(main.top()),
            runtime::PrintNumber(main.width()), runtime::PrintNumber(main.height())};
}
