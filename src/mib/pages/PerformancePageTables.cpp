#include "PerformancePageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Performance page: the radio's fine parameters
const MibVariable kPerformanceVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.23.1", "dot11RadioWave", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M20,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.16.1", "dot11WifiModeA", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M61,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.16.1", "dot11WifiModeG", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M78,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.11.1", "dot11DataRate", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.17.1", "dot11BeaconInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.18.1", "dot11Dtim", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.19.1", "dot11FragmentLength", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.20.1", "dot11RtsLength", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.21.1", "dot11TransmitPower", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M70,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.25.1", "dot11Wmm", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.32.1", "dot11ShortGI", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.2.1.1.1.1", "dot11LoadBalance", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.2.1.1.2.1", "dot11UserLimit", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.33.1", "dot11Igmpsnooping", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.35.1", "dot11RateList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.31.1", "dot11AckTimeout", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.2.1.1.3.1", "dot11LinkIntegrate", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.2.1.1.5.1", "dot11NetworkUtilization", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M36,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Performance page: the primary SSID's security (read only)
const MibVariable kPerformanceSecurityVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.2.1", "dot11Encryption", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.5.1", "dot11CipherType", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M53,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.1.1", "dot11Authentication", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M10,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Performance page: the radio band, which picks the wireless-mode variable
const MibVariable kPerformanceBandVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.34.1", "dot11Band", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M81,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Performance page: the selectable data rates
const MibVariable kPerformanceDataRateListVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.30.1", "dot11DataRateList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
