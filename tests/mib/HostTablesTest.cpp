// The host, template and maintenance tables hold the variables in the order their
// operations rely on.
#include "mib/MaintenanceTables.h"
#include "mib/QueryTables.h"
#include "mib/TemplateTables.h"
#include "mib/ValueMaps.h"
#include "snmp/MibVariableList.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Names(const MibVariable* table) {
    std::vector<std::string> names;
    for (const MibVariable* v = table; v->Oid; ++v)
        names.emplace_back(v->Name);
    return names;
}

std::string Root(const std::string& below) {
    return "1.3.6.1.4.1.171.10.37.36." + below;
}
}  // namespace

TEST(MibHostTables, ExportSystemGroupOrder) {
    EXPECT_EQ(Names(kTemplateSystemVars),
              std::vector<std::string>({"lanIfGetIpAddressFrom", "lanIfSubnetMask", "lanIfDefaultGateway",
                                        "usersName", "usersPassword", "telnet", "timeout", "ssh"}));
    EXPECT_EQ(kTemplateSystemVars[5].Oid, Root("4.4.1.0"));
    EXPECT_EQ(kTemplateSystemVars[6].Map, &MibMaps::M11);
}

TEST(MibHostTables, WirelessGroupHasSecondRadioSlotsAndTwoAutoScans) {
    const std::vector<std::string> names = Names(kTemplateWirelessVars);
    ASSERT_EQ(names.size(), 20u);
    const std::vector<std::string> first = {"dot11Ssid", "dot11SsidBroadcast", "dot11Channel", "dot11DataRate",
                                            "dot11BeaconInterval", "dot11Dtim", "dot11FragmentLength",
                                            "dot11RtsLength", "dot11RadioWave"};
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(names[i], first[i]);
        EXPECT_EQ(names[i + 9], first[i]);
    }
    EXPECT_EQ(kTemplateWirelessVars[3].Oid, Root("2.1.3.3.1.1.1.11.1"));
    EXPECT_EQ(names[18], "dot11AutoChannelScan");
    EXPECT_EQ(names[19], "dot11AutoChannelScan");
    EXPECT_EQ(kTemplateWirelessVars[18].Oid, Root("2.1.3.3.1.1.1.24.1"));
    EXPECT_EQ(kTemplateWirelessVars[18].Access, SnmpAccess::Invalid);
    EXPECT_EQ(kTemplateWirelessVars[19].Access, SnmpAccess::Invalid);
}

TEST(MibHostTables, SecurityGroupOrderAndKeyEntryMethodLeftOut) {
    const std::vector<std::string> names = Names(kTemplateSecurityVars);
    ASSERT_EQ(names.size(), 28u);
    const std::vector<std::string> first = {"dot11Authentication", "dot11Encryption", "dot11KeyIndex",
                                            "dot11PassPhrase", "dot11CipherType", "dot11GroupKeyUpdateInterval",
                                            "dot11KeyEntryMethod", "dot11RadiusServer", "dot11RadiusPort",
                                            "dot11RadiusSecret", "dot11WepKey", "dot11WepKey", "dot11WepKey",
                                            "dot11WepKey"};
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(names[i], first[i]);
        EXPECT_EQ(names[i + 14], first[i]);
    }
    EXPECT_EQ(kTemplateSecurityVars[6].Access, SnmpAccess::Invalid);
    EXPECT_EQ(kTemplateSecurityVars[10].Oid, Root("2.1.3.3.2.2.1.3.1.1"));
    EXPECT_EQ(kTemplateSecurityVars[13].Oid, Root("2.1.3.3.2.2.1.3.1.4"));
    // The export writes the authentication with the "dot1X" wording.
    EXPECT_EQ(kTemplateSecurityVars[0].Map->TextForValue("10"), "dot1X");
}

TEST(MibHostTables, ListsRequestOnlyTheFirstRadio) {
    // The second-radio slots repeat OIDs of the first radio; they are left out in the table
    // and stay out when the export marks them again.
    for (bool marked : {false, true}) {
        MibVariableList wireless(kTemplateWirelessVars, MibVariableList::MVT_SV);
        MibVariableList security(kTemplateSecurityVars, MibVariableList::MVT_SV);
        if (marked) {
            for (int i = 9; i < 18; ++i)
                wireless.Entry(i).Access = SnmpAccess::Invalid;
            for (int i = 14; i < 28; ++i)
                security.Entry(i).Access = SnmpAccess::Invalid;
        }
        int requested = 0;
        for (int i = 0; i < wireless.Count(); ++i)
            requested += wireless.IsRequested(i) ? 1 : 0;
        EXPECT_EQ(requested, 9);
        requested = 0;
        for (int i = 0; i < security.Count(); ++i)
            requested += security.IsRequested(i) ? 1 : 0;
        EXPECT_EQ(requested, 13);   // the key entry method is not read with the group
    }
}

TEST(MibHostTables, QueryListsFollowTheirRecords) {
    EXPECT_EQ(Names(kSystemInfoVars), std::vector<std::string>({"Firmware Version", "MAC Address", "IP Address",
                                                                "Subnet Mask", "Default Gateway"}));
    EXPECT_EQ(Names(kBasicConfigVars),
              std::vector<std::string>({"dot11Ssid", "dot11Channel", "dot11ApMode", "dot11Authentication",
                                        "dot11WifiMode", "lanIfMacAddress", "dot11TransmitPower"}));
    // The host's MAC entry is filled locally and never requested.
    MibVariableList basic(kBasicConfigVars, MibVariableList::MVT_SV);
    EXPECT_FALSE(basic.IsRequested(5));
    EXPECT_TRUE(basic.IsRequested(0));
    EXPECT_EQ(Names(kTrafficInfoVars), std::vector<std::string>({"hIPAddress", "sysUpTime", "stTrFrameCount",
                                                                 "stTrSuccessRate", "stTrRetryRate", "dot11Band"}));
    EXPECT_EQ(Names(kClientListVars),
              std::vector<std::string>({"dot11ClientMacAddress", "dot11ClientBand", "dot11ClientAuthentication",
                                        "dot11ClientRssi", "dot11ClientPsm", "dot11SSIDIndex"}));
    // The basic configuration's texts go back to numbers through the query's own maps.
    EXPECT_EQ(kBasicConfigVars[3].Map->TextForValue("8"), "WPA-AUTO-Personal");
    EXPECT_EQ(kBasicConfigVars[6].Map->TextForValue("2"), "half");
}

TEST(MibHostTables, CommandLists) {
    EXPECT_EQ(Names(kRestartVars), std::vector<std::string>({"deviceRestart", "deviceFactoryDefault"}));
    EXPECT_EQ(Names(kFtpTransferVars),
              std::vector<std::string>({"ftpServerIPAddress", "ftpUserName", "ftpPassword", "ftpRemoteFileName",
                                        "ftpUpgradeSettingCommand", "ftpCommand"}));
    EXPECT_EQ(Names(kQueueFtpSettingsVars),
              std::vector<std::string>({"ftpServerIPAddress", "ftpUserName", "ftpPassword", "ftpRemoteFileName",
                                        "ftpCommand"}));
    EXPECT_EQ(Names(kRogueSurveyListVars), std::vector<std::string>({"Type", "CH", "BSSID", "Mode", "SSID"}));
    EXPECT_EQ(kRogueSurveyListVars[0].Oid, Root("3.4.4.4.1.11"));
    const std::vector<std::string> probe = Names(kProbeResultVars);
    ASSERT_EQ(probe.size(), 8u);
    EXPECT_EQ(std::string(kProbeResultVars[6].Oid), "1.3.6.1.2.1.2.2.1.6.1");
    EXPECT_EQ(std::string(kProbeResultVars[7].Oid), "1.3.6.1.2.1.2.2.1.6.2");
    // The queue writes "get", which the case-blind map turns into 2.
    EXPECT_EQ(kQueueFtpSettingsVars[4].Map->ValueForText("get"), "2");
    EXPECT_EQ(kUpgradeCommandVars[0].Map->ValueForText("firmwareUpdate"), "1");
    EXPECT_EQ(kSettingApplyVars[0].Map->ValueForText("apply"), "1");
}
