#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the wireless settings page; each table ends with MIB_TABLE_END.
namespace MibPages {

// Wireless page: radio role, network name and channel (refresh and the basic-settings set)
extern const MibVariable kWirelessBasicVars[];
// Wireless page: channel lists, frequency, mode status and country code (read only)
extern const MibVariable kWirelessRadioInfoVars[];
// Wireless page: 802.11 mode, channel width and transmission rate
extern const MibVariable kWirelessModeVars[];
// Wireless page: primary SSID authentication, encryption and passphrase
extern const MibVariable kWirelessSecurityVars[];
// Wireless page: WEP key type and the four keys of the primary SSID
extern const MibVariable kWirelessWepKeyVars[];
// Wireless page: RADIUS and accounting servers of the primary SSID
extern const MibVariable kWirelessRadiusVars[];
// Wireless page: the eight remote AP MAC address fields of the WDS modes (read)
extern const MibVariable kWirelessRemoteApVars[];
// Wireless page: clears the remote AP list before it is written again
extern const MibVariable kWirelessRemoteApDeleteAllVars[];
// Wireless page: adds one remote AP address (one set per filled field)
extern const MibVariable kWirelessRemoteApAddVars[];
// Wireless page: root AP of the repeater mode
extern const MibVariable kWirelessRepeaterRootVars[];
// Wireless page: MAC cloning of the client mode
extern const MibVariable kWirelessMacCloneVars[];
// Wireless page: makes the device rebuild the clone address list (clone Scan)
extern const MibVariable kWirelessMacCloneRefreshVars[];
// Wireless page: clone address list, walked after the refresh
extern const MibVariable kWirelessMacCloneTableVars[];
// Wireless page: network access protection switch
extern const MibVariable kWirelessNetworkAccessProtectionVars[];
// Wireless page: the radio band
extern const MibVariable kWirelessBandVars[];
// Wireless page: management address limit state (its own request)
extern const MibVariable kWirelessManagerStatusVars[];
// Wireless page: starts a site survey (Scan)
extern const MibVariable kSiteSurveyRefreshVars[];
// Wireless page: site survey result list, walked after a scan
extern const MibVariable kSiteSurveyTableVars[];
// Wireless page: starts a site survey in the WDS modes
extern const MibVariable kWdsSiteSurveyRefreshVars[];
// Wireless page: WDS site survey result list
extern const MibVariable kWdsSiteSurveyTableVars[];
}  // namespace MibPages
