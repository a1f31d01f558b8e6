#include "IntrusionPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Intrusion page: access points detected around the device
const MibVariable kIntrusionApListTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.1", "dot11RogueApSurveyIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.11", "dot11RogueApSurveyType", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M66,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.8", "dot11RogueApSurveyMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M62,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.3", "dot11RogueApSurveyChannel", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.9", "dot11RogueApSurveySsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.5", "dot11RogueApSurveyBssid", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.10", "dot11RogueApSurveyLastseem", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.4.4.4.1.12", "dot11RogueApSurveyStatus", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M80,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
