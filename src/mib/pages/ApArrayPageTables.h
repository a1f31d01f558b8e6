#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the AP array page; each table ends with MIB_TABLE_END.
namespace MibPages {

// AP array page: state, role, array name and password
extern const MibVariable kApArraySettingsVars[];
// AP array page: starts a scan for arrays
extern const MibVariable kApArrayScanVars[];
// AP array page: arrays found by the scan
extern const MibVariable kApArrayScanListTableVars[];
// AP array page: current array members
extern const MibVariable kApArrayMemberTableVars[];
// AP array page: the AP mode
extern const MibVariable kApArrayApModeVars[];
}  // namespace MibPages
