#include "TemplateTables.h"
#include "MibRecord.h"
#include "ValueMaps.h"

using namespace SnmpSyntax;
using namespace SnmpAccess;

const MibVariable kTemplateSystemVars[] = {
    MibRecord(NXA_OID("2.1.1.1.1.1.1"), "lanIfGetIpAddressFrom", Integer, ReadWrite, &MibMaps::M8),
    MibRecord(NXA_OID("2.1.1.1.1.3.1"), "lanIfSubnetMask", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.1.1.1.4.1"), "lanIfDefaultGateway", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.1.1.1.2.1"), "usersName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.1.1.1.3.1"), "usersPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.4.1.0"), "telnet", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("4.4.3.0"), "timeout", Integer, ReadWrite, &MibMaps::M11),
    MibRecord(NXA_OID("4.4.2.0"), "ssh", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Both names stand at the same OID; a 2.4 GHz device uses the second, a 5 GHz one the first.
const MibVariable kChannelListVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.4.1"), "dot11DynamicChannelList", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.4.1"), "dot11ChannelList", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// This model has one radio: the second-radio slots repeat the first radio's records and
// are left out (access 32) already in the table, so that no list made from it sends an OID
// twice even where a caller forgets to leave them out. The auto channel scan records
// are left out in the table; template application selects the first when it enables it.
const MibVariable kTemplateWirelessVars[] = {
    // first radio
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.2.1"), "dot11SsidBroadcast", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.3.1"), "dot11Channel", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.11.1"), "dot11DataRate", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.17.1"), "dot11BeaconInterval", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.18.1"), "dot11Dtim", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.19.1"), "dot11FragmentLength", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.20.1"), "dot11RtsLength", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.23.1"), "dot11RadioWave", Integer, ReadWrite, &MibMaps::M20),
    // second-radio slots
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.2.1"), "dot11SsidBroadcast", Integer, Invalid, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.3.1"), "dot11Channel", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.11.1"), "dot11DataRate", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.17.1"), "dot11BeaconInterval", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.18.1"), "dot11Dtim", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.19.1"), "dot11FragmentLength", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.20.1"), "dot11RtsLength", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.23.1"), "dot11RadioWave", Integer, Invalid, &MibMaps::M20),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.24.1"), "dot11AutoChannelScan", Integer, Invalid, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.24.1"), "dot11AutoChannelScan", Integer, Invalid, &MibMaps::M2),
    MIB_TABLE_END,
};

// The key entry method is never read with the group (access 32), so the export writes an
// empty key type. The second-radio slots repeat the first radio's records and are left out
// in the table, as in the radio settings.
const MibVariable kTemplateSecurityVars[] = {
    // first radio
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, ReadWrite,
              &MibMaps::M59),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.2.1"), "dot11Encryption", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.3.1"), "dot11KeyIndex", Integer, ReadWrite, &MibMaps::M52),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.4.1"), "dot11PassPhrase", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.5.1"), "dot11CipherType", Integer, ReadWrite, &MibMaps::M55),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.6.1"), "dot11GroupKeyUpdateInterval", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1"), "dot11KeyEntryMethod", Integer, Invalid, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.8.1"), "dot11RadiusServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.9.1"), "dot11RadiusPort", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.10.1"), "dot11RadiusSecret", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.1"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.2"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.3"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.4"), "dot11WepKey", DisplayString, ReadWrite),
    // second-radio slots
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, Invalid,
              &MibMaps::M59),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.2.1"), "dot11Encryption", Integer, Invalid, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.3.1"), "dot11KeyIndex", Integer, Invalid, &MibMaps::M52),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.4.1"), "dot11PassPhrase", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.5.1"), "dot11CipherType", Integer, Invalid, &MibMaps::M55),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.6.1"), "dot11GroupKeyUpdateInterval", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1"), "dot11KeyEntryMethod", Integer, Invalid, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.8.1"), "dot11RadiusServer", IpAddress, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.9.1"), "dot11RadiusPort", Integer, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.10.1"), "dot11RadiusSecret", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.1"), "dot11WepKey", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.2"), "dot11WepKey", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.3"), "dot11WepKey", DisplayString, Invalid),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.4"), "dot11WepKey", DisplayString, Invalid),
    MIB_TABLE_END,
};

const MibVariable kMultiSsidStateVars[] = {
    MibRecord(NXA_OID("3.3.1.1.1.1"), "dot11MssidState", Integer, ReadOnly, &MibMaps::M2),
    MibRecord(NXA_OID("3.3.1.1.2.1"), "dot11MssidPriorityState", Integer, ReadOnly, &MibMaps::M2),
    MIB_TABLE_END,
};

const MibVariable kApModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M63),
    MIB_TABLE_END,
};

const MibVariable kRadioBandVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadOnly, &MibMaps::M81),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.22.1"), "dot11NetworkAccessProtection", Integer, ReadOnly,
              &MibMaps::M2),
    MIB_TABLE_END,
};

const MibVariable kAutoChannelScanVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.24.1"), "dot11AutoChannelScan", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

const MibVariable kChannelWidthVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.29.1"), "dot11ChannelWidth", Integer, ReadWrite, &MibMaps::M1),
    MIB_TABLE_END,
};

const MibVariable kMacFilterModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.3.2.1.1.1"), "dot11MacAccessControl", Integer, ReadWrite, &MibMaps::M7),
    MIB_TABLE_END,
};

const MibVariable kWepKeyEntryMethodVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.1"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.2"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.3"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.4"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MIB_TABLE_END,
};
