#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the Multi-SSID page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Multi-SSID page: global state; Save writes the multi-SSID, VLAN and priority states
extern const MibVariable kMssidGlobalVars[];
// Multi-SSID page: SSID table, walked at refresh and written row by row (Add)
extern const MibVariable kMssidSsidTableVars[];
// Multi-SSID page: per-SSID RADIUS server table
extern const MibVariable kMssidRadiusTableVars[];
// Multi-SSID page: per-SSID accounting server table
extern const MibVariable kMssidAccountingTableVars[];
}  // namespace MibPages
