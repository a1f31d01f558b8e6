#pragma once
#include "snmp/DeviceTarget.h"
#include <QString>
#include <cstdint>
#include <functional>

class CFTPServer;

// The host's settings that the maintenance operations use: the SNMP port and
// communities of every device, the host's FTP server or none, and where the
// remote FTP account comes from when there is no server.
struct CommandSettings {
    uint16_t Port = 161;
    QString ReadCommunity = QStringLiteral("public");
    QString WriteCommunity = QStringLiteral("private");
    int32_t SnmpTimeout = 100;   // hundredths of a second
    CFTPServer* FtpServer = nullptr;

    struct RemoteFtp {
        QString Address;
        QString User;
        QString Password;
    };
    // Reads the remote FTP account afresh (empty texts when there is none).
    std::function<RemoteFtp()> ReadRemoteFtp;

    void ApplyTo(DeviceTarget& target) const {
        target.Port = Port;
        target.ReadCommunity = ReadCommunity;
        target.WriteCommunity = WriteCommunity;
    }
};
