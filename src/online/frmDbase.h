#pragma once
// The collection window: the collection files of \Data\Files listed by title,
// with the items of the selected one. It creates a collection from the
// document's parts, renames a collection or an item, removes an item from the
// index (Restore puts it back) or deletes it, deletes a whole collection file
// and extracts an item into the editor as a new subtitle file. A borderless
// window, dragged by its top strip, shown modally over the main window; Close
// or Escape hides it.
//
// The selected collection is held in CollectionItems (entry 0 its title,
// entries 1..Count its items) and lstBuff (the lines of its <Subs> section,
// line k at entry k - 1). Each entry of List2 carries the number of the item
// it shows, so the item commands act on that item also while removed items
// are hidden.

#include "document/NodeTable.h"
#include "online/CollectionFile.h"
#include "platform/ControlArray.h"
#include "platform/FileList.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

#include <QStringList>
#include <optional>

class Program;

class frmDbase : public platform::Form {
public:
    explicit frmDbase(Program& p);

    // Label13's elements.
    enum ItemCommand { DeleteItem = 0, RemoveItem = 1 };

    platform::PictureBox pMove;  // the drag strip
    platform::Label Label4;      // the window's title
    platform::FileListBox File1; // the collection files; entry i is List1's entry i
    platform::FileListBox File2; // the subtitle files of the same folder
    platform::Frame Frame1;      // "Collections"
    platform::ListBox List1;     // collection titles
    platform::Frame Frame2;      // "Items"
    platform::ListBox List2;     // the items in the index
    platform::Label Label1;      // "Title:"
    platform::TextBox txtFile;   // the selected collection's title
    platform::Label Command14;   // Change.To: the title
    platform::Label Label2;      // "Name:"
    platform::TextBox txtItem;   // the selected item's name
    platform::Label Label14;     // Change.To: the item's name
    platform::Label Label5;      // Create
    platform::Label Label10;     // Delete the collection file
    platform::Label Label15;     // Restore
    platform::ControlArray<platform::Label> Label13; // Delete / Remove the item
    platform::Label Label6;                          // Extract
    platform::Label lblSource;                       // "Create from:"
    platform::Label Label11;                         // picker of List6
    platform::Label Label12;                         // the chosen source
    platform::ListBox List6;                         // sources: "Editor"
    platform::Label lblTarget;                       // "Extract to:"
    platform::Label Label8;                          // picker of List3
    platform::Label Label7;                          // the chosen target
    platform::ListBox List3;                         // targets: "Editor"
    platform::Label lblFormat;                       // "Format:"
    platform::Label Label53;                         // picker of List4
    platform::Label Label57;                         // the chosen format
    platform::ListBox List4;                         // the 16 formats, by number
    platform::Label Label3;                          // "Status:"
    platform::Label Label9;                          // the status
    platform::Label cmdOk;                           // Close

    NodeTable CollectionItems;
    QStringList lstBuff;

    // Rebuilds the lists from the files in \Data\Files and selects the
    // first collection.
    void UpdateList();
    // Handlers of the controls (and of the commands that stand for them).
    void List1Click();
    void List2Click();
    void CreateClick();
    void TitleChangeClick();
    void ItemChangeClick();
    void DeleteFileClick();
    void Label13Click(int index);
    void DBRestore();
    void ExtractClick();
    void PickerClick(platform::Label& picker);
    void List4Click();
    void List3Click();
    void List6Click();
    void CloseClick();
    // Puts an item's lines into the document as its only part.
    void DBExtract(const QStringList& lines);

    // The selected collection's file name ("" for none).
    QString selectedFile() const;
    // The item the selected entry of List2 shows (0 for none).
    int selectedItem() const;
    // The name an extracted item's file takes in \Data\Files: the file-name
    // part of the collection's title (without a subtitle extension), "_" and
    // the item's name, with the characters a file name cannot hold as "_",
    // and the format's extension.
    static QString ExtractName(const QString& title, const QString& item, int format);

private:
    void createControls();
    void layOut();
    void layOutLists();
    void layOutPickers();
    void wireHandlers();
    void formLoad();
    void setItemButtons(bool on);
    void listItems();
    bool readCollection(const QString& file);
    QString collectionTitle(const QString& file);
    void reselect();
    bool saveCollection(bool allLines);
    bool confirm(const QString& text, const QString& title);
    void deleteItem(int item);
    std::optional<QStringList> itemLines(int item);
    bool mayReplaceDocument();
    void extractInto(const QStringList& lines, QString name, int format);
    void selectFile(const QString& file);

    Program& p_;
    bool collectionRead_ = false; // the selected collection's file was read whole

public:
    // The selected collection as read, to merge with the file at each write.
    collection::CollectionRecords records{p_, CollectionItems, lstBuff};
};
