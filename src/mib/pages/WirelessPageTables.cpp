#include "WirelessPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Wireless page: radio role, network name and channel (refresh and the basic-settings set)
const MibVariable kWirelessBasicVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.40.1", "dot11Application", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M30,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.28.1", "dot11ApMode", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M3,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1", "dot11Ssid", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.2.1", "dot11SsidBroadcast", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.3.1", "dot11Channel", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.24.1", "dot11AutoChannelScan", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.30.1", "dot11Multioverwdsconsistent", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M35,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: channel lists, frequency, mode status and country code (read only)
const MibVariable kWirelessRadioInfoVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.4.1", "dot11Band2dot4GHzChannelList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.10.1", "dot11Frequency", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.38.1", "dot11ApModeStatus", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.39.1", "dot11Countrycode", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.37.1", "dot11Band5GHzIndoorChannelList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.41.1", "dot11Band5GHzOutdoorChannelList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: 802.11 mode, channel width and transmission rate
const MibVariable kWirelessModeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.9.1", "dot11WifiMode", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M23,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.29.1", "dot11ChannelWidth", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M1,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.8.1", "dot11DataRate", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.31.1", "dot11DataRateList", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: primary SSID authentication, encryption and passphrase
const MibVariable kWirelessSecurityVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.1.1", "dot11Authentication", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M10,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.2.1", "dot11Encryption", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.3.1", "dot11KeyIndex", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M52,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.4.1", "dot11PassPhrase", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.5.1", "dot11CipherType", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M55,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.6.1", "dot11GroupKeyUpdateInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.23.1", "dot11RadiusSource", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M16,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.24.1", "dot11RadiusKeyUpdateInterval", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: WEP key type and the four keys of the primary SSID
const MibVariable kWirelessWepKeyVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1", "dot11KeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.3.1.1", "dot11WepKey", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.3.1.2", "dot11WepKey", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.3.1.3", "dot11WepKey", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.3.1.4", "dot11WepKey", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1.1", "dot11WepKeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1.2", "dot11WepKeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1.3", "dot11WepKeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1.4", "dot11WepKeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: RADIUS and accounting servers of the primary SSID
const MibVariable kWirelessRadiusVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.8.1", "dot11PrimaryRadiusServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.9.1", "dot11PrimaryRadiusPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.10.1", "dot11PrimaryRadiusSecret", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.11.1", "dot11SecondaryRadiusServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.12.1", "dot11SecondaryRadiusPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.13.1", "dot11SecondaryRadiusSecret", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.18.1", "dot11SecRADIUSStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.14.1", "dot11PrimaryAccountingStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.15.1", "dot11PrimaryAccountingServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.16.1", "dot11PrimaryAccountingServerPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.17.1", "dot11PrimaryAccountingPassPhrase", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.19.1", "dot11SecondaryAccountingServer", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.20.1", "dot11SecondaryAccountingServerPort", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.21.1", "dot11SecondaryAccountingPassPhrase", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.3.2.1.2.1", "dot11SecActStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: the eight remote AP MAC address fields of the WDS modes (read)
const MibVariable kWirelessRemoteApVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.1", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.2", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.3", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.4", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.5", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.6", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.7", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.1.1.2.1.8", "dot11RemoteApMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: clears the remote AP list before it is written again
const MibVariable kWirelessRemoteApDeleteAllVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.2.1.3.1", "dot11RemoteApMacAddressDeleteAll", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M72,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: adds one remote AP address (one set per filled field)
const MibVariable kWirelessRemoteApAddVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: root AP of the repeater mode
const MibVariable kWirelessRepeaterRootVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.1.1.1", "dot11APRRootAPMACAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: MAC cloning of the client mode
const MibVariable kWirelessMacCloneVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.1.1.1.1", "dot11MacCloneStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M22,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.1.1.2.1", "dot11MacCloneSource", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M85,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.1.1.3.1", "dot11MacCloneMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: makes the device rebuild the clone address list (clone Scan)
const MibVariable kWirelessMacCloneRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.1.1.4.1", "dot11MacCloneAddressRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M31,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: clone address list, walked after the refresh
const MibVariable kWirelessMacCloneTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.2.1.1", "Index", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.6.2.1.2", "MacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: network access protection switch
const MibVariable kWirelessNetworkAccessProtectionVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.22.1", "dot11NetworkAccessProtection", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: the radio band
const MibVariable kWirelessBandVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.34.1", "dot11Band", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M81,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: management address limit state (its own request)
const MibVariable kWirelessManagerStatusVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.10.1.1", "managerIpAddressStatus", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M6,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: starts a site survey (Scan)
const MibVariable kSiteSurveyRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.1.1.1.1", "dot11SiteSurveyRefreshg", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M68,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: site survey result list, walked after a scan
const MibVariable kSiteSurveyTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.1", "dot11SiteSurveyIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.3", "dot11SiteSurveyChannel", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.4", "dot11SiteSurveyRssi", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.5", "dot11SiteSurveyBssid", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.6", "dot11SiteSurveyEncryption", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.3.2.1.7", "dot11SiteSurveySsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: starts a site survey in the WDS modes
const MibVariable kWdsSiteSurveyRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.1.1.1.1", "dot11WdsSiteSurveyRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M68,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Wireless page: WDS site survey result list
const MibVariable kWdsSiteSurveyTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.1", "dot11WdsSiteSurveyIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.2", "dot11WdsSiteSurveyChannel", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.3", "dot11WdsSiteSurveyMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.4", "dot11WdsSiteSurveyBssid", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.5", "dot11WdsSiteSurveyEncryption", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.4.2.1.6", "dot11WdsSiteSurveySsid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
