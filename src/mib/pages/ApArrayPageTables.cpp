#include "ApArrayPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// AP array page: state, role, array name and password
const MibVariable kApArraySettingsVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.1", "dot11APArrayStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M38,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.2", "dot11APArrayModeSelect", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M19,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.3", "dot11ApArrayName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.4", "dot11ApArrayPassword", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// AP array page: starts a scan for arrays
const MibVariable kApArrayScanVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.1", "dot11ApArrayScan", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M31,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// AP array page: arrays found by the scan
const MibVariable kApArrayScanListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.1", "dot11APArrayScanListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.2", "dot11APArrayScanListName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.3", "dot11APArrayScanListMasterIP", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.4", "dot11APArrayScanListMac", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.5", "dot11APArrayScanListMasterNumber", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.6", "dot11APArrayScanListBackupNumber", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.7", "dot11APArrayScanListSlaverNumber", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.2.1.3.1.1.8", "dot11APArrayScanListTotal", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// AP array page: current array members
const MibVariable kApArrayMemberTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.11.2.1.1.1", "dot11APArrayMeberListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.2.1.1.3", "dot11APArrayMeberListRole", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M19,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.2.1.1.4", "dot11APArrayMeberListIP", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.2.1.1.5", "dot11APArrayMeberListMac", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.2.1.1.6", "dot11APArrayMeberListLoacation", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// AP array page: the AP mode
const MibVariable kApArrayApModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.28.1", "dot11ApMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M63,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
