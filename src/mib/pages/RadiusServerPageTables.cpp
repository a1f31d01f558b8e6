#include "RadiusServerPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Internal RADIUS server page: adds an account
const MibVariable kRadiusAccountAddVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.1", "dot11LocalRadiusUserName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.2", "dot11LocalRadiusPassword", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.4", "dot11LocalRadiusNodeStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.3", "dot11LocalRadiusAction", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M9,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Internal RADIUS server page: deletes an account by user name
const MibVariable kRadiusAccountDeleteVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.1", "dot11LocalRadiusUserName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.1.3", "dot11LocalRadiusAction", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M9,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Internal RADIUS server page: the account list
const MibVariable kRadiusAccountListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.12.2.1.1.1", "dot11LocalRadiusnInfoIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.2.1.1.2", "dot11LocalRadiusnInfoName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.12.2.1.1.3", "dot11LocalRadiusInfoNodeStatus", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
