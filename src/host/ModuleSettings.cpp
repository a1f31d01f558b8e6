#include "ModuleSettings.h"
#include "FtpPasswordDecoder.h"
#include "platform/SettingsStore.h"
#include "snmp/CZRException.h"
#include "snmp/DeviceTarget.h"

ModuleSettings& ModuleSettings::Instance() {
    static ModuleSettings settings;
    return settings;
}

void ModuleSettings::ApplyTo(DeviceTarget& target) const {
    target.Port = static_cast<uint16_t>(SnmpPort);
    target.ReadCommunity = ReadCommunity;
    target.WriteCommunity = WriteCommunity;
}

void ModuleSettings::LoadFtpSettings() {
    SettingsStore::AdvanceSystem values;
    if (SettingsStore::ReadAdvanceSystem(values)) {
        FtpMethod = values.FtpMethod;
        FtpPort = values.FtpPort;
        FtpUserName = QString::fromUtf8(values.FtpUserName);
        RemoteFtpIpAddress = QString::fromUtf8(values.RemoteFtpIpAddress);
        FtpPassword.clear();
        if (!values.FtpPassword.isEmpty()) {
            try {
                FtpPassword = FtpPasswordDecoder::Unscramble(values.FtpPassword);
            } catch (const CZRException&) {
                // A value the host did not scramble: no usable password.
            }
        }
    }
    UseFtpMethod = FtpMethod != 0;
}
