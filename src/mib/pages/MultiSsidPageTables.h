#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the Multi-SSID page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Multi-SSID page: the multi-SSID, priority and VLAN states (refresh and Save)
extern const MibVariable kMssidGlobalVars[];
// Multi-SSID page: band, network access protection and 802.1x key interval
extern const MibVariable kMssidRadioVars[];
// Multi-SSID page: SSID table, walked at refresh and written row by row (Add)
extern const MibVariable kMssidSsidTableVars[];
// Multi-SSID page: per-SSID RADIUS server table
extern const MibVariable kMssidRadiusTableVars[];
// Multi-SSID page: per-SSID accounting server table
extern const MibVariable kMssidAccountingTableVars[];
}  // namespace MibPages
