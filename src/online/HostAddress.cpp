#include "online/HostAddress.h"

#include "document/MessageWindow.h"
#include "shell/Program.h"

#include <QStringList>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {

void ShowError(Program& p, const QString& text) {
    p.messages.ShowMessage(text, KindExclamation, QStringLiteral("ok"), p.texts.TextTable(9, 13));
}

// The host name, or "" with the system's error number in *error.
QString HostName(int* error) {
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) {
        *error = errno;
        return {};
    }
    return CutAtNul(QString::fromLocal8Bit(buffer, sizeof buffer));
}

QString Dotted(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = {};
    return inet_ntop(AF_INET, &address, text, sizeof text) ? QString::fromLatin1(text) : QString();
}

} // namespace

QString GetLocalHostName(Program& p) {
    int error = 0;
    const QString name = HostName(&error);
    if (name.isEmpty())
        ShowError(p, p.texts.Say("Socket error %1 has occurred.  Unable to successfully get Host "
                                 "Name.",
                                 error));
    return name;
}

QString GetLocalIp(Program& p) {
    int error = 0;
    const QString name = HostName(&error).trimmed();
    if (name.isEmpty()) {
        ShowError(p, p.texts.Say("Socket error %1 has occurred. Unable to successfully get Host "
                                 "Name.",
                                 error));
        return {};
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.toLocal8Bit().constData(), nullptr, &hints, &found) != 0 || !found) {
        ShowError(p, QStringLiteral("The host name does not resolve to an address. Unable to "
                                    "successfully get Host Name."));
        return {};
    }
    const QString address = Dotted(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr);
    freeaddrinfo(found);
    return address;
}

QString GetAdapterIpList() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {};
    const QString text = AdapterIpList(list);
    freeifaddrs(list);
    return text;
}

// An adapter appears once per address; its first IPv4 address counts.
QString AdapterIpList(const ifaddrs* list) {
    QStringList names, addresses;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !a->ifa_name) continue;
        if (!(a->ifa_flags & IFF_UP) || (a->ifa_flags & IFF_LOOPBACK)) continue;
        const QString name = QString::fromLocal8Bit(a->ifa_name);
        if (names.contains(name)) continue;
        names << name;
        addresses << Dotted(reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr);
    }
    return addresses.join(QLatin1Char('+'));
}

QString CutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}
