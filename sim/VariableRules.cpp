#include "VariableRules.h"
#include <cstring>
#include <unordered_map>

namespace VariableRules {
namespace {
const Special kSpecials[] = {
    // MIB-2 system group and interfaces
    {"System Description", "NXA-7310 Wireless Access Point", true},
    {"System Object ID", "1.3.6.1.4.1.171.10.37.36", true},
    {"systemUpTime", nullptr, true},
    {"sysUpTime", nullptr, true},
    {"System Uptime", nullptr, true},
    {"System Contact", "", false},
    {"sysName", "{name}", false},
    {"System Name", "{name}", false},
    {"sysLocation", "", false},
    {"System Location", "", false},
    {"ifPhysAddress", "{mac}", true},
    {"systemModelName", "NXA-7310", true},
    // LAN
    {"lanIfGetIpAddressFrom", "1", false},
    {"lanIfIpAddress", "{ip}", false},
    {"hIPAddress", "{ip}", false},
    {"IP Address", "{ip}", false},
    {"lanIfSubnetMask", "255.0.0.0", false},
    {"Subnet Mask", "255.0.0.0", false},
    {"lanIfDefaultGateway", "127.0.0.1", false},
    {"Default Gateway", "127.0.0.1", false},
    {"lanIfMacAddress", "{mac}", true},
    {"MAC Address", "{mac}", true},
    {"lanIfEthPortType", "0", false},
    // Wireless basics
    {"dot11Ssid", "nxa7310", false},
    {"dot11PrimarySsid", "nxa7310", false},
    {"dot11SsidBroadcast", "1", false},
    {"dot11PrimarySuppress", "0", false},
    {"dot11Channel", "6", false},
    {"dot11Band2dot4GHzChannelList", "1 2 3 4 5 6 7 8 9 10 11", true},
    {"dot11DynamicChannelList", "1 2 3 4 5 6 7 8 9 10 11", true},   // lists are space-separated, as pages and templates split them
    {"dot11ChannelList", "1 2 3 4 5 6 7 8 9 10 11", true},
    {"dot11GWdsChannelList", "1 2 3 4 5 6 7 8 9 10 11", true},
    {"dot11WdsChannelList", "1 2 3 4 5 6 7 8 9 10 11", true},
    {"dot11Band5GHzWdsChannelList", "36 40 44 48 149 153 157 161 165", true},
    {"dot11Band5GHzIndoorChannelList", "36 40 44 48", true},
    {"dot11Band5GHzOutdoorChannelList", "149 153 157 161 165", true},
    {"dot11DataRate", "Best", false},
    {"dot11DataRateList", "Best 54 48 36 24 18 12 9 6 11 5.5 2 1", true},
    {"dot11RateList", "Best 54 48 36 24 18 12 9 6 11 5.5 2 1", true},
    {"dot11Frequency", "2.437 GHz", true},
    {"dot11WifiMode", "14", false},
    {"dot11WifiModeA", "6", false},
    {"dot11WifiModeG", "9", false},
    {"dot11BeaconInterval", "100", false},
    {"dot11Dtim", "1", false},
    {"dot11FragmentLength", "2346", false},
    {"dot11RtsLength", "2346", false},
    {"dot11TransmitPower", "1", false},
    {"dot11RadioWave", "1", false},
    {"dot11AutoChannelScan", "1", false},
    {"dot11Wmm", "1", false},
    {"dot11ApMode", "1", false},
    {"dot11ChannelWidth", "1", false},   // 1 also reads as "Access Point" where the second numbering puts the AP mode
    {"dot11Multioverwdsconsistent", "0", false},
    {"dot11AckTimeout", "48", false},
    {"dot11ShortGI", "1", false},
    {"dot11Igmpsnooping", "0", false},
    {"dot11Band", "0", false},
    {"dot11ApModeStatus", "Access Point", true},
    {"dot11Countrycode", "US", true},
    {"dot11Application", "1", false},
    // Wireless security
    {"dot11Authentication", "1", false},
    {"dot11PrimaryAuthentication", "1", false},
    {"dot11Encryption", "0", false},
    {"dot11PrimaryEncryption", "0", false},
    {"dot11KeyIndex", "1", false},
    {"dot11PrimaryWepKeyIndex", "1", false},
    {"dot11CipherType", "1", false},
    {"dot11PrimaryCipherType", "1", false},
    {"dot11PassPhrase", "nxa7310passphrase", false},   // 8 to 63 characters, as the pages require
    {"dot11MssidPassPhrase", "nxa7310passphrase", false},
    {"dot11GroupKeyUpdateInterval", "1800", false},
    {"dot11PrimaryGroupKeyUpdateInterval", "1800", false},
    {"dot11RadiusPort", "1812", false},
    {"dot11PrimaryRadiusPort", "1812", false},
    {"dot11SecondaryRadiusPort", "1812", false},
    {"dot11PrimaryAccountingServerPort", "1813", false},
    {"dot11SecondaryAccountingServerPort", "1813", false},
    {"dot11RadiusSource", "1", false},
    {"dot11RadiusKeyUpdateInterval", "300", false},
    {"dot11KeyEntryMethod", "2", false},
    {"dot11WepKeyEntryMethod", "2", false},
    {"dot11MacAccessControl", "3", false},
    {"dot11IpAccessControl", "3", false},
    {"dot11MacCloneSource", "1", false},
    // Multi-SSID and VLAN
    {"dot11MssidState", "0", false},
    {"dot11MssidPriorityState", "0", false},
    {"dot11VlanState", "0", false},
    {"dot11PrimaryVlanTagID", "1", false},
    {"dot11MssidVlanTagID", "1", false},
    {"dot11MssidAuthentication", "1", false},
    {"dot11MssidWepKeyIndex", "1", false},
    {"dot11MssidCipherType", "1", false},
    {"dot11MssidKeyType", "2", false},
    {"dot11MssidGroupKeyUpdateInterval", "1800", false},
    {"dot11MssidRadiusPort", "1812", false},
    {"dot11MssidRADIUSPort", "1812", false},
    {"dot11MssidRadiusSource", "1", false},
    {"dot11MssidPrimaryAccountingServerPort", "1813", false},
    {"dot11MssidAccountingServerPort", "1813", false},
    {"dot11VlanMode", "0", false},
    // DHCP server
    {"Dynamic IP Function", "0", false},
    {"Dynamic IP Start", "192.168.0.100", false},
    {"Dynamic IP End", "192.168.0.199", false},
    {"Dynamic Mask", "255.255.255.0", false},
    {"Dynamic Gateway", "0.0.0.0", false},
    {"Dynamic Lease", "86400", false},   // one day
    {"dhcpServerDomainNameStatus", "0", false},
    // Load balance, QoS, traffic control
    {"dot11UserLimit", "64", false},
    {"dot11LinkIntegrate", "0", false},
    {"dot11NetworkUtilization", "10", false},
    {"dot11QosAdvancedPriority", "4", false},
    {"dot11DownLinkBandWidth", "100", false},
    {"dot11UpLinkBandWidth", "100", false},
    {"dot11TrafficManagerUlistClient", "1", false},
    {"dot11APArrayModeSelect", "3", false},
    {"dot11APArrayMeberListRole", "3", false},
    // Administration, time, mail, log
    {"usersName", "admin", false},
    {"telnet", "1", false},
    {"ssh", "0", false},
    {"timeout", "3", false},
    {"updateFirmwareVersion", "{firmware}", true},
    {"ftpUpgradeSettingCommand", "6", false},
    {"ftpCommand", "4", false},
    {"sntpTimeZoneIndex", "27", false},
    {"sntpInterval", "3", false},
    {"sntpDstStartMonth", "3", false},
    {"sntpDstStartWeek", "2", false},
    {"sntpDstStartTime", "2", false},
    {"sntpDstEndMonth", "11", false},
    {"sntpDstEndWeek", "1", false},
    {"sntpDstEndCurrentTime", "2", false},
    {"sntpDayLightSavingOffset", "5", false},
    {"systemTime", "{now}", false},
    {"setTimeManually", "{now}", false},
    {"sntptimerefresh", "{now}", false},
    {"managerVLANID", "1", false},
    {"managermentSsidNum", "0", false},
    {"admLedStatus", "1", false},
    {"pingcontrol", "1", false},
    {"smtpPort", "25", false},
    {"emailNtfPort", "25", false},
    {"systemLogFileName", "LogFile.RD", false},
    {"systemLogSystemLevel", "1", false},
    {"systemLogWirelessLevel", "1", false},
    {"systemLogNoticeLevel", "1", false},
    // Device information and statistics
    {"deviceInformationFirmwareVersion", "{firmware}", true},
    {"systemFirmwareVersion", "{firmware}", true},
    {"Firmware Version", "{firmware}", true},
    {"ifGetIpAddressFrom", "1", true},
    {"ifIpAddress", "{ip}", true},
    {"ifSubnetMask", "255.0.0.0", true},
    {"ifDefaultGateway", "127.0.0.1", true},
    {"ifMacAddress", "{mac}", true},
    {"deviceInformationCpuUtilization", "3", true},
    {"deviceInformationMemUtilization", "37", true},
    {"systemTemperature", "46", true},
    {"dot11TransmitSuccessRate", "98", true},
    {"stTrSuccessRate", "98", true},
    {"dot11TransmitRetryRate", "2", true},
    {"stTrRetryRate", "2", true},
    {"dot11ReceiveSuccessRate", "97", true},
    {"apModesSupported", "{apmodes}", true},
    {"turbomodes", "0", true},
    {"admodestringchangesupported", "{modestring}", true},
    {"repeaterWpasupport", "1", true},
    {"mssidandwdssupport", "1", true},
    {"countryCode", "US", true},
};
}  // namespace

// Families of variables named by a common beginning.
const Special kFamilies[] = {
    {"dot11PvidSetting", "1", false},   // every port's VLAN ID: VLAN 1
};

const Special* Find(const std::string& name) {
    static const std::unordered_map<std::string, const Special*> byName = [] {
        std::unordered_map<std::string, const Special*> map;
        for (const Special& s : kSpecials)
            map.emplace(s.Name, &s);
        return map;
    }();
    auto it = byName.find(name);
    if (it != byName.end())
        return it->second;
    for (const Special& family : kFamilies)
        if (name.rfind(family.Name, 0) == 0)
            return &family;
    return nullptr;
}

bool ReadOnlyGroup(const std::string& group, const std::string& name) {
    bool clear = name.size() >= 5 && name.compare(name.size() - 5, 5, "Clear") == 0;
    if (clear)
        return false;
    return group == "5.1" || group == "5.2" || group == "5.6" || group == "6.1";
}
}  // namespace VariableRules
