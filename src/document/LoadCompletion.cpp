// LoadSubFile once a file passed its checks: the reset of the document and
// the current-file state, the read, and the completion that every read ends
// with (parts, line list, range fields, window state, edit area).

#include "document/Loader.h"
#include "document/LoaderCall.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <initializer_list>

namespace {
using runtime::CrLf;
}

bool Loader::ReadIntoDocument(Call& c, ReaderFrame& frame, const SubtitleReader& reader) {
    p_.history.ClearHistoryWindow(); // the old document's snapshots go
    ResetDocument(c);
    const bool ok = frame.Read(reader) == ReadOutcome::Finished;
    c.startRow = frame.StartRow();
    Complete(c, frame, ok);
    return ok;
}

// ---- Reset ------------------------------------------------------------------------

void Loader::ResetDocument(Call& c) {
    frmMain& main = p_.main();
    EditorTab& editor = main.editor;
    for (platform::Control* control : std::initializer_list<platform::Control*>{
             &editor.SSTab2, &editor.SSTab3, &editor.grdSubEdit, &main.online.Combo8[1],
             &editor.Label74, &editor.Label75, &editor.btnNode[0]})
        control->setEnabled(false);
    if (main.tabMain.tab() == frmMain::TabEditor) editor.grdSubEdit.setVisible(false);
    p_.doc.EditorBlocked = true;
    ClearDiagnoseMessages(c.add() ? c.firstRow : 0);
    WarnWrongFormat(c);
    ResetFileState(c);
    p_.players.ScriptPlayerPlayStop(1);
    p_.players.PlayerTransport(1);
    if (!c.add()) {
        p_.files.RememberDiskState(c.read); // as read: a save over it checks it first
        QString name = c.fileName;          // the current file takes the format's extension
        p_.files.ShowFileInfo(name, c.format);
        p_.doc.ClearGrid();
        p_.doc.lstFont = QStringList{QString()};
    }
    AddToRecentFiles(c.fileName);
}

// The messages of the rows the read replaces: a load's whole document, an
// add's rows from its first one on.
void Loader::ClearDiagnoseMessages(int fromRow) {
    for (int r = fromRow; r < Diagnose::MsgRows; ++r)
        p_.diag.setDiagMsg(r, QString());
}

// A .sub-family request that turned out to be another format.
void Loader::WarnWrongFormat(const Call& c) {
    if (c.requested <= 0 || c.requested == c.format) return;
    p_.messages.ShowMessage(p_.texts.Say("Loading '%1' instead of '%2' format.",
                                         FormatNameOf(c.format), FormatNameOf(c.requested)),
                            KindInformation, QStringLiteral("ok"), QStringLiteral("Wrong format."));
}

void Loader::ResetFileState(Call& c) {
    p_.files.CurFileIndex = c.format;
    p_.main().partition.combo3.setListIndex(c.format - 1);
    p_.main().online.Combo7.setListIndex(c.format);
    if (!c.add()) p_.doc.FileChanged = false; // an add changes it when it adds rows
    p_.doc.LineListValid = false;
    p_.doc.CurLine = 1;
}

void Loader::AddToRecentFiles(const QString& path) {
    frmMain& main = p_.main();
    platform::ComboBox& recent = main.Combo13;
    for (int i = 0; i < recent.listCount(); ++i)
        if (recent.list(i) == path) {
            recent.setListIndex(i);
            return;
        }
    const QString group = QStringLiteral("recent");
    if (main.TV1.exists(group) && main.TV1.add(group, QStringLiteral("lf_") + path, path))
        main.TV1.setNodeToolTip(QStringLiteral("lf_") + path, path); // the caption may be cut
    recent.addItem(path);
    recent.setListIndex(recent.listCount() - 1);
}

// ---- Completion -------------------------------------------------------------------

void Loader::Complete(Call& c, const ReaderFrame& frame, bool ok) {
    if (!c.add()) { // a file read in part must not replace the whole file unasked
        p_.doc.PartialReadFile = ok ? QString() : c.fileName;
        p_.doc.PartialReadLines = ok ? 0 : p_.doc.lineCount();
    }
    p_.main().player.Combo1.clear();
    p_.diag.DiagErrorCount = 0;
    CompleteParts(c, frame, ok);
    for (int i = 0; i < 3; ++i)
        p_.edit.subShowSubtitle(QString(), i);
    p_.doc.RebuildLineCombo();
    SetRangeFields();
    ReleaseControls(c);
    p_.doc.EditorBlocked = false;
    p_.history.ClearHistoryWindow(); // the history starts afresh; the tool rows come back
    FinishProgressLog(c, ok);
    p_.edit.ShowCurrentLine();
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}

// A load takes the parts of the file's node file; an add makes its rows a
// part of their own; a failed load keeps what it read as one part. The
// whole-document entry ends at the last row in the grid.
void Loader::CompleteParts(const Call& c, const ReaderFrame& frame, bool ok) {
    const int lines = p_.doc.lineCount();
    if (c.add()) {
        if (frame.rowsWritten() > 0) {
            AppendPart(c.firstRow, lines);
            p_.doc.FileChanged = true; // the document now differs from its files
        }
    } else if (ok) {
        QString nodeFile = p_.files.CurFileTitle + QStringLiteral(".sdf");
        p_.files.LoadDbsFile(nodeFile, 0);
    } else {
        SinglePart();
    }
    NodeTable& nodes = p_.doc.FileNodes;
    nodes.setFirstRow(0, 1);
    nodes.setLastRow(0, lines);
    nodes.setCurrent(1);
    p_.doc.MarkNodes(1);
}

// The added rows become the last part. A document without parts first makes
// its old rows part 1.
void Loader::AppendPart(int firstRow, int lastRow) {
    NodeTable& nodes = p_.doc.FileNodes;
    if (nodes.Count() == 0) {
        nodes.setCount(1);
        nodes.setFirstRow(1, 1);
        nodes.setLastRow(1, firstRow - 1);
    }
    const int i = nodes.Count() + 1;
    nodes.setCount(i);
    nodes.setFirstRow(i, firstRow);
    nodes.setLastRow(i, lastRow);
    if (i == 2) nodes.setName(1, QStringLiteral("Part_1"));
    nodes.setName(i, QStringLiteral("Part_") + runtime::TrimStr(i));
}

void Loader::SinglePart() {
    NodeTable& nodes = p_.doc.FileNodes;
    const QString& base = p_.files.CurFileBase;
    nodes.clear();
    nodes.setName(0, base);
    nodes.setCount(1);
    nodes.setFirstRow(1, 1);
    nodes.setLastRow(1, p_.doc.lineCount());
    nodes.setName(1, base);
}

// The timing tools' ranges cover the whole document.
void Loader::SetRangeFields() {
    EditorTab& editor = p_.main().editor;
    platform::Grid& grid = editor.grdSubEdit;
    const int lines = p_.doc.lineCount();
    editor.Text1[0].setText(QStringLiteral("1"));
    editor.Text1[2].setText(QStringLiteral("1"));
    p_.edit.RangesToLastLine(true);
    grid.setCurrentCell(1, 3);
    editor.rtfStretchFirst.setText(lines > 0 ? ShownTime(grid.textMatrix(1, 1)) : QString());
    editor.rtfStretchLast.setText(lines > 0 ? ShownTime(grid.textMatrix(lines, 1)) : QString());
}

// What the reset disabled comes back (the editing tab rows with the history).
void Loader::ReleaseControls(Call& c) {
    frmMain& main = p_.main();
    EditorTab& editor = main.editor;
    editor.grdSubEdit.setVisible(true);
    for (platform::Control* control : std::initializer_list<platform::Control*>{
             &editor.grdSubEdit, &editor.Label74, &editor.Label75, &editor.btnNode[0],
             &main.online.Combo8[1], &main.player.Command49[0], &main.player.Command49[1]})
        control->setEnabled(true);
    if (c.showProgress) p_.control().ProgressBar1.setValue(0);
}

void Loader::FinishProgressLog(Call& c, bool read) {
    if (!c.showProgress) return;
    frmControl& control = p_.control();
    control.ProgressBar1.setVisible(false);
    control.Text1.setText(control.Text1.text() + CrLf + p_.texts.TextTable(9, 15) + CrLf +
                          p_.texts.TextTable(9, 16));
    control.Text1.refresh();
    control.EndLoadLog(read);
}
