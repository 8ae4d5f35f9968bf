#pragma once
// The download list and the pickers of the Online tab's lists: FTPList (the
// server's subtitle files, filled from \System\sublist.sdf), and the
// ">>"/"<<" labels that open and close the format filter Combo7 (Label53),
// the download language filter Combo8(0) (Label58) and the upload language
// Combo8(1) (Label60).

#include "platform/Grid.h"
#include "platform/Label.h"

#include <QStringList>

class Program;
class OnlineTab;

class OnlineLists {
public:
    OnlineLists(Program& p, OnlineTab& tab);

    platform::Grid FTPList;
    platform::Label Label53;
    platform::Label Label58;
    platform::Label Label60;

    // The 35 languages of the download filter and the upload, in list order.
    static const QStringList& Languages();

    // Row 0: "#" and the five field headings; the column widths.
    void HeadFTPList();

    void DownloadFormatPickerToggle();
    void DownloadLanguagePickerToggle();
    void UploadLanguagePickerToggle();

private:
    Program& p_;
    OnlineTab& tab_;
};
