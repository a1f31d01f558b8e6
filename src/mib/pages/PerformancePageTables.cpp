#include "PerformancePageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Performance page: the radio's fine parameters
const MibVariable kPerformanceVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.23.1"), "dot11RadioWave", Integer, ReadWrite, &MibMaps::M20),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.16.1"), "dot11WifiModeA", Integer, ReadWrite, &MibMaps::M61),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.16.1"), "dot11WifiModeG", Integer, ReadWrite, &MibMaps::M78),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.11.1"), "dot11DataRate", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.17.1"), "dot11BeaconInterval", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.18.1"), "dot11Dtim", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.19.1"), "dot11FragmentLength", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.20.1"), "dot11RtsLength", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.21.1"), "dot11TransmitPower", Integer, ReadWrite, &MibMaps::M70),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.25.1"), "dot11Wmm", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.32.1"), "dot11ShortGI", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.2.1.1.1.1"), "dot11LoadBalance", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.2.1.1.2.1"), "dot11UserLimit", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.33.1"), "dot11Igmpsnooping", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.35.1"), "dot11RateList", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.31.1"), "dot11AckTimeout", Integer, ReadWrite),
    MibRecord(NXA_OID("3.2.1.1.3.1"), "dot11LinkIntegrate", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("3.2.1.1.5.1"), "dot11NetworkUtilization", Integer, ReadWrite, &MibMaps::M36),
    MIB_TABLE_END,
};

// Performance page: the primary SSID's security (read only)
const MibVariable kPerformanceSecurityVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.1.1.2.1"), "dot11Encryption", Integer, ReadOnly, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.5.1"), "dot11CipherType", Integer, ReadOnly, &MibMaps::M53),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, ReadOnly, &MibMaps::M10),
    MIB_TABLE_END,
};

// Performance page: the radio band, which picks the wireless-mode variable
const MibVariable kPerformanceBandVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadOnly, &MibMaps::M81),
    MIB_TABLE_END,
};

// Performance page: the selectable data rates
const MibVariable kPerformanceDataRateListVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.35.1"), "dot11DataRateList", DisplayString, ReadOnly),   // the rate list (.30.1 is an integer)
    MIB_TABLE_END,
};

}  // namespace MibPages
