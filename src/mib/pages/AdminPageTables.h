#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the Admin page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Admin page: the management limit state (by IP, by VLAN ID, both or none)
extern const MibVariable kAdminStatusVars[];
// Admin page: the VLAN state
extern const MibVariable kAdminVlanStateVars[];
// Admin page: the two limit addresses of devices without the range list
extern const MibVariable kAdminTwoAddressVars[];
// Admin page: the ping control (also probes whether the device has it)
extern const MibVariable kAdminPingVars[];
// Admin page: administration over the wireless LAN (also a probe)
extern const MibVariable kAdminWlanAdminVars[];
// Admin page: the management VLAN ID (also probes for the range form)
extern const MibVariable kAdminVlanIdVars[];
// Admin page: the management address ranges shown in the list
extern const MibVariable kAdminRangeListVars[];
// Admin page: the same table, read to find a free row and written to add a range
extern const MibVariable kAdminRangeAddVars[];
// Admin page: the administrator account
extern const MibVariable kAdminAccountVars[];
// Admin page: console protocol and its timeout
extern const MibVariable kAdminConsoleVars[];
// Admin page: system name and location
extern const MibVariable kAdminSystemVars[];
}  // namespace MibPages
