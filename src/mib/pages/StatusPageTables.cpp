#include "StatusPageTables.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

namespace MibPages {

// Information page: the system summary
const MibVariable kInfoSummaryVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.1.8.0", "systemModelName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.4.8.7.0", "systemTime", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.3.0", "systemUpTime", SnmpSyntax::TimeTicks, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.1.0", "systemFirmwareVersion", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.2.1", "lanIfIpAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.28.1", "dot11ApMode", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M3,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.5.1", "lanIfMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.5.0", "sysName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6.0", "sysLocation", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.3.1.1.1.1", "dot11MssidState", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M22,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: turbo modes capability
const MibVariable kInfoTurboModesVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.2.1", "turbomodes", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: country code capability
const MibVariable kInfoCountryCodeVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.6", "countryCode", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: the AP-mode capability mask handed to the wireless page
const MibVariable kInfoApModesVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.1.1", "apModesSupported", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: whether the repeater is named "Universal Repeater"
const MibVariable kInfoModeStringVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.39.1", "admodestringchangesupported", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: multi-SSID with WDS capability
const MibVariable kInfoMssidWdsSupportVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.41.1", "mssidandwdssupport", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: WPA in repeater mode capability
const MibVariable kInfoRepeaterWpaVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.6.1.1.1.40.1", "repeaterWpasupport", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: Save and Activate
const MibVariable kInfoApplyVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.4.2.3", "deviceSettingApply", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M58,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: WDS table rebuild
const MibVariable kInfoWdsRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.1.1.1.1", "dot11WdsRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M25,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Information page: DHCP server probe (a failed read removes the DHCP page)
const MibVariable kInfoDhcpFunctionVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.1.1", "Dynamic IP Function", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M2,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: firmware version
const MibVariable kDeviceInfoFirmwareVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.1.1", "deviceInformationFirmwareVersion", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: Ethernet group
const MibVariable kDeviceInfoEthernetVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.1.2.1.1.1.1", "ifGetIpAddressFrom", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M34,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.2.1.1.2.1", "ifIpAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.2.1.1.3.1", "ifSubnetMask", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.2.1.1.4.1", "ifDefaultGateway", SnmpSyntax::IpAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.2.1.1.5.1", "ifMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: wireless group
const MibVariable kDeviceInfoWirelessVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1", "dot11Ssid", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.3.1", "dot11Channel", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.8.1", "dot11DataRate", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.1.1", "dot11Authentication", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M10,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.2.1", "dot11Encryption", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M79,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.2.1.2.1", "dot11KeyEntryMethod", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M26,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.1.1.5.1", "dot11CipherType", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M55,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: the band named in the wireless group's title
const MibVariable kDeviceInfoBandVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.34.1", "dot11Band", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M81,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: CPU and memory use
const MibVariable kDeviceInfoUsageVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.1.3", "deviceInformationCpuUtilization", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.1.4", "deviceInformationMemUtilization", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Device Information page: AP array role, location and array name
const MibVariable kDeviceInfoApArrayVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.2", "dot11APArrayMeberListRole", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M19,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6", "sysLocation", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.3.11.1.1.3", "dot11ApArrayName", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Client Information page: makes the device rebuild the client table
const MibVariable kClientInfoRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.1.1.1.1", "dot11ClientInformationRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M25,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Client Information page: associated stations
const MibVariable kClientInfoTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.1", "dot11ClinetIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.2", "dot11ClientMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.3", "dot11ClientBand", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M14,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.4", "dot11ClientAuthentication", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M40,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.5", "dot11ClientRssi", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.6", "dot11ClientPsm", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M20,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.7", "dot11SSIDIndex", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// WDS Information page: makes the device rebuild the WDS table
const MibVariable kWdsInfoRefreshVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.1.1.1.1", "dot11WdsRefresh", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M25,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// WDS Information page: WDS peers
const MibVariable kWdsInfoTableVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.1", "dot11WdsIndex", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.7", "dot11WdsSsidIndex", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.2", "dot11WdsMacAddress", SnmpSyntax::MacAddress, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.4", "dot11WdsAuthentication", SnmpSyntax::Integer, SnmpAccess::ReadOnly, &MibMaps::M46,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.5", "dot11WdsRssi", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.2.1.3.3.5.2.1.9", "dot11Status", SnmpSyntax::DisplayString, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Stats page: Ethernet traffic counters
const MibVariable kStatsEthernetVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.1.1", "dot3TransmittedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.2.1", "dot3TransmittedBytesCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.3.1", "dot3TransmittedDroppedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.4.1", "dot3ReceivedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.5.1", "dot3ReceivedBytesCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.6.1", "dot3ReceivedDroppedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.7.1", "dot3ReceivedMulticastPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.8.1", "dot3ReceivedBroadcastPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.9.1", "dot3Len64PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.10.1", "dot3Len65To127PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.11.1", "dot3Len128To255PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.12.1", "dot3Len256To511PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.13.1", "dot3Len512To1023PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.14.1", "dot3Len1024To1518PacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.15.1", "dot3Len1519ToMaxPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Stats page: clears the Ethernet counters
const MibVariable kStatsEthernetClearVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.2.1.1.1.1.16.1", "dot3Clear", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M39,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Stats page: WLAN traffic counters
const MibVariable kStatsWlanVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.21.1", "dot11TransmittedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.22.1", "dot11TransmittedBytesCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.23.1", "dot11TransmittedDroppedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.24.1", "dot11TransmittedRetryCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.27.1", "dot11ReceivedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.28.1", "dot11ReceivedBytesCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.29.1", "dot11ReceivedDroppedPacketCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.30.1", "dot11ReceivedCRCCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.31.1", "dot11ReceivedDecryptionErrorCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.32.1", "dot11ReceivedMICErrorCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.33.1", "dot11ReceivedPHYErrorCount", SnmpSyntax::Integer, SnmpAccess::ReadOnly, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Stats page: clears the WLAN counters
const MibVariable kStatsWlanClearVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.2.2.1.1.1.34.1", "dot11Clear", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M39,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Log page: tells the device to send its log to the station's TFTP server
const MibVariable kLogFetchVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.4.4", "systemLogTFTPServerIPAddress", SnmpSyntax::IpAddress, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.5", "systemLogFileName", SnmpSyntax::DisplayString, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.10.37.36.5.4.6", "systemLogGetLog", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M25,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

// Log page: clears the device's log
const MibVariable kLogClearVars[] = {
    {"1.3.6.1.4.1.171.10.37.36.5.4.10", "systemLogClearLocalLog", SnmpSyntax::Integer, SnmpAccess::ReadWrite, &MibMaps::M39,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

}  // namespace MibPages
