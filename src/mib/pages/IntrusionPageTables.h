#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the wireless intrusion page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Intrusion page: access points detected around the device
extern const MibVariable kIntrusionApListTableVars[];
}  // namespace MibPages
