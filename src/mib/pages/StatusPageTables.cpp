#include "StatusPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// Information page: the system summary
const MibVariable kInfoSummaryVars[] = {
    MibRecord(NXA_OID("1.8.0"), "systemModelName", DisplayString, ReadOnly),
    MibRecord(NXA_OID("4.8.7.0"), "systemTime", DisplayString, ReadOnly),
    MibRecord("1.3.6.1.2.1.1.3.0", "systemUpTime", TimeTicks, ReadOnly),
    MibRecord(NXA_OID("5.1.1.0"), "systemFirmwareVersion", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.2.1"), "lanIfIpAddress", IpAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M3),
    MibRecord(NXA_OID("2.1.1.1.1.5.1"), "lanIfMacAddress", MacAddress, ReadOnly),
    MibRecord("1.3.6.1.2.1.1.5.0", "sysName", DisplayString, ReadOnly),
    MibRecord("1.3.6.1.2.1.1.6.0", "sysLocation", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.3.1.1.1.1"), "dot11MssidState", Integer, ReadOnly, &MibMaps::M22),
    MIB_TABLE_END,
};

// Information page: turbo modes capability
const MibVariable kInfoTurboModesVars[] = {
    MibRecord(NXA_OID("6.1.1.1.2.1"), "turbomodes", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Information page: country code capability
const MibVariable kInfoCountryCodeVars[] = {
    MibRecord(NXA_OID("6.1.1.1.6"), "countryCode", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Information page: the AP-mode capability mask handed to the wireless page
const MibVariable kInfoApModesVars[] = {
    MibRecord(NXA_OID("6.1.1.1.1.1"), "apModesSupported", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Information page: whether the repeater is named "Universal Repeater"
const MibVariable kInfoModeStringVars[] = {
    MibRecord(NXA_OID("6.1.1.1.39.1"), "admodestringchangesupported", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Information page: multi-SSID with WDS capability
const MibVariable kInfoMssidWdsSupportVars[] = {
    MibRecord(NXA_OID("6.1.1.1.41.1"), "mssidandwdssupport", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Information page: WPA in repeater mode capability
const MibVariable kInfoRepeaterWpaVars[] = {
    MibRecord(NXA_OID("6.1.1.1.40.1"), "repeaterWpasupport", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Information page: Save and Activate
const MibVariable kInfoApplyVars[] = {
    MibRecord(NXA_OID("4.2.3"), "deviceSettingApply", Integer, ReadWrite, &MibMaps::M58),
    MIB_TABLE_END,
};

// Information page: WDS table rebuild
const MibVariable kInfoWdsRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.5.1.1.1.1"), "dot11WdsRefresh", Integer, ReadWrite, &MibMaps::M25),
    MIB_TABLE_END,
};

// Information page: DHCP server probe (a failed read removes the DHCP page)
const MibVariable kInfoDhcpFunctionVars[] = {
    MibRecord(NXA_OID("3.1.1"), "Dynamic IP Function", Integer, ReadOnly, &MibMaps::M2),
    MIB_TABLE_END,
};

// Device Information page: firmware version
const MibVariable kDeviceInfoFirmwareVars[] = {
    MibRecord(NXA_OID("5.1.1"), "deviceInformationFirmwareVersion", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Device Information page: Ethernet group
const MibVariable kDeviceInfoEthernetVars[] = {
    MibRecord(NXA_OID("5.1.2.1.1.1.1"), "ifGetIpAddressFrom", Integer, ReadOnly, &MibMaps::M34),
    MibRecord(NXA_OID("5.1.2.1.1.2.1"), "ifIpAddress", IpAddress, ReadOnly),
    MibRecord(NXA_OID("5.1.2.1.1.3.1"), "ifSubnetMask", IpAddress, ReadOnly),
    MibRecord(NXA_OID("5.1.2.1.1.4.1"), "ifDefaultGateway", IpAddress, ReadOnly),
    MibRecord(NXA_OID("5.1.2.1.1.5.1"), "ifMacAddress", MacAddress, ReadOnly),
    MIB_TABLE_END,
};

// Device Information page: wireless group
const MibVariable kDeviceInfoWirelessVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.1.1"), "dot11Ssid", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.3.1"), "dot11Channel", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.1.1.1.11.1"), "dot11DataRate", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.1.1"), "dot11Authentication", Integer, ReadOnly, &MibMaps::M10),
    MibRecord(NXA_OID("2.1.3.3.2.1.1.2.1"), "dot11Encryption", Integer, ReadOnly, &MibMaps::M79),
    MibRecord(NXA_OID("3.3.3.1.12.1"), "dot11MssidKeyType", Integer, ReadOnly, &MibMaps::M12),
    MibRecord(NXA_OID("3.3.3.1.10.1"), "dot11MssidCipherType", Integer, ReadOnly, &MibMaps::M55),
    MIB_TABLE_END,
};

// Device Information page: the band named in the wireless group's title
const MibVariable kDeviceInfoBandVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", Integer, ReadOnly, &MibMaps::M81),
    MIB_TABLE_END,
};

// Device Information page: CPU and memory use
const MibVariable kDeviceInfoUsageVars[] = {
    MibRecord(NXA_OID("5.1.3"), "deviceInformationCpuUtilization", Integer, ReadOnly),
    MibRecord(NXA_OID("5.1.4"), "deviceInformationMemUtilization", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Device Information page: AP array role, location and array name
const MibVariable kDeviceInfoApArrayVars[] = {
    MibRecord(NXA_OID("3.11.1.1.2"), "dot11APArrayMeberListRole", Integer, ReadOnly, &MibMaps::M19),
    MibRecord("1.3.6.1.2.1.1.6", "sysLocation", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.11.1.1.3"), "dot11ApArrayName", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Client Information page: makes the device rebuild the client table
const MibVariable kClientInfoRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.4.1.1.1.1"), "dot11ClientInformationRefresh", Integer, ReadWrite, &MibMaps::M25),
    MIB_TABLE_END,
};

// Client Information page: associated stations
const MibVariable kClientInfoTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.4.2.1.1"), "dot11ClinetIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.2"), "dot11ClientMacAddress", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.3"), "dot11ClientBand", Integer, ReadOnly, &MibMaps::M14),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.4"), "dot11ClientAuthentication", Integer, ReadOnly, &MibMaps::M40),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.5"), "dot11ClientRssi", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.6"), "dot11ClientPsm", Integer, ReadOnly, &MibMaps::M20),
    MibRecord(NXA_OID("2.1.3.3.4.2.1.7"), "dot11SSIDIndex", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// WDS Information page: makes the device rebuild the WDS table
const MibVariable kWdsInfoRefreshVars[] = {
    MibRecord(NXA_OID("2.1.3.3.5.1.1.1.1"), "dot11WdsRefresh", Integer, ReadWrite, &MibMaps::M25),
    MIB_TABLE_END,
};

// WDS Information page: WDS peers
const MibVariable kWdsInfoTableVars[] = {
    MibRecord(NXA_OID("2.1.3.3.5.2.1.1"), "dot11WdsIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.5.2.1.7"), "dot11WdsSsidIndex", DisplayString, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.5.2.1.2"), "dot11WdsMacAddress", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.5.2.1.4"), "dot11WdsAuthentication", Integer, ReadOnly, &MibMaps::M46),
    MibRecord(NXA_OID("2.1.3.3.5.2.1.5"), "dot11WdsRssi", Integer, ReadOnly),
    MibRecord(NXA_OID("2.1.3.3.5.2.1.9"), "dot11Status", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// Stats page: Ethernet traffic counters
const MibVariable kStatsEthernetVars[] = {
    MibRecord(NXA_OID("5.2.1.1.1.1.1.1"), "dot3TransmittedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.2.1"), "dot3TransmittedBytesCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.3.1"), "dot3TransmittedDroppedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.4.1"), "dot3ReceivedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.5.1"), "dot3ReceivedBytesCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.6.1"), "dot3ReceivedDroppedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.7.1"), "dot3ReceivedMulticastPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.8.1"), "dot3ReceivedBroadcastPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.9.1"), "dot3Len64PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.10.1"), "dot3Len65To127PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.11.1"), "dot3Len128To255PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.12.1"), "dot3Len256To511PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.13.1"), "dot3Len512To1023PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.14.1"), "dot3Len1024To1518PacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.1.1.1.1.15.1"), "dot3Len1519ToMaxPacketCount", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Stats page: clears the Ethernet counters
const MibVariable kStatsEthernetClearVars[] = {
    MibRecord(NXA_OID("5.2.1.1.1.1.16.1"), "dot3Clear", Integer, ReadWrite, &MibMaps::M39),
    MIB_TABLE_END,
};

// Stats page: WLAN traffic counters
const MibVariable kStatsWlanVars[] = {
    MibRecord(NXA_OID("5.2.2.1.1.1.21.1"), "dot11TransmittedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.22.1"), "dot11TransmittedBytesCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.23.1"), "dot11TransmittedDroppedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.24.1"), "dot11TransmittedRetryCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.27.1"), "dot11ReceivedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.28.1"), "dot11ReceivedBytesCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.29.1"), "dot11ReceivedDroppedPacketCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.30.1"), "dot11ReceivedCRCCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.31.1"), "dot11ReceivedDecryptionErrorCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.32.1"), "dot11ReceivedMICErrorCount", Integer, ReadOnly),
    MibRecord(NXA_OID("5.2.2.1.1.1.33.1"), "dot11ReceivedPHYErrorCount", Integer, ReadOnly),
    MIB_TABLE_END,
};

// Stats page: clears the WLAN counters
const MibVariable kStatsWlanClearVars[] = {
    MibRecord(NXA_OID("5.2.2.1.1.1.34.1"), "dot11Clear", Integer, ReadWrite, &MibMaps::M39),
    MIB_TABLE_END,
};

// Log page: tells the device to send its log to the station's TFTP server
const MibVariable kLogFetchVars[] = {
    MibRecord(NXA_OID("5.4.4"), "systemLogTFTPServerIPAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("5.4.5"), "systemLogFileName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("5.4.6"), "systemLogGetLog", Integer, ReadWrite, &MibMaps::M25),
    MIB_TABLE_END,
};

// Log page: clears the device's log
const MibVariable kLogClearVars[] = {
    MibRecord(NXA_OID("5.4.10"), "systemLogClearLocalLog", Integer, ReadWrite, &MibMaps::M39),
    MIB_TABLE_END,
};

}  // namespace MibPages
