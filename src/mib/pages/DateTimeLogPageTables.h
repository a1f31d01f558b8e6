#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the date-and-time page and the log settings; each table ends with MIB_TABLE_END.
namespace MibPages {
extern const MibVariable kSntpSettingsVars[];  // Date and time page: SNTP server, time zone, interval and daylight saving
extern const MibVariable kSntpManualTimeVars[];  // Date and time page: sets the device clock by hand
extern const MibVariable kSntpSystemTimeVars[];  // Date and time page: the device's current time
extern const MibVariable kLogSettingsVars[];  // Log settings: logged event kinds and the remote log server
extern const MibVariable kEmailNotificationVars[];  // Log settings: e-mail notification
}  // namespace MibPages
