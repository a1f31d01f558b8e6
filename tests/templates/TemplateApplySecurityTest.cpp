// Template application: the security group and the AP mode rules. Devices 27 to 40.
#include "TemplateApplyFixture.h"
#include "snmp/SnmpSyntax.h"

using namespace DeviceOids;

namespace {
const char kClientFilter[] = "When AP Mode is \"Wireless Client\",Mac Filter can't be activated!";

QString WepKeyOid(int n) { return QLatin1String(DeviceOids::WepKey) + QString::number(n); }
QString EntryMethodOid(int n) { return QLatin1String(DeviceOids::WepKeyEntryMethod) + QString::number(n); }
}  // namespace

TEST_F(TemplateApplyTest, WpaPersonalInAccessPointMode) {
    const int d = 27;
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA2-Personal", "SCR_80211g_cipher_type=TKIP",
                                  "SCR_80211g_passphrase=correct horse", "SCR_80211g_group_key_update_interval=3600"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, Authentication), "6");
    EXPECT_EQ(GetNumber(d, CipherType), "3");   // TKIP stays in Access Point mode
    EXPECT_EQ(GetText(d, PassPhrase), "correct horse");
    EXPECT_EQ(GetNumber(d, GroupKeyInterval), "3600");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}

TEST_F(TemplateApplyTest, OpenSystemSharedKeyIsRejectedEvenForAnAccessPoint) {
    const int d = 28;
    const QString auth = GetNumber(d, Authentication);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Open System / Shared Key", "SCR_80211g_wep_status=Enable"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections, (QStringList{"Data of security is rejected when AP Mode is \"Access Point\"."}));
    EXPECT_EQ(GetNumber(d, Authentication), auth);
    EXPECT_EQ(GetNumber(d, Encryption), "0");
    EXPECT_EQ(fleet_.AppliedCount(d), 1);
}

TEST_F(TemplateApplyTest, WirelessClientRejectsSharedKey) {
    const int d = 29;
    SetNumber(d, ApMode, 4);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Shared Key", "SCR_80211g_wep_status=Enable"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections,
              (QStringList{kClientFilter, "Data of security is rejected when AP Mode is \"Wireless Client\"."}));
    EXPECT_EQ(GetNumber(d, Authentication), "1");
    EXPECT_EQ(GetNumber(d, Encryption), "0");
}

TEST_F(TemplateApplyTest, WdsTakesWpa2PersonalAndTurnsTkipIntoAes) {
    const int d = 30;
    SetNumber(d, ApMode, 3);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA2-Personal", "SCR_80211g_cipher_type=TKIP"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections,
              (QStringList{"Value of Cipher_type can't be set as \"TKIP\" when AP Mode is \"WDS\"!"}));
    EXPECT_EQ(GetNumber(d, Authentication), "6");
    EXPECT_EQ(GetNumber(d, CipherType), "2");   // AES
}

TEST_F(TemplateApplyTest, WdsRejectsWpaPersonalAndWpaAutoPersonal) {
    const int d = 31;
    SetNumber(d, ApMode, 3);
    for (const char* type : {"WPA-Personal", "WPA-Auto-Personal", "WPA2-Enterprise"}) {
        const Outcome out = Apply(d, {QStringLiteral("SCR_80211g_auth_type=") + type, "SCR_80211g_cipher_type=AES"}, 0x4);
        ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
        EXPECT_EQ(out.Rejections, (QStringList{"Data of security is rejected when AP Mode is \"WDS\"."})) << type;
        EXPECT_EQ(GetNumber(d, Authentication), "1") << type;
    }
}

TEST_F(TemplateApplyTest, WdsWithApRejectsWpaPersonal) {
    const int d = 32;
    SetNumber(d, ApMode, 2);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA-Personal"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    // The AP mode appears as the device gives it.
    EXPECT_EQ(out.Rejections, (QStringList{"Data of security is rejected when AP Mode is \"WDS With Ap\"."}));
    EXPECT_EQ(GetNumber(d, Authentication), "1");
}

TEST_F(TemplateApplyTest, WdsWithApTakesWpa2PersonalAndTurnsTkipIntoAuto) {
    const int d = 33;
    SetNumber(d, ApMode, 2);
    SetNumber(d, CipherType, 3);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA2-Personal", "SCR_80211g_cipher_type=TKIP"}, 0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections,
              (QStringList{"Value of cipher_type can't be set as \"TKIP\" when AP Mode is \"WDS with AP\"!"}));
    EXPECT_EQ(GetNumber(d, Authentication), "6");
    EXPECT_EQ(GetNumber(d, CipherType), "1");   // Auto
}

TEST_F(TemplateApplyTest, AsciiKeyOfFourteenCharactersIsAnError) {
    const int d = 34;
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Open System", "SCR_80211g_wep_status=Enable",
                                  "SCR_80211g_keytype=ASCII", "SCR_80211g_key1=abcdefghijklmn"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections, (QStringList{"Data of security is error!"}));
    EXPECT_EQ(GetNumber(d, Encryption), "0");
    EXPECT_NE(fleet_.Get(d, WepKeyOid(1), SnmpSyntax::DisplayString), "abcdefghijklmn");
}

TEST_F(TemplateApplyTest, HexKeyOfTwentySevenDigitsIsAnError) {
    const int d = 35;
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Open System", "SCR_80211g_keytype=HEX",
                                  "SCR_80211g_key2=0123456789ABCDEF0123456789A"},
                              0x4);
    EXPECT_EQ(out.Rejections, (QStringList{"Data of security is error!"}));
    // 26 digits fit.
    const Outcome fits = Apply(d, {"SCR_80211g_auth_type=Open System", "SCR_80211g_keytype=HEX",
                                   "SCR_80211g_key2=0123456789ABCDEF0123456789"},
                               0x4);
    EXPECT_TRUE(fits.Rejections.isEmpty());
    EXPECT_EQ(fleet_.Get(d, WepKeyOid(2), SnmpSyntax::DisplayString), "0123456789ABCDEF0123456789");
}

TEST_F(TemplateApplyTest, RejectedTypeWithLongKeyReportsOnlyTheApModeMessage) {
    const int d = 36;
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Open System / Shared Key", "SCR_80211g_keytype=ASCII",
                                  "SCR_80211g_key1=abcdefghijklmn"},
                              0x4);
    EXPECT_EQ(out.Rejections, (QStringList{"Data of security is rejected when AP Mode is \"Access Point\"."}));
}

TEST_F(TemplateApplyTest, AsciiKeysThreeAndFourAreDecodedAndOnlyTheActiveEntryMethodIsWritten) {
    const int d = 37;
    for (int i = 1; i <= 4; ++i)
        fleet_.Set(d, EntryMethodOid(i), SnmpSyntax::Integer, "2");
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=Open System", "SCR_80211g_wep_status=Enable",
                                  "SCR_80211g_active_key_index=Third", "SCR_80211g_keytype=ASCII",
                                  "SCR_80211g_key1=plain", "SCR_80211g_key3=48656C6C6F", "SCR_80211g_key4=576F726C64"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, Encryption), "1");
    EXPECT_EQ(GetNumber(d, KeyIndex), "3");
    EXPECT_EQ(fleet_.Get(d, WepKeyOid(1), SnmpSyntax::DisplayString), "plain");
    EXPECT_EQ(fleet_.Get(d, WepKeyOid(3), SnmpSyntax::DisplayString), "Hello");
    EXPECT_EQ(fleet_.Get(d, WepKeyOid(4), SnmpSyntax::DisplayString), "World");
    EXPECT_EQ(fleet_.Get(d, EntryMethodOid(3), SnmpSyntax::Integer), "1");   // ASCII
    for (int i : {1, 2, 4})
        EXPECT_EQ(fleet_.Get(d, EntryMethodOid(i), SnmpSyntax::Integer), "2") << i;
}

TEST_F(TemplateApplyTest, RadiusSettingsOfAnEnterpriseType) {
    const int d = 38;
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA2-Enterprise", "SCR_80211g_radius_server=10.0.0.5",
                                  "SCR_80211g_radius_port=1645", "SCR_80211g_radius_secret=shared"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_TRUE(out.Rejections.isEmpty());
    EXPECT_EQ(GetNumber(d, Authentication), "7");
    EXPECT_EQ(Get(d, RadiusServer, SnmpSyntax::IpAddress), "10.0.0.5");
    EXPECT_EQ(GetNumber(d, RadiusPort), "1645");
    EXPECT_EQ(GetText(d, RadiusSecret), "shared");
}

TEST_F(TemplateApplyTest, FiveGigahertzDeviceTakesTheSecurityOfItsBand) {
    const int d = 39;
    SetNumber(d, Band, 1);
    ASSERT_FALSE(Apply(d, {"SCR_80211a_auth_type=WPA-Personal", "SCR_80211g_auth_type=WPA2-Personal"}, 0x4)
                     .ErrorNumber);
    EXPECT_EQ(GetNumber(d, Authentication), "4");
}

TEST_F(TemplateApplyTest, CipherCodeInTheWepSwitchLeavesTheSwitchAlone) {
    // A WPA device's backup carries its cipher code (here 3) where WEP devices
    // keep the WEP switch; the host is told, and the rest of the group still arrives.
    const int d = 44;
    const QString encryption = GetNumber(d, Encryption);
    const Outcome out = Apply(d, {"SCR_80211g_auth_type=WPA2-Personal", "SCR_80211g_wep_status=3",
                                  "SCR_80211g_cipher_type=AES", "SCR_80211g_passphrase=a long pass phrase"},
                              0x4);
    ASSERT_FALSE(out.ErrorNumber) << out.ErrorText.toStdString();
    EXPECT_EQ(out.Rejections, (QStringList{"Value of wep_status can't be set as \"3\"!"}));
    EXPECT_EQ(GetNumber(d, Authentication), "6");
    EXPECT_EQ(GetNumber(d, Encryption), encryption);
    EXPECT_EQ(GetText(d, PassPhrase), "a long pass phrase");
}
