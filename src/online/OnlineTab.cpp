#include "online/OnlineTab.h"

#include "online/OnlineLists.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QTime>

namespace {} // namespace

OnlineTab::OnlineTab(Program& p, platform::Container& page)
    : SSTab5(page, "SSTab5", {"Do&wnload", "&Upload"}),
      Combo7(SSTab5.page(0), "Combo7", platform::ComboBox::DropDownList),
      List8(SSTab5.page(1), "List8"), Label61(SSTab5.page(1), "Label61"),
      Command39(SSTab5.page(1), "Command39", "Send"),
      Command40(SSTab5.page(1), "Command40", "Clear"), lblTransfer(page, "lblTransfer"),
      prgTransfer(page, "prgTransfer"), cmdTransferCancel(page, "cmdTransferCancel", "Cancel"),
      p_(p) {
    SSTab5.move(120, 420, 9975, 4035);
    Combo7.move(540, 3210, 1980, 315);
    Combo8.add(SSTab5.page(0), "Combo8", 0, platform::ComboBox::DropDownList)
        .move(3060, 3210, 1980, 315);
    Combo8.add(SSTab5.page(1), "Combo8", 1, platform::ComboBox::DropDownList)
        .move(540, 450, 1980, 315);
    fillLists();
    Combo8.onClick([this](int index) {
        if (index == 1) UploadLanguageChosen();
    });
    placeUploadPage();
    placeTransferLine();
    registerCommands();
}

// The download filters offer every format and language; the upload language
// starts on English. (The main window's load fills them again in its texts.)
void OnlineTab::fillLists() {
    Combo7.addItem(p_.texts.TextTable(4, 28));
    for (int f = 1; f <= 16; ++f)
        Combo7.addItem(p_.shell.FormatName[static_cast<std::size_t>(f)]);
    Combo7.setListIndex(0);
    Combo8[0].addItem(p_.texts.TextTable(4, 29));
    for (const QString& language : OnlineLists::Languages()) {
        Combo8[0].addItem(language);
        Combo8[1].addItem(language);
    }
    Combo8[0].setListIndex(0);
    Combo8[1].setListIndex(9);
}

void OnlineTab::placeUploadPage() {
    Label61.move(540, 480, 1980, 255);
    List8.move(2640, 480, 7215, 3375);
    Command39.move(120, 900, 975, 255);
    Command40.move(1200, 900, 975, 255);
    MakeLabelButton(Command39, "Upload current file to FTP server.");
    MakeLabelButton(Command40, "Clear \"File Transfer Properties\" list.");
    Command39.onClick = [this] { UploadSend(); };
    Command40.onClick = [this] { UploadClear(); };
}

void OnlineTab::placeTransferLine() {
    lblTransfer.move(120, 4560, 6360, 255);
    prgTransfer.move(6600, 4560, 2340, 255);
    cmdTransferCancel.move(9060, 4560, 1035, 255);
    MakeLabelButton(cmdTransferCancel, "Stop the running transfer and those waiting");
    cmdTransferCancel.setEnabled(false);
    cmdTransferCancel.onClick = [this] { TransferCancel(); };
}

// The upload language commands are "Set." and the language, the list item
// "Hungarian" as "Set.Hongarian".
void OnlineTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    const QStringList& languages = OnlineLists::Languages();
    for (int i = 0; i < languages.size(); ++i) {
        const QString name = OnlineLists::LanguageCommand(languages[i]);
        c.add(QStringLiteral("Online.Upload.") + name, Online::ActionUploadLanguage + i,
              [this, i] { Combo8[1].setListIndex(i); });
    }
    c.add(QStringLiteral("Online.Upload.Clear"), Online::ActionUploadClear,
          [this] { UploadClear(); });
    c.add(QStringLiteral("Online.Upload.Send"), Online::ActionUploadSend, [this] { UploadSend(); });
}

void OnlineTab::UploadClear() {
    p_.macro.SetMacroAction(QString(), Online::ActionUploadClear);
    List8.clear();
}

// Only the last "Language:" line names the current file's language.
void OnlineTab::UploadLanguageChosen() {
    platform::ComboBox& languages = Combo8[1];
    const int index = languages.listIndex();
    p_.macro.SetMacroAction(QString(), Online::ActionUploadLanguage + index);
    const QString line = p_.texts.Say("Language: %1", QString());
    for (int i = List8.listCount() - 1; i >= 0; --i) {
        if (!List8.list(i).startsWith(line)) continue;
        List8.setList(i, p_.texts.Say("Language: %1", languages.text()));
        break;
    }
    Label61.setCaption(languages.text());
    if (p_.hasMain()) ClosePicker(p_.main().onlineLists.Label60, languages);
}

void OnlineTab::TransferCancel() {
    if (p_.online.Requests().empty()) return;
    p_.online.CancelTransfers();
}

void OnlineTab::Log(const QString& line) {
    List8.addItem(line);
    List8.setListIndex(List8.listCount() - 1);
}

void OnlineTab::LogEnd() {
    Log(QStringLiteral(" End<"));
}

QString OnlineTab::TimedLine(const QString& text) {
    return QStringLiteral("  ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) +
           QStringLiteral(" >") + text;
}
