#pragma once
#include <QString>
#include <cstdint>

// What the window takes from the host's settings when it starts: the device
// and its SNMP parameters, and where the message catalogs are (empty: the
// module's own catalog folder).
struct WindowSettings {
    QString DeviceIpAddress = QStringLiteral("127.0.0.1");
    QString ReadCommunity = QStringLiteral("public");
    QString WriteCommunity = QStringLiteral("private");
    uint16_t SnmpPort = 161;
    uint32_t SnmpTimeout = 100;   // hundredths of a second
    QString CatalogFolder;
};
