#pragma once
#include <QByteArray>
#include <QString>

// Turns a device address text (dotted IPv4, IPv6 or a host name) into the
// transport address the SNMP thread opens ("udp:10.0.0.1", "udp6:[::1]").
// Raises CZRException -509 for a text that is no address and no resolvable
// name; a text that cannot be a host name is refused without any lookup.
namespace AddressResolver {
QByteArray Resolve(const QString& address);
}  // namespace AddressResolver
