#include "DateTimeLogPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Date and time page: SNTP server, time zone, interval and daylight saving
const MibVariable kSntpSettingsVars[] = {
    MibRecord(NXA_OID("4.8.5"), "sntpStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("4.8.1"), "sntpServerIpAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.8.2"), "sntpTimeZoneIndex", Integer, ReadWrite, &MibMaps::M18),
    MibRecord(NXA_OID("4.8.6"), "sntpInterval", Integer, ReadWrite, &MibMaps::M74),
    MibRecord(NXA_OID("4.8.3"), "sntpDayLightSaving", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("4.8.16"), "sntpDayLightSavingOffset", Integer, ReadWrite, &MibMaps::M50),
    MibRecord(NXA_OID("4.8.8"), "sntpDstStartMonth", Integer, ReadWrite, &MibMaps::M71),
    MibRecord(NXA_OID("4.8.9"), "sntpDstStartWeek", Integer, ReadWrite, &MibMaps::M60),
    MibRecord(NXA_OID("4.8.10"), "sntpDstStartDayOfWeek", Integer, ReadWrite, &MibMaps::M57),
    MibRecord(NXA_OID("4.8.11"), "sntpDstStartTime", Integer, ReadWrite, &MibMaps::M45),
    MibRecord(NXA_OID("4.8.12"), "sntpDstEndMonth", Integer, ReadWrite, &MibMaps::M71),
    MibRecord(NXA_OID("4.8.13"), "sntpDstEndWeek", Integer, ReadWrite, &MibMaps::M60),
    MibRecord(NXA_OID("4.8.14"), "sntpDstEndDayOfWeek", Integer, ReadWrite, &MibMaps::M57),
    MibRecord(NXA_OID("4.8.15"), "sntpDstEndCurrentTime", Integer, ReadWrite, &MibMaps::M45),
    MIB_TABLE_END,
};

// Date and time page: sets the device clock by hand
const MibVariable kSntpManualTimeVars[] = {
    MibRecord(NXA_OID("4.8.7"), "setTimeManually", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

// Date and time page: the device's current time
const MibVariable kSntpSystemTimeVars[] = {
    MibRecord(NXA_OID("4.8.7.0"), "systemTime", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Log settings: logged event kinds and the remote log server
const MibVariable kLogSettingsVars[] = {
    MibRecord(NXA_OID("5.4.1"), "systemLogSystemLevel", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("5.4.2"), "systemLogWirelessLevel", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("5.4.3"), "systemLogNoticeLevel", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("5.4.9"), "systemLogServerIPAddress", IpAddress, ReadWrite),
    MIB_TABLE_END,
};

// Log settings: e-mail notification
const MibVariable kEmailNotificationVars[] = {
    MibRecord(NXA_OID("5.4.11.1.1.2.1"), "emailNtfStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("5.4.11.1.1.3.1"), "emailNtfFromIPAddress", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.11.1.1.4.1"), "emailNtfToIPAddress", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.11.1.1.5.1"), "emailNtfServerIPAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.9.5.0"), "smtpAccountingName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.11.1.1.7.1"), "emailNtfPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.11.1.1.9.1"), "emailNtfOnSchedule", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.11.1.1.10.1"), "emailNtfPort", Integer, ReadWrite),
    MIB_TABLE_END,
};

}  // namespace MibPages
