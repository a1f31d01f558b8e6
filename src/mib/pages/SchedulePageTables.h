#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the schedule page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Schedule page: the global wireless schedule state
extern const MibVariable kScheduleStatusVars[];
// Schedule page: one rule, added or deleted through the action variable
extern const MibVariable kScheduleRuleVars[];
// Schedule page: the rule list
extern const MibVariable kScheduleListTableVars[];
// Schedule page: SSID index, state and name for the SSID selector
extern const MibVariable kScheduleMssidTableVars[];
// Schedule page: the AP mode
extern const MibVariable kScheduleApModeVars[];
}  // namespace MibPages
