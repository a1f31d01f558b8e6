#include "HostSnmp.h"
#include "DeviceOptions.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSession.h"
#include <QDir>
#include <QTemporaryDir>

bool HostSnmp::Start(QString& error) {
    if (SnmpSession::IsStarted())
        return true;
    // The engine's boot counter file lives as long as the process.
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        error = QStringLiteral("no temporary folder for the SNMP layer: %1").arg(folder.errorString());
        return false;
    }
    // net-snmp keeps its persistent files there and announces each folder it
    // has to create; made beforehand, it has nothing to say on the terminal.
    QDir(folder.path()).mkdir(QStringLiteral("cert_indexes"));
    try {
        SnmpSession::StartSnmp(folder.path());
    } catch (const CZRException& e) {
        error = QStringLiteral("the SNMP layer does not start: error %1: %2").arg(e.Number()).arg(e.Text());
        return false;
    }
    return true;
}

void HostSnmp::Stop() {
    if (SnmpSession::IsStarted())
        SnmpSession::StopSnmp();
}

DeviceTarget HostSnmp::TargetFor(const DeviceOptions& options, const QString& address) {
    const DeviceOptions device = options.ForDevice(address);
    DeviceTarget target;
    target.Address = address;
    target.Port = device.Port;
    target.ReadCommunity = device.ReadCommunity;
    target.WriteCommunity = device.WriteCommunity;
    target.Timeout = static_cast<int32_t>(device.Timeout);
    target.Version = DeviceTarget::Version1;
    return target;
}
