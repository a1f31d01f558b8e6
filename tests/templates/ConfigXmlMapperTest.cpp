#include "BackupFixture.h"
#include "templates/ConfigXmlMapper.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class templates_ConfigXmlMapper : public ::testing::Test {
protected:
    QList<QByteArray> MapXml(const QByteArray& xml)
    {
        const QString xmlPath = dir.filePath(QStringLiteral("config.xml"));
        const QString keyPath = dir.filePath(QStringLiteral("keys.txt"));
        EXPECT_TRUE(WriteFileBytes(xmlPath, xml));
        ConfigXmlMapper mapper;
        EXPECT_EQ(mapper.MapDeviceConfig(xmlPath, keyPath), ConfigXmlMapper::Outcome::Mapped);
        return CrLfLines(ReadFileBytes(keyPath));
    }

    QTemporaryDir dir;
};

QList<QByteArray> WithPrefix(const QList<QByteArray>& lines, const QByteArray& prefix)
{
    QList<QByteArray> found;
    for (const QByteArray& line : lines) {
        if (line.startsWith(prefix))
            found.append(line);
    }
    return found;
}

} // namespace

TEST_F(templates_ConfigXmlMapper, WritesEveryRuleThenTheFixedCases)
{
    const QList<QByteArray> lines = MapXml(DeviceXml(DeviceConfig()));
    const QList<QByteArray> band = {
        "WirelessMode=5", "Radio_Wave=On", "SSID=nxa lab", "SSID_Broadcast=Enable", "Beacon_Interval=100",
        "Rate=RATE", "DTIM=1", "11nChannel_Width=Auto 20/40 MHz",
    };
    const QList<QByteArray> security = {
        "auth_type=WPA-Personal", "cipher_type=AES", "radius_server=10.0.0.5", "radius_secret=radsecret",
        "radius_port=1812", "wep_status=3", "group_key_update_interval=1800", "passphrase=passphrase123",
    };
    QList<QByteArray> expected = {
        "SYS_DHCPclient=Enable", "SYS_Mask=255.255.255.0", "SYS_Gateway=192.168.0.254", "SYS_Username=admin",
        "SYS_Password=secret", "SYS_Telnet_timeout=3 Mins",
    };
    for (const char* name : {"80211a", "80211g"}) {
        for (QByteArray entry : band)
            expected.append("AWS_" + QByteArray(name) + "_" + entry.replace("RATE", name[5] == 'a' ? "36" : "9"));
        for (const QByteArray& entry : security)
            expected.append("SCR_" + QByteArray(name) + "_" + entry);
        expected.append("Flt_" + QByteArray(name) + "_filter_mac_acl=Disable");
    }
    expected += QList<QByteArray>{
        "SYS_Telnet_option=Enable", "SYS_IsSSH=Disable", "AWS_80211a_Channel=6", "AWS_80211g_Channel=6",
        "SCR_80211a_active_key_index=First", "SCR_80211g_active_key_index=First", "SCR_80211a_key1=1234567890",
        "SCR_80211g_key1=1234567890", "SCR_80211a_keytype=HEX", "SCR_80211g_keytype=HEX",
        "SCR_80211a_keysize=64 Bits", "SCR_80211g_keysize=64 Bits", "Flt_80211a_filter_mac_Items=0",
        "Flt_80211g_filter_mac_Items=0",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(templates_ConfigXmlMapper, ConsoleProtocolCases)
{
    const std::pair<const char*, QList<QByteArray>> cases[] = {
        {"0", {"SYS_Telnet_option=Disable"}},
        {"1", {"SYS_Telnet_option=Enable", "SYS_IsSSH=Disable"}},
        {"2", {"SYS_Telnet_option=Enable", "SYS_IsSSH=Enable"}},
        {"3", {"SYS_Telnet_option=Enable"}},
    };
    for (const auto& [protocol, expected] : cases) {
        DeviceConfig config;
        config.ConsoleProtocol = protocol;
        const QList<QByteArray> lines = MapXml(DeviceXml(config));
        QList<QByteArray> console = WithPrefix(lines, "SYS_Telnet_option");
        console += WithPrefix(lines, "SYS_IsSSH");
        EXPECT_EQ(console, expected) << protocol;
    }
    DeviceConfig none;
    none.WithConsoleProtocol = false;
    const QList<QByteArray> lines = MapXml(DeviceXml(none));
    EXPECT_TRUE(WithPrefix(lines, "SYS_Telnet_option").isEmpty());
    EXPECT_TRUE(WithPrefix(lines, "SYS_IsSSH").isEmpty());
}

TEST_F(templates_ConfigXmlMapper, AutoChannelWinsOverTheChannel)
{
    DeviceConfig config;
    config.AutoChannel = "1";
    config.Channel = "11";
    const QList<QByteArray> lines = MapXml(DeviceXml(config));
    EXPECT_EQ(WithPrefix(lines, "AWS_80211a_Channel"), QList<QByteArray>{"AWS_80211a_Channel=Auto"});
    EXPECT_EQ(WithPrefix(lines, "AWS_80211g_Channel"), QList<QByteArray>{"AWS_80211g_Channel=Auto"});
}

TEST_F(templates_ConfigXmlMapper, OnlyTheDefaultKeyIsExported)
{
    DeviceConfig config;
    config.DefaultKey = "3";
    const QList<QByteArray> lines = MapXml(DeviceXml(config));
    QList<QByteArray> keys = WithPrefix(lines, "SCR_80211a_active_key_index");
    keys += WithPrefix(lines, "SCR_80211a_key");
    EXPECT_EQ(keys, (QList<QByteArray>{"SCR_80211a_active_key_index=Third",
                                       "SCR_80211a_key3=0123456789abcdef0123456789", "SCR_80211a_keytype=HEX",
                                       "SCR_80211a_keysize=128 Bits"}));
    EXPECT_EQ(WithPrefix(lines, "SCR_80211g_key3"), QList<QByteArray>{"SCR_80211g_key3=0123456789abcdef0123456789"});
    EXPECT_EQ(WithPrefix(lines, "SCR_80211g_active_key_index"),
              QList<QByteArray>{"SCR_80211g_active_key_index=Third"});
}

TEST_F(templates_ConfigXmlMapper, MissingDefaultKeyWritesNoKeys)
{
    DeviceConfig config;
    config.WithDefaultKey = false;
    const QList<QByteArray> lines = MapXml(DeviceXml(config));
    EXPECT_TRUE(WithPrefix(lines, "SCR_80211a_key").isEmpty());
    EXPECT_TRUE(WithPrefix(lines, "SCR_80211a_active_key_index").isEmpty());
}

TEST_F(templates_ConfigXmlMapper, MacListStopsAtTheFirstGap)
{
    DeviceConfig config;
    config.Macs = {"001122334455", "66778899AABB"};
    QByteArray xml = DeviceXml(config);
    xml.replace("</acl>", "<mac id=\"4\">CCDDEEFF0011</mac>\n</acl>");
    const QList<QByteArray> lines = MapXml(xml);
    EXPECT_EQ(WithPrefix(lines, "Flt_80211a_filter_mac_"),
              (QList<QByteArray>{"Flt_80211a_filter_mac_acl=Disable", "Flt_80211a_filter_mac_add1=001122334455",
                                 "Flt_80211a_filter_mac_add2=66778899AABB", "Flt_80211a_filter_mac_Items=2"}));
    EXPECT_EQ(WithPrefix(lines, "Flt_80211g_filter_mac_Items"), QList<QByteArray>{"Flt_80211g_filter_mac_Items=2"});
}

TEST_F(templates_ConfigXmlMapper, FirstMatchingElementAndSelectorsIgnoringValueCase)
{
    const QByteArray xml = "<config><sys><user><name>first</name></user><user><name>second</name></user></sys>"
                           "<wlan><inf><wepkey>nokey</wepkey><wepkey id=\"A\">upper</wepkey></inf>"
                           "<inf><ssid>second-inf</ssid></inf></wlan></config>";
    const QString xmlPath = dir.filePath(QStringLiteral("c.xml"));
    ASSERT_TRUE(WriteFileBytes(xmlPath, xml));
    ConfigXmlMapper mapper;
    ASSERT_TRUE(mapper.LoadDocument(xmlPath));
    QByteArray name;
    QByteArray text;
    bool hasText = false;
    ASSERT_TRUE(mapper.Resolve("e:<sys><user><name>", &name, &text, &hasText));
    EXPECT_EQ(name, "name");
    EXPECT_EQ(text, "first");
    ASSERT_TRUE(mapper.Resolve("e:<wlan><inf><wepkey[id=a]>", &name, &text, &hasText));
    EXPECT_EQ(text, "upper");
    // Only the first <inf> is ever read.
    EXPECT_FALSE(mapper.Resolve("e:<wlan><inf><ssid>", &name, &text, &hasText));
    // Names are compared exactly.
    EXPECT_FALSE(mapper.Resolve("e:<SYS><user><name>", &name, &text, &hasText));
    EXPECT_FALSE(mapper.Resolve("e:<sys><use><name>", &name, &text, &hasText));
    EXPECT_FALSE(mapper.Resolve("a:<sys><user><name>", &name, &text, &hasText));
}

TEST_F(templates_ConfigXmlMapper, ElementWithoutTextGivesAnEmptyValue)
{
    DeviceConfig config;
    config.Passphrase = "";
    config.TelnetTimeout = "";
    const QList<QByteArray> lines = MapXml(DeviceXml(config));
    EXPECT_EQ(WithPrefix(lines, "SCR_80211a_passphrase"), QList<QByteArray>{"SCR_80211a_passphrase="});
    EXPECT_EQ(WithPrefix(lines, "SYS_Telnet_timeout"), QList<QByteArray>{"SYS_Telnet_timeout="});
}

TEST_F(templates_ConfigXmlMapper, LineBreakInsideAValueStaysOnOneLine)
{
    DeviceConfig config;
    config.Password = "pw&#10;SYS_Username=intruder";
    const QList<QByteArray> lines = MapXml(DeviceXml(config));
    EXPECT_EQ(WithPrefix(lines, "SYS_Password"), QList<QByteArray>{"SYS_Password=pw SYS_Username=intruder"});
    EXPECT_EQ(WithPrefix(lines, "SYS_Username"), QList<QByteArray>{"SYS_Username=admin"});
}

TEST_F(templates_ConfigXmlMapper, UnloadableDocumentLeavesTheOutputAlone)
{
    const QString xmlPath = dir.filePath(QStringLiteral("bad.xml"));
    const QString keyPath = dir.filePath(QStringLiteral("keys.txt"));
    ASSERT_TRUE(WriteFileBytes(keyPath, "untouched"));
    for (const QByteArray& xml : {QByteArray("<config><sys></config>"), QByteArray("<!-- nothing -->"),
                                  QByteArray("")}) {
        ASSERT_TRUE(WriteFileBytes(xmlPath, xml));
        ConfigXmlMapper mapper;
        EXPECT_EQ(mapper.MapDeviceConfig(xmlPath, keyPath), ConfigXmlMapper::Outcome::NoDocument);
        EXPECT_EQ(ReadFileBytes(keyPath), "untouched");
    }
    ConfigXmlMapper mapper;
    EXPECT_EQ(mapper.MapDeviceConfig(dir.filePath(QStringLiteral("missing.xml")), keyPath),
              ConfigXmlMapper::Outcome::NoDocument);
}

TEST_F(templates_ConfigXmlMapper, UncreatableOutputIsReported)
{
    const QString xmlPath = dir.filePath(QStringLiteral("config.xml"));
    ASSERT_TRUE(WriteFileBytes(xmlPath, DeviceXml(DeviceConfig())));
    ConfigXmlMapper mapper;
    EXPECT_EQ(mapper.MapDeviceConfig(xmlPath, dir.filePath(QStringLiteral("no/such/dir/keys.txt"))),
              ConfigXmlMapper::Outcome::OutputFailed);
}
