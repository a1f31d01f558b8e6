#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the date-and-time page and the log settings; each table ends with MIB_TABLE_END.
namespace MibPages {

// Date and time page: SNTP server, time zone, interval and daylight saving
extern const MibVariable kSntpSettingsVars[];
// Date and time page: sets the device clock by hand
extern const MibVariable kSntpManualTimeVars[];
// Date and time page: the device's current time
extern const MibVariable kSntpSystemTimeVars[];
// Log settings: logged event kinds and the remote log server
extern const MibVariable kLogSettingsVars[];
// Log settings: e-mail notification
extern const MibVariable kEmailNotificationVars[];
}  // namespace MibPages
