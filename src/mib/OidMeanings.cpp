#include "OidMeanings.h"
#include "snmp/SnmpSyntax.h"
#include <cstring>

namespace {
#define NXA_RADIO "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1."
using namespace SnmpSyntax;

// The radio table: what configuration export and template application, the
// MIB module and most pages agree on.
const OidMeaning kMeanings[] = {
    {NXA_RADIO "2", "dot11SsidBroadcast", Integer, "M2", ""},
    {NXA_RADIO "3", "dot11Channel", Integer, "", ""},
    {NXA_RADIO "4", "dot11Band2dot4GHzChannelList", DisplayString, "", "dot11DynamicChannelList dot11ChannelList"},
    {NXA_RADIO "8", "dot11WdsChannelList", DisplayString, "", ""},
    {NXA_RADIO "10", "dot11Frequency", DisplayString, "", ""},
    {NXA_RADIO "11", "dot11DataRate", DisplayString, "", ""},
    {NXA_RADIO "25", "dot11Wmm", Integer, "M2", ""},
    {NXA_RADIO "29", "dot11ChannelWidth", Integer, "M1", ""},
    {NXA_RADIO "30", "dot11Multioverwdsconsistent", Integer, "M35", ""},
    {NXA_RADIO "31", "dot11AckTimeout", Integer, "", ""},
    {NXA_RADIO "35", "dot11RateList", DisplayString, "", "dot11DataRateList"},
};
#undef NXA_RADIO
}  // namespace

namespace OidMeanings {
std::span<const OidMeaning> All() {
    return kMeanings;
}

const OidMeaning* Of(const char* oid) {
    for (const OidMeaning& meaning : kMeanings) {
        const size_t length = std::strlen(meaning.Oid);
        if (std::strncmp(oid, meaning.Oid, length) == 0 && (oid[length] == '\0' || oid[length] == '.'))
            return &meaning;
    }
    return nullptr;
}
bool Names(const OidMeaning& meaning, const char* name) {
    if (std::strcmp(meaning.Name, name) == 0)
        return true;
    const size_t length = std::strlen(name);
    for (const char* at = meaning.Aliases; (at = std::strstr(at, name)) != nullptr; at += length)
        if ((at == meaning.Aliases || at[-1] == ' ') && (at[length] == '\0' || at[length] == ' '))
            return true;
    return false;
}
}  // namespace OidMeanings
