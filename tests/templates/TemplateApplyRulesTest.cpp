// The value rules of template application that need no device: key file
// reading, radio values, AP mode rules for security.
#include "snmp/CZRException.h"
#include "templates/SecurityRules.h"
#include "templates/TemplateKeyReader.h"
#include "templates/WirelessValues.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SecurityRules;
using namespace WirelessValues;

TEST(TemplateKeyReader, SplitsAtTheFirstEqualsSignAndLaterLinesWin) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keys.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SYS_Password=a=b\r\nAWS_80211g_SSID=one\r\nno equals\r\nAWS_80211g_SSID=two\n=empty key\r\n");
    file.close();
    const auto keys = TemplateKeyReader::Read(path);
    EXPECT_EQ(keys.value("SYS_Password"), "a=b");
    EXPECT_EQ(keys.value("AWS_80211g_SSID"), "two");
    EXPECT_TRUE(keys.contains(QString()));
    EXPECT_EQ(keys.size(), 3);
}

TEST(TemplateKeyReader, UnreadableFileRaises10001) {
    try {
        TemplateKeyReader::Read("/nonexistent/keys.txt");
        FAIL();
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -10001);
    }
}

TEST(WirelessValues, LimitsAndNumbers) {
    EXPECT_EQ(BeaconInterval("10"), "25");
    EXPECT_EQ(BeaconInterval("1000"), "500");
    EXPECT_EQ(BeaconInterval("100"), "100");
    EXPECT_EQ(BeaconInterval("abc"), "25");
    EXPECT_EQ(BeaconInterval(" 200ms"), "200");
    EXPECT_EQ(Dtim("0"), "1");
    EXPECT_EQ(Dtim("20"), "15");
    EXPECT_EQ(Dtim("-3"), "1");
    EXPECT_EQ(Dtim("x"), "1");
    EXPECT_EQ(Dtim("99999999999999"), "15");
}

TEST(WirelessValues, RateLosesItsUnit) {
    EXPECT_EQ(Rate("54 Mbps"), "54");
    EXPECT_EQ(Rate("5.5 Mbp"), "5.5");
    EXPECT_EQ(Rate("Auto"), "Auto");
}

TEST(WirelessValues, ChannelsAreSeparatedBySpaces) {
    EXPECT_EQ(Channels("  1 2 3  11"), (QStringList{"1", "2", "3", "11"}));
    EXPECT_TRUE(Channels("").isEmpty());
}

TEST(SecurityRules, AuthenticationByApMode) {
    EXPECT_TRUE(RejectsAuthentication("Access Point", "Open System / Shared Key"));
    EXPECT_FALSE(RejectsAuthentication("Access Point", "WPA-Enterprise"));
    EXPECT_FALSE(RejectsAuthentication("Access Point", "Shared Key"));
    EXPECT_TRUE(RejectsAuthentication("WDS", "WPA-Personal"));
    EXPECT_TRUE(RejectsAuthentication("WDS", "WPA-Auto-Personal"));
    EXPECT_FALSE(RejectsAuthentication("WDS", "WPA2-Personal"));
    EXPECT_FALSE(RejectsAuthentication("WDS", "Shared Key"));
    EXPECT_TRUE(RejectsAuthentication("WDS With Ap", "WPA-Personal"));
    EXPECT_TRUE(RejectsAuthentication("WDS With Ap", "WPA2-Enterprise"));
    EXPECT_FALSE(RejectsAuthentication("WDS With Ap", "WPA2-Personal"));
    EXPECT_FALSE(RejectsAuthentication("WDS With Ap", "WPA-Auto-Personal"));
    EXPECT_TRUE(RejectsAuthentication("Wireless Client", "Shared Key"));
    EXPECT_TRUE(RejectsAuthentication("Wireless Client", "WPA-Enterprise"));
    EXPECT_FALSE(RejectsAuthentication("Wireless Client", "WPA-Personal"));
    EXPECT_EQ(AuthenticationRejected("WDS"), "Data of security is rejected when AP Mode is \"WDS\".");
}

TEST(SecurityRules, CipherCorrections) {
    CipherChoice c = Cipher("WDS With Ap", "TKIP");
    EXPECT_EQ(c.Cipher, "AUTO");
    EXPECT_EQ(c.Rejection, "Value of cipher_type can't be set as \"TKIP\" when AP Mode is \"WDS with AP\"!");
    c = Cipher("WDS", "AUTO");
    EXPECT_EQ(c.Cipher, "AES");
    EXPECT_EQ(c.Rejection, "Value of Cipher_type can't be set as \"AUTO\" when AP Mode is \"WDS\"!");
    c = Cipher("WDS", "AES");
    EXPECT_EQ(c.Cipher, "AES");
    EXPECT_TRUE(c.Rejection.isEmpty());
    c = Cipher("Access Point", "TKIP");
    EXPECT_EQ(c.Cipher, "TKIP");
    EXPECT_TRUE(c.Rejection.isEmpty());
}

TEST(SecurityRules, KeyLengthsAndHexKeys) {
    const QString ascii13[4] = {"abcdefghijklm", "", "", ""};
    const QString ascii14[4] = {"", "", "", "abcdefghijklmn"};
    const QString hex27[4] = {"", "0123456789ABCDEF0123456789A", "", ""};
    EXPECT_TRUE(KeysFit("ASCII", ascii13));
    EXPECT_FALSE(KeysFit("ASCII", ascii14));
    EXPECT_TRUE(KeysFit("HEX", ascii14));
    EXPECT_FALSE(KeysFit("HEX", hex27));
    EXPECT_FALSE(KeysFit("", hex27));
    EXPECT_EQ(DecodeHexKey("48656c6C6F"), "Hello");
    EXPECT_EQ(DecodeHexKey("4865F"), "4865F");   // not pairs: kept
    EXPECT_EQ(DecodeHexKey("zz"), "zz");
}
