#pragma once
// The online part: the addresses of \System\i.set, the transfer control Inet1
// and the requests that go through it (the download list, a download, an
// upload, the news page and the version page), the local address, and the
// download list read from \System\sublist.sdf.
//
// Requests wait their turn: each carries its own kind and names, one runs at
// a time, and when it completes or fails its own completion runs; then the
// next one starts. InetRequest is the kind of the running request, 0 while
// none runs. Fetched files pass through the transfer folder (the program
// folder); the copy an upload sends is made in the scratch folder.

#include "platform/Inet.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class Program;

class Online {
public:
    explicit Online(Program& p);

    // Kinds of request (InetRequest).
    enum Kind { DownloadList = 1, Download = 2, Upload = 4, NewsPage = 7, VersionFile = 8 };
    // Action codes of the download list's Update and of the upload page.
    enum Action {
        ActionFormatFilter = 801,   // + the format filter's item
        ActionLanguageFilter = 818, // + the language filter's item
        ActionUpdate = 854,
        ActionUploadLanguage = 901, // + the upload language's item
        ActionUploadClear = 936,
        ActionUploadSend = 937
    };

    struct Request {
        int kind = 0;
        QString operation;    // "GET version.sdf <transfer folder>version.sdf"
        QString serverName;   // the file's name on the server
        QString localName;    // a download: the name it is stored under in \Data\Files
        int format = 0;       // a download: its format number (0 detects)
        bool startup = false; // started by the start-up (see Failed)
        int id = 0;           // given when queued: tells two equal requests apart
    };

    QString OnlineUrl;  // line 1 of \System\i.set: the online help's base address
    QString FtpAddress; // line 2: the server address, used for every request
    int InetRequest = 0;
    QString SubListName = QStringLiteral("sublist.sdf");
    QString SubListPath;     // where the list is received
    QString DownloadName;    // the local name of the last download asked for
    QString SavedStatusText; // the status bar's format panel before a download
    QString LocalIp;         // the first address of an adapter that is up, "" when none
    // "Update available ..." once the version page told of a newer build.
    QString UpdateNotice;
    platform::Inet Inet1;

    // Plays the download sound (the settings' "File Download"); the sound
    // player sets it. Unset, a download plays nothing.
    std::function<void(const QString& soundFile)> PlayDownloadSound;

    // Reads \System\i.set; a missing file or line leaves the address empty.
    void LoadInternetSettings();
    // Looks up the local adapter address (the first address of the adapter
    // list that is not 0.0.0.0).
    void SetIpAddress();

    // Fills the download list FTPList from \System\sublist.sdf (DownloadList.cpp).
    void UpdateFTPList();
    // The download tab's Update: asks the server for its list (kind 1); the
    // start-up asks through it too.
    void DownloadListUpdate(bool startup = false);
    // The start-up's requests for the version and the news page.
    void RequestVersion();
    void RequestNews();
    void RequestStartupFile(Kind kind, const QString& name);

    // Queues a request and starts it when none runs. False, with nothing
    // queued, while no server is set (a message says so) or when the same
    // request runs or waits already.
    bool Execute(Request request);
    // Stops the running request and drops those waiting; the status line
    // names those that never started.
    void CancelTransfers();
    // At an exit: false when an upload runs or waits and the user chose to
    // keep it. Nothing is stopped yet: the exit may still be cancelled.
    bool ConfirmExit();
    // At an exit, once every question was answered: every transfer stops. The
    // part an upload sent is deleted within the clean-up's second, and what
    // may be left is told; nothing else is waited for.
    void EndTransfers();
    // The running request first, then those waiting.
    std::vector<Request> Requests() const;

    // The folder fetched files pass through (the program folder), with "/".
    QString TransferFolder() const;
    // The copy an upload sends for the server name: a file of its own in the
    // scratch folder, never the user's file. Only this copy is removed when
    // the upload ends.
    QString UploadCopy(const QString& serverName) const;
    // Where a download is received: a new file of its own in this run's
    // scratch folder, whose "download-" name no file of the user's has, so
    // that only the received copy is ever removed.
    QString DownloadCopy();
    // A line of the transfer status on the Online tab.
    void ShowTransferStatus(const QString& text);

    // The transfer control's state change: completes or fails the running
    // request, then starts the next.
    void Inet1_StateChanged(int state);

private:
    void StartNext();
    bool CommandRuns() const;
    QString WaitingNote() const;
    QString FailureText(const Request& request) const;
    void StartFailed(const Request& request);
    void Failed(const Request& request);
    void CancelEnded(const QString& left);
    void Completed(const Request& request);
    void ShowProgress();
    void RestoreStatusText();
    void NoServer();
    void DropWaitingStartupRequests();
    QString Describe(const Request& request) const;
    static QString ServerFile(const Request& request);

    // Completions (OnlineCompletion.cpp).
    void ListReceived(const Request& request);
    void DownloadReceived(const Request& request);
    bool ConfirmDownloadOverUnsaved(const QString& received);
    bool StoreDownload(const QString& received, const QString& target);
    void LoadDownload(const QString& target, int format);
    void UploadSent(const Request& request);
    void UploadFailed(const Request& request);
    void NewsReceived();
    void VersionReceived();

    Program& p_;
    std::deque<Request> waiting_;
    std::optional<Request> running_;
    int downloadCopies_ = 0;
    int requestIds_ = 0;
    QString cancelledText_; // what the last Cancel stopped and dropped
    QObject later_;         // the context of completions that wait for a command
    // A clean-up is given up by the transfer control within this; the exit
    // waits no longer for it.
    static constexpr int ExitCleanUpMs = 1000;
};
