#pragma once
#include "snmp/MibVariable.h"

// Constant descriptor tables of the status pages (Information, Device Information, clients, WDS, Stats, Log); each table ends with MIB_TABLE_END.
namespace MibPages {

// Information page: the system summary
extern const MibVariable kInfoSummaryVars[];
// Information page: turbo modes capability
extern const MibVariable kInfoTurboModesVars[];
// Information page: country code capability
extern const MibVariable kInfoCountryCodeVars[];
// Information page: the AP-mode capability mask handed to the wireless page
extern const MibVariable kInfoApModesVars[];
// Information page: whether the repeater is named "Universal Repeater"
extern const MibVariable kInfoModeStringVars[];
// Information page: multi-SSID with WDS capability
extern const MibVariable kInfoMssidWdsSupportVars[];
// Information page: WPA in repeater mode capability
extern const MibVariable kInfoRepeaterWpaVars[];
// Information page: Save and Activate
extern const MibVariable kInfoApplyVars[];
// Information page: WDS table rebuild
extern const MibVariable kInfoWdsRefreshVars[];
// Information page: DHCP server probe (a failed read removes the DHCP page)
extern const MibVariable kInfoDhcpFunctionVars[];
// Device Information page: firmware version
extern const MibVariable kDeviceInfoFirmwareVars[];
// Device Information page: Ethernet group
extern const MibVariable kDeviceInfoEthernetVars[];
// Device Information page: wireless group
extern const MibVariable kDeviceInfoWirelessVars[];
// Device Information page: the band named in the wireless group's title
extern const MibVariable kDeviceInfoBandVars[];
// Device Information page: CPU and memory use
extern const MibVariable kDeviceInfoUsageVars[];
// Device Information page: AP array role, location and array name
extern const MibVariable kDeviceInfoApArrayVars[];
// Client Information page: makes the device rebuild the client table
extern const MibVariable kClientInfoRefreshVars[];
// Client Information page: associated stations
extern const MibVariable kClientInfoTableVars[];
// WDS Information page: makes the device rebuild the WDS table
extern const MibVariable kWdsInfoRefreshVars[];
// WDS Information page: WDS peers
extern const MibVariable kWdsInfoTableVars[];
// Stats page: Ethernet traffic counters
extern const MibVariable kStatsEthernetVars[];
// Stats page: clears the Ethernet counters
extern const MibVariable kStatsEthernetClearVars[];
// Stats page: WLAN traffic counters
extern const MibVariable kStatsWlanVars[];
// Stats page: clears the WLAN counters
extern const MibVariable kStatsWlanClearVars[];
// Log page: tells the device to send its log to the station's TFTP server
extern const MibVariable kLogFetchVars[];
// Log page: clears the device's log
extern const MibVariable kLogClearVars[];
}  // namespace MibPages
