// The collection window's list and file commands: listing, selecting,
// creating, renaming, removing, deleting and restoring.

#include "document/MessageWindow.h"
#include "fileio/Files.h"
#include "online/CollectionFile.h"
#include "online/frmDbase.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"

#include <QFile>

namespace {

// A title or a name is one line of the file: line breaks become blanks.
QString OneLine(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

} // namespace

// ---- Listing and selecting ------------------------------------------------------

void frmDbase::UpdateList() {
    File1.refresh();
    File2.refresh();
    List1.clear();
    List2.clear();
    for (int i = 0; i < File1.listCount(); ++i)
        List1.addItem(collectionTitle(File1.list(i)));
    List6.clear();
    List6.addItem(QStringLiteral("Editor"));
    List6.setListIndex(0);
    if (List1.listCount() > 0)
        List1.setListIndex(0);
    else
        List1Click(); // nothing selected: the collection commands rest
    Command14.setEnabled(List1.listCount() > 0 && collectionRead_);
    Label5.setEnabled(p_.doc.FileNodes.Count() >= 2);
}

// The title a file gives; a file that cannot be read is listed by its name,
// so that every file keeps its place in the list.
QString frmDbase::collectionTitle(const QString& file) {
    QString name = file;
    NodeTable items;
    QStringList lines;
    return p_.files.LoadDbsFile(name, 1, items, lines) ? items.Name(0) : file;
}

void frmDbase::List1Click() {
    List2.clear();
    collectionRead_ = false;
    CollectionItems.clear();
    lstBuff.clear();
    const QString file = selectedFile();
    if (!file.isEmpty()) collectionRead_ = readCollection(file);
    listItems();
    txtFile.setText(List1.text());
    txtItem.setText(QString());
    Label10.setEnabled(!file.isEmpty());
    Label15.setEnabled(collectionRead_);
    Command14.setEnabled(collectionRead_);
}

// The items in the index, each entry carrying its item's number.
void frmDbase::listItems() {
    List2.clear();
    for (int i = 1; i <= CollectionItems.Count(); ++i) {
        if (!CollectionItems.InIndex(i)) continue;
        List2.addItem(CollectionItems.Name(i));
        List2.setItemData(List2.listCount() - 1, i);
    }
    setItemButtons(false);
}

// A version that does not match is told by the reader; a file that is gone
// or damaged is told here.
bool frmDbase::readCollection(const QString& file) {
    QString name = file;
    Label9.setCaption(p_.texts.TextTable(4, 31));
    const bool read = p_.files.LoadDbsFile(name, 1, CollectionItems, lstBuff);
    Label9.setCaption(p_.texts.TextTable(4, 30));
    if (read) {
        records.file = file;
        records.TakeBase();
        return true;
    }
    const runtime::TextFileContent content = runtime::ReadTextFile(name);
    QString why;
    const QString shown = MessageWindow::Verbatim(name);
    if (!content.ok)
        why = p_.texts.Say("The collection file %1 could not be read. It may have been moved or "
                           "deleted.",
                           shown);
    else if (content.lines.value(0) == p_.shell.ProgramVersion)
        why = p_.texts.Say("The collection file %1 is damaged: its item list does not fit the "
                           "collection layout.",
                           shown);
    if (!why.isEmpty())
        p_.messages.ShowMessage(why, KindExclamation, QStringLiteral("ok"),
                                p_.texts.TextTable(9, 13));
    CollectionItems.clear();
    lstBuff.clear();
    return false;
}

void frmDbase::List2Click() {
    setItemButtons(List2.listIndex() >= 0);
    txtItem.setText(List2.text());
}

void frmDbase::setItemButtons(bool on) {
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Label6, &Label13[DeleteItem], &Label13[RemoveItem], &Label14})
        c->setEnabled(on);
}

QString frmDbase::selectedFile() const {
    return File1.list(List1.listIndex());
}

int frmDbase::selectedItem() const {
    return List2.listIndex() < 0 ? 0 : List2.itemData(List2.listIndex());
}

// The selected collection read again from its file.
void frmDbase::reselect() {
    List1Click();
}

void frmDbase::selectFile(const QString& file) {
    for (int i = 0; i < File1.listCount(); ++i)
        if (File1.list(i) == file) List1.setListIndex(i);
}

// ---- Create ---------------------------------------------------------------------

// Every part of the document becomes an item in the index; a collection of
// the same name is replaced only when the user agrees.
void frmDbase::CreateClick() {
    NodeTable& parts = p_.doc.FileNodes;
    const QString& title = p_.files.CurFileTitle;
    if (parts.Count() < 2 || title.isEmpty()) {
        p_.messages.ShowMessage(
            QStringLiteral("A collection is made from the parts of the document: load or add "
                           "subtitle files, or split the document into two parts or more first."),
            KindInformation, QStringLiteral("ok"), QStringLiteral("Create Collection"));
        return;
    }
    const QString file = collection::FileNameFor(title);
    const QString path = p_.folder.path(runtime::Place::FilesFolder, file);
    if (!path.isEmpty() && p_.files.FileExist(path) != AnswerYes) return;
    for (int i = 0; i <= parts.Count(); ++i)
        parts.setInIndex(i, true);
    const bool written = SaveDbsFile(p_, title, collection::FromEditor, true);
    UpdateList();
    if (written) selectFile(file);
}

// ---- Titles and names -----------------------------------------------------------

void frmDbase::TitleChangeClick() {
    const int index = List1.listIndex();
    if (index < 0 || !collectionRead_) return;
    const QString title = OneLine(txtFile.text());
    CollectionItems.setName(0, title);
    List1.setList(index, title);
    if (!saveCollection(true)) reselect();
}

void frmDbase::ItemChangeClick() {
    const int entry = List2.listIndex();
    const int item = selectedItem();
    if (item < 1 || !collectionRead_) return;
    const QString name = OneLine(txtItem.text());
    CollectionItems.setName(item, name);
    List2.setList(entry, name);
    if (!saveCollection(true)) reselect();
}

// The file then holds the other Mirel's changes too: the window shows it as written.
bool frmDbase::saveCollection(bool allLines) {
    const bool saved = SaveDbsFile(p_, selectedFile(), collection::FromCollection, allLines);
    if (saved) reselect();
    return saved;
}

bool frmDbase::confirm(const QString& text, const QString& title) {
    return p_.messages.ShowMessage(text, KindQuestion, QStringLiteral("yesno"), title) == AnswerYes;
}

// ---- Delete, remove, restore ----------------------------------------------------

void frmDbase::DeleteFileClick() {
    const QString file = selectedFile();
    if (file.isEmpty()) return;
    if (!confirm(QStringLiteral("This will permanently delete the selected file./nAre you sure "
                                "you want to continue?"),
                 QStringLiteral("Delete File")))
        return;
    const QString path = p_.folder.path(runtime::Place::FilesFolder, file);
    QFile target(path);
    if (!target.remove())
        p_.messages.ShowMessage(p_.texts.Say("The collection file %1 could not be deleted (%2).",
                                             MessageWindow::Verbatim(path),
                                             MessageWindow::Verbatim(target.errorString())),
                                KindExclamation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
    UpdateList();
}

void frmDbase::Label13Click(int index) {
    const int item = selectedItem();
    if (item < 1 || !collectionRead_ || (index != DeleteItem && index != RemoveItem)) return;
    const bool remove = index == RemoveItem;
    if (!confirm(p_.texts.TextTable(4, remove ? 36 : 35), p_.texts.TextTable(4, remove ? 38 : 37)))
        return;
    bool saved = false;
    if (remove) {
        CollectionItems.setInIndex(item, false);
        saved = saveCollection(true);
    } else {
        deleteItem(item);
        saved = saveCollection(false); // the item's lines go; later items move up
    }
    if (!saved) {
        reselect();
        return;
    }
    listItems();
    txtItem.setText(QString());
}

// The items after it move down one place.
void frmDbase::deleteItem(int item) {
    const int count = CollectionItems.Count();
    for (int i = item; i < count; ++i)
        CollectionItems.copyEntry(i + 1, i);
    CollectionItems.setFirstRow(count, 0);
    CollectionItems.setLastRow(count, 0);
    CollectionItems.setName(count, QString());
    CollectionItems.setInIndex(count, false);
    CollectionItems.setCount(count - 1);
}

void frmDbase::DBRestore() {
    if (List1.listIndex() < 0 || !collectionRead_) return;
    for (int i = 1; i <= CollectionItems.Count(); ++i)
        CollectionItems.setInIndex(i, true);
    saveCollection(true);
    reselect();
}
