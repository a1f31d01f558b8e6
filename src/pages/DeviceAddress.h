#pragma once
#include <QString>

// The device's current LAN address as the LAN page last read it, for the
// pages that must not hand it out (the DHCP server's pools). Empty until the
// first read; then the window's device address stands in.
namespace DeviceAddress {
QString Current();
void Set(const QString& address);
}  // namespace DeviceAddress
