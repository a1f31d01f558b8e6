#pragma once
#include <cstdint>
#include <string>

class DeviceState;
struct SimValue;
struct VarDef;

// How the radio's settings hang together: the channel list that the device
// offers follows its band (2.4 GHz: 1 to 11; 5 GHz: 36 to 48 and 149 to
// 165), the channel is always one of that list, and a channel outside it is
// refused; the wireless mode is one of the band's (2.4 GHz: 2, 3, 6; 5 GHz:
// 7, 8, 9), and a mode of the other band is refused.
class RadioRules {
public:
    static std::string ChannelsOf(bool band5);
    // After the band changed: the list of the new band; a channel that is not
    // in it becomes the list's first channel.
    static void FollowBand(DeviceState& state);
    // A write of the radio's channel: false when the channel is not offered.
    static bool ChannelAllowed(DeviceState& state, const VarDef& def, const SimValue& value);
    // A write of the wireless mode: false when the mode belongs to the other band.
    static bool ModeAllowed(DeviceState& state, const VarDef& def, const SimValue& value);
    static bool IsBand(DeviceState& state, const VarDef& def);
    static bool Is5GHzMode(int64_t mode) { return mode >= 7 && mode <= 9; }
    static constexpr const char* kModePlace = "2.1.3.3.1.1.1.16.1";
};
