#pragma once
#include "DeviceState.h"

// The port list that the VLAN page reads after its refresh variable: one row
// per port (Mgmt, LAN, Primary, M-SSID1-7, WDS1-8) with the VIDs of the
// VLANs it is a tagged member of, and the VIDs it is an untagged member of
// or, where it is none, its PVID (comma-separated).
namespace VlanPorts {
void Follow(DeviceState& state);
}
