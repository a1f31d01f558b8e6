#include "AdminPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Admin page: the management limit state (by IP, by VLAN ID, both or none)
const MibVariable kAdminStatusVars[] = {
    MibRecord(NXA_OID("4.10.1.1"), "managerIpAddressStatus", Integer, ReadWrite, &MibMaps::M6),
    MIB_TABLE_END,
};

// Admin page: the VLAN state
const MibVariable kAdminVlanStateVars[] = {
    MibRecord(NXA_OID("3.6.1.1"), "dot11VlanStatus", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Admin page: the two limit addresses of devices without the range list
const MibVariable kAdminTwoAddressVars[] = {
    MibRecord(NXA_OID("4.10.1.3.1.2"), "managerIpAddressPoolStart", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.10.1.3.1.3"), "managerIpAddressPoolEnd", IpAddress, ReadWrite),
    MIB_TABLE_END,
};

// Admin page: the ping control (also probes whether the device has it)
const MibVariable kAdminPingVars[] = {
    MibRecord(NXA_OID("4.12.1"), "pingcontrol", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Admin page: administration over the wireless LAN (also a probe)
const MibVariable kAdminWlanAdminVars[] = {
    MibRecord(NXA_OID("4.11.3"), "adminAPwithWlan", Integer, ReadWrite, &MibMaps::M38),
    MIB_TABLE_END,
};

// Admin page: the management VLAN ID (also probes for the range form)
const MibVariable kAdminVlanIdVars[] = {
    MibRecord(NXA_OID("4.10.1.2.0"), "managerVLANID", Integer, ReadWrite),
    MIB_TABLE_END,
};

// Admin page: the management address ranges shown in the list
const MibVariable kAdminRangeListVars[] = {
    MibRecord(NXA_OID("4.10.1.3.1.1"), "managerIpAddressIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("4.10.1.3.1.2"), "managerIpAddressPoolStart", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.10.1.3.1.3"), "managerIpAddressPoolEnd", IpAddress, ReadWrite),
    MIB_TABLE_END,
};

// Admin page: the same table, read to find a free row and written to add a range
const MibVariable kAdminRangeAddVars[] = {
    MibRecord(NXA_OID("4.10.1.3.1.1"), "managerIpAddressIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("4.10.1.3.1.2"), "managerIpAddressPoolStart", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.10.1.3.1.3"), "managerIpAddressPoolEnd", IpAddress, ReadWrite),
    MIB_TABLE_END,
};

// Admin page: the administrator account
const MibVariable kAdminAccountVars[] = {
    MibRecord(NXA_OID("4.1.1.1.2.1"), "usersName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.1.1.1.3.1"), "usersPassword", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

// Admin page: console protocol and its timeout
const MibVariable kAdminConsoleVars[] = {
    MibRecord(NXA_OID("4.4.1"), "telnet", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("4.4.2"), "ssh", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("4.4.3"), "timeout", Integer, ReadWrite, &MibMaps::M11),
    MIB_TABLE_END,
};

// Admin page: system name and location
const MibVariable kAdminSystemVars[] = {
    MibRecord("1.3.6.1.2.1.1.5", "sysName", DisplayString, ReadWrite),
    MibRecord("1.3.6.1.2.1.1.6", "sysLocation", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

}  // namespace MibPages
