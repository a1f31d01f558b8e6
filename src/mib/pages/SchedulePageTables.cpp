#include "SchedulePageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Schedule page: the global wireless schedule state
const MibVariable kScheduleStatusVars[] = {
    MibRecord(NXA_OID("3.10.1.1.1"), "dot11ScheduleStatus", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Schedule page: one rule, added or deleted through the action variable
const MibVariable kScheduleRuleVars[] = {
    MibRecord(NXA_OID("3.10.1.2.1"), "dot11ScheduleRuleName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.10.1.2.2"), "dot11ScheduleDaysSelect", Integer, ReadWrite),
    MibRecord(NXA_OID("3.10.1.2.3"), "dot11ScheduleAllDaySelect", Integer, ReadWrite, &MibMaps::M38),
    MibRecord(NXA_OID("3.10.1.2.4"), "dot11ScheduleRuleStartTime", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.10.1.2.5"), "dot11ScheduleRuleEndTime", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.10.1.2.7"), "dot11ScheduleAction", Integer, ReadWrite, &MibMaps::M9),
    MibRecord(NXA_OID("3.10.1.2.8"), "dot11ScheduleSSIDIndex", Integer, ReadWrite),
    MibRecord(NXA_OID("3.10.1.2.9"), "dot11ScheduleNodeStatus", Integer, ReadWrite),
    MIB_TABLE_END,
};

// Schedule page: the rule list
const MibVariable kScheduleListTableVars[] = {
    MibRecord(NXA_OID("3.10.2.1.1.1"), "dot11ScheduleListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.2"), "dot11ScheduleListName", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.3"), "dot11ScheduleListDays", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.4"), "dot11ScheduleListTimeFrame", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.5"), "dot11ScheduleListWirelessStatus", Integer, ReadOnly, &MibMaps::M65),
    MibRecord(NXA_OID("3.10.2.1.1.6"), "dot11ScheduleListSSIDIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.7"), "dot11ScheduleListSSID", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.10.2.1.1.8"), "dot11ScheduleListNodeStatus", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Schedule page: SSID index, state and name for the SSID selector
const MibVariable kScheduleMssidTableVars[] = {
    MibRecord(NXA_OID("3.3.3.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.3.1.2"), "dot11MssIndividualState", Integer, ReadOnly, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.3"), "dot11MssidSsid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Schedule page: the AP mode
const MibVariable kScheduleApModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M63),
    MIB_TABLE_END,
};

}  // namespace MibPages
