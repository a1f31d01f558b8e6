#include "FilterPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Filter page: the wireless MAC access control mode
const MibVariable kMacAclModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.2.1.1.1", "dot11MacAccessControl", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M7,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: adds one address to the MAC access control list
const MibVariable kMacAclAddVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.2.1.2.1", "dot11MacAccessControlMacAddressAdd", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: deletes one address from the MAC access control list
const MibVariable kMacAclDeleteVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.2.1.3.1", "dot11MacAccessControlMacAddressDelete", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: the MAC access control list
const MibVariable kMacAclListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.3.1.1", "ID", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.3.1.2", "MAC Address", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: associated clients, from which an address can be added to the list
const MibVariable kFilterClientTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.1", "dot11ClinetIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.2", "dot11ClientMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.3", "dot11ClientBand", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M14,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.4", "dot11ClientAuthentication", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M40,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.5", "dot11ClientRssi", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.6", "dot11ClientPsm", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M20,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.7", "dot11SSIDIndex", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: the primary SSID, to label clients
const MibVariable kFilterSsidVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1", "dot11Ssid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: SSID index, state and name, to label clients
const MibVariable kFilterMssidTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.2", "dot11MssIndividualState", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.3", "dot11MssidSsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Filter page: WLAN partition settings of the 2.4 GHz band
const MibVariable kWlanPartitionVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.1.1", "dot11InternalStationConnection", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.2.1", "dot11EthernetToWlanAccess", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.4.1", "dot11InternalStationConnectionPrimarySSID", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.5.1", "dot11InternalStationConnectionMultiSSID1", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.6.1", "dot11InternalStationConnectionMultiSSID2", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.7.1", "dot11InternalStationConnectionMultiSSID3", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.8.1", "dot11InternalStationConnectionMultiSSID4", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.9.1", "dot11InternalStationConnectionMultiSSID5", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.10.1", "dot11InternalStationConnectionMultiSSID6", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.11.1", "dot11InternalStationConnectionMultiSSID7", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M24,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.2.1.1.3.1", "dot11LinkIntegrate", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.1.1.1.1", "dot11MssidState", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M22,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
