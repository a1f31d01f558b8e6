#include "FilterPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Filter page: the wireless MAC access control mode
const MibVariable kMacAclModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.2.1.1.1"), "dot11MacAccessControl", Integer, ReadWrite, &MibMaps::M7),
    MIB_TABLE_END,
};

// Filter page: adds one address to the MAC access control list
const MibVariable kMacAclAddVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.2.1.2.1"), "dot11MacAccessControlMacAddressAdd", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Filter page: deletes one address from the MAC access control list
const MibVariable kMacAclDeleteVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.2.1.3.1"), "dot11MacAccessControlMacAddressDelete", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Filter page: the MAC access control list
const MibVariable kMacAclListTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.3.1.1"), "ID", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.2.3.3.1.2"), "MAC Address", MacAddress, ReadOnly),
    MIB_TABLE_END,
};

// Filter page: associated clients, from which an address can be added to the list
const MibVariable kFilterClientTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.4.2.1.1"), "dot11ClinetIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.2"), "dot11ClientMacAddress", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.3"), "dot11ClientBand", Integer, ReadOnly, &MibMaps::M14),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.4"), "dot11ClientAuthentication", Integer, ReadOnly, &MibMaps::M40),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.5"), "dot11ClientRssi", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.6"), "dot11ClientPsm", Integer, ReadOnly, &MibMaps::M20),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.7"), "dot11SSIDIndex", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Filter page: the primary SSID, to label clients
const MibVariable kFilterSsidVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Filter page: SSID index, state and name, to label clients
const MibVariable kFilterMssidTableVars[] = {
    MibRecord(NXA_OID("3.3.3.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.3.1.2"), "dot11MssIndividualState", Integer, ReadOnly, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.3"), "dot11MssidSsid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Filter page: WLAN partition settings of the 2.4 GHz band
const MibVariable kWlanPartitionVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.1.1"), "dot11InternalStationConnection", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.2.1"), "dot11EthernetToWlanAccess", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.4.1"), "dot11InternalStationConnectionPrimarySSID", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.5.1"), "dot11InternalStationConnectionMultiSSID1", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.6.1"), "dot11InternalStationConnectionMultiSSID2", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.7.1"), "dot11InternalStationConnectionMultiSSID3", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.8.1"), "dot11InternalStationConnectionMultiSSID4", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.9.1"), "dot11InternalStationConnectionMultiSSID5", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.10.1"), "dot11InternalStationConnectionMultiSSID6", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("2.1.3.3.2.3.1.1.11.1"), "dot11InternalStationConnectionMultiSSID7", Integer, ReadWrite, &MibMaps::M24),
    MibRecord(NXA_OID("3.2.1.1.3.1"), "dot11LinkIntegrate", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.1.1.1.1"), "dot11MssidState", Integer, ReadOnly, &MibMaps::M22),
    MIB_TABLE_END,
};

}  // namespace MibPages
