#include "WirelessPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Wireless page: radio role, network name and channel (refresh and the basic-settings set)
const MibVariable kWirelessBasicVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.40.1"), "dot11Application", Integer, ReadWrite, &MibMaps::M30),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadWrite, &MibMaps::M3),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.2.1"), "dot11SsidBroadcast", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.3.1"), "dot11Channel", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.24.1"), "dot11AutoChannelScan", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.30.1"), "dot11Multioverwdsconsistent", Integer, ReadWrite, &MibMaps::M35),
    MIB_TABLE_END,
};

// Wireless page: channel lists, frequency, mode status and country code (read only)
const MibVariable kWirelessRadioInfoVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.4.1"), "dot11Band2dot4GHzChannelList", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.10.1"), "dot11Frequency", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.38.1"), "dot11ApModeStatus", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.39.1"), "dot11Countrycode", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.37.1"), "dot11Band5GHzIndoorChannelList", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.41.1"), "dot11Band5GHzOutdoorChannelList", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Wireless page: 802.11 mode, channel width and transmission rate
const MibVariable kWirelessModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.9.1"), "dot11WifiMode", Integer, ReadWrite, &MibMaps::M23),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.29.1"), "dot11ChannelWidth", Integer, ReadWrite, &MibMaps::M1),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.11.1"), "dot11DataRate", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.35.1"), "dot11DataRateList", DisplayString, ReadOnly),   // the rate list (.31.1 is the ACK timeout)
    MIB_TABLE_END,
};

// Wireless page: primary SSID authentication, encryption and passphrase
const MibVariable kWirelessSecurityVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, ReadWrite, &MibMaps::M10),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.2.1"), "dot11Encryption", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.3.1"), "dot11KeyIndex", Integer, ReadWrite, &MibMaps::M52),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.4.1"), "dot11PassPhrase", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.5.1"), "dot11CipherType", Integer, ReadWrite, &MibMaps::M55),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.6.1"), "dot11GroupKeyUpdateInterval", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.23.1"), "dot11RadiusSource", Integer, ReadWrite, &MibMaps::M16),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.24.1"), "dot11RadiusKeyUpdateInterval", Integer, ReadWrite),
    MIB_TABLE_END,
};

// Wireless page: WEP key type and the four keys of the primary SSID
const MibVariable kWirelessWepKeyVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1"), "dot11KeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.1"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.2"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.3"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.3.1.4"), "dot11WepKey", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.1"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.2"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.3"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MibRecord(NXA_OID("2.1.3.3.2.2.1.2.1.4"), "dot11WepKeyEntryMethod", Integer, ReadWrite, &MibMaps::M26),
    MIB_TABLE_END,
};

// Wireless page: RADIUS and accounting servers of the primary SSID
const MibVariable kWirelessRadiusVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.1.1.8.1"), "dot11PrimaryRadiusServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.9.1"), "dot11PrimaryRadiusPort", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.10.1"), "dot11PrimaryRadiusSecret", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.11.1"), "dot11SecondaryRadiusServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.12.1"), "dot11SecondaryRadiusPort", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.13.1"), "dot11SecondaryRadiusSecret", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.18.1"), "dot11SecRADIUSStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.14.1"), "dot11PrimaryAccountingStatus", Integer, ReadWrite, &MibMaps::M2),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.15.1"), "dot11PrimaryAccountingServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.16.1"), "dot11PrimaryAccountingServerPort", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.17.1"), "dot11PrimaryAccountingPassPhrase", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.19.1"), "dot11SecondaryAccountingServer", IpAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.20.1"), "dot11SecondaryAccountingServerPort", Integer, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.21.1"), "dot11SecondaryAccountingPassPhrase", DisplayString, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.3.2.1.2.1"), "dot11SecActStatus", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Wireless page: the eight remote AP MAC address fields of the WDS modes (read)
const MibVariable kWirelessRemoteApVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.1"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.2"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.3"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.4"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.5"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.6"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.7"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MibRecord(NXA_OID("2.1.3.3.1.2.1.1.2.1.8"), "dot11RemoteApMacAddress", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Wireless page: clears the remote AP list before it is written again
const MibVariable kWirelessRemoteApDeleteAllVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.2.2.1.3.1"), "dot11RemoteApMacAddressDeleteAll", Integer, ReadWrite, &MibMaps::M72),
    MIB_TABLE_END,
};

// Wireless page: adds one remote AP address (one set per filled field)
const MibVariable kWirelessRemoteApAddVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.2.2.1.1.1"), "dot11RemoteApMacAddressAdd", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Wireless page: root AP of the repeater mode
const MibVariable kWirelessRepeaterRootVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.4.1.1.1"), "dot11APRRootAPMACAddress", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Wireless page: MAC cloning of the client mode
const MibVariable kWirelessMacCloneVars[] = {
    MibRecord(NXA_OID("2.1.3.3.6.1.1.1.1"), "dot11MacCloneStatus", Integer, ReadWrite, &MibMaps::M22),
    MibRecord(NXA_OID("2.1.3.3.6.1.1.2.1"), "dot11MacCloneSource", Integer, ReadWrite, &MibMaps::M85),
    MibRecord(NXA_OID("2.1.3.3.6.1.1.3.1"), "dot11MacCloneMacAddress", MacAddress, ReadWrite),
    MIB_TABLE_END,
};

// Wireless page: makes the device rebuild the clone address list (clone Scan)
const MibVariable kWirelessMacCloneRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.6.1.1.4.1"), "dot11MacCloneAddressRefresh", Integer, ReadWrite, &MibMaps::M31),
    MIB_TABLE_END,
};

// Wireless page: clone address list, walked after the refresh
const MibVariable kWirelessMacCloneTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.6.2.1.1"), "Index", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.6.2.1.2"), "MacAddress", MacAddress, ReadOnly),
    MIB_TABLE_END,
};

// Wireless page: network access protection switch
const MibVariable kWirelessNetworkAccessProtectionVars[] = {
    MibRecord(NXA_OID("2.1.3.3.2.1.1.22.1"), "dot11NetworkAccessProtection", Integer, ReadWrite, &MibMaps::M2),
    MIB_TABLE_END,
};

// Wireless page: the radio band
const MibVariable kWirelessBandVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadWrite, &MibMaps::M81),
    MIB_TABLE_END,
};

// Wireless page: management address limit state (its own request)
const MibVariable kWirelessManagerStatusVars[] = {
    MibRecord(NXA_OID("4.10.1.1"), "managerIpAddressStatus", Integer, ReadWrite, &MibMaps::M6),
    MIB_TABLE_END,
};

// Wireless page: starts a site survey (Scan)
const MibVariable kSiteSurveyRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.3.1.1.1.1"), "dot11SiteSurveyRefreshg", Integer, ReadWrite, &MibMaps::M68),
    MIB_TABLE_END,
};

// Wireless page: site survey result list, walked after a scan
const MibVariable kSiteSurveyTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.1"), "dot11SiteSurveyIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.3"), "dot11SiteSurveyChannel", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.4"), "dot11SiteSurveyRssi", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.5"), "dot11SiteSurveyBssid", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.6"), "dot11SiteSurveyEncryption", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.3.2.1.7"), "dot11SiteSurveySsid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Wireless page: starts a site survey in the WDS modes
const MibVariable kWdsSiteSurveyRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.4.1.1.1.1"), "dot11WdsSiteSurveyRefresh", Integer, ReadWrite, &MibMaps::M68),
    MIB_TABLE_END,
};

// Wireless page: WDS site survey result list
const MibVariable kWdsSiteSurveyTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.1"), "dot11WdsSiteSurveyIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.2"), "dot11WdsSiteSurveyChannel", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.3"), "dot11WdsSiteSurveyMode", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.4"), "dot11WdsSiteSurveyBssid", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.5"), "dot11WdsSiteSurveyEncryption", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.4.2.1.6"), "dot11WdsSiteSurveySsid", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

}  // namespace MibPages
