#pragma once
#include <string>

class DeviceState;

// The device's configuration as XML, the content of its backup: addressing
// (<wan>), account and console (<sys>), radio, security and MAC filter
// (<wlan><inf>), in the device's own codes (authentication, cipher, rate,
// console timeout in seconds). Restore sets the device's values from such a
// text; elements that are missing leave their values as they are.
class ConfigXml {
public:
    static std::string Build(DeviceState& state);
    static bool Restore(DeviceState& state, const std::string& xml, std::string& error);
};
