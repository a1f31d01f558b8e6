#pragma once

class DeviceState;
struct SimValue;
struct VarDef;

// The access-point mode and the frequency: a mode whose bit the device's
// apModesSupported lacks is refused (1 access point 0x10, 2 WDS with AP 0x04
// or 0x08, 3 WDS 0x20 or 0x40, 4 client 0x01, 5 repeater 0x02), and the
// frequency text ("2.437 GHz") follows the channel.
namespace ApModeRules {
bool ModeAllowed(DeviceState& state, const VarDef& def, const SimValue& value);
bool IsChannel(DeviceState& state, const VarDef& def);
// Sets the frequency to the current channel's.
void FollowChannel(DeviceState& state);
}  // namespace ApModeRules
