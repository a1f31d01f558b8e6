// Template application: the radio group. Devices 11 to 19.
#include "TemplateApplyFixture.h"
#include "snmp/SnmpSyntax.h"

using namespace DeviceOids;

TEST_F(TemplateApplyTest, BeaconDtimAndRateAreNormalised) {
    const int d = 11;
    const Outcome out = Apply(d, {"AWS_80211g_SSID=office",
                                  "AWS_80211g_Beacon_Interval=10", "AWS_80211g_DTIM=20",
                                  "AWS_80211g_Frag_Threshold=2000", "AWS_80211g_RTS_Threshold=1500",
                                  "AWS_80211g_Radio_Wave=On"},
                              0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetText(d, Ssid), "office");
    EXPECT_EQ(GetNumber(d, BeaconInterval), "25");
    EXPECT_EQ(GetNumber(d, Dtim), "15");
    EXPECT_EQ(GetNumber(d, FragmentLength), "2000");
    EXPECT_EQ(GetNumber(d, RtsLength), "1500");
    EXPECT_EQ(GetNumber(d, RadioWave), "1");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
    EXPECT_EQ(out.Progress, 2);
}

TEST_F(TemplateApplyTest, SsidBroadcastIsWritten) {
    const int d = 20;
    SetNumber(d, SsidBroadcast, 1);
    const Outcome out = Apply(d, {"AWS_80211g_SSID_Broadcast=Disable"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetNumber(d, SsidBroadcast), "0");
}

TEST_F(TemplateApplyTest, RateLosesItsUnit) {
    const int d = 19;
    const Outcome out = Apply(d, {"AWS_80211g_Rate=54 Mbps"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetText(d, DataRate), "54");
}

TEST_F(TemplateApplyTest, BeaconAndDtimUpperAndLowerLimits) {
    const int d = 12;
    ASSERT_FALSE(Apply(d, {"AWS_80211g_Beacon_Interval=1000", "AWS_80211g_DTIM=0"}, 0x2).ErrorNumber);
    EXPECT_EQ(GetNumber(d, BeaconInterval), "500");
    EXPECT_EQ(GetNumber(d, Dtim), "1");
    ASSERT_FALSE(Apply(d, {"AWS_80211g_Beacon_Interval=often", "AWS_80211g_DTIM=x"}, 0x2).ErrorNumber);
    EXPECT_EQ(GetNumber(d, BeaconInterval), "25");
    EXPECT_EQ(GetNumber(d, Dtim), "1");
}

TEST_F(TemplateApplyTest, UnlistedChannelIsLeftButAutoScanIsOff) {
    const int d = 13;
    SetNumber(d, AutoChannelScan, 1);
    EXPECT_FALSE(GetText(d, ChannelList).split(' ').contains("14"));
    const QString channel = GetNumber(d, Channel);
    const Outcome out = Apply(d, {"AWS_80211g_Channel=14"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, Channel), channel);
    EXPECT_EQ(GetNumber(d, AutoChannelScan), "0");
    EXPECT_EQ(out.Progress, 3);   // auto scan off, then the main write
}

TEST_F(TemplateApplyTest, ListedChannelIsWritten) {
    const int d = 14;
    ASSERT_TRUE(ChannelListIsSpaceSeparated(d)) << GetText(d, ChannelList).toStdString();
    SetNumber(d, AutoChannelScan, 1);
    ASSERT_FALSE(Apply(d, {"AWS_80211g_Channel=11"}, 0x2).ErrorNumber);
    EXPECT_EQ(GetNumber(d, Channel), "11");
    EXPECT_EQ(GetNumber(d, AutoChannelScan), "0");
}

TEST_F(TemplateApplyTest, AutoChannelInAccessPointModeEnablesTheScan) {
    const int d = 15;
    SetNumber(d, AutoChannelScan, 0);
    const Outcome out = Apply(d, {"AWS_80211g_Channel=Auto"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, AutoChannelScan), "1");
}

TEST_F(TemplateApplyTest, AutoChannelOutsideAccessPointModeIsRejected) {
    const int d = 16;
    SetNumber(d, ApMode, 3);   // WDS
    SetNumber(d, AutoChannelScan, 1);
    const Outcome out = Apply(d, {"AWS_80211g_Channel=Auto", "AWS_80211g_SSID=rest"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    ASSERT_EQ(out.Rejections.size(), 1);
    EXPECT_EQ(out.Rejections[0], "AutoChannelScan can't be enabled when AP Mode is not \"Access Point\"!");
    EXPECT_EQ(GetNumber(d, AutoChannelScan), "0");
    EXPECT_EQ(GetText(d, Ssid), "rest");   // the rest of the group is written
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}

TEST_F(TemplateApplyTest, ChannelWidthIsWrittenOnItsOwn) {
    const int d = 17;
    SetNumber(d, ChannelWidth, 1);
    const Outcome out = Apply(d, {"AWS_80211g_11nChannel_Width=Auto 20/40 MHz"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetNumber(d, ChannelWidth), "2");
    EXPECT_EQ(out.Progress, 3);   // channel width, then the main write
}

TEST_F(TemplateApplyTest, KeysOfTheOtherBandAreNotRead) {
    const int d = 18;
    SetNumber(d, Band, 1);   // 5GHz
    ASSERT_FALSE(Apply(d, {"AWS_80211g_SSID=two-four", "AWS_80211a_SSID=five", "AWS_80211g_DTIM=7"}, 0x2)
                     .ErrorNumber);
    EXPECT_EQ(GetText(d, Ssid), "five");
    EXPECT_NE(GetNumber(d, Dtim), "7");
}

TEST_F(TemplateApplyTest, FiveGigahertzChannelComesFromTheBandsList) {
    const int d = 41;
    SetNumber(d, Band, 1);   // 5GHz
    const QStringList channels = GetText(d, ChannelList).split(' ', Qt::SkipEmptyParts);
    ASSERT_FALSE(channels.isEmpty());
    const QString channel = channels.last();
    const Outcome out = Apply(d, {"AWS_80211a_Channel=" + channel, "AWS_80211g_Channel=6"}, 0x2);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(GetNumber(d, Channel), channel);
    EXPECT_EQ(GetNumber(d, AutoChannelScan), "0");
}
