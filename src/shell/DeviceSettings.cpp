#include "DeviceSettings.h"
#include "snmp/DeviceTarget.h"

namespace DeviceSettings {
namespace {
Source gSource;
WindowSettings gFixed;
}  // namespace

void SetSource(Source source) { gSource = std::move(source); }
void SetFixed(const WindowSettings& settings) { gFixed = settings; }
WindowSettings Current() { return gSource ? gSource() : gFixed; }

void ApplyTo(DeviceTarget& target) {
    const WindowSettings s = Current();
    target.Address = s.DeviceIpAddress;
    target.Port = s.SnmpPort;
    target.ReadCommunity = s.ReadCommunity;
    target.WriteCommunity = s.WriteCommunity;
}
}  // namespace DeviceSettings
