#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the filter page (wireless MAC ACL and WLAN partition); each table ends with MIB_TABLE_END.
namespace MibPages {

// Filter page: the wireless MAC access control mode
extern const MibVariable kMacAclModeVars[];
// Filter page: adds one address to the MAC access control list
extern const MibVariable kMacAclAddVars[];
// Filter page: deletes one address from the MAC access control list
extern const MibVariable kMacAclDeleteVars[];
// Filter page: the MAC access control list
extern const MibVariable kMacAclListTableVars[];
// Filter page: associated clients, from which an address can be added to the list
extern const MibVariable kFilterClientTableVars[];
// Filter page: the primary SSID, to label clients
extern const MibVariable kFilterSsidVars[];
// Filter page: SSID index, state and name, to label clients
extern const MibVariable kFilterMssidTableVars[];
// Filter page: WLAN partition settings of the 2.4 GHz band
extern const MibVariable kWlanPartitionVars[];
}  // namespace MibPages
