#include "TimeLogRules.h"
#include "SnmpErrors.h"

namespace TimeLogRules {
namespace {
bool IsClock(const VarDef& def) { return def.HasName("setTimeManually") || def.HasName("systemTime"); }
}  // namespace

int Check(const VarDef& def, const SimValue& value) {
    if (IsClock(def) && !DeviceClock::IsManualSetting(value.Bytes))
        return SnmpErrors::WrongValue;
    if ((def.HasName("emailNtfPort") || def.HasName("smtpPort")) && (value.Number < 1 || value.Number > 65535))
        return SnmpErrors::WrongValue;
    return SnmpErrors::NoError;
}

std::optional<std::string> Apply(Device& device, const VarDef& def, const SimValue& value) {
    DeviceState& state = device.State();
    if (IsClock(def)) {
        state.Clock().SetManually(value.Bytes);
        return "clock set to " + state.Clock().Text();
    }
    const bool ethernet = def.HasName("dot3Clear");
    if (ethernet || def.HasName("dot11Clear")) {
        if (value.Number != 1)
            return std::string();
        state.Counters().Clear(ethernet ? TrafficCounters::Group::Ethernet : TrafficCounters::Group::Wlan);
        return ethernet ? "Ethernet counters cleared" : "WLAN counters cleared";
    }
    return std::nullopt;
}
}  // namespace TimeLogRules
