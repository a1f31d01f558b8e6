#include "SchedulePageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Schedule page: the global wireless schedule state
const MibVariable kScheduleStatusVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.1.1", "dot11ScheduleStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Schedule page: one rule, added or deleted through the action variable
const MibVariable kScheduleRuleVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.1", "dot11ScheduleRuleName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.2", "dot11ScheduleDaysSelect", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.3", "dot11ScheduleAllDaySelect", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M38,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.4", "dot11ScheduleRuleStartTime", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.5", "dot11ScheduleRuleEndTime", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.7", "dot11ScheduleAction", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M9,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.8", "dot11ScheduleSSIDIndex", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.1.2.9", "dot11ScheduleNodeStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Schedule page: the rule list
const MibVariable kScheduleListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.1", "dot11ScheduleListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.2", "dot11ScheduleListName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.3", "dot11ScheduleListDays", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.4", "dot11ScheduleListTimeFrame", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.5", "dot11ScheduleListWirelessStatus", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M65,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.6", "dot11ScheduleListSSIDIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.7", "dot11ScheduleListSSID", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.10.2.1.1.8", "dot11ScheduleListNodeStatus", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Schedule page: SSID index, state and name for the SSID selector
const MibVariable kScheduleMssidTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.2", "dot11MssIndividualState", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.3", "dot11MssidSsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Schedule page: the AP mode
const MibVariable kScheduleApModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.28.1", "dot11ApMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M63,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
