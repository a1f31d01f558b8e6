// Template application: what goes out in which write, in which order.
// Devices 25, 26 and 40.
#include "TemplateApplyFixture.h"
#include "snmp/MibVariableList.h"
#include "snmp/SnmpSyntax.h"
#include "templates/TemplateApplier.h"

using namespace DeviceOids;

namespace {

// One write as "name=value" of each entry sent, joined by ", "; empty when nothing is sent.
QString Sent(const MibVariableList& list) {
    QStringList sent;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsWritten(i))
            sent << list.Entry(i).Name + '=' + list.Entry(i).Value;
    return sent.join(", ");
}

}  // namespace

TEST_F(TemplateApplyTest, WritesGoOutGroupByGroupInOrder) {
    const int d = 25;
    SetNumber(d, AutoChannelScan, 1);
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E01");
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E02");
    QStringList writes;
    QStringList rejections;
    int32_t progress = 0;
    TemplateApplier applier(fleet_.Target(d), [&](const QString& m) { rejections << m; }, &progress);
    applier.SetWriteObserver([&](const MibVariableList& list) { writes << Sent(list); });
    const QString keys = KeyFile({
        "SYS_Username=ordered", "SYS_Telnet_option=Enable", "SYS_IsSSH=Enable",
        "AWS_80211g_SSID=ordered", "AWS_80211g_Channel=14", "AWS_80211g_11nChannel_Width=20 MHz",
        "AWS_80211g_DTIM=3",
        "Flt_80211g_filter_mac_acl=Reject", "Flt_80211g_filter_mac_add1=00:11:22:33:44:55",
        "Flt_80211g_filter_mac_add2=aa:bb:cc:dd:ee:ff", "Flt_80211g_filter_mac_add4=101010101010",
        "SCR_80211g_auth_type=Open System", "SCR_80211g_wep_status=Enable", "SCR_80211g_active_key_index=Second",
        "SCR_80211g_keytype=HEX", "SCR_80211g_key2=0123456789",
        "AWS_80211a_SSID=never", "SCR_80211a_auth_type=WPA2-Personal",
    });
    applier.Apply(keys, 65535);
    EXPECT_TRUE(rejections.isEmpty());
    EXPECT_EQ(writes, (QStringList{
                          "usersName=ordered, ssh=1",
                          "dot11AutoChannelScan=0",
                          "dot11ChannelWidth=1",
                          "dot11Ssid=ordered, dot11Dtim=3",
                          "MAC Address=0A0B0C0D0E01",
                          "MAC Address=0A0B0C0D0E02",
                          "dot11MacAccessControl=2, MAC Address=001122334455, MAC Address=aabbccddeeff",
                          "dot11WepKeyEntryMethod=2",
                          "dot11Authentication=1, dot11Encryption=1, dot11KeyIndex=2, dot11WepKey=0123456789",
                          "deviceSettingApply=1",
                      }));
    EXPECT_EQ(progress, 7);   // 1, then system, auto scan, width, radio, filter, security
    // The entry method went to the second key's instance.
    EXPECT_EQ(fleet_.Get(d, QLatin1String(WepKeyEntryMethod) + "2", SnmpSyntax::Integer), "2");
    EXPECT_EQ(GetNumber(d, MacAccessControl), "2");
}

TEST_F(TemplateApplyTest, SystemOnlyTemplateSendsEmptyRadioAndSecurityWritesAndNoFilter) {
    const int d = 26;
    QStringList writes;
    TemplateApplier applier(fleet_.Target(d), nullptr);
    applier.SetWriteObserver([&](const MibVariableList& list) { writes << Sent(list); });
    applier.Apply(KeyFile({"SYS_Password=only"}), 65535);
    // system; radio (nothing); entry method and security (nothing); apply.
    EXPECT_EQ(writes, (QStringList{"usersPassword=only", "", "", "", "deviceSettingApply=1"}));
}

TEST_F(TemplateApplyTest, RejectedSecuritySendsNothingOfIt) {
    const int d = 40;
    SetNumber(d, ApMode, 3);
    QStringList writes;
    TemplateApplier applier(fleet_.Target(d), nullptr);
    applier.SetWriteObserver([&](const MibVariableList& list) { writes << Sent(list); });
    applier.Apply(KeyFile({"SCR_80211g_auth_type=WPA-Personal", "SCR_80211g_keytype=ASCII",
                           "SCR_80211g_active_key_index=First", "SCR_80211g_passphrase=x"}),
                  0x4);
    EXPECT_EQ(writes, (QStringList{"", "", "deviceSettingApply=1"}));
}
