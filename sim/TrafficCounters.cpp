#include "TrafficCounters.h"
#include "mib/Catalogue.h"
#include "mib/pages/StatusPageTables.h"
#include <string>

namespace {
bool NameHas(const VarDef& def, const char* part) {
    for (const std::string& name : def.Names)
        if (name.find(part) != std::string::npos)
            return true;
    return false;
}

// Where the catalogue gives a column several names ("...ByteCount" and
// "...DroppedPacketCount" at one OID), the name the statistics page shows it
// by decides what it counts.
std::string CountedName(const VarDef& def) {
    for (const MibVariable* table : {MibPages::kStatsEthernetVars, MibPages::kStatsWlanVars})
        for (const MibVariable* v = table; v->Oid; ++v)
            if (def.HasName(v->Name))
                return v->Name;
    return def.Name;
}

bool Has(const std::string& name, const char* part) { return name.find(part) != std::string::npos; }

const OidPath& EthernetBase() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".5.2.1");
    return base;
}

const OidPath& WlanBase() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".5.2.2");
    return base;
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
    const std::string name = CountedName(def);
    double rate = 30.0;   // packets and frames
    if (Has(name, "Dropped") || Has(name, "Error") || Has(name, "CRC") || Has(name, "MIC") || Has(name, "PHY") ||
        Has(name, "Decryption") || Has(name, "Discard") || Has(name, "Fail") || Has(name, "Refused") ||
        Has(name, "Excluded") || Has(name, "Duplicate"))
        rate = 0.02;
    else if (Has(name, "Byte"))
        rate = 9000.0;
    else if (Has(name, "Retry"))
        rate = 2.0;
    else if (Has(name, "Multicast") || Has(name, "Broadcast"))
        rate = 3.0;
    else if (Has(name, "Len1519"))
        rate = 0.01;
    else if (Has(name, "Len"))
        rate = 5.0;
    else if (Has(name, "Association") || Has(name, "Reassociation"))
        rate = 0.001;
    // A small spread so that neighbouring counters do not read alike.
    unsigned sum = 0;
    for (char c : name)
        sum = sum * 31 + static_cast<unsigned char>(c);
    return rate * (1.0 + static_cast<double>(sum % 21) / 100.0);
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
