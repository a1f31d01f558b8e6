#include "templates/TemplateMapTable.h"

namespace {

// Rate codes come first in the two rate lists: the device stores a code,
// and a code must never be read as a rate of the other list's side.
const char* const kRules[] = {
    "e:[FFN=SYS_DHCPclient]:[RRL=|1=Disable|2=Enable|]:<wan><rg><inf><mode>",
    "e:[FFN=SYS_Mask]:<wan><rg><inf><static><netmask>",
    "e:[FFN=SYS_Gateway]:<wan><rg><inf><static><gateway>",
    "e:[FFN=SYS_Username]:<sys><user><name>",
    "e:[FFN=SYS_Password]:<sys><user><password>",
    "e:[FFN=SYS_Telnet_timeout]:[RRL=|0=Never|60=1 Min|180=3 Mins|300=5 Mins|600=10 Mins|900=15 Mins|]:<sys><consoleprotocol><timeout>",
    "e:[FFN=AWS_80211a_WirelessMode]:<wlan><inf><wlmode>",
    "e:[FFN=AWS_80211a_Radio_Wave]:[RRL=|0=Off|1=On|]:<wlan><inf><enable>",
    "e:[FFN=AWS_80211a_SSID]:<wlan><inf><ssid>",
    "e:[FFN=AWS_80211a_SSID_Broadcast]:[RRL=|1=Disable|0=Enable|]:<wlan><inf><ssidhidden>",
    "e:[FFN=AWS_80211a_Beacon_Interval]:<wlan><inf><beaconinterval>",
    "e:[FFN=AWS_80211a_Rate]:[RRL=|0=6|1=9|2=12|3=18|4=24|5=36|6=48|7=54|31=Auto|]:<wlan><inf><fixedrate>",
    "e:[FFN=AWS_80211a_DTIM]:<wlan><inf><dtim>",
    "e:[FFN=AWS_80211a_11nChannel_Width]:[RRL=|1=Auto 20/40 MHz|0=20 MHz|]:<wlan><inf><cwmmode>",
    "e:[FFN=SCR_80211a_auth_type]:[RRL=|0=Open System|1=Shared Key|3=WPA-Personal|2=WPA-Enterprise|5=WPA2-Personal|4=WPA2-Enterprise|7=WPA-Auto-Personal|6=WPA-Auto-Enterprise|]:<wlan><inf><authentication>",
    "e:[FFN=SCR_80211a_cipher_type]:[RRL=|4=AUTO|3=AES|2=TKIP|0=AUTO|]:<wlan><inf><wpa><wepmode>",
    "e:[FFN=SCR_80211a_radius_server]:<wlan><inf><wpa><radiusserver>",
    "e:[FFN=SCR_80211a_radius_secret]:<wlan><inf><wpa><radiussecret>",
    "e:[FFN=SCR_80211a_radius_port]:<wlan><inf><wpa><radiusport>",
    "e:[FFN=SCR_80211a_wep_status]:[RRL=|0=Disable|1=Enable|]:<wlan><inf><wpa><wepmode>",
    "e:[FFN=SCR_80211a_group_key_update_interval]:<wlan><inf><wpa><grp_rekey_interval>",
    "e:[FFN=SCR_80211a_passphrase]:<wlan><inf><wpa><wpapsk>",
    "e:[FFN=Flt_80211a_filter_mac_acl]:[RRL=|0=Disable|1=Accept|2=Reject|]:<wlan><inf><acl><mode>",
    "e:[FFN=AWS_80211g_WirelessMode]:<wlan><inf><wlmode>",
    "e:[FFN=AWS_80211g_Radio_Wave]:[RRL=|0=Off|1=On|]:<wlan><inf><enable>",
    "e:[FFN=AWS_80211g_SSID]:<wlan><inf><ssid>",
    "e:[FFN=AWS_80211g_SSID_Broadcast]:[RRL=|1=Disable|0=Enable|]:<wlan><inf><ssidhidden>",
    "e:[FFN=AWS_80211g_Beacon_Interval]:<wlan><inf><beaconinterval>",
    "e:[FFN=AWS_80211g_Rate]:[RRL=|0=1|1=2|2=5.5|3=11|4=6|5=9|6=12|7=18|8=24|9=36|10=48|11=54|31=Auto|]:<wlan><inf><fixedrate>",
    "e:[FFN=AWS_80211g_DTIM]:<wlan><inf><dtim>",
    "e:[FFN=AWS_80211g_11nChannel_Width]:[RRL=|1=Auto 20/40 MHz|0=20 MHz|]:<wlan><inf><cwmmode>",
    "e:[FFN=SCR_80211g_auth_type]:[RRL=|0=Open System|1=Shared Key|3=WPA-Personal|2=WPA-Enterprise|5=WPA2-Personal|4=WPA2-Enterprise|7=WPA-Auto-Personal|6=WPA-Auto-Enterprise|]:<wlan><inf><authentication>",
    "e:[FFN=SCR_80211g_cipher_type]:[RRL=|4=AUTO|3=AES|2=TKIP|0=AUTO|]:<wlan><inf><wpa><wepmode>",
    "e:[FFN=SCR_80211g_radius_server]:<wlan><inf><wpa><radiusserver>",
    "e:[FFN=SCR_80211g_radius_secret]:<wlan><inf><wpa><radiussecret>",
    "e:[FFN=SCR_80211g_radius_port]:<wlan><inf><wpa><radiusport>",
    "e:[FFN=SCR_80211g_wep_status]:[RRL=|0=Disable|1=Enable|]:<wlan><inf><wpa><wepmode>",
    "e:[FFN=SCR_80211g_group_key_update_interval]:<wlan><inf><wpa><grp_rekey_interval>",
    "e:[FFN=SCR_80211g_passphrase]:<wlan><inf><wpa><wpapsk>",
    "e:[FFN=Flt_80211g_filter_mac_acl]:[RRL=|0=Disable|1=Accept|2=Reject|]:<wlan><inf><acl><mode>",
};

} // namespace

const char* const* TemplateMapTable::Rules()
{
    return kRules;
}

int TemplateMapTable::Count()
{
    return static_cast<int>(sizeof(kRules) / sizeof(kRules[0]));
}
