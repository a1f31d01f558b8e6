#include "QueryTables.h"
#include "MibRecord.h"
#include "ValueMaps.h"

using namespace SnmpSyntax;
using namespace SnmpAccess;

const MibVariable kSystemInfoVars[] = {
    MibRecord(NXA_OID("5.1.1.0"), "Firmware Version", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.5.1"), "MAC Address", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.2.1"), "IP Address", IpAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.3.1"), "Subnet Mask", IpAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.4.1"), "Default Gateway", IpAddress, ReadOnly),
    MIB_TABLE_END,
};

// The MAC entry is never requested: the query fills it with the MAC text the host gave.
// The authentication, AP mode and power texts are read back into numbers with local maps.
const MibVariable kBasicConfigVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.3.1"), "dot11Channel", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M63),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, ReadOnly, &MibMaps::M89),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.9.1"), "dot11WifiMode", Integer, ReadOnly, &MibMaps::M23),
    MibRecord(NXA_OID("2.1.1.1.1.5.1"), "lanIfMacAddress", MacAddress, NotAccess),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.21.1"), "dot11TransmitPower", Integer, ReadOnly, &MibMaps::M86),
    MIB_TABLE_END,
};

const MibVariable kTrafficInfoVars[] = {
    MibRecord(NXA_OID("2.1.1.1.1.2.1"), "hIPAddress", IpAddress, ReadOnly),
    MibRecord("1.3.6.1.2.1.1.3.0", "sysUpTime", TimeTicks, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.21.1"), "stTrFrameCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.1.1"), "stTrSuccessRate", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.2.1"), "stTrRetryRate", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadOnly, &MibMaps::M81),
    MIB_TABLE_END,
};

const MibVariable kClientRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.4.1.1.1.1"), "dot11ClientInformationRefresh", Integer, ReadWrite,
              &MibMaps::M25),
    MIB_TABLE_END,
};

const MibVariable kClientListVars[] = {
    MibRecord(NXA_OID("2.1.3.3.4.2.1.2"), "dot11ClientMacAddress", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.3"), "dot11ClientBand", Integer, ReadOnly, &MibMaps::M93),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.4"), "dot11ClientAuthentication", Integer, ReadOnly, &MibMaps::M92),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.5"), "dot11ClientRssi", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.6"), "dot11ClientPsm", Integer, ReadOnly, &MibMaps::M20),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.7"), "dot11SSIDIndex", DisplayString, ReadOnly),
    MIB_TABLE_END,
};
