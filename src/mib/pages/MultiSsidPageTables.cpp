#include "MultiSsidPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Multi-SSID page: global state; Save writes the multi-SSID, VLAN and priority states
const MibVariable kMssidGlobalVars[] = {
    MibRecord(NXA_OID("3.3.1.1.1.1"), "dot11MssidState", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.1.1.2.1"), "dot11MssidPriorityState", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.2.1.1.1"), "dot11VlanState", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadOnly, &MibMaps::M81),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.22.1"), "dot11NetworkAccessProtection", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.24.1"), "dot11RadiusKeyUpdateInterval", Integer, ReadWrite),
    MIB_TABLE_END,
};

// Multi-SSID page: SSID table, walked at refresh and written row by row (Add)
const MibVariable kMssidSsidTableVars[] = {
    MibRecord(NXA_OID("3.3.3.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.3.1.2"), "dot11MssIndividualState", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.3"), "dot11MssidSsid", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.3.3.1.4"), "dot11MssidSuppress", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.5"), "dot11MssidAuthentication", Integer, ReadWrite, &MibMaps::M10),
    MibRecord(NXA_OID("3.3.3.1.6"), "dot11MssidEncryption", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.7"), "dot11MssidWepKeyIndex", Integer, ReadWrite, &MibMaps::M52),
    MibRecord(NXA_OID("3.3.3.1.8"), "dot11MssidWepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.3.3.1.9"), "dot11MssidVlanTagID", Integer, ReadWrite),
    MibRecord(NXA_OID("3.3.3.1.10"), "dot11MssidCipherType", Integer, ReadWrite, &MibMaps::M55),
    MibRecord(NXA_OID("3.3.3.1.11"), "dot11MssidPassPhrase", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.3.3.1.12"), "dot11MssidKeyType", Integer, ReadWrite, &MibMaps::M12),
    MibRecord(NXA_OID("3.3.3.1.14"), "dot11MssidWmm", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.3.1.15"), "dot11MssidGroupKeyUpdateInterval", Integer, ReadWrite),
    MibRecord(NXA_OID("3.3.3.1.16"), "dot11MssidPriority", Integer, ReadWrite, &MibMaps::M48),
    MIB_TABLE_END,
};

// Multi-SSID page: per-SSID RADIUS server table
const MibVariable kMssidRadiusTableVars[] = {
    MibRecord(NXA_OID("3.3.4.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.4.1.2"), "dot11MssidRADIUSServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.3.4.1.3"), "dot11MssidRADIUSPort", Integer, ReadWrite),
    MibRecord(NXA_OID("3.3.4.1.4"), "dot11MssidRADIUSSecret", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.3.4.1.5"), "dot11MssidRadiusSource", Integer, ReadWrite, &MibMaps::M73),
    MIB_TABLE_END,
};

// Multi-SSID page: per-SSID accounting server table
const MibVariable kMssidAccountingTableVars[] = {
    MibRecord(NXA_OID("3.3.5.1.1"), "dot11MssidIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.3.5.1.2"), "dot11MssidAccountingStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.5.1.3"), "dot11MssidAccountingServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.3.5.1.4"), "dot11MssidAccountingServerPort", Integer, ReadWrite),
    MibRecord(NXA_OID("3.3.5.1.5"), "dot11MssidAccountingPassPhrase", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

}  // namespace MibPages
