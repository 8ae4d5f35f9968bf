// New, Load, Add and Save, and the chooser presets they use. Preview and
// Print are in PreviewPrint.cpp, Save Settings and the setting file in
// SettingFile.cpp.

#include "fileio/FileCommands.h"

#include "document/Formats.h"
#include "runtime/Strings.h"
#include <QDir>

#include "document/FormatDetection.h"
#include "document/MessageWindow.h"
#include "document/NodeTable.h"
#include "fileio/SettingFile.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/InstantHelp.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

namespace {

using runtime::CrLf;

struct SplitPath {
    QString folder, name;
};

// A path's folder (without its last "/", "/" for the root) and name.
SplitPath Split(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return {QString(), path};
    return {slash == 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

// "2: Intro, Part_2": how many parts and their names.
QString PartNames(const NodeTable& nodes) {
    QStringList names;
    for (int i = 1; i <= nodes.Count(); ++i)
        names << nodes.Name(i);
    return runtime::TrimStr(nodes.Count()) + QStringLiteral(": ") +
           names.join(QStringLiteral(", "));
}

} // namespace

FileCommands::FileCommands(Program& p) : printer(p.host), p_(p) {}

// The loader's unsaved-document question saves through here.
bool Files::MenuSaveSubFile() {
    return p_.fileCommands.MenuSaveSubFile();
}

void FileCommands::InstantHelp(int page) {
    if (!p_.settings().autoHelp()) return;
    p_.main().SSTab1.setTab(1);
    ShowHelpPage(p_, page);
}

void FileCommands::ReportFailure(const QString& text, const QString& title) {
    p_.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), title);
}

// ---- New ------------------------------------------------------------------------

void FileCommands::MenuNewFile() {
    if (p_.loader.Loading()) return; // a load is filling the grid
    if (!ConfirmDiscardChanges()) return;
    Files& files = p_.files;
    int format = p_.main().partition.combo3.listIndex() + 1;
    if (!formats::IsSubtitleFormat(format))
        format = Format::SubRip; // no partition format chosen yet
    files.CurFileIndex = format;
    files.RememberDiskState(QString()); // the new document has no file yet
    files.CurFileName = p_.folder.path(runtime::Place::FilesFolder, QStringLiteral("Noname")) +
                        Files::SetSubFileExt(format);
    QString name = files.CurFileName;
    files.ShowFileInfo(name, format);
    ResetGridForNew();
    ResetPartsForNew();
    p_.doc.lstFont = QStringList{QString(), QString()};
    p_.doc.LineListValid = false;
    p_.doc.FileChanged = false; // the old document was saved or given up
    p_.doc.PartialReadFile.clear();
    p_.doc.PartialReadLines = 0;
    p_.diag.DiagErrorCount = 0;
    ShowEditorForNew();
    p_.edit.ShowCurrentLine();
    p_.macro.SetMacroAction(QString(), ActionNew);
}

// A changed document goes only after No, or after Yes once it was saved.
bool FileCommands::ConfirmDiscardChanges() {
    if (!p_.doc.FileChanged) return true;
    const int answer = p_.messages.ShowMessage(
        p_.texts.Say("File %1 has been changed and not saved.\r\nDo you want to save it before "
                     "creating a new file?\r\nIf you choose '%2', all changes are lost.",
                     MessageWindow::Verbatim(p_.files.CurFileName),
                     p_.messages.ButtonWord(AnswerNo)),
        KindQuestion, QStringLiteral("yesnocancel"), QStringLiteral("Warning: File not saved"),
        false, {p_.files.CurFileName, Question::UnsavedWork});
    if (answer == AnswerNo) return true;
    return answer == AnswerYes && MenuSaveSubFile();
}

// The header, one empty line numbered 1 and the spare row.
void FileCommands::ResetGridForNew() {
    platform::Grid& grid = p_.doc.grid();
    grid.setEnabled(true);
    p_.doc.ClearGrid();
    grid.setRows(3);
    grid.setCurrentCell(1, 1);
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < grid.cols(); ++c) {
            grid.setTextMatrix(r, c, QString());
            grid.setCellBackColorAt(r, c, Document::White);
        }
    grid.setTextMatrix(1, 0, QStringLiteral("1"));
}

void FileCommands::ResetPartsForNew() {
    NodeTable& nodes = p_.doc.FileNodes;
    nodes.clear();
    for (int i = 0; i <= 1; ++i) {
        nodes.setFirstRow(i, 1);
        nodes.setLastRow(i, 1);
        nodes.setName(i, p_.files.CurFileBase);
    }
    nodes.setCount(1);
    nodes.setCurrent(1);
    p_.doc.MarkNodes(1);
}

void FileCommands::ShowEditorForNew() {
    frmMain& main = p_.main();
    EditorTab& editor = main.editor;
    main.tabMain.setTab(frmMain::TabEditor);
    editor.SSTab2.setTab(0);
    editor.SSTab3.setTab(0);
    editor.SSTab2.setEnabled(true);
    editor.SSTab3.setEnabled(true);
    editor.rtfEdit.setEnabled(true);
    editor.cmdInvCalc.setEnabled(true);
    main.mnuSavesubfile.setEnabled(true);
}

// ---- Load and Add ---------------------------------------------------------------

void FileCommands::MenuLoadFile(const QString& file) {
    if (p_.loader.Loading()) return; // a load is filling the grid
    InstantHelp(HelpLoad);
    QString name = file;
    int format = Format::None; // a named file's format is detected
    if (name.isEmpty()) {
        frmFile& chooser = PresetChooserForLoad();
        chooser.showModal();
        if (p_.messages.MsgResult == AnswerCancel) return;
        name = chooser.lblFullName.caption();
        format = LoadFormatOf(chooser.List3.listIndex());
    }
    OpenFile(name, format, true);
    // Reading a setting file reports nothing; a load reports the file it
    // loaded, so that its replay needs no chooser.
    if (!name.endsWith(QLatin1String(".scd"), Qt::CaseInsensitive))
        p_.macro.SetMacroAction(name, ActionLoad);
}

QString FileCommands::MacroFileName(const QString& name) const {
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\')) return name;
    return p_.folder.path(runtime::Place::FilesFolder, name);
}

void FileCommands::OpenFile(const QString& name, int format, bool interactive) {
    if (p_.loader.Loading()) return; // a load is filling the grid
    if (name.endsWith(QLatin1String(".scd"), Qt::CaseInsensitive)) {
        setting_file::Read(p_, name);
        return;
    }
    LoadChosenFile(name, format, 1, interactive);
    if (p_.loader.LoadOk) ++p_.macro.DocumentLoads;
    // An .mp3 only goes to the player; the document was not touched.
    if (!name.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive)) RepairFreeDiagnose();
}

// An add reports the file it added, so that its replay needs
// no chooser.
void FileCommands::MenuAddFile(const QString& file) {
    if (p_.loader.Loading()) return; // a load is filling the grid
    InstantHelp(HelpAdd);
    frmFile& chooser = file.isEmpty() ? PresetChooserForAdd() : p_.fileChooser();
    if (file.isEmpty()) {
        chooser.showModal();
        if (p_.messages.MsgResult == AnswerCancel) return;
    }
    const QString name = file.isEmpty() ? chooser.lblFullName.caption() : file;
    const int type = chooser.List3.listIndex();
    const int documentFormat = p_.files.CurFileIndex;
    LoadChosenFile(name, LoadFormatOf(type), p_.doc.grid().rows() - 1);
    KeepDocumentFormat(documentFormat);
    RepairFreeDiagnose();
    p_.macro.SetMacroAction(name, ActionAdd);
}

// The added lines join the document in its own format: the name, the status
// bar and the format lists keep showing the document's file. A document
// without a format takes the added file's.
void FileCommands::KeepDocumentFormat(int format) {
    if (!formats::IsSubtitleFormat(format) || p_.files.CurFileIndex == format) return;
    p_.files.CurFileIndex = format;
    p_.main().partition.combo3.setListIndex(format - 1);
    p_.main().online.Combo7.setListIndex(format);
}

// The type entries beyond the subtitle formats (setting, media, macro and
// tablet files) leave the format to the loader's detection.
int FileCommands::LoadFormatOf(int type) {
    return formats::IsSubtitleFormat(type) ? type : Format::None;
}

void FileCommands::LoadChosenFile(const QString& name, int format, int startRow, bool interactive) {
    QString file = name;
    int wanted = format, row = startRow;
    p_.loader.LoadSubFile(file, wanted, row, false, interactive, interactive);
}

frmFile& FileCommands::PresetChooserForLoad() {
    frmFile& chooser = p_.fileChooser();
    chooser.PresetQuestion(false, p_.texts.TextTable(6, 0), false);
    chooser.Label6.setEnabled(true);
    chooser.List3.setEnabled(true);
    return chooser;
}

// The current file's folder (when it has one) and name in the chooser.
void FileCommands::ShowCurrentFile(frmFile& chooser) {
    const SplitPath current = Split(p_.files.CurFileName);
    if (!current.folder.isEmpty()) chooser.ShowFolder(current.folder);
    chooser.txtFilename.setText(current.name);
}

frmFile& FileCommands::PresetChooserForAdd() {
    frmFile& chooser = p_.fileChooser();
    chooser.List3.setListIndex(p_.files.CurFileIndex);
    ShowCurrentFile(chooser);
    chooser.txtFilename.setLocked(true);
    chooser.lblInfo.setCaption(p_.texts.Say("Add subtitle file"));
    return chooser;
}

// The checks run and count, but nothing is repaired: the repair options are
// off for the run and then put back as they were.
void FileCommands::RepairFreeDiagnose() {
    auto& boxes = p_.main().diagnose.Check3;
    int kept[3];
    for (int i = 0; i < 3; ++i) {
        kept[i] = boxes[DiagnoseTab::RepairOverlapping + i].value();
        boxes[DiagnoseTab::RepairOverlapping + i].setValue(platform::CheckBox::Unchecked);
    }
    p_.diag.GoDiagnose();
    for (int i = 0; i < 3; ++i)
        boxes[DiagnoseTab::RepairOverlapping + i].setValue(kept[i]);
}

// ---- Save -----------------------------------------------------------------------

// A save reports the file it wrote, and the type it chose just before it
// writes, so that a recording holds the type, the answer to an overwrite
// question and the save in that order, and its replay needs no chooser.
bool FileCommands::MenuSaveSubFile(const QString& file) {
    InstantHelp(HelpSave);
    if (!ConfirmDiagnoseErrors()) return false;
    frmFile& chooser = p_.fileChooser();
    if (file.isEmpty()) {
        PresetChooserForSave();
        chooser.showModal();
        if (p_.messages.MsgResult == AnswerCancel) return false;
    }
    const QString name = file.isEmpty() ? chooser.lblFullName.caption() : file;
    const int format = chooser.List3.listIndex();
    if (formats::IsSubtitleFormat(format)) savedType_ = format;
    p_.macro.SetMacroAction(runtime::TrimStr(format), ActionChooserType);
    // A save over the document's own file is recorded as that: its replay
    // saves over the file then loaded, not over this one.
    const bool overOwnFile =
        !name.isEmpty() && QDir::cleanPath(name) == QDir::cleanPath(p_.files.CurFileName);
    const bool saved = !name.isEmpty() && SaveAs(name, format);
    p_.macro.SetMacroAction(overOwnFile ? QStringLiteral("sysVar[56]") : name, ActionSave);
    return saved;
}

bool FileCommands::ConfirmDiagnoseErrors() {
    const int errors = p_.diag.DiagErrorCount;
    if (errors <= 0) return true;
    return p_.messages.ShowMessage(p_.texts.Say("File contains%1 errors. Do you want to save "
                                                "this file anyway.",
                                                runtime::Str(errors)),
                                   KindQuestion, QStringLiteral("yesno"),
                                   QStringLiteral("File Error")) != AnswerNo;
}

// The type proposed is the document's format when the settings ask for it;
// otherwise the format of the last save (a user converting file after file
// keeps the format), and the document's before any save. A type picked to
// find a file to load or add is never proposed.
frmFile& FileCommands::PresetChooserForSave() {
    frmFile& chooser = p_.fileChooser();
    const bool same = p_.settings().saveAsSameFormat() || !formats::IsSubtitleFormat(savedType_);
    const int type = same ? p_.files.CurFileIndex : savedType_;
    if (formats::IsSubtitleFormat(type)) chooser.List3.setListIndex(type);
    ShowCurrentFile(chooser);
    chooser.PresetQuestion(true, p_.texts.TextTable(6, 1), true);
    chooser.Label6.setEnabled(true);
    chooser.List3.setEnabled(true);
    return chooser;
}

// The file is written first; only a written file becomes the current file
// and makes the document count as saved.
bool FileCommands::SaveAs(const QString& name, int format) {
    if (!formats::IsSubtitleFormat(format)) {
        ReportFailure(p_.texts.Say("'%1' was not saved: choose one of the subtitle formats as "
                                   "its file type.",
                                   MessageWindow::Verbatim(name)),
                      QStringLiteral("File Error"));
        return false;
    }
    QString target = formats::WithExtension(name, format);
    frmFile& chooser = p_.fileChooser();
    chooser.lblFullName.setCaption(target); // the writer's target
    if (!p_.files.CreateSubFile(false, false, format, 1, p_.doc.lineCount(), false)) {
        chooser.lblFullName.setCaption(p_.files.CurFileName);
        return false;
    }
    p_.files.ShowFileInfo(target, format);
    MarkSaved(format);
    return true;
}

bool FileCommands::SaveSubFile(int& format, int& lastRow) {
    if (!p_.files.CreateSubFile(false, false, format, 1, lastRow, false)) return false;
    MarkSaved(format);
    return true;
}

// A written file counts as saved. Its parts go to its node file; when that
// cannot be written and a load would not give them back, the loss is said,
// once for each file in a run.
void FileCommands::MarkSaved(int format) {
    Files& files = p_.files;
    files.CurFileIndex = format;
    p_.doc.FileChanged = false;
    QString error;
    if (files.SaveSubControl(files.CurFileName, &error)) return;
    if (files.IsSinglePart() && files.NodeFileRecording(files.CurFileName).isEmpty()) return;
    if (partsNotKept_.contains(files.CurFileName)) return;
    partsNotKept_ << files.CurFileName;
    ReportFailure(p_.texts.Say("'%1' was saved, but its parts (%2) could not be kept for the "
                               "next load:/n%3/nOpened again, it will not show these parts. This "
                               "is said once for this file.",
                               MessageWindow::Verbatim(files.CurFileName),
                               MessageWindow::Verbatim(PartNames(p_.doc.FileNodes)),
                               MessageWindow::Verbatim(p_.texts.Told(error))),
                  QStringLiteral("File Error"));
}
