#pragma once
// The download page of the Online tab: the list FTPList of the server's
// subtitle files (filled from \System\sublist.sdf), its caption Label21, the
// format and language filters with their ">>"/"<<" pickers and value labels,
// the search box, the two sort buttons laid over the selected cell, Update
// (the server's list) and Load (the selected file). The upload language's
// picker Label60 sits on the upload page.

#include "platform/ControlArray.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/RichTextBox.h"

#include <QStringList>

class Program;
class OnlineTab;

class OnlineLists {
public:
    OnlineLists(Program& p, OnlineTab& tab);

    platform::Label Label21; // the list's caption
    platform::Grid FTPList;
    platform::Label Label53; // picker of the format filter Combo7
    platform::Label Label57; // the chosen format
    platform::Label Label58; // picker of the language filter Combo8(0)
    platform::Label Label59; // the chosen language
    platform::Label Label60; // picker of the upload language Combo8(1)
    platform::RichTextBox rtfFTPSearch;
    platform::Label Command46;                         // Search
    platform::Label Command38;                         // Update
    platform::Label Command37;                         // Load
    platform::ControlArray<platform::Label> Command22; // sort ascending, descending

    // The 35 languages of the download filter and the upload, in list order.
    static const QStringList& Languages();
    // A language's command name: "Set." and the language ("Set.Hongarian"
    // for "Hungarian").
    static QString LanguageCommand(const QString& language);

    // A name from the server's list that may name a file here: not empty, no
    // folder separator, drive colon, ".." or control character.
    static bool IsPlainFileName(const QString& name);

    // Row 0: "#" and the five field headings; the column widths.
    void HeadFTPList();

    void DownloadFormatPickerToggle();
    void DownloadLanguagePickerToggle();
    void UploadLanguagePickerToggle();

    // The filters' choices: the list is filled again.
    void DownloadFormatChosen();
    void DownloadLanguageChosen();
    // Search: colours every cell that holds the text and selects the last.
    void FTPSearch();
    // Load: fetches the selected entry's file and loads it (Download.cpp).
    void DownloadSelected();
    // Sort: rows ordered by the selected column, 1 ascending, 2 descending.
    void SortFTPList(int order);
    // The sort buttons over the selected cell, or hidden.
    void PlaceSortButtons();
    void HideSortButtons();

private:
    void placeControls();
    void wireHandlers();
    void registerCommands();
    bool SelectedEntry(QStringList& fields);
    int FormatOfEntry(const QString& format) const;
    void FollowLanguage(const QString& language);

    Program& p_;
    OnlineTab& tab_;
};
