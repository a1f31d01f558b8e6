#include "MultiSsidPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Multi-SSID page: the multi-SSID, priority and VLAN states (refresh and Save)
const MibVariable kMssidGlobalVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.1.1.1.1", "dot11MssidState", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.1.1.2.1", "dot11MssidPriorityState", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.2.1.1.1", "dot11VlanState", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Multi-SSID page: band, network access protection and 802.1x key interval
const MibVariable kMssidRadioVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.34.1", "dot11Band", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M81,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.22.1", "dot11NetworkAccessProtection", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.24.1", "dot11RadiusKeyUpdateInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Multi-SSID page: SSID table, walked at refresh and written row by row (Add)
const MibVariable kMssidSsidTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.2", "dot11MssIndividualState", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.3", "dot11MssidSsid", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.4", "dot11MssidSuppress", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.5", "dot11MssidAuthentication", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M10,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.6", "dot11MssidEncryption", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.7", "dot11MssidWepKeyIndex", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M52,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.8", "dot11MssidWepKey", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.9", "dot11MssidVlanTagID", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.10", "dot11MssidCipherType", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M55,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.11", "dot11MssidPassPhrase", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.12", "dot11MssidKeyType", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M12,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.14", "dot11MssidWmm", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.15", "dot11MssidGroupKeyUpdateInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.3.1.16", "dot11MssidPriority", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M48,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Multi-SSID page: per-SSID RADIUS server table
const MibVariable kMssidRadiusTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.4.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.4.1.2", "dot11MssidRADIUSServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.4.1.3", "dot11MssidRADIUSPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.4.1.4", "dot11MssidRADIUSSecret", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.4.1.5", "dot11MssidRadiusSource", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M73,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Multi-SSID page: per-SSID accounting server table
const MibVariable kMssidAccountingTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.3.5.1.1", "dot11MssidIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.5.1.2", "dot11MssidAccountingStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.5.1.3", "dot11MssidAccountingServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.5.1.4", "dot11MssidAccountingServerPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.5.1.5", "dot11MssidAccountingPassPhrase", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
