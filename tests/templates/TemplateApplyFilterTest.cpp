// Template application: the MAC filter. Devices 21 to 26.
#include "TemplateApplyFixture.h"
#include "snmp/SnmpSyntax.h"

using namespace DeviceOids;

TEST_F(TemplateApplyTest, FilterReplacesTheListAndStopsAtTheFirstMissingNumber) {
    const int d = 21;
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E01");
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E02");
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E03");
    ASSERT_EQ(MacList(d).size(), 3);
    const Outcome out = Apply(d, {"Flt_80211g_filter_mac_acl=Accept", "Flt_80211g_filter_mac_add1=00:11:22:33:44:55",
                                  "Flt_80211g_filter_mac_add2=AABBCCDDEEFF",
                                  "Flt_80211g_filter_mac_add4=101010101010", "Flt_80211g_filter_mac_Items=3"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, MacAccessControl), "1");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
    EXPECT_EQ(out.Progress, 3);   // filter, then security
    // The old list went entry by entry, then both addresses in one set.
    const QStringList actions = fleet_.Actions(d);
    EXPECT_EQ(actions.filter("deleted ").size(), 3);
    EXPECT_EQ(actions.filter("added ").size(), 3 + 2);
    const QStringList list = MacList(d);
    for (const char* old : {"0A0B0C0D0E01", "0A0B0C0D0E02", "0A0B0C0D0E03"})
        EXPECT_FALSE(list.contains(old)) << old;
    EXPECT_EQ(list, (QStringList{"001122334455", "AABBCCDDEEFF"}));
}

TEST_F(TemplateApplyTest, FilterWithoutModeKeyWritesNothingOfTheFilter) {
    const int d = 22;
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E01");
    const Outcome out = Apply(d, {"Flt_80211g_filter_mac_add1=001122334455"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(MacList(d), (QStringList{"0A0B0C0D0E01"}));
    EXPECT_EQ(GetNumber(d, MacAccessControl), "3");
}

TEST_F(TemplateApplyTest, WirelessClientGetsNoFilter) {
    const int d = 23;
    SetNumber(d, ApMode, 4);
    Set(d, MacAddressAdd, SnmpSyntax::MacAddress, "0A0B0C0D0E01");
    const Outcome out =
        Apply(d, {"Flt_80211g_filter_mac_acl=Reject", "Flt_80211g_filter_mac_add1=001122334455"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    ASSERT_EQ(out.Rejections.size(), 1);
    EXPECT_EQ(out.Rejections[0], "When AP Mode is \"Wireless Client\",Mac Filter can't be activated!");
    EXPECT_EQ(MacList(d), (QStringList{"0A0B0C0D0E01"}));
    EXPECT_EQ(GetNumber(d, MacAccessControl), "3");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}

TEST_F(TemplateApplyTest, WirelessClientFilterRejectionEvenWithoutFilterKeys) {
    const int d = 24;
    SetNumber(d, ApMode, 4);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA-Personal"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections, (QStringList{"When AP Mode is \"Wireless Client\",Mac Filter can't be activated!"}));
    EXPECT_EQ(GetNumber(d, Authentication), "4");   // WPA-Personal is applied
}
