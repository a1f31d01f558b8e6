#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the LAN and DHCP server pages; each table ends with MIB_TABLE_END.
namespace MibPages {

// LAN page: how the access point gets its address, and the address itself
extern const MibVariable kLanSettingsVars[];
// LAN page: restart command (the factory default stays out)
extern const MibVariable kLanDeviceCommandVars[];
// DHCP server page: the server's on/off state
extern const MibVariable kDhcpFunctionVars[];
// DHCP server page: the dynamic pool (row 1 of the pool table)
extern const MibVariable kDhcpDynamicPoolVars[];
// DHCP server page: static (reserved) entries, walked and written row by row
extern const MibVariable kDhcpStaticPoolTableVars[];
// DHCP server page: deletes a static entry by its index
extern const MibVariable kDhcpStaticDeleteVars[];
// DHCP server page: makes the device rebuild both lease lists (mapping Refresh)
extern const MibVariable kDhcpLeaseRefreshVars[];
// DHCP server page: current dynamic leases
extern const MibVariable kDhcpDynamicLeaseTableVars[];
// DHCP server page: current static leases
extern const MibVariable kDhcpStaticLeaseTableVars[];
}  // namespace MibPages
