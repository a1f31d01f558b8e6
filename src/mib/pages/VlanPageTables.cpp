#include "VlanPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// VLAN page: VLAN state and mode, and the management limit state
const MibVariable kVlanStateVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.1", "dot11VlanStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.2", "dot11VlanMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M77,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.1", "managerIpAddressStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M6,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// VLAN page: the VLAN list with one membership column per port
const MibVariable kVlanListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.1", "dot11GroupVlanListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.2", "dot11GroupVlanListVid", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.3", "dot11GroupVlanListName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.4", "dot11GroupVlanListMgmt", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.5", "dot11GroupVlanListLan", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.6", "dot11GroupVlanListPrimary", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.7", "dot11GroupVlanListMssid1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.8", "dot11GroupVlanListMssid2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.9", "dot11GroupVlanListMssid3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.10", "dot11GroupVlanListMssid4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.11", "dot11GroupVlanListMssid5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.12", "dot11GroupVlanListMssid6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.13", "dot11GroupVlanListMssid7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.14", "dot11GroupVlanListWds1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.15", "dot11GroupVlanListWds2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.16", "dot11GroupVlanListWds3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.17", "dot11GroupVlanListWds4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.18", "dot11GroupVlanListWds5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.19", "dot11GroupVlanListWds6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.20", "dot11GroupVlanListWds7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.3.1.21", "dot11GroupVlanListWds8", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M4,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// VLAN page: the PVID of every port
const MibVariable kVlanPvidVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.2.1", "dot11PvidSettingMgmt", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.3.1", "dot11PvidSettingLan", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.4.1", "dot11PvidSettingPrimary", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.5.1", "dot11PvidSettingMssid1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.6.1", "dot11PvidSettingMssid2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.7.1", "dot11PvidSettingMssid3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.8.1", "dot11PvidSettingMssid4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.9.1", "dot11PvidSettingMssid5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.10.1", "dot11PvidSettingMssid6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.11.1", "dot11PvidSettingMssid7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.12.1", "dot11PvidSettingWds1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.13.1", "dot11PvidSettingWds2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.14.1", "dot11PvidSettingWds3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.15.1", "dot11PvidSettingWds4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.16.1", "dot11PvidSettingWds5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.17.1", "dot11PvidSettingWds6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.18.1", "dot11PvidSettingWds7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.2.1.19.1", "dot11PvidSettingWds8", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// VLAN page: automatic PVID assignment, saved with the PVIDs
const MibVariable kVlanPvidAutoAssignVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.2.1", "dot11PvidAutoAssignStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// VLAN page: makes the device rebuild the port list
const MibVariable kVlanPortListRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.3.1", "dot11PortListRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M31,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// VLAN page: the port list
const MibVariable kVlanPortListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.3.2.1.1", "dot11PortListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.3.2.1.2", "dot11PortListTagVid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.3.2.1.3", "dot11PortListUntagVid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.6.3.2.1.4", "dot11PortListName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
