// Extract: one item of the selected collection becomes the document, written
// as a subtitle file of the chosen format into \Data\Files.

#include "document/Formats.h"
#include "document/MessageWindow.h"
#include "fileio/FileCommands.h"
#include "online/frmDbase.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

// A name part that stays inside its folder and is a plain file name: the
// characters file systems refuse become "_", blanks and leading dots go.
QString Clean(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c < QLatin1Char(' ') || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    out = out.trimmed();
    while (out.startsWith(QLatin1Char('.')))
        out.remove(0, 1);
    return out.trimmed();
}

// The last part of a path written with "/" or "\".
QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf('\\'));
    return path.mid(cut + 1);
}

QString WithoutSubtitleExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && !formats::FormatsWithExtension(name.mid(dot)).isEmpty()) return name.left(dot);
    return name;
}

// A text field as the grid holds text: " " before it, and an empty field
// an empty cell, as a load leaves it (a cell of one blank would be written
// as a text line of its own).
QString TextCell(const QString& field) {
    return field.trimmed().isEmpty() ? QString() : QLatin1Char(' ') + field;
}

} // namespace

QString frmDbase::ExtractName(const QString& title, const QString& item, int format) {
    QString base = Clean(WithoutSubtitleExtension(FileNamePart(title)));
    QString part = Clean(item);
    if (base.isEmpty()) base = QStringLiteral("Collection");
    if (part.isEmpty()) part = QStringLiteral("Item");
    return base + QLatin1Char('_') + part + formats::WrittenExtension(format);
}

void frmDbase::ExtractClick() {
    const int item = selectedItem();
    if (item < 1 || !collectionRead_) return;
    const std::optional<QStringList> lines = itemLines(item);
    if (!lines || !mayReplaceDocument()) return;
    int format = List4.listIndex() + 1;
    if (!formats::IsSubtitleFormat(format)) format = Format::SubRip;
    const QString name =
        p_.folder.path(runtime::Place::FilesFolder,
                       ExtractName(CollectionItems.Name(0), CollectionItems.Name(item), format));
    // A file of that name goes only with the user's Yes; after No the editor
    // keeps its document, its name and whether it was changed.
    if (p_.files.FileExist(name) != AnswerYes) return;
    p_.main().tabMain.setTab(frmMain::TabEditor);
    DBExtract(*lines);
    extractInto(*lines, name, format);
}

// The item's lines as the file holds them, found by the number of its first
// line within the <Subs> section. Nothing when the file or the item's lines
// cannot be found whole: the user is told and the document stays.
std::optional<QStringList> frmDbase::itemLines(int item) {
    const QString path = p_.folder.path(runtime::Place::FilesFolder, selectedFile());
    const runtime::TextFileContent file = runtime::ReadTextFile(path);
    const int first = CollectionItems.FirstRow(item);
    const int wanted = CollectionItems.LastRow(item) - first + 1;
    QStringList found;
    const qsizetype subs = file.lines.indexOf(QStringLiteral("<Subs>"));
    for (qsizetype i = subs < 0 ? file.lines.size() : subs + 1; i < file.lines.size(); ++i) {
        const QString& line = file.lines.at(i);
        if (line == QLatin1String("</Subs>") || found.size() >= wanted) break;
        if (!found.isEmpty() || (first >= 1 && runtime::Val(line.left(5)) == first)) found << line;
    }
    if (wanted >= 1 && wanted <= Document::MaxLines && found.size() == wanted) return found;
    p_.messages.ShowMessage(p_.texts.Say("The item '%1' was not found whole in the collection "
                                         "file %2 (%3 of its lines).\r\nThe document was left "
                                         "as it was.",
                                         MessageWindow::Verbatim(CollectionItems.Name(item)),
                                         MessageWindow::Verbatim(path), found.size()),
                            KindExclamation, QStringLiteral("ok"), QStringLiteral("Extract Item"));
    return std::nullopt;
}

// A changed document goes only after No, or after Yes once it was saved.
bool frmDbase::mayReplaceDocument() {
    if (!p_.doc.FileChanged) return true;
    const int answer = p_.messages.ShowMessage(
        p_.texts.Say("File %1 has been changed and not saved.\r\nDo you want to save it before "
                     "the item replaces it?\r\nIf you choose '%2', all changes are lost.",
                     MessageWindow::Verbatim(p_.files.CurFileName),
                     p_.messages.ButtonWord(AnswerNo)),
        KindQuestion, QStringLiteral("yesnocancel"), QStringLiteral("Warning: File not saved"),
        false, {p_.files.CurFileName, Question::UnsavedWork});
    if (answer == AnswerNo) return true;
    return answer == AnswerYes && p_.fileCommands.MenuSaveSubFile();
}

void frmDbase::DBExtract(const QStringList& lines) {
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    platform::Grid& grid = p_.doc.grid();
    p_.doc.ClearGrid();
    const int n = static_cast<int>(lines.size());
    grid.setRows(n + 2);
    p_.doc.lstFont = QStringList{QString()};
    for (int j = 1; j <= n; ++j) {
        const QStringList f = lines.at(j - 1).split(QLatin1Char('|'));
        grid.setTextMatrix(j, 0, runtime::TrimStr(j));
        grid.setTextMatrix(j, 1, f.value(1));
        grid.setTextMatrix(j, 2, f.value(2));
        grid.setTextMatrix(j, 3, TextCell(f.value(3)));
        grid.setTextMatrix(j, 4, TextCell(f.value(4)));
        grid.setTextMatrix(j, 5, TextCell(f.mid(5).join(QLatin1Char('|'))));
        p_.doc.lstFont << p_.doc.DefaultFontSpec();
    }
    NodeTable& parts = p_.doc.FileNodes;
    parts.clear();
    parts.setCount(1);
    for (int i = 0; i <= 1; ++i) {
        parts.setFirstRow(i, 1);
        parts.setLastRow(i, n);
    }
    parts.setCurrent(1);
    p_.doc.MarkNodes(1);
    EditorTab& editor = p_.main().editor;
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &editor.grdSubEdit, &editor.Label74, &editor.Label75, &editor.btnNode[0]})
        c->setEnabled(true);
    editor.grdSubEdit.setVisible(true);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}

// The document becomes the item's own subtitle file, written in the chosen
// format (asking before it replaces a file), and is checked.
void frmDbase::extractInto(const QStringList& lines, QString name, int format) {
    Document& doc = p_.doc;
    doc.EditorBlocked = false;
    doc.LineListValid = false;
    doc.CurLine = 1;
    doc.FileChanged = true; // until the file is written
    p_.diag.ClearDiagMsg();
    p_.files.ShowFileInfo(name, format);
    doc.FileNodes.setName(1, p_.files.CurFileBase);
    int written = p_.files.CurFileIndex;
    int last = static_cast<int>(lines.size());
    p_.files.OverwriteAgreed = name; // asked before the document was replaced
    p_.fileCommands.SaveSubFile(written, last);
    p_.files.OverwriteAgreed.clear();
    p_.history.ClearHistoryWindow();
    p_.diag.GoDiagnose();
    p_.edit.ShowCurrentLine();
}
