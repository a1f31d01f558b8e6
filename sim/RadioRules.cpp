#include "RadioRules.h"
#include "mib/Catalogue.h"
#include "DeviceState.h"
#include <sstream>

namespace {
DeviceState::Cell* At(DeviceState& state, const char* place) {
    return state.Find(Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + "." + place));
}
const char* const kBand = "2.1.3.3.1.1.1.34.1";
const char* const kChannel = "2.1.3.3.1.1.1.3.1";
const char* const kChannelList = "2.1.3.3.1.1.1.4.1";

bool Listed(const std::string& list, int64_t channel) {
    std::istringstream words(list);
    std::string word;
    while (words >> word)
        if (word == std::to_string(channel))
            return true;
    return false;
}
}  // namespace

std::string RadioRules::ChannelsOf(bool band5) {
    return band5 ? "36 40 44 48 149 153 157 161 165" : "1 2 3 4 5 6 7 8 9 10 11";
}

bool RadioRules::IsBand(DeviceState& state, const VarDef& def) {
    DeviceState::Cell* band = At(state, kBand);
    return band && band->Def == &def;
}

void RadioRules::FollowBand(DeviceState& state) {
    DeviceState::Cell* band = At(state, kBand);
    DeviceState::Cell* list = At(state, kChannelList);
    DeviceState::Cell* channel = At(state, kChannel);
    if (!band || !list || !channel)
        return;
    const bool band5 = band->Value.Number == 1;
    list->Value.Bytes = ChannelsOf(band5);
    if (DeviceState::Cell* mode = At(state, kModePlace); mode && Is5GHzMode(mode->Value.Number) != band5)
        mode->Value.Number = band5 ? 9 : 6;   // the band's mixed mode
    if (!Listed(list->Value.Bytes, channel->Value.Number))
        channel->Value.Number = std::stoi(list->Value.Bytes.substr(0, list->Value.Bytes.find(' ')));
}

bool RadioRules::ChannelAllowed(DeviceState& state, const VarDef& def, const SimValue& value) {
    DeviceState::Cell* channel = At(state, kChannel);
    DeviceState::Cell* list = At(state, kChannelList);
    if (!channel || channel->Def != &def || !list)
        return true;
    return Listed(list->Value.Bytes, value.Number);
}

bool RadioRules::ModeAllowed(DeviceState& state, const VarDef& def, const SimValue& value) {
    DeviceState::Cell* mode = At(state, kModePlace);
    DeviceState::Cell* band = At(state, kBand);
    if (!mode || mode->Def != &def || !band)
        return true;
    return Is5GHzMode(value.Number) == (band->Value.Number == 1);
}
