#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the internal RADIUS server page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Internal RADIUS server page: adds an account
extern const MibVariable kRadiusAccountAddVars[];
// Internal RADIUS server page: deletes an account by user name
extern const MibVariable kRadiusAccountDeleteVars[];
// Internal RADIUS server page: the account list
extern const MibVariable kRadiusAccountListTableVars[];
}  // namespace MibPages
