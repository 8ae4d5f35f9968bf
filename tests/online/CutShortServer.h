#pragma once
// An FTP server on 127.0.0.1 whose every download is cut short: it announces
// the file's size, sends its first bytes and ends the transfer as aborted.
// It serves one session at a time on a thread of its own.

#include <QByteArray>
#include <QList>
#include <QString>
#include <arpa/inet.h>
#include <atomic>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

class CutShortServer {
public:
    static constexpr int AnnouncedSize = 1000;

    CutShortServer() : listener_(Listen(port_)) {
        if (listener_ >= 0) thread_ = std::thread([this] { serve(); });
    }
    ~CutShortServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) ::close(listener_);
    }
    CutShortServer(const CutShortServer&) = delete;
    CutShortServer& operator=(const CutShortServer&) = delete;

    int port() const { return port_; }
    QString address() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(port_); }
    // The bytes sent before the transfer is aborted.
    static QByteArray Sent() { return QByteArrayLiteral("1\r\n00:00:01,000 --> 00:0"); }

private:
    static int Listen(int& port) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            ::listen(fd, 4) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
            if (fd >= 0) ::close(fd);
            return -1;
        }
        port = ntohs(a.sin_port);
        return fd;
    }
    // Waits until fd can be read (or accepted from); false when the server stops.
    bool readable(int fd) {
        pollfd p{fd, POLLIN, 0};
        while (!stop_)
            if (::poll(&p, 1, 50) > 0) return true;
        return false;
    }
    static void say(int fd, const QByteArray& line) {
        const QByteArray out = line + "\r\n";
        (void)!::send(fd, out.constData(), out.size(), MSG_NOSIGNAL);
    }
    void serve() {
        while (readable(listener_)) {
            const int c = ::accept(listener_, nullptr, nullptr);
            if (c < 0) continue;
            session(c);
            ::close(c);
        }
    }
    void session(int c) {
        say(c, "220 ready");
        int data = -1, dataPort = 0;
        QByteArray pending;
        for (;;) {
            const qsizetype end = pending.indexOf("\r\n");
            if (end < 0) {
                char buffer[512];
                if (!readable(c)) break;
                const ssize_t got = ::recv(c, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                pending.append(buffer, got);
                continue;
            }
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 2);
            const QByteArray verb = line.split(' ').value(0).toUpper();
            static const std::map<QByteArray, QByteArray> plain = {
                {"USER", "331 password please"},
                {"PASS", "230 logged in"},
                {"PWD", "257 \"/\""},
                {"CWD", "250 ok"},
                {"TYPE", "200 ok"},
                {"SIZE", "213 " + QByteArray::number(AnnouncedSize)}};
            if (plain.count(verb))
                say(c, plain.at(verb));
            else if (verb == "EPSV" || verb == "PASV") {
                if (data >= 0) ::close(data);
                data = Listen(dataPort);
                if (verb == "EPSV")
                    say(c, "229 Entering Extended Passive Mode (|||" +
                               QByteArray::number(dataPort) + "|)");
                else
                    say(c, "227 Entering Passive Mode (127,0,0,1," +
                               QByteArray::number(dataPort / 256) + "," +
                               QByteArray::number(dataPort % 256) + ")");
            } else if (verb == "RETR" && data >= 0) {
                say(c, "150 Opening data connection (" + QByteArray::number(AnnouncedSize) +
                           " bytes)");
                if (readable(data)) {
                    const int d = ::accept(data, nullptr, nullptr);
                    if (d >= 0) {
                        (void)!::send(d, Sent().constData(), Sent().size(), MSG_NOSIGNAL);
                        ::close(d);
                    }
                }
                say(c, "426 Connection closed; transfer aborted.");
            } else if (verb == "QUIT") {
                say(c, "221 bye");
                break;
            } else {
                say(c, "502 not here");
            }
        }
        if (data >= 0) ::close(data);
    }

    int port_ = 0;
    int listener_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
