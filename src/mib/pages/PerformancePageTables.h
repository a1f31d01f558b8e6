#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the performance page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Performance page: the radio's fine parameters
extern const MibVariable kPerformanceVars[];
// Performance page: the primary SSID's security (read only)
extern const MibVariable kPerformanceSecurityVars[];
// Performance page: the radio band, which picks the wireless-mode variable
extern const MibVariable kPerformanceBandVars[];
// Performance page: the selectable data rates
extern const MibVariable kPerformanceDataRateListVars[];
}  // namespace MibPages
