#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the VLAN page; each table ends with MIB_TABLE_END.
namespace MibPages {

// VLAN page: VLAN state and mode, and the management limit state
extern const MibVariable kVlanStateVars[];
// VLAN page: the VLAN list with one membership column per port
extern const MibVariable kVlanListTableVars[];
// VLAN page: the PVID of every port
extern const MibVariable kVlanPvidVars[];
// VLAN page: automatic PVID assignment, saved with the PVIDs
extern const MibVariable kVlanPvidAutoAssignVars[];
// VLAN page: makes the device rebuild the port list
extern const MibVariable kVlanPortListRefreshVars[];
// VLAN page: the port list
extern const MibVariable kVlanPortListTableVars[];
}  // namespace MibPages
