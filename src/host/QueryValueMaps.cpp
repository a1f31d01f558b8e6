#include "QueryValueMaps.h"
#include "snmp/ValueMap.h"

namespace QueryValueMaps {
namespace {

const ValueMapPair kAuthentication[] = {
    {1, "Open System"},    {2, "Shared Key"},      {3, "Open System/Shared key"}, {4, "WPA-Personal"},
    {5, "WPA-Enterprise"}, {6, "WPA2-Personal"},   {7, "WPA2-Enterprise"},        {8, "WPA-AUTO-Personal"},
    {9, "WPA-AUTO-Enterprise"}, {10, "802.1x"},    {0, nullptr},
};
const ValueMapPair kApMode[] = {{1, "Access Point"}, {2, "WDS With AP"}, {3, "WDS"}, {0, nullptr}};
const ValueMapPair kTransmitPower[] = {{1, "full"}, {2, "half"}, {3, "quarter"}, {4, "eighth"}, {5, "min"}, {0, nullptr}};

}  // namespace

const ValueMap& Authentication() {
    static const ValueMap map(kAuthentication, ValueMap::NumberKey, false);
    return map;
}

const ValueMap& ApMode() {
    static const ValueMap map(kApMode, ValueMap::NumberKey, false);
    return map;
}

const ValueMap& TransmitPower() {
    static const ValueMap map(kTransmitPower, ValueMap::NumberKey, false);
    return map;
}

int32_t NumberForText(const ValueMap& map, const QString& text) {
    const int index = map.FindByText(text);
    if (index >= 0)
        return map.GetPair(index).Key;
    bool ok = false;
    const int32_t number = text.trimmed().toInt(&ok, 10);
    return ok ? number : 0;
}

}  // namespace QueryValueMaps
