#include "MaintenanceSettings.h"
#include "FtpPasswordDecoder.h"
#include "ModuleSettings.h"
#include "platform/SettingsStore.h"
#include "snmp/CZRException.h"

namespace MaintenanceSettings {

namespace {
CommandSettings::RemoteFtp ReadRemote() {
    CommandSettings::RemoteFtp remote;
    SettingsStore::AdvanceSystem values;
    if (!SettingsStore::ReadAdvanceSystem(values))
        return remote;
    remote.Address = QString::fromUtf8(values.RemoteFtpIpAddress);
    remote.User = QString::fromUtf8(values.FtpUserName);
    if (!values.FtpPassword.isEmpty()) {
        try {
            remote.Password = FtpPasswordDecoder::Unscramble(values.FtpPassword);
        } catch (const CZRException&) {
            // Not in scrambled form: no usable password.
        }
    }
    return remote;
}
}  // namespace

CommandSettings Current(CFTPServer* ftpServer) {
    const ModuleSettings& s = ModuleSettings::Instance();
    CommandSettings c;
    c.Port = static_cast<uint16_t>(s.SnmpPort);
    c.ReadCommunity = s.ReadCommunity;
    c.WriteCommunity = s.WriteCommunity;
    c.SnmpTimeout = static_cast<int32_t>(s.SnmpTimeout);
    c.FtpServer = ftpServer;
    c.ReadRemoteFtp = &ReadRemote;
    return c;
}

}  // namespace MaintenanceSettings
