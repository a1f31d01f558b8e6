#include "LanDhcpPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// LAN page: how the access point gets its address, and the address itself
const MibVariable kLanSettingsVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.1.1", "lanIfGetIpAddressFrom", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M8,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.2.1", "lanIfIpAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.3.1", "lanIfSubnetMask", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.4.1", "lanIfDefaultGateway", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// LAN page: restart command (the factory default stays out)
const MibVariable kLanDeviceCommandVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.2.1", "deviceRestart", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M43,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.2.2", "deviceFactoryDefault", SnmpSyntax::Integer, SnmpAccess::Invalid, &MibMaps::M32,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: the server's on/off state
const MibVariable kDhcpFunctionVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.1", "Dynamic IP Function", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: the dynamic pool (row 1 of the pool table)
const MibVariable kDhcpDynamicPoolVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.3.1", "Dynamic IP Start", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.4.1", "Dynamic IP End", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.6.1", "Dynamic Mask", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.7.1", "Dynamic Gateway", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.8.1", "Dynamic WINS", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.9.1", "Dynamic Dns", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.10.1", "Dynamic Domain", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.11.1", "Dynamic Lease", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: static (reserved) entries, walked and written row by row
const MibVariable kDhcpStaticPoolTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.1", "Index", SnmpSyntax::Integer, SnmpAccess::NotAccess, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.2", "Status", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M5,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.3", "Host Name", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.4", "IP", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.5", "MAC", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.6", "Mask", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.7", "Gateway", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.8", "DNS", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.9", "WINS", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.2.1.10", "Domain", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: deletes a static entry by its index
const MibVariable kDhcpStaticDeleteVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.3.3", "dhcpServerStaticDelete", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: makes the device rebuild both lease lists (mapping Refresh)
const MibVariable kDhcpLeaseRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.1", "refreshCurrentDynamicList", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M31,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.3", "refreshCurrentStaticList", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M31,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: current dynamic leases
const MibVariable kDhcpDynamicLeaseTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.2.1.1", "Index", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.2.1.2", "Host Name", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.2.1.3", "Binding MAC Address", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.2.1.4", "Assigned IP Address", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.2.1.5", "Lease time", SnmpSyntax::TimeTicks, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// DHCP server page: current static leases
const MibVariable kDhcpStaticLeaseTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.4.1.1", "Index", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.4.1.3", "Binding MAC Address", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.1.4.4.1.4", "Assigned IP Address", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
