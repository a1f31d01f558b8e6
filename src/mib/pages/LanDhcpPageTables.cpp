#include "LanDhcpPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// LAN page: how the access point gets its address, and the address itself
const MibVariable kLanSettingsVars[] = {
    MibRecord(NXA_OID("2.1.1.1.1.1.1"), "lanIfGetIpAddressFrom", Integer, ReadWrite, &MibMaps::M8),
    MibRecord(NXA_OID("2.1.1.1.1.2.1"), "lanIfIpAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.1.1.1.3.1"), "lanIfSubnetMask", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.1.1.1.4.1"), "lanIfDefaultGateway", IpAddress, ReadWrite),
    MIB_TABLE_END,
};

// LAN page: restart command (the factory default stays out)
const MibVariable kLanDeviceCommandVars[] = {
    MibRecord(NXA_OID("4.2.1"), "deviceRestart", Integer, ReadWrite, &MibMaps::M43),
    MibRecord(NXA_OID("4.2.2"), "deviceFactoryDefault", Integer, Invalid, &MibMaps::M32),
    MIB_TABLE_END,
};

// DHCP server page: the server's on/off state
const MibVariable kDhcpFunctionVars[] = {
    MibRecord(NXA_OID("3.1.1"), "Dynamic IP Function", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// DHCP server page: the dynamic pool (row 1 of the pool table)
const MibVariable kDhcpDynamicPoolVars[] = {
    MibRecord(NXA_OID("3.1.2.2.1.3.1"), "Dynamic IP Start", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.4.1"), "Dynamic IP End", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.6.1"), "Dynamic Mask", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.7.1"), "Dynamic Gateway", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.8.1"), "Dynamic WINS", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.9.1"), "Dynamic Dns", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.10.1"), "Dynamic Domain", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.1.2.2.1.11.1"), "Dynamic Lease", Integer, ReadWrite),
    MIB_TABLE_END,
};

// DHCP server page: static (reserved) entries, walked and written row by row
const MibVariable kDhcpStaticPoolTableVars[] = {
    MibRecord(NXA_OID("3.1.3.2.1.1"), "Index", Integer, NotAccess),
    MibRecord(NXA_OID("3.1.3.2.1.2"), "Status", Integer, ReadWrite, &MibMaps::M5),
    MibRecord(NXA_OID("3.1.3.2.1.3"), "Host Name", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.4"), "IP", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.5"), "MAC", MacAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.6"), "Mask", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.7"), "Gateway", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.8"), "DNS", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.9"), "WINS", IpAddress, ReadWrite),
    MibRecord(NXA_OID("3.1.3.2.1.10"), "Domain", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

// DHCP server page: deletes a static entry by its index
const MibVariable kDhcpStaticDeleteVars[] = {
    MibRecord(NXA_OID("3.1.3.3"), "dhcpServerStaticDelete", Integer, ReadWrite),
    MIB_TABLE_END,
};

// DHCP server page: makes the device rebuild both lease lists (mapping Refresh)
const MibVariable kDhcpLeaseRefreshVars[] = {
    MibRecord(NXA_OID("3.1.4.1"), "refreshCurrentDynamicList", Integer, ReadWrite, &MibMaps::M31),
    MibRecord(NXA_OID("3.1.4.3"), "refreshCurrentStaticList", Integer, ReadWrite, &MibMaps::M31),
    MIB_TABLE_END,
};

// DHCP server page: current dynamic leases
const MibVariable kDhcpDynamicLeaseTableVars[] = {
    MibRecord(NXA_OID("3.1.4.2.1.1"), "Index", Integer, ReadOnly),
    MibRecord(NXA_OID("3.1.4.2.1.2"), "Host Name", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.1.4.2.1.3"), "Binding MAC Address", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.1.4.2.1.4"), "Assigned IP Address", IpAddress, ReadOnly),
    MibRecord(NXA_OID("3.1.4.2.1.5"), "Lease time", TimeTicks, ReadOnly),
    MIB_TABLE_END,
};

// DHCP server page: current static leases
const MibVariable kDhcpStaticLeaseTableVars[] = {
    MibRecord(NXA_OID("3.1.4.4.1.1"), "Index", Integer, ReadOnly),
    MibRecord(NXA_OID("3.1.4.4.1.3"), "Binding MAC Address", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.1.4.4.1.4"), "Assigned IP Address", IpAddress, ReadOnly),
    MIB_TABLE_END,
};

}  // namespace MibPages
