#pragma once
#include "DeviceState.h"

// The device's current static leases follow its static pool: every entry
// with an address and a MAC address is one lease, in pool order.
namespace DhcpLeases {
bool IsStaticLeaseTable(const std::string& table);
void FollowStaticPool(DeviceState& state);
}  // namespace DhcpLeases
