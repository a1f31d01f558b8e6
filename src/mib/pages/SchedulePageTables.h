#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the schedule page; each table ends with MIB_TABLE_END.
namespace MibPages {
extern const MibVariable kScheduleStatusVars[];  // Schedule page: the global wireless schedule state
extern const MibVariable kScheduleRuleVars[];  // Schedule page: one rule, added or deleted through the action variable
extern const MibVariable kScheduleListTableVars[];  // Schedule page: the rule list
extern const MibVariable kScheduleMssidTableVars[];  // Schedule page: SSID index, state and name for the SSID selector
extern const MibVariable kScheduleApModeVars[];  // Schedule page: the AP mode
}  // namespace MibPages
