#include "online/frmDbase.h"

#include "document/Formats.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {

constexpr int WindowWidth = 8520, WindowHeight = 6780;
constexpr int Margin = 120, ColumnWidth = 4080, RightLeft = Margin + ColumnWidth + 120;
constexpr int ButtonWidth = 1275, ButtonHeight = 255, ToggleWidth = 435;
constexpr int ButtonGap = (ColumnWidth - 3 * ButtonWidth) / 2;
const QString Editor = QStringLiteral("Editor");
const QString SubtitlePattern =
    QStringLiteral("*.sub;*.jss;*.pjs;*.psb;*.rt;*.smi;*.sami;*.srt;*.ssa;*.txt;*.tts;*.vsf;*.zeg");

} // namespace

frmDbase::frmDbase(Program& p)
    : Form(p.host, "frmDbase"), pMove(*this, "pMove"),
      Label4(*this, "Label4", "Manage Mirel subtitle collections (databases)"),
      File1(*this, "File1"), File2(*this, "File2"), Frame1(*this, "Frame1", "Collections"),
      List1(Frame1, "List1"), Frame2(*this, "Frame2", "Items"), List2(Frame2, "List2"),
      Label1(*this, "Label1", "Title:"), txtFile(*this, "txtFile"),
      Command14(*this, "Command14", "Change.To"), Label2(*this, "Label2", "Name:"),
      txtItem(*this, "txtItem"), Label14(*this, "Label14", "Change.To"),
      Label5(*this, "Label5", "Create"), Label10(*this, "Label10", "Delete"),
      Label15(*this, "Label15", "Restore"), Label6(*this, "Label6", "Extract"),
      lblSource(*this, "lblSource", "Create from:"), Label11(*this, "Label11", ">>"),
      Label12(*this, "Label12"), List6(*this, "List6"),
      lblTarget(*this, "lblTarget", "Extract to:"), Label8(*this, "Label8", ">>"),
      Label7(*this, "Label7"), List3(*this, "List3"), lblFormat(*this, "lblFormat", "Format:"),
      Label53(*this, "Label53", ">>"), Label57(*this, "Label57"), List4(*this, "List4"),
      Label3(*this, "Label3", "Status:"), Label9(*this, "Label9"), cmdOk(*this, "cmdOk", "Close"),
      p_(p) {
    createControls();
    layOut();
    wireHandlers();
    onLoad = [this] { formLoad(); };
}

void frmDbase::createControls() {
    Label13.add(*this, "Label13", DeleteItem, "Delete");
    Label13.add(*this, "Label13", RemoveItem, "Remove");
    File1.setVisible(false);
    File2.setVisible(false);
    File2.setPattern(SubtitlePattern);
    File1.setPattern(QStringLiteral("*.dbs"));
    Label9.setCaption(p_.texts.TextTable(4, 30));
    Command14.setToolTipText(QStringLiteral("Store the text as the collection's title"));
    Label14.setToolTipText(QStringLiteral("Store the text as the item's name"));
    Label5.setToolTipText(QStringLiteral("Create a collection from the parts of the document"));
    Label10.setToolTipText(QStringLiteral("Delete the selected collection file"));
    Label15.setToolTipText(QStringLiteral("Put every removed item back into the index"));
    Label13[DeleteItem].setToolTipText(QStringLiteral("Delete the selected item"));
    Label13[RemoveItem].setToolTipText(QStringLiteral("Remove the selected item from the index"));
    Label6.setToolTipText(QStringLiteral("Open the selected item in the editor"));
    cmdOk.setToolTipText(QStringLiteral("Close the window"));
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Command14, &Label5, &Label10, &Label15, &Label6, &Label14, &Label13[DeleteItem],
             &Label13[RemoveItem]})
        c->setEnabled(false);
}

void frmDbase::layOut() {
    setCaption("Collections");
    makeBorderless(pMove, WindowWidth, WindowHeight, 300);
    Label4.move(Margin, 390, WindowWidth - 2 * Margin, 255);
    Label4.setFontBold(true);
    layOutLists();
    layOutPickers();
    Label3.move(Margin, WindowHeight - 420, 640, ButtonHeight);
    Label9.move(Margin + 660, WindowHeight - 420, 4000, ButtonHeight);
    cmdOk.move(WindowWidth - Margin - ButtonWidth, WindowHeight - 420, ButtonWidth, ButtonHeight);
    MakeLabelButton(cmdOk);
}

// The two lists side by side, each with its text box and commands below.
void frmDbase::layOutLists() {
    Frame1.move(Margin, 750, ColumnWidth, 2850);
    List1.move(120, 270, ColumnWidth - 240, 2460);
    Frame2.move(RightLeft, 750, ColumnWidth, 2850);
    List2.move(120, 270, ColumnWidth - 240, 2460);
    constexpr int BoxTop = 3720, BoxLeft = 660;
    constexpr int BoxWidth = ColumnWidth - BoxLeft - ButtonWidth - 60;
    Label1.move(Margin, BoxTop + 45, BoxLeft, ButtonHeight);
    txtFile.move(Margin + BoxLeft, BoxTop, BoxWidth, 315);
    Command14.move(Margin + ColumnWidth - ButtonWidth, BoxTop + 30, ButtonWidth, ButtonHeight);
    Label2.move(RightLeft, BoxTop + 45, BoxLeft, ButtonHeight);
    txtItem.move(RightLeft + BoxLeft, BoxTop, BoxWidth, 315);
    Label14.move(RightLeft + ColumnWidth - ButtonWidth, BoxTop + 30, ButtonWidth, ButtonHeight);
    constexpr int RowTop = 4170;
    platform::Label* left[] = {&Label5, &Label10, &Label15};
    platform::Label* right[] = {&Label13[DeleteItem], &Label13[RemoveItem], &Label6};
    for (int i = 0; i < 3; ++i) {
        left[i]->move(Margin + i * (ButtonWidth + ButtonGap), RowTop, ButtonWidth, ButtonHeight);
        right[i]->move(RightLeft + i * (ButtonWidth + ButtonGap), RowTop, ButtonWidth,
                       ButtonHeight);
    }
    for (platform::Label* b : {&Command14, &Label14, &Label5, &Label10, &Label15,
                               &Label13[DeleteItem], &Label13[RemoveItem], &Label6})
        MakeLabelButton(*b);
}

// Source under the collections; target and format under the items, their
// lists sharing one place (one open at a time).
void frmDbase::layOutPickers() {
    constexpr int Top = 4620, Row = 330, NameWidth = 1260, ListHeight = 1035;
    constexpr int ValueWidth = ColumnWidth - NameWidth - ToggleWidth - 120;
    auto row = [&](platform::Label& name, platform::Label& picker, platform::Label& value, int left,
                   int top) {
        name.move(left, top, NameWidth, ButtonHeight);
        picker.move(left + NameWidth, top, ToggleWidth, ButtonHeight);
        value.move(left + NameWidth + ToggleWidth + 120, top, ValueWidth, ButtonHeight);
        MakeLabelButton(picker);
    };
    row(lblSource, Label11, Label12, Margin, Top);
    row(lblTarget, Label8, Label7, RightLeft, Top);
    row(lblFormat, Label53, Label57, RightLeft, Top + Row);
    const int listWidth = ColumnWidth - NameWidth;
    List6.move(Margin + NameWidth, Top + Row, listWidth, ListHeight);
    List3.move(RightLeft + NameWidth, Top + 2 * Row, listWidth, 300); // one target
    List4.move(RightLeft + NameWidth, Top + 2 * Row, listWidth, ListHeight);
    for (platform::ListBox* list : {&List6, &List3, &List4})
        list->setVisible(false);
}

void frmDbase::wireHandlers() {
    attachDragStrip(pMove);
    List1.onClick = [this] { List1Click(); };
    List2.onClick = [this] { List2Click(); };
    Label5.onClick = [this] { CreateClick(); };
    Command14.onClick = [this] { TitleChangeClick(); };
    Label14.onClick = [this] { ItemChangeClick(); };
    Label10.onClick = [this] { DeleteFileClick(); };
    Label13.onClick([this](int index) { Label13Click(index); });
    Label15.onClick = [this] { DBRestore(); };
    Label6.onClick = [this] { ExtractClick(); };
    for (platform::Label* picker : {&Label53, &Label8, &Label11})
        picker->onClick = [this, picker] { PickerClick(*picker); };
    List4.onClick = [this] { List4Click(); };
    List3.onClick = [this] { List3Click(); };
    List6.onClick = [this] { List6Click(); };
    cmdOk.onClick = [this] { CloseClick(); };
    onEscape = [this] { CloseClick(); };
    txtFile.onKeyPress = [this](int& key) {
        if (key == 13) TitleChangeClick();
    };
    txtItem.onKeyPress = [this](int& key) {
        if (key == 13) ItemChangeClick();
    };
}

void frmDbase::formLoad() {
    const QString folder = p_.folder.path(runtime::Place::FilesFolder);
    File1.setPath(folder);
    File2.setPath(folder);
    List4.clear();
    for (int f = 1; f <= formats::FormatCount; ++f)
        List4.addItem(formats::ListName(f));
    List4.setListIndex(Format::SubRip - 1);
    List3.clear();
    List3.addItem(Editor);
    List3.setListIndex(0);
    for (platform::Label* picker : {&Label8, &Label11})
        picker->setCaption(QStringLiteral(">>"));
    PickerClick(Label8);
    PickerClick(Label11);
}

// ---- Pickers ----------------------------------------------------------------------

// The target and format lists share a place: opening one closes the other.
void frmDbase::PickerClick(platform::Label& picker) {
    const bool opening = picker.caption() == QStringLiteral(">>");
    if (opening && &picker == &Label53) ClosePicker(Label8, List3);
    if (opening && &picker == &Label8) ClosePicker(Label53, List4);
    platform::Control& list = &picker == &Label53  ? static_cast<platform::Control&>(List4)
                              : &picker == &Label8 ? static_cast<platform::Control&>(List3)
                                                   : static_cast<platform::Control&>(List6);
    TogglePicker(picker, list);
}

void frmDbase::List4Click() {
    Label57.setCaption(List4.text());
    ClosePicker(Label53, List4);
}

void frmDbase::List3Click() {
    Label7.setCaption(List3.text());
    ClosePicker(Label8, List3);
}

// Another source than the editor could always create; the editor needs a
// document of two parts or more.
void frmDbase::List6Click() {
    Label12.setCaption(List6.text());
    ClosePicker(Label11, List6);
    Label5.setEnabled(List6.listIndex() != 0 || p_.doc.FileNodes.Count() >= 2);
    List1.setListIndex(-1);
    List2.clear();
}

void frmDbase::CloseClick() {
    hide();
}
