#pragma once
#include "snmp/MibVariable.h"

// Descriptor tables of the host's device queries.

// PlugGetSystemInfo: firmware version, LAN MAC, address, mask and gateway (complete OIDs).
extern const MibVariable kSystemInfoVars[];
// PlugGetBasicConfigInfor: SSID, channel, AP mode, authentication, wireless mode, MAC, power.
extern const MibVariable kBasicConfigVars[];
// PlugGetTrafficInfor: address, up-time, transmit counters and the band.
extern const MibVariable kTrafficInfoVars[];
// PlugGetClinetInfor, first step: asks the device to rebuild its client table.
extern const MibVariable kClientRefreshVars[];
// PlugGetClinetInfor, second step: the client table walked with get-next.
extern const MibVariable kClientListVars[];
