#include "TrafficControlPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Traffic control page: downlink/uplink mode of each interface
const MibVariable kTrafficInterfaceModeVars[] = {
    MibRecord(NXA_OID("3.9.1.1.1.1.3.1"), "dot11TrafficcontrolInterfaceMode_Ethernet", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.2"), "dot11TrafficcontrolInterfaceMode_Primary-ssid", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.3"), "dot11TrafficcontrolInterfaceMode_Multi-ssid1", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.4"), "dot11TrafficcontrolInterfaceMode_Multi-ssid2", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.5"), "dot11TrafficcontrolInterfaceMode_Multi-ssid3", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.6"), "dot11TrafficcontrolInterfaceMode_Multi-ssid4", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.7"), "dot11TrafficcontrolInterfaceMode_Multi-ssid5", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.8"), "dot11TrafficcontrolInterfaceMode_Multi-ssid6", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.9"), "dot11TrafficcontrolInterfaceMode_Multi-ssid7", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.10"), "dot11TrafficcontrolInterfaceMode_WDS1", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.11"), "dot11TrafficcontrolInterfaceMode_WDS2", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.12"), "dot11TrafficcontrolInterfaceMode_WDS3", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.13"), "dot11TrafficcontrolInterfaceMode_WDS4", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.14"), "dot11TrafficcontrolInterfaceMode_WDS5", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.15"), "dot11TrafficcontrolInterfaceMode_WDS6", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.16"), "dot11TrafficcontrolInterfaceMode_WDS7", Integer, ReadWrite, &MibMaps::M51),
    MibRecord(NXA_OID("3.9.1.1.1.1.3.17"), "dot11TrafficcontrolInterfaceMode_WDS8", Integer, ReadWrite, &MibMaps::M51),
    MIB_TABLE_END,
};

// Traffic control page: downlink and uplink bandwidths
const MibVariable kTrafficBandwidthVars[] = {
    MibRecord(NXA_OID("3.9.1.2.1"), "dot11DownLinkBandWidth", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.1.2.2"), "dot11UpLinkBandWidth", Integer, ReadWrite),
    MIB_TABLE_END,
};

// Traffic control page: the QoS state
const MibVariable kQosStateVars[] = {
    MibRecord(NXA_OID("3.9.2.2.1.1"), "dot11dot11QosState", Integer, ReadWrite, &MibMaps::M38),
    MIB_TABLE_END,
};

// Traffic control page: priority, limit and ports of the nine QoS rules
const MibVariable kQosPriorityRuleVars[] = {
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.1"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.2"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.3"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.4"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.5"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.6"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.7"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.8"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.3.9"), "dot11QosAdvancedPriority", Integer, ReadWrite, &MibMaps::M15),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.1"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.2"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.3"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.4"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.5"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.6"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.7"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.8"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.4.9"), "dot11QosAdvancedPriorityLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.1"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.2"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.3"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.4"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.5"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.6"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.7"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.8"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.2.2.2.1.1.5.9"), "dot11QosAdvancedPriorityPort", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

// Traffic control page: traffic manager state and unlisted clients
const MibVariable kTrafficManagerStateVars[] = {
    MibRecord(NXA_OID("3.9.3.1.1"), "dot11TrafficManagerStauts", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.9.3.1.2"), "dot11TrafficManagerUlistClient", Integer, ReadWrite, &MibMaps::M69),
    MIB_TABLE_END,
};

// Traffic control page: one manager rule, added or deleted through the action variable
const MibVariable kTrafficRuleVars[] = {
    MibRecord(NXA_OID("3.9.3.2.1"), "dot11RuleName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.9.3.2.2"), "dot11ClientIP", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.9.3.2.3"), "dot11ClientMac", MacAddress, ReadWrite),
    MibRecord(NXA_OID("3.9.3.2.4"), "dot11ClientDownSpeed", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.3.2.5"), "dot11ClientUpSpeed", Integer, ReadWrite),
    MibRecord(NXA_OID("3.9.3.2.6"), "dot11RuleAction", Integer, ReadWrite, &MibMaps::M47),
    MIB_TABLE_END,
};

// Traffic control page: the manager rule list
const MibVariable kTrafficRuleListTableVars[] = {
    MibRecord(NXA_OID("3.9.3.3.1.1.1"), "dot11TrafficManagerRulesListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.9.3.3.1.1.2"), "dot11RuleListName", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.9.3.3.1.1.3"), "dot11RuleListClientIP", IpAddress, ReadOnly),
    MibRecord(NXA_OID("3.9.3.3.1.1.4"), "dot11RuleListClientMac", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.9.3.3.1.1.5"), "dot11RuleListClientDownSpeed", Integer, ReadOnly),
    MibRecord(NXA_OID("3.9.3.3.1.1.6"), "dot11RuleListClientUpSpeed", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Traffic control page: SSID index, state and name to label the interfaces
const MibVariable kTrafficMssidTableVars[] = {
    MibRecord(NXA_OID("3.3.3.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.3.1.2"), "dot11MssIndividualState", Integer, ReadOnly, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.3"), "dot11MssidSsid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Traffic control page: remote AP list to label the WDS interfaces
const MibVariable kTrafficRemoteApTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.1"), "dot11RemoteApMacAddressIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2"), "dot11RemoteApMacAddressList", MacAddress, ReadOnly),
    MIB_TABLE_END,
};

// Traffic control page: the AP mode
const MibVariable kTrafficApModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M63),
    MIB_TABLE_END,
};

}  // namespace MibPages
