#pragma once
// The Online tab of the main window: download and upload on the sub-tabs of
// SSTab5, and below them the transfer line (what runs, how far it got, and
// the Cancel button that stops it). The download page's list and its
// controls are in OnlineLists; the upload page's are here.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/ProgressBar.h"
#include "platform/TabStrip.h"

#include <QString>

class Program;

class OnlineTab {
public:
    OnlineTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab5;
    platform::ComboBox Combo7;                         // download: format filter
    platform::ControlArray<platform::ComboBox> Combo8; // 0 download language, 1 upload language
    platform::ListBox List8;                           // upload: the transfer log
    platform::Label Label61;                           // upload: the chosen language
    platform::Label Command39;                         // upload: Send
    platform::Label Command40;                         // upload: Clear
    // The transfer line, below the sub-tabs.
    platform::Label lblTransfer;
    platform::ProgressBar prgTransfer;
    platform::Label cmdTransferCancel;

    // Send: the current file, saved first, with the information block
    // appended, goes to the server as "new_" + its server name (Upload.cpp).
    void UploadSend();
    // Clear: empties the transfer log.
    void UploadClear();
    // The upload language's choice: rewrites the log's last "Language:" line.
    void UploadLanguageChosen();
    // Cancel on the transfer line: stops the running request and those waiting.
    void TransferCancel();

    // Adds a line to the transfer log and selects it.
    void Log(const QString& line);
    // " End<" after the log lines of an upload, the last line selected.
    void LogEnd();
    // "  " + the time of day + " >" + text.
    static QString TimedLine(const QString& text);

private:
    void fillLists();
    void placeUploadPage();
    void placeTransferLine();
    void registerCommands();
    bool SaveBeforeUpload();
    bool WriteUploadCopy(const QString& copy);
    QByteArray UploadInfoFile() const;
    void StopUpload(const QString& why);

    Program& p_;
};
