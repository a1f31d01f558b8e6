#pragma once
#include <QString>
#include <cstdint>

class CFTPServer;
struct DeviceTarget;

// What the host hands in: the SNMP parameters, its FTP server object or none,
// and the remote FTP settings read from the settings store.
struct ModuleSettings {
    QString DeviceIpAddress;
    QString ReadCommunity = QStringLiteral("public");
    QString WriteCommunity = QStringLiteral("private");
    uint32_t SnmpPort = 161;
    uint32_t SnmpTimeout = 100;   // hundredths of a second

    CFTPServer* HostFtpServer = nullptr;

    int32_t FtpMethod = 0;
    bool UseFtpMethod = false;
    int32_t FtpPort = 0;
    QString FtpUserName;
    QString FtpPassword;
    QString RemoteFtpIpAddress;

    // The one instance of the module.
    static ModuleSettings& Instance();

    // Copies port and communities into a request's target.
    void ApplyTo(DeviceTarget& target) const;
    // Reads the FTP fields from the settings store. A missing group keeps
    // them; a password not in scrambled form is kept empty.
    void LoadFtpSettings();
};
