// Template application: the operation as a whole, the Multi-SSID refusal, the
// key file, the band check and the system group. Devices 1 to 9.
#include "TemplateApplyFixture.h"
#include "mib/ValueMaps.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "templates/TemplateApplier.h"
#include <thread>

using namespace DeviceOids;

TEST_F(TemplateApplyTest, SystemOnlyTemplateWithAllFlagsWritesTheSystemGroupAndApplies) {
    const int d = 1;
    const QString ssid = GetText(d, Ssid);
    const QString auth = GetNumber(d, Authentication);
    const QString filter = GetNumber(d, MacAccessControl);
    const Outcome out = Apply(d, {"SYS_DHCPclient=Enable", "SYS_Username=operator", "SYS_Password=s3cret",
                                  "SYS_Telnet_option=Disable", "SYS_IsSSH=Enable", "SYS_Telnet_timeout=5 Mins"});
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, AddressFrom), "2");   // Dynamic (DHCP)
    EXPECT_EQ(GetText(d, UserName), "operator");
    EXPECT_EQ(GetText(d, Password), "s3cret");
    EXPECT_EQ(GetNumber(d, Telnet), "0");
    EXPECT_EQ(GetNumber(d, Ssh), "0");
    EXPECT_EQ(GetNumber(d, ConsoleTimeout), "3");   // 5 Mins
    // The radio and security writes went out with nothing selected; no filter write.
    EXPECT_EQ(GetText(d, Ssid), ssid);
    EXPECT_EQ(GetNumber(d, Authentication), auth);
    EXPECT_EQ(GetNumber(d, MacAccessControl), filter);
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
    // Progress: 1, then the system, radio and security writes.
    EXPECT_EQ(out.Progress, 4);
}

TEST_F(TemplateApplyTest, DhcpDisableWritesStaticAddressingWithMaskAndGateway) {
    const int d = 2;
    const Outcome out = Apply(d, {"SYS_DHCPclient=Disable", "SYS_Mask=255.255.252.0", "SYS_Gateway=10.1.2.254"}, 0x1);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetNumber(d, AddressFrom), "1");
    EXPECT_EQ(Get(d, Mask, SnmpSyntax::IpAddress), "255.255.252.0");
    EXPECT_EQ(Get(d, Gateway, SnmpSyntax::IpAddress), "10.1.2.254");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
    EXPECT_EQ(out.Progress, 2);
}

TEST_F(TemplateApplyTest, AnyDhcpValueButDisableMeansDhcp) {
    const int d = 3;
    SetNumber(d, AddressFrom, 1);
    ASSERT_FALSE(Apply(d, {"SYS_DHCPclient=yes"}, 0x1).ErrorNumber);
    EXPECT_EQ(GetNumber(d, AddressFrom), "2");
}

TEST_F(TemplateApplyTest, ConsoleWithSshWritesOnlySsh) {
    const int d = 4;
    SetNumber(d, Telnet, 0);
    SetNumber(d, Ssh, 0);
    ASSERT_FALSE(Apply(d, {"SYS_Telnet_option=Enable", "SYS_IsSSH=Enable"}, 0x1).ErrorNumber);
    EXPECT_EQ(GetNumber(d, Ssh), "1");
    EXPECT_EQ(GetNumber(d, Telnet), "0");   // left as it was
}

TEST_F(TemplateApplyTest, ConsoleWithoutSshWritesOnlyTelnet) {
    const int d = 5;
    SetNumber(d, Telnet, 0);
    SetNumber(d, Ssh, 1);
    ASSERT_FALSE(Apply(d, {"SYS_Telnet_option=Enable", "SYS_IsSSH=Disable"}, 0x1).ErrorNumber);
    EXPECT_EQ(GetNumber(d, Telnet), "1");
    EXPECT_EQ(GetNumber(d, Ssh), "1");   // left as it was
}

TEST_F(TemplateApplyTest, MultiSsidEnabledIsRefusedBeforeAnyWrite) {
    const int d = 6;
    SetNumber(d, MultiSsidState, 1);
    const QString user = GetText(d, UserName);
    const Outcome out = Apply(d, {"SYS_Username=intruder", "AWS_80211g_SSID=other"});
    ASSERT_TRUE(out.ErrorNumber);
    EXPECT_EQ(*out.ErrorNumber, 1);
    EXPECT_EQ(out.ErrorText, "Setting are rejected when Multi-SSID is enabled!");
    EXPECT_EQ(GetText(d, UserName), user);
    EXPECT_EQ(fleet_.AppliedCount(d), 0);
}

TEST_F(TemplateApplyTest, UnreadableKeyFileRaises10001) {
    const int d = 7;
    TemplateApplier applier(fleet_.Target(d), nullptr);
    try {
        applier.Apply(dir_.filePath("missing.txt"), 65535);
        FAIL() << "a missing key file was accepted";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -10001);
    }
    EXPECT_EQ(fleet_.AppliedCount(d), 0);
}

TEST_F(TemplateApplyTest, NoDataForTheBandRaisesAfterTheSystemGroup) {
    const int d = 8;
    // 2.4 GHz device, 5 GHz keys only.
    Outcome out = Apply(d, {"AWS_80211a_SSID=five"}, 0x2);
    ASSERT_TRUE(out.ErrorNumber);
    EXPECT_EQ(*out.ErrorNumber, 1);
    EXPECT_EQ(out.ErrorText, "No data for 2.4GHz mode in template!");
    // 5 GHz device, 2.4 GHz keys only; the system group is written first.
    SetNumber(d, Band, 1);
    out = Apply(d, {"AWS_80211g_SSID=two", "Flt_80211g_filter_mac_acl=Accept"}, 0x7);
    ASSERT_TRUE(out.ErrorNumber);
    EXPECT_EQ(out.ErrorText, "No data for 5GHz mode in template!");
    EXPECT_NE(GetText(d, Ssid), "two");
    EXPECT_EQ(fleet_.AppliedCount(d), 0);
}

TEST_F(TemplateApplyTest, SystemKeysWrittenBeforeTheBandRefusal) {
    const int d = 9;
    SetNumber(d, Band, 1);
    const Outcome out = Apply(d, {"SYS_Username=first", "AWS_80211g_SSID=two"}, 0x3);
    // A system key counts as data for any band: the radio group runs and finds no 5 GHz keys.
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetText(d, UserName), "first");
    EXPECT_NE(GetText(d, Ssid), "two");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}

TEST_F(TemplateApplyTest, RunsOnAWorkerThread) {
    const int d = 10;
    Outcome out;
    std::thread worker([&] { out = Apply(d, {"SYS_Username=worker", "AWS_80211g_SSID=threaded"}); });
    worker.join();
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetText(d, UserName), "worker");
    EXPECT_EQ(GetText(d, Ssid), "threaded");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}
