#include "ApModeRules.h"
#include "DeviceState.h"
#include "mib/Catalogue.h"
#include <cstdio>

namespace {
DeviceState::Cell* At(DeviceState& state, const char* place) {
    return state.Find(Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + "." + place));
}
const char* const kApMode = "2.1.3.3.1.1.1.28.1";
const char* const kChannel = "2.1.3.3.1.1.1.3.1";
const char* const kFrequency = "2.1.3.3.1.1.1.10.1";

int BitsOf(int64_t mode) {
    switch (mode) {
    case 1: return 0x10;
    case 2: return 0x04 | 0x08;
    case 3: return 0x20 | 0x40;
    case 4: return 0x01;
    case 5: return 0x02;
    default: return 0;
    }
}
}  // namespace

namespace ApModeRules {

bool ModeAllowed(DeviceState& state, const VarDef& def, const SimValue& value) {
    DeviceState::Cell* mode = At(state, kApMode);
    if (!mode || mode->Def != &def)
        return true;
    DeviceState::Cell* mask = state.Named("apModesSupported");
    const int64_t bits = mask ? mask->Value.Number : 0x7F;
    return (BitsOf(value.Number) & bits) != 0;
}

bool IsChannel(DeviceState& state, const VarDef& def) {
    DeviceState::Cell* channel = At(state, kChannel);
    return channel && channel->Def == &def;
}

void FollowChannel(DeviceState& state) {
    DeviceState::Cell* channel = At(state, kChannel);
    DeviceState::Cell* frequency = At(state, kFrequency);
    if (!channel || !frequency)
        return;
    const int64_t c = channel->Value.Number;
    int mhz = 0;
    if (c == 14)
        mhz = 2484;
    else if (c >= 1 && c <= 13)
        mhz = 2407 + 5 * static_cast<int>(c);
    else if (c >= 32 && c <= 177)
        mhz = 5000 + 5 * static_cast<int>(c);
    if (!mhz)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d GHz", mhz / 1000, mhz % 1000);
    frequency->Value.Bytes = text;
}

}  // namespace ApModeRules
