#include "online/Online.h"

#include "online/OnlineLists.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

Online::Online(Program& p) : p_(p) {}

void Online::LoadInternetSettings() {
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::InternetFile));
    OnlineUrl = file.lines.value(0);
    FtpAddress = file.lines.value(1).trimmed();
}

void Online::SetIpAddress() {
    LocalIp.clear();
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
        if (!(a->ifa_flags & IFF_UP) || (a->ifa_flags & IFF_LOOPBACK)) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) {
            LocalIp = QString::fromLatin1(text);
            break;
        }
    }
    freeifaddrs(list);
}

// An entry is five fields, each followed by ";": original name, FTP name,
// format (lower case), language, editor.
void Online::UpdateFTPList() {
    platform::Grid& list = p_.main().onlineLists.FTPList;
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::DownloadList));
    list.setRows(2);
    list.clear();
    int row = 0;
    for (qsizetype i = 1; i < file.lines.size(); ++i) {
        const QStringList fields = file.lines[i].split(QLatin1Char(';'));
        if (fields.size() < 6 || !PassesFilters(fields)) continue;
        ++row;
        list.setRows(row + 2);
        list.setTextMatrix(row, 0, runtime::TrimStr(row));
        for (int c = 1; c <= 5; ++c)
            list.setTextMatrix(row, c, QLatin1Char(' ') + fields[c - 1]);
    }
    p_.main().onlineLists.HeadFTPList();
}

bool Online::PassesFilters(const QStringList& fields) const {
    const frmMain& main = p_.main();
    const auto& format = main.online.Combo7;
    const auto& language = main.online.Combo8[0];
    if (format.listIndex() > 0 && fields[2] != format.text().toLower()) return false;
    if (language.listIndex() > 0 && fields[3] != language.text()) return false;
    return true;
}

void Online::DownloadListUpdate() {
    Execute(DownloadList, QStringLiteral("GET ") + SubListName + QLatin1Char(' ') +
                              TransferFolder() + QStringLiteral("sublist.sdf"));
    p_.macro.SetMacroAction(QString(), 819);
}

bool Online::Execute(int kind, const QString& command) {
    if (FtpAddress.isEmpty()) return false;
    InetRequest = kind;
    StartedRequests.push_back({kind, command});
    return true;
}

QString Online::TransferFolder() const {
    return p_.folder.root().endsWith(QLatin1Char('/')) ? p_.folder.root()
                                                       : p_.folder.root() + QLatin1Char('/');
}
