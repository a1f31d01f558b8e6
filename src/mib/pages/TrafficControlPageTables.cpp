#include "TrafficControlPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Traffic control page: downlink/uplink mode of each interface
const MibVariable kTrafficInterfaceModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.1", "dot11TrafficcontrolInterfaceMode_Ethernet", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.2", "dot11TrafficcontrolInterfaceMode_Primary-ssid", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.3", "dot11TrafficcontrolInterfaceMode_Multi-ssid1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.4", "dot11TrafficcontrolInterfaceMode_Multi-ssid2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.5", "dot11TrafficcontrolInterfaceMode_Multi-ssid3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.6", "dot11TrafficcontrolInterfaceMode_Multi-ssid4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.7", "dot11TrafficcontrolInterfaceMode_Multi-ssid5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.8", "dot11TrafficcontrolInterfaceMode_Multi-ssid6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.9", "dot11TrafficcontrolInterfaceMode_Multi-ssid7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.10", "dot11TrafficcontrolInterfaceMode_WDS1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.11", "dot11TrafficcontrolInterfaceMode_WDS2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.12", "dot11TrafficcontrolInterfaceMode_WDS3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.13", "dot11TrafficcontrolInterfaceMode_WDS4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.14", "dot11TrafficcontrolInterfaceMode_WDS5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.15", "dot11TrafficcontrolInterfaceMode_WDS6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.16", "dot11TrafficcontrolInterfaceMode_WDS7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.1.1.1.3.17", "dot11TrafficcontrolInterfaceMode_WDS8", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M51,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: downlink and uplink bandwidths
const MibVariable kTrafficBandwidthVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.2.1", "dot11DownLinkBandWidth", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.1.2.2", "dot11UpLinkBandWidth", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: the QoS state
const MibVariable kQosStateVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.1.1", "dot11dot11QosState", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M38,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: priority, limit and ports of the nine QoS rules
const MibVariable kQosPriorityRuleVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.1", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.2", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.3", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.4", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.5", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.6", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.7", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.8", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.3.9", "dot11QosAdvancedPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M15,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.1", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.2", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.3", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.4", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.5", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.6", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.7", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.8", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.4.9", "dot11QosAdvancedPriorityLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.1", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.2", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.3", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.4", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.5", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.6", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.7", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.8", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.9", "dot11QosAdvancedPriorityPort", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: traffic manager state and unlisted clients
const MibVariable kTrafficManagerStateVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.1.1", "dot11TrafficManagerStauts", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.1.2", "dot11TrafficManagerUlistClient", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M69,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: one manager rule, added or deleted through the action variable
const MibVariable kTrafficRuleVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.1", "dot11RuleName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.2", "dot11ClientIP", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.3", "dot11ClientMac", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.4", "dot11ClientDownSpeed", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.5", "dot11ClientUpSpeed", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.2.6", "dot11RuleAction", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M47,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: the manager rule list
const MibVariable kTrafficRuleListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.1", "dot11TrafficManagerRulesListIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.2", "dot11RuleListName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.3", "dot11RuleListClientIP", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.4", "dot11RuleListClientMac", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.5", "dot11RuleListClientDownSpeed", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.9.3.3.1.1.6", "dot11RuleListClientUpSpeed", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: SSID index, state and name to label the interfaces
const MibVariable kTrafficMssidTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.2", "dot11MssIndividualState", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.3", "dot11MssidSsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: remote AP list to label the WDS interfaces
const MibVariable kTrafficRemoteApTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.1", "dot11RemoteApMacAddressIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2", "dot11RemoteApMacAddressList", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Traffic control page: the AP mode
const MibVariable kTrafficApModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.28.1", "dot11ApMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M63,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
