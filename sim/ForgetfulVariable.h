#pragma once
#include "OidPath.h"
#include <set>
#include <string>

// A variable that takes a set and does not keep it (--forget DEVICES:OID):
// the set is answered as done, and the variable, and every one below the
// OID, reads its old value afterwards, as a device whose store fails quietly.
struct ForgetfulVariable {
    std::set<int> Devices;   // 1-based device numbers; empty: every device
    OidPath Prefix;

    // Parses "DEVICES:OID" (DEVICES "all" or a comma list of 1 to deviceCount).
    static bool Parse(const std::string& text, int deviceCount, ForgetfulVariable& out, std::string& error);
    bool AppliesTo(int deviceNumber) const { return Devices.empty() || Devices.count(deviceNumber); }
    bool Covers(const OidPath& oid) const;
};
