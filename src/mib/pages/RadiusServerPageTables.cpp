#include "RadiusServerPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Internal RADIUS server page: adds an account
const MibVariable kRadiusAccountAddVars[] = {
    MibRecord(NXA_OID("3.12.1.1"), "dot11LocalRadiusUserName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.12.1.2"), "dot11LocalRadiusPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.12.1.4"), "dot11LocalRadiusNodeStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.12.1.3"), "dot11LocalRadiusAction", Integer, ReadWrite, &MibMaps::M9),
    MIB_TABLE_END,
};

// Internal RADIUS server page: deletes an account by user name
const MibVariable kRadiusAccountDeleteVars[] = {
    MibRecord(NXA_OID("3.12.1.1"), "dot11LocalRadiusUserName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.12.1.3"), "dot11LocalRadiusAction", Integer, ReadWrite, &MibMaps::M9),
    MIB_TABLE_END,
};

// Internal RADIUS server page: the account list
const MibVariable kRadiusAccountListTableVars[] = {
    MibRecord(NXA_OID("3.12.2.1.1.1"), "dot11LocalRadiusnInfoIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.12.2.1.1.2"), "dot11LocalRadiusnInfoName", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.12.2.1.1.3"), "dot11LocalRadiusInfoNodeStatus", Integer, ReadOnly, &MibMaps::M2),
    MIB_TABLE_END,
};

}  // namespace MibPages
