#include "VlanPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// VLAN page: VLAN state and mode, and the management limit state
const MibVariable kVlanStateVars[] = {
    MibRecord(NXA_OID("3.6.1.1"), "dot11VlanStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.6.1.2"), "dot11VlanMode", Integer, ReadOnly, &MibMaps::M77),
    MibRecord(NXA_OID("4.10.1.1"), "managerIpAddressStatus", Integer, ReadWrite, &MibMaps::M6),
    MIB_TABLE_END,
};

// VLAN page: the VLAN list with one membership column per port
const MibVariable kVlanListTableVars[] = {
    MibRecord(NXA_OID("3.6.1.3.1.1"), "dot11GroupVlanListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.6.1.3.1.2"), "dot11GroupVlanListVid", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.1.3.1.3"), "dot11GroupVlanListName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.6.1.3.1.4"), "dot11GroupVlanListMgmt", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.5"), "dot11GroupVlanListLan", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.6"), "dot11GroupVlanListPrimary", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.7"), "dot11GroupVlanListMssid1", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.8"), "dot11GroupVlanListMssid2", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.9"), "dot11GroupVlanListMssid3", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.10"), "dot11GroupVlanListMssid4", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.11"), "dot11GroupVlanListMssid5", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.12"), "dot11GroupVlanListMssid6", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.13"), "dot11GroupVlanListMssid7", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.14"), "dot11GroupVlanListWds1", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.15"), "dot11GroupVlanListWds2", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.16"), "dot11GroupVlanListWds3", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.17"), "dot11GroupVlanListWds4", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.18"), "dot11GroupVlanListWds5", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.19"), "dot11GroupVlanListWds6", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.20"), "dot11GroupVlanListWds7", Integer, ReadWrite, &MibMaps::M4),
    MibRecord(NXA_OID("3.6.1.3.1.21"), "dot11GroupVlanListWds8", Integer, ReadWrite, &MibMaps::M4),
    MIB_TABLE_END,
};

// VLAN page: the PVID of every port
const MibVariable kVlanPvidVars[] = {
    MibRecord(NXA_OID("3.6.2.2.1.2.1"), "dot11PvidSettingMgmt", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.3.1"), "dot11PvidSettingLan", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.4.1"), "dot11PvidSettingPrimary", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.5.1"), "dot11PvidSettingMssid1", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.6.1"), "dot11PvidSettingMssid2", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.7.1"), "dot11PvidSettingMssid3", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.8.1"), "dot11PvidSettingMssid4", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.9.1"), "dot11PvidSettingMssid5", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.10.1"), "dot11PvidSettingMssid6", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.11.1"), "dot11PvidSettingMssid7", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.12.1"), "dot11PvidSettingWds1", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.13.1"), "dot11PvidSettingWds2", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.14.1"), "dot11PvidSettingWds3", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.15.1"), "dot11PvidSettingWds4", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.16.1"), "dot11PvidSettingWds5", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.17.1"), "dot11PvidSettingWds6", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.18.1"), "dot11PvidSettingWds7", Integer, ReadWrite),
    MibRecord(NXA_OID("3.6.2.2.1.19.1"), "dot11PvidSettingWds8", Integer, ReadWrite),
    MIB_TABLE_END,
};

// VLAN page: automatic PVID assignment, saved with the PVIDs
const MibVariable kVlanPvidAutoAssignVars[] = {
    MibRecord(NXA_OID("3.6.2.1"), "dot11PvidAutoAssignStatus", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// VLAN page: makes the device rebuild the port list
const MibVariable kVlanPortListRefreshVars[] = {
    MibRecord(NXA_OID("3.6.3.1"), "dot11PortListRefresh", Integer, ReadWrite, &MibMaps::M31),
    MIB_TABLE_END,
};

// VLAN page: the port list
const MibVariable kVlanPortListTableVars[] = {
    MibRecord(NXA_OID("3.6.3.2.1.1"), "dot11PortListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.6.3.2.1.2"), "dot11PortListTagVid", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.6.3.2.1.3"), "dot11PortListUntagVid", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.6.3.2.1.4"), "dot11PortListName", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

}  // namespace MibPages
