#pragma once
// A server on 127.0.0.1 that takes connections and never answers: a request
// sent to it waits until its time limit passes or the test ends.

#include <QString>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class SilentServer {
public:
    SilentServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            ::listen(fd_, 8) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &size) != 0)
            return;
        port_ = ntohs(a.sin_port);
    }
    ~SilentServer() {
        if (fd_ >= 0) ::close(fd_);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    // 0 when no socket could be opened.
    int port() const { return port_; }
    QString address() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(port_); }

private:
    int fd_ = -1;
    int port_ = 0;
};
