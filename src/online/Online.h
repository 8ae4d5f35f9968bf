#pragma once
// The online part as the start-up uses it: the addresses of \System\i.set,
// the kind of the request last started, the local address, the download
// list read from \System\sublist.sdf, and the start of a request.
//
// There is no transfer layer yet: a request is only recorded (kind and
// command) in StartedRequests, and none is started while the server address
// is empty, so no server is contacted until the user sets one.

#include <QString>
#include <QStringList>
#include <vector>

class Program;

class Online {
public:
    explicit Online(Program& p);

    // Kinds of request (InetRequest).
    enum Kind { DownloadList = 1, Download = 2, Upload = 4, NewsPage = 7, VersionFile = 8 };

    QString OnlineUrl;  // line 1 of \System\i.set: the online help's base address
    QString FtpAddress; // line 2: the server address, used for every request
    int InetRequest = 0;
    QString SubListName = QStringLiteral("sublist.sdf");
    QString LocalIp; // the first address of an adapter that is up, "" when none

    struct Request {
        int kind;
        QString command; // "GET version.sdf <transfer folder>/version.sdf"
    };
    std::vector<Request> StartedRequests;

    // Reads \System\i.set; a missing file or line leaves the address empty.
    void LoadInternetSettings();
    // Looks up the local adapter address (the first IPv4 address of an
    // interface that is up and not the loopback).
    void SetIpAddress();
    // Fills the download list FTPList from \System\sublist.sdf: one row per
    // entry that passes the format and language filters (their first item
    // lets every entry through); row 0 keeps its headings.
    void UpdateFTPList();
    // The download tab's Update: asks the server for its list (kind 1).
    void DownloadListUpdate();

    // Starts a request of a kind: sets InetRequest and records it. False,
    // with nothing started, while FtpAddress is empty.
    bool Execute(int kind, const QString& command);
    // The folder fetched files pass through (the program folder), with "/".
    QString TransferFolder() const;

private:
    bool PassesFilters(const QStringList& fields) const;

    Program& p_;
};
