#include "SimulatedFleet.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"

bool SimulatedFleet::Start(const QString& base, int devices) {
    return sim_.Start(base, devices, {QStringLiteral("--verbose")});
}

void SimulatedFleet::Stop() { sim_.Stop(); }

QString SimulatedFleet::Address(int device) const { return sim_.Address(device); }

DeviceTarget SimulatedFleet::Target(int device) const {
    DeviceTarget target;
    target.Address = Address(device);
    target.Port = sim_.Port();
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

QStringList SimulatedFleet::Actions(int device) const { return sim_.DeviceLines(device); }

int SimulatedFleet::AppliedCount(int device) const {
    return static_cast<int>(Actions(device).count(QStringLiteral("settings applied")));
}
