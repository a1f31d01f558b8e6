#include "DateTimeLogPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Date and time page: SNTP server, time zone, interval and daylight saving
const MibVariable kSntpSettingsVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.8.5", "sntpStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.1", "sntpServerIpAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.2", "sntpTimeZoneIndex", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M18,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.6", "sntpInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M74,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.3", "sntpDayLightSaving", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.16", "sntpDayLightSavingOffset", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M50,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.8", "sntpDstStartMonth", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M71,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.9", "sntpDstStartWeek", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M60,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.10", "sntpDstStartDayOfWeek", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M57,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.11", "sntpDstStartTime", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M45,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.12", "sntpDstEndMonth", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M71,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.13", "sntpDstEndWeek", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M60,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.14", "sntpDstEndDayOfWeek", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M57,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.15", "sntpDstEndCurrentTime", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M45,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Date and time page: sets the device clock by hand
const MibVariable kSntpManualTimeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.8.7", "setTimeManually", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Date and time page: the device's current time
const MibVariable kSntpSystemTimeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.8.7.0", "systemTime", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Log settings: logged event kinds and the remote log server
const MibVariable kLogSettingsVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.4.1", "systemLogSystemLevel", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.2", "systemLogWirelessLevel", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.3", "systemLogNoticeLevel", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.9", "systemLogServerIPAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Log settings: e-mail notification
const MibVariable kEmailNotificationVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.2.1", "emailNtfStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.3.1", "emailNtfFromIPAddress", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.4.1", "emailNtfToIPAddress", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.5.1", "emailNtfServerIPAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.9.5.0", "smtpAccountingName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.7.1", "emailNtfPassword", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.9.1", "emailNtfOnSchedule", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.11.1.1.10.1", "emailNtfPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
