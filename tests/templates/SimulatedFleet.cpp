#include "SimulatedFleet.h"
#include "FreePort.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QFile>
#include <QHostAddress>
#include <QStringList>
#include <chrono>
#include <thread>

namespace {
const char kSysName[] = "1.3.6.1.2.1.1.5.0";
}

bool SimulatedFleet::Start(const QString& base, int devices) {
    baseAddress_ = QHostAddress(base).toIPv4Address();
    port_ = TestSupport::FreeUdpPort();
    sim_ = std::make_unique<TestSupport::ChildProcess>();
    if (!sim_->Start(NXA_SIM_BINARY,
                     {"--devices", QString::number(devices), "--base", base, "--port", QString::number(port_),
                      "--verbose"},
                     {}, dir_.filePath("sim.log")))
        return false;
    for (int i = 0; i < 100; ++i) {
        try {
            SnmpRequest request;
            request.Target() = Target(devices);
            request.Timeout = 20;
            request.Variables.Kind = MibVariableList::MVT_SV;
            request.Variables.Add(kSysName, "sysName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly);
            request.Read(true);
            return true;
        } catch (const CZRException&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    return false;
}

void SimulatedFleet::Stop() { sim_.reset(); }

QString SimulatedFleet::Address(int device) const {
    return QHostAddress(baseAddress_ + static_cast<uint32_t>(device - 1)).toString();
}

DeviceTarget SimulatedFleet::Target(int device) const {
    DeviceTarget target;
    target.Address = Address(device);
    target.Port = port_;
    target.Version = DeviceTarget::Version2c;
    target.Timeout = 100;
    target.Retries = 1;
    return target;
}

QString SimulatedFleet::Get(int device, const QString& oid, int32_t syntax, const ValueMap* map) const {
    SnmpRequest request;
    request.Target() = Target(device);
    request.Variables.Kind = MibVariableList::MVT_SV;
    request.Variables.Add(oid, "probe", syntax, SnmpAccess::ReadOnly, map);
    request.Read(true);
    return request.Variables.Entry(0).Value;
}

void SimulatedFleet::Set(int device, const QString& oid, int32_t syntax, const QString& value,
                         const ValueMap* map) const {
    SnmpRequest request;
    request.Target() = Target(device);
    request.Variables.Kind = MibVariableList::MVT_SV;
    request.Variables.Add(oid, "probe", syntax, SnmpAccess::ReadWrite, map);
    request.Variables.Entry(0).Value = value;
    request.Write();
}

QStringList SimulatedFleet::Actions(int device) const {
    QFile log(dir_.filePath("sim.log"));
    QStringList lines;
    if (!log.open(QIODevice::ReadOnly))
        return lines;
    const QString prefix = Address(device) + ':' + QString::number(port_) + ' ';
    for (const QByteArray& line : log.readAll().split('\n'))
        if (line.startsWith(prefix.toUtf8()))
            lines << QString::fromUtf8(line.mid(prefix.size()));
    return lines;
}

int SimulatedFleet::AppliedCount(int device) const {
    return static_cast<int>(Actions(device).count(QStringLiteral("settings applied")));
}
