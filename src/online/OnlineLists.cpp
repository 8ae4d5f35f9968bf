#include "online/OnlineLists.h"

#include "online/OnlineTab.h"
#include "shell/Picker.h"
#include "shell/Program.h"

OnlineLists::OnlineLists(Program& p, OnlineTab& tab)
    : FTPList(tab.SSTab5.page(0), "FTPList", 2, 6), Label53(tab.SSTab5.page(0), "Label53", ">>"),
      Label58(tab.SSTab5.page(0), "Label58", ">>"), Label60(tab.SSTab5.page(1), "Label60", ">>"),
      p_(p), tab_(tab) {
    FTPList.move(120, 480, 9735, 3015);
    FTPList.setFixedRows(1);
    FTPList.setFixedCols(1);
    Label53.move(120, 3900, 375, 255);
    Label58.move(2640, 3900, 375, 255);
    Label60.move(120, 3900, 375, 255);
    ClosePicker(Label53, tab.Combo7);
    ClosePicker(Label58, tab.Combo8[0]);
    ClosePicker(Label60, tab.Combo8[1]);
    Label53.onClick = [this] { DownloadFormatPickerToggle(); };
    Label58.onClick = [this] { DownloadLanguagePickerToggle(); };
    Label60.onClick = [this] { UploadLanguagePickerToggle(); };
    tab.Combo7.zOrder(0); // an open list lies over the download list

    tab.Combo8[0].zOrder(0);
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

const QStringList& OnlineLists::Languages() {
    static const QStringList languages = {
        "Albanian", "Arabic",    "Brazillian", "Bulgarian",  "Chinees",  "Croatian", "Czech",
        "Danish",   "Dutch",     "English",    "Estonian",   "Finnish",  "French",   "German",
        "Greek",    "Hebrew",    "Hungarian",  "Icelandic",  "Italian",  "Japanese", "Korean",
        "Latvian",  "Norwegian", "Polish",     "Portuguese", "Romanian", "Russian",  "Serbian",
        "Slovak",   "Slovenian", "Spanish",    "Swedish",    "Thai",     "Turkish",  "Urdu"};
    return languages;
}
