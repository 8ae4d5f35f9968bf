// The local host name and addresses: the adapter list takes the first IPv4
// address of each adapter that is up (never the loopback), the host name is
// the system's, and the local address is the first adapter address that is
// not 0.0.0.0.

#include "online/HostAddress.h"
#include "online/Online.h"
#include "support/TestProgram.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <arpa/inet.h>
#include <deque>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace {

// A list of interfaces as the system would describe it.
class FakeInterfaces {
public:
    void add(const char* name, int family, const char* address, unsigned flags) {
        sockaddr_in& a = addresses_.emplace_back();
        a.sin_family = static_cast<sa_family_t>(family);
        if (family == AF_INET && address) inet_pton(AF_INET, address, &a.sin_addr);
        ifaddrs& entry = entries_.emplace_back();
        entry.ifa_name = const_cast<char*>(name);
        entry.ifa_flags = flags;
        entry.ifa_addr = address ? reinterpret_cast<sockaddr*>(&a) : nullptr;
        if (entries_.size() > 1) entries_[entries_.size() - 2].ifa_next = &entry;
    }
    const ifaddrs* list() const { return entries_.empty() ? nullptr : &entries_.front(); }

private:
    std::deque<sockaddr_in> addresses_;
    std::deque<ifaddrs> entries_;
};

TEST(HostAddress, TheAdapterListTakesTheFirstAddressOfEachAdapterThatIsUp) {
    const unsigned up = IFF_UP;
    FakeInterfaces system;
    system.add("lo", AF_INET, "127.0.0.1", up | IFF_LOOPBACK);
    system.add("eth0", AF_INET6, "", up);
    system.add("eth0", AF_INET, "10.0.0.2", up);
    system.add("wlan0", AF_INET, "0.0.0.0", up);
    system.add("eth0", AF_INET, "10.0.0.3", up);
    system.add("down0", AF_INET, "10.9.9.9", 0);
    system.add("tun0", AF_INET, nullptr, up);
    EXPECT_EQ(AdapterIpList(system.list()), "10.0.0.2+0.0.0.0");
    EXPECT_EQ(AdapterIpList(nullptr), "");
    FakeInterfaces loopbackOnly;
    loopbackOnly.add("lo", AF_INET, "127.0.0.1", up | IFF_LOOPBACK);
    EXPECT_EQ(AdapterIpList(loopbackOnly.list()), "");
}

TEST(HostAddress, CutAtNulKeepsTheTextBeforeTheFirstNul) {
    EXPECT_EQ(CutAtNul(QString::fromUtf8("host", 4)), "host");
    EXPECT_EQ(CutAtNul(QString::fromUtf8("host\0junk", 9)), "host");
    EXPECT_EQ(CutAtNul(QString::fromUtf8("\0", 1)), "");
}

TEST(HostAddress, TheSystemsNameAndAddresses) {
    TestProgram t;
    EXPECT_EQ(GetLocalHostName(t.program()), QSysInfo::machineHostName());
    const QRegularExpression dotted(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    const QString ip = GetLocalIp(t.program());
    EXPECT_TRUE(dotted.match(ip).hasMatch()) << ip.toStdString();
    t->online.SetIpAddress();
    QStringList adapters = GetAdapterIpList().split('+', Qt::SkipEmptyParts);
    adapters.removeAll("0.0.0.0");
    EXPECT_EQ(t->online.LocalIp, adapters.value(0));
}

} // namespace
