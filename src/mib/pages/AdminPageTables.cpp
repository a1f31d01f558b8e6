#include "AdminPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Admin page: the management limit state (by IP, by VLAN ID, both or none)
const MibVariable kAdminStatusVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.1", "managerIpAddressStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M6,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the VLAN state
const MibVariable kAdminVlanStateVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.6.1.1", "dot11VlanStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the two limit addresses of devices without the range list
const MibVariable kAdminTwoAddressVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.2", "managerIpAddressPoolStart", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.3", "managerIpAddressPoolEnd", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the ping control (also probes whether the device has it)
const MibVariable kAdminPingVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.12.1", "pingcontrol", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: administration over the wireless LAN (also a probe)
const MibVariable kAdminWlanAdminVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.11.3", "adminAPwithWlan", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M38,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the management VLAN ID (also probes for the range form)
const MibVariable kAdminVlanIdVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.2.0", "managerVLANID", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the management address ranges shown in the list
const MibVariable kAdminRangeListVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.1", "managerIpAddressIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.2", "managerIpAddressPoolStart", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.3", "managerIpAddressPoolEnd", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the same table, read to find a free row and written to add a range
const MibVariable kAdminRangeAddVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.1", "managerIpAddressIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.2", "managerIpAddressPoolStart", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.3", "managerIpAddressPoolEnd", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: the administrator account
const MibVariable kAdminAccountVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.1.1.1.2.1", "usersName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.1.1.1.3.1", "usersPassword", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: console protocol and its timeout
const MibVariable kAdminConsoleVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.4.1", "telnet", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.4.2", "ssh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.4.3", "timeout", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M11,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Admin page: system name and location
const MibVariable kAdminSystemVars[] = {
    {"1.3.6.1.2.1.1.5", "sysName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6", "sysLocation", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
