#include "online/OnlineLists.h"

#include "online/OnlineTab.h"
#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {

// The format filter's commands, item 0 ("All Formats") first.
const char* const FormatCommands[] = {"Set.All Formats",
                                      "Set.DVD Subtitle",
                                      "Set.JACOSub 2.7+",
                                      "Set.MicroDVD",
                                      "Set.Phoenix Japanimation",
                                      "Set.PowerDivX",
                                      "Set.RealTime",
                                      "Set.SAMI",
                                      "Set.SonicDVD",
                                      "Set.SubRip",
                                      "Set.SubStation Alpha",
                                      "Set.SubViewer 1.0",
                                      "Set.SubViewer 2.0",
                                      "Set.TMPlayer",
                                      "Set.Turbotitler",
                                      "Set.ViPlay Subtitle File",
                                      "Set.Zero G"};

} // namespace

OnlineLists::OnlineLists(Program& p, OnlineTab& tab)
    : Label21(tab.SSTab5.page(0), "Label21"), FTPList(tab.SSTab5.page(0), "FTPList", 2, 6),
      Label53(tab.SSTab5.page(0), "Label53", ">>"), Label57(tab.SSTab5.page(0), "Label57"),
      Label58(tab.SSTab5.page(0), "Label58", ">>"), Label59(tab.SSTab5.page(0), "Label59"),
      Label60(tab.SSTab5.page(1), "Label60", ">>"),
      rtfFTPSearch(tab.SSTab5.page(0), "rtfFTPSearch"),
      Command46(tab.SSTab5.page(0), "Command46", "Search"),
      Command38(tab.SSTab5.page(0), "Command38", "Update"),
      Command37(tab.SSTab5.page(0), "Command37", "Load"), p_(p), tab_(tab) {
    placeControls();
    wireHandlers();
    registerCommands();
}

void OnlineLists::placeControls() {
    Label21.move(120, 420, 9735, 255);
    FTPList.move(120, 720, 9735, 2415);
    FTPList.setFixedRows(1);
    FTPList.setFixedCols(1);
    Label53.move(120, 3240, 375, 255);
    Label57.move(540, 3240, 1980, 255);
    Label58.move(2640, 3240, 375, 255);
    Label59.move(3060, 3240, 1980, 255);
    Label60.move(120, 480, 375, 255);
    rtfFTPSearch.move(5160, 3225, 1935, 285);
    rtfFTPSearch.setToolTipText(QStringLiteral("Enter text to search for (at least 3 characters)"));
    Command46.move(7200, 3240, 795, 255);
    Command38.move(8100, 3240, 795, 255);
    Command37.move(9000, 3240, 855, 255);
    MakeLabelButton(Command46, QStringLiteral("Search the download list"));
    MakeLabelButton(Command38, QStringLiteral("Update or Refresh FTP List"));
    MakeLabelButton(Command37, QStringLiteral("Load file from FTP server into Mirel"));
    const char* arrows[] = {"\u25B2", "\u25BC"};
    for (int i = 0; i < 2; ++i) {
        platform::Label& b =
            Command22.add(tab_.SSTab5.page(0), "Command22", i, QString::fromUtf8(arrows[i]));
        b.move(0, 0, 240, 240);
        MakeLabelButton(b, i == 0 ? QStringLiteral("Sort ascending")
                                  : QStringLiteral("Sort descending"));
        b.setVisible(false);
    }
    ClosePicker(Label53, tab_.Combo7);
    ClosePicker(Label58, tab_.Combo8[0]);
    ClosePicker(Label60, tab_.Combo8[1]);
    tab_.Combo7.zOrder(0); // an open list lies over its value label
    tab_.Combo8[0].zOrder(0);
    tab_.Combo8[1].zOrder(0);
}

void OnlineLists::wireHandlers() {
    Label53.onClick = [this] { DownloadFormatPickerToggle(); };
    Label58.onClick = [this] { DownloadLanguagePickerToggle(); };
    Label60.onClick = [this] { UploadLanguagePickerToggle(); };
    tab_.Combo7.onClick = [this] { DownloadFormatChosen(); };
    tab_.Combo8[0].onClick = [this] { DownloadLanguageChosen(); };
    Command46.onClick = [this] { FTPSearch(); };
    Command38.onClick = [this] { p_.online.DownloadListUpdate(); };
    Command37.onClick = [this] { DownloadSelected(); };
    rtfFTPSearch.onKeyPress = [this](int& key) {
        if (key == 13) FTPSearch();
    };
    FTPList.onDblClick = [this] { DownloadSelected(); };
    FTPList.onRowColChange = [this] { PlaceSortButtons(); };
    FTPList.onClick = [this] { PlaceSortButtons(); };
    FTPList.onScroll = [this] { HideSortButtons(); };
    Command22.onClick([this](int index) { SortFTPList(index + 1); });
}

void OnlineLists::registerCommands() {
    CommandRegistry& c = p_.commands;
    const QString group = QStringLiteral("Online.Download.");
    for (int i = 0; i < 17; ++i)
        c.add(group + QString::fromLatin1(FormatCommands[i]), Online::ActionFormatFilter + i,
              [this, i] { tab_.Combo7.setListIndex(i); });
    c.add(group + QStringLiteral("All Languages"), Online::ActionLanguageFilter,
          [this] { tab_.Combo8[0].setListIndex(0); });
    const QStringList& languages = Languages();
    for (int k = 0; k < languages.size(); ++k)
        c.add(group + LanguageCommand(languages[k]), Online::ActionLanguageFilter + 1 + k,
              [this, k] { tab_.Combo8[0].setListIndex(k + 1); });
    c.add(group + QStringLiteral("Update"), Online::ActionUpdate,
          [this] { p_.online.DownloadListUpdate(); });
}

void OnlineLists::HeadFTPList() {
    FTPList.setTextMatrix(0, 0, QStringLiteral("#"));
    for (int c = 1; c <= 5; ++c)
        FTPList.setTextMatrix(0, c, p_.texts.TextTable(4, 15 + c));
    const int widths[] = {650, 3774, 1200, 1200, 1200, 1200};
    for (int c = 0; c < 6; ++c)
        FTPList.setColWidth(c, widths[c]);
}

void OnlineLists::DownloadFormatPickerToggle() {
    TogglePicker(Label53, tab_.Combo7);
}
void OnlineLists::DownloadLanguagePickerToggle() {
    TogglePicker(Label58, tab_.Combo8[0]);
}
void OnlineLists::UploadLanguagePickerToggle() {
    TogglePicker(Label60, tab_.Combo8[1]);
}

// A choice closes its picker (a picker that is closed already stays so).
void OnlineLists::DownloadFormatChosen() {
    const int index = tab_.Combo7.listIndex();
    p_.macro.SetMacroAction(QString(), Online::ActionFormatFilter + index);
    p_.online.UpdateFTPList();
    HideSortButtons();
    Label57.setCaption(tab_.Combo7.text());
    ClosePicker(Label53, tab_.Combo7);
}

void OnlineLists::DownloadLanguageChosen() {
    const int index = tab_.Combo8[0].listIndex();
    p_.macro.SetMacroAction(QString(), Online::ActionLanguageFilter + index);
    p_.online.UpdateFTPList();
    HideSortButtons();
    Label59.setCaption(tab_.Combo8[0].text());
    ClosePicker(Label58, tab_.Combo8[0]);
}

// Every cell holding the text (in any case) turns green; the last one found
// is selected and its row scrolled to the top.
void OnlineLists::FTPSearch() {
    const QString text = rtfFTPSearch.text();
    if (text.trimmed().size() < 3) {
        p_.messages.ShowMessage(p_.texts.TextTable(5, 2), KindInformation, QStringLiteral("ok"),
                                p_.texts.TextTable(9, 13));
        return;
    }
    const QString wanted = text.toLower();
    FTPList.holdRowColChange();
    for (int r = 1; r < FTPList.rows(); ++r)
        for (int c = 1; c <= 5; ++c) {
            if (!FTPList.textMatrix(r, c).toLower().contains(wanted)) continue;
            FTPList.setCurrentCell(r, c);
            FTPList.setTopRow(r);
            FTPList.setCellBackColor(platform::palette::SearchHit);
        }
    FTPList.releaseRowColChange();
}

// Only a selected cell in view carries them.
void OnlineLists::PlaceSortButtons() {
    const int row = FTPList.row();
    if (row < FTPList.topRow() || row >= FTPList.topRow() + FTPList.visibleRows()) {
        HideSortButtons();
        return;
    }
    const int top = FTPList.top() + FTPList.cellTop();
    const int right = FTPList.left() + FTPList.cellLeft() + FTPList.cellWidth();
    for (int i = 0; i < 2; ++i) {
        platform::Label& b = Command22[i];
        b.move(right - (2 - i) * b.width(), top);
        b.setVisible(true);
        b.zOrder(0);
    }
}

void OnlineLists::HideSortButtons() {
    for (auto& b : Command22)
        b.setVisible(false);
}

const QStringList& OnlineLists::Languages() {
    static const QStringList languages = {
        "Albanian", "Arabic",    "Brazillian", "Bulgarian",  "Chinees",  "Croatian", "Czech",
        "Danish",   "Dutch",     "English",    "Estonian",   "Finnish",  "French",   "German",
        "Greek",    "Hebrew",    "Hungarian",  "Icelandic",  "Italian",  "Japanese", "Korean",
        "Latvian",  "Norwegian", "Polish",     "Portuguese", "Romanian", "Russian",  "Serbian",
        "Slovak",   "Slovenian", "Spanish",    "Swedish",    "Thai",     "Turkish",  "Urdu"};
    return languages;
}

QString OnlineLists::LanguageCommand(const QString& language) {
    return QStringLiteral("Set.") +
           (language == QLatin1String("Hungarian") ? QStringLiteral("Hongarian") : language);
}
