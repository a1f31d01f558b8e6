#include "IntrusionPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Intrusion page: access points detected around the device
const MibVariable kIntrusionApListTableVars[] = {
    MibRecord(NXA_OID("3.4.4.4.1.1"), "dot11RogueApSurveyIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.11"), "dot11RogueApSurveyType", Integer, ReadOnly, &MibMaps::M66),
    MibRecord(NXA_OID("3.4.4.4.1.8"), "dot11RogueApSurveyMode", Integer, ReadOnly, &MibMaps::M62),
    MibRecord(NXA_OID("3.4.4.4.1.3"), "dot11RogueApSurveyChannel", Integer, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.9"), "dot11RogueApSurveySsid", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.5"), "dot11RogueApSurveyBssid", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.10"), "dot11RogueApSurveyLastseem", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.12"), "dot11RogueApSurveyStatus", Integer, ReadOnly, &MibMaps::M80),
    MIB_TABLE_END,
};

}  // namespace MibPages
