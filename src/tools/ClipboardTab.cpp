#include "tools/ClipboardTab.h"

#include "document/MessageWindow.h"
#include "document/TimeCode.h"
#include "document/WholeText.h"
#include "fileio/frmFile.h"
#include "platform/Keys.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
// Wide enough for the longest caption a page gives them ("Copy.To.Start",
// the German pack's "Kopie.Nach.Start").
constexpr int ButtonWidth = 1635, ButtonHeight = 255, ButtonPitch = 1695;
constexpr int ListLeft = 120, ListTop = 480, ListWidth = 5055;
// The chooser's type list entry for videos.
constexpr int VideoType = 18;
} // namespace

ClipboardTab::ClipboardTab(Program& p, platform::Container& page)
    : List1(page, "List1"), rtfClipBoard(page, "rtfClipBoard"),
      command9(page, "command9", "Length"), p_(p), page_(page) {
    List1.move(ListLeft, ListTop, ListWidth, 1275);
    rtfClipBoard.move(ListLeft, ListTop + 1350, ListWidth, 285);
    rtfClipBoard.setToolTipText(QStringLiteral("The selected item; Enter writes it back"));
    placeButtons();
    List1.onClick = [this] { ClipboardItemClick(); };
    rtfClipBoard.onGotFocus = [this] { ClipboardEditFocus(); };
    rtfClipBoard.onKeyPress = [this](int& key) { ClipboardEditKeyPress(key); };
}

void ClipboardTab::placeButtons() {
    const char* captions[ActionCount] = {"Copy.To.A", "Copy.To.B", "Accept", "Delete", "Clear"};
    for (int i = 0; i < ActionCount; ++i) {
        platform::Label& b = command4.add(page_, "command4", i, QString::fromLatin1(captions[i]));
        b.move(5280 + (i % 2) * ButtonPitch, 480 + (i / 2) * 300, ButtonWidth, ButtonHeight);
        if (i != CopyA) b.setEnabled(false);
    }
    command9.move(5280 + ButtonPitch, 480 + 2 * 300, ButtonWidth, ButtonHeight);
    command9.setToolTipText(QStringLiteral("Add the length of a movie file"));
    for (platform::Label& b : command4)
        MakeLabelButton(b);
    MakeLabelButton(command9);
    command4.onClick([this](int index) { ClipboardCommand(index); });
    command9.onClick = [this] { ClipboardLength(); };
}

// The copy commands press one of the two copy buttons; which tool receives
// the item depends on the tab shown.
void ClipboardTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    const struct {
        const char* name;
        int code, button;
    } copies[] = {{"Copy.To.A", 1001, 0},
                  {"Copy.To.B", 1002, 1},
                  {"Copy.To.Partitionlist", 1003, 0},
                  {"Copy.To.Duration", 1004, 0},
                  {"Copy.To.First", 1005, 0},
                  {"Copy.To.Last", 1006, 1},
                  {"Copy.To.Start", 1007, 0},
                  {"Copy.To.End", 1008, 1}};
    for (const auto& copy : copies) {
        const int button = copy.button;
        c.add(QStringLiteral("Clipboard.") + QString::fromLatin1(copy.name), copy.code,
              [this, button] { ClipboardCommand(button); });
    }
    c.add(QStringLiteral("Clipboard.Delete"), 1009, [this] { ClipboardCommand(Delete); });
    c.add(QStringLiteral("Clipboard.Clear"), 1010, [this] { ClipboardCommand(Clear); });
    c.add(QStringLiteral("Clipboard.Length"), 1011, [this] { ClipboardLength(); });
    c.add(QStringLiteral("Clipboard.Item.Select"), 1012, [this](const QString& data) {
        p_.macro.SetMacroAction(data, 1012);
        const double item = runtime::Val(data); // a macro's number: checked before the cast
        List1.setListIndex(item > 0 && item < 32768 ? static_cast<int>(item) - 1 : -1);
    });
    c.add(QStringLiteral("Clipboard.Accept"), 0, [this] { ClipboardCommand(Accept); });
    c.add(QStringLiteral("Editor.Basic.Clip"), 503, [this] { BasicClip(); });
}

void ClipboardTab::AddClipboardItem(const QString& item) {
    List1.addItem(item);
    List1.setListIndex(List1.listCount() - 1);
    for (int i = CopyB; i <= Clear; ++i)
        command4[i].setEnabled(true);
}

// Every run ends with buttons 1 to 4 off when the list is empty.
void ClipboardTab::ClipboardCommand(int index) {
    switch (index) {
    case CopyA:
    case CopyB:
        Copy(index);
        break;
    case Accept:
        AcceptEdit();
        break;
    case Delete:
        p_.macro.SetMacroAction(QString(), 1009);
        DeleteItem();
        break;
    case Clear:
        p_.macro.SetMacroAction(QString(), 1010);
        List1.clear();
        break;
    default:
        break;
    }
    if (List1.listCount() > 0) return;
    for (int i = CopyB; i <= Clear; ++i)
        command4[i].setEnabled(false);
}

void ClipboardTab::SelectItemFirst() {
    p_.messages.ShowMessage(QStringLiteral("Please select an item from the Clipboard 1st."),
                            KindInformation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
}

void ClipboardTab::AcceptEdit() {
    const int selected = List1.listIndex();
    if (selected < 0) {
        SelectItemFirst();
        return;
    }
    List1.setList(selected, rtfClipBoard.text());
}

void ClipboardTab::DeleteItem() {
    const int selected = List1.listIndex();
    if (selected < 0) {
        SelectItemFirst();
        return;
    }
    List1.removeItem(selected);
    rtfClipBoard.setText(QString());
}

// The movie's full path and its length, as the player measures it.
void ClipboardTab::ClipboardLength() {
    p_.macro.SetMacroAction(QString(), 1011);
    frmFile& chooser = p_.fileChooser();
    chooser.txtFilename.setEnabled(false);
    chooser.Check1.setEnabled(false);
    chooser.lblInfo.setCaption(p_.texts.Say("Load movie file (reading file length)"));
    chooser.List3.setListIndex(VideoType);
    chooser.showModal();
    if (p_.messages.MsgResult == AnswerCancel) return;
    const QString movie = chooser.lblFullName.caption();
    platform::MediaPlayer& player = p_.main().player.MediaPlayer1;
    player.setFileName(movie); // returns once the player knows the file, or gave up
    AddClipboardItem(movie + QLatin1Char('>') + SecondsTime(player.duration()));
}

void ClipboardTab::BasicClip() {
    AddClipboardItem(QStringLiteral("Editor.Text:") + runtime::TrimStr(NextItemNumber()) +
                     QLatin1Char('>') + p_.main().editor.basic.rtfSubEditBasic.text());
    p_.macro.SetMacroAction(QString(), 503);
}

void ClipboardTab::ClipboardItemClick() {
    rtfClipBoard.setText(List1.text());
}

void ClipboardTab::ClipboardEditFocus() {
    SelectWholeText(rtfClipBoard);
}

void ClipboardTab::ClipboardEditKeyPress(int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    keyAscii = 0; // the field stays one line
    ClipboardCommand(Accept);
}
