#pragma once
// The local computer's host name and addresses, asked of the system at each
// call (nothing is kept): the host name, the first IPv4 address the host name
// resolves to, and the first IPv4 address of every network adapter.

#include <QString>

class Program;
struct ifaddrs;

// The host name, or "" after a message saying why it could not be had.
QString GetLocalHostName(Program& p);
// The first IPv4 address of the host name in dotted decimal ("" after a
// message). On many systems the host name resolves to a loopback address.
QString GetLocalIp(Program& p);
// The first IPv4 address of each adapter that is up, other than the
// loopback, in the system's order, joined with "+" ("" when there is none).
QString GetAdapterIpList();
// The same for a list of interfaces as the system describes them.
QString AdapterIpList(const ifaddrs* list);
// The text up to its first NUL character (the whole text when it has none).
QString CutAtNul(const QString& text);
