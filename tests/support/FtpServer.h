#pragma once
// A real FTP server for the transfer tests: pyftpdlib on 127.0.0.1 at a port
// the system chooses, serving a temporary folder, anonymous users allowed to
// write (or only to read), one that moves a few bytes a second, a small
// server whose every download is cut short, or one that goes silent at a
// chosen reply. It stops when the object goes.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class FtpServer {
public:
    explicit FtpServer(bool writable = true);
    // A server whose every download is cut short: it announces a file of 1000
    // bytes, sends its first bytes and ends the transfer as aborted.
    struct CutShort {};
    explicit FtpServer(CutShort);
    // Moves no more than `bytesPerSecond`; the anonymous user has pyftpdlib's `perm`.
    FtpServer(int bytesPerSecond, const char* perm);
    // A small server that never answers, on each connection, the reply named
    // (see SilentPoints; "refuse" refuses every login instead); it takes
    // uploads at about 40 KB/s and serves every file it holds.
    struct SilentAt {
        const char* where;
    };
    explicit FtpServer(SilentAt silent);
    // Every reply it can hold back: the greeting, the login, passive mode,
    // SIZE, the transfer's start, after a download's or an upload's last
    // byte, and DELE.
    static const char* const SilentPoints[8];
    // How often the server said `text` on its error channel ("silent at
    // dele" each time it held that reply back).
    int timesSaid(const QByteArray& text);
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    // "ftp://127.0.0.1:<port>"
    QString address() const;
    // Files in the served folder.
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    void start(const QStringList& arguments);

    QTemporaryDir dir_;
    QProcess process_;
    QByteArray said_;
    int port_ = 0;
};

// Runs the event loop until `done` holds or `ms` milliseconds have passed;
// true when it held.
bool runEventsUntil(const std::function<bool()>& done, int ms = 30000);
