#include "TrafficCounters.h"
#include "mib/Catalogue.h"
#include <string>

namespace {
bool NameHas(const VarDef& def, const char* part) {
    for (const std::string& name : def.Names)
        if (name.find(part) != std::string::npos)
            return true;
    return false;
}

const OidPath& EthernetBase() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".5.2.1");
    return base;
}

const OidPath& WlanBase() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".5.2.2");
    return base;
}

// A small spread so that neighbouring counters do not read alike.
double Spread(const VarDef& def) {
    unsigned sum = 0;
    for (char c : def.Name)
        sum = sum * 31 + static_cast<unsigned char>(c);
    return 1.0 + static_cast<double>(sum % 21) / 100.0;
}

constexpr auto kFreshDeviceAge = std::chrono::hours(24);
}  // namespace

TrafficCounters::TrafficCounters() {
    const Clock::time_point counted = Clock::now() - kFreshDeviceAge;
    ethernetSince_ = wlanSince_ = counted;
}

TrafficCounters::Group TrafficCounters::GroupOf(const VarDef& def, const OidPath& oid) {
    if (def.Group != "5.2" || !NameHas(def, "Count") || NameHas(def, "Rate"))
        return Group::None;
    if (Oids::StartsWith(oid, EthernetBase()))
        return Group::Ethernet;
    if (Oids::StartsWith(oid, WlanBase()))
        return Group::Wlan;
    return Group::None;
}

double TrafficCounters::RateOf(const VarDef& def) {
    double rate = 30.0;   // packets and frames
    if (NameHas(def, "Byte"))
        rate = 9000.0;
    else if (NameHas(def, "Dropped") || NameHas(def, "Error") || NameHas(def, "CRC") || NameHas(def, "MIC") ||
             NameHas(def, "PHY") || NameHas(def, "Decryption") || NameHas(def, "Discard") || NameHas(def, "Fail") ||
             NameHas(def, "Refused") || NameHas(def, "Excluded") || NameHas(def, "Duplicate"))
        rate = 0.02;
    else if (NameHas(def, "Retry"))
        rate = 2.0;
    else if (NameHas(def, "Multicast") || NameHas(def, "Broadcast"))
        rate = 3.0;
    else if (NameHas(def, "Len1519"))
        rate = 0.01;
    else if (NameHas(def, "Len"))
        rate = 5.0;
    else if (NameHas(def, "Association") || NameHas(def, "Reassociation"))
        rate = 0.001;
    return rate * Spread(def);
}

int64_t TrafficCounters::Value(const VarDef& def, const OidPath& oid) const {
    const Group group = GroupOf(def, oid);
    if (group == Group::None)
        return 0;
    const Clock::time_point since = group == Group::Ethernet ? ethernetSince_ : wlanSince_;
    const double seconds = std::chrono::duration<double>(Clock::now() - since).count();
    const auto counted = static_cast<int64_t>(RateOf(def) * seconds);
    return counted % (int64_t{1} << 31);
}

void TrafficCounters::Clear(Group group) {
    if (group == Group::Ethernet)
        ethernetSince_ = Clock::now();
    else if (group == Group::Wlan)
        wlanSince_ = Clock::now();
}

void TrafficCounters::Restart() { ethernetSince_ = wlanSince_ = Clock::now(); }
