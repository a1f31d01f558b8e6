#pragma once
#include "OidPath.h"
#include "VarDef.h"
#include <chrono>
#include <cstdint>

// The traffic counters of the statistics group: each counts on at a rate of
// its own (packets, bytes, drops and errors at believable rates) from the
// moment its group was last cleared. The Ethernet counters (...5.2.1) and
// the WLAN counters (...5.2.2) are cleared separately; a fresh device has
// counted for a day, a restart starts both from zero. Counters are INTEGER:
// they wrap at 2^31.
class TrafficCounters {
public:
    enum class Group { None, Ethernet, Wlan };

    TrafficCounters();

    // The group a variable counts in; None for anything that is no traffic
    // counter (the success and retry rates, the clear commands).
    static Group GroupOf(const VarDef& def, const OidPath& oid);
    // Units a second.
    static double RateOf(const VarDef& def);

    int64_t Value(const VarDef& def, const OidPath& oid) const;
    void Clear(Group group);
    // A restart: both groups from zero.
    void Restart();

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point ethernetSince_;
    Clock::time_point wlanSince_;
};
