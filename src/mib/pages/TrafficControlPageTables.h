#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the traffic control page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Traffic control page: downlink/uplink mode of each interface
extern const MibVariable kTrafficInterfaceModeVars[];
// Traffic control page: downlink and uplink bandwidths
extern const MibVariable kTrafficBandwidthVars[];
// Traffic control page: the QoS state
extern const MibVariable kQosStateVars[];
// Traffic control page: priority, limit and ports of the nine QoS rules
extern const MibVariable kQosPriorityRuleVars[];
// Traffic control page: traffic manager state and unlisted clients
extern const MibVariable kTrafficManagerStateVars[];
// Traffic control page: one manager rule, added or deleted through the action variable
extern const MibVariable kTrafficRuleVars[];
// Traffic control page: the manager rule list
extern const MibVariable kTrafficRuleListTableVars[];
// Traffic control page: SSID index, state and name to label the interfaces
extern const MibVariable kTrafficMssidTableVars[];
// Traffic control page: remote AP list to label the WDS interfaces
extern const MibVariable kTrafficRemoteApTableVars[];
// Traffic control page: the AP mode
extern const MibVariable kTrafficApModeVars[];
}  // namespace MibPages
