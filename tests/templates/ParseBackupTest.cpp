#include "BackupFixture.h"
#include "templates/BackupToTemplate.h"
#include "templates/BackupUnpacker.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class templates_ParseBackup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        backup = dir.filePath(QStringLiteral("ap.dcf"));
        templ = dir.filePath(QStringLiteral("ap.ini"));
    }

    QByteArray BackupBytes(const QByteArray& xml) { return QByteArray(kHeader) + GzipBytes(dir.path(), xml); }

    // Parses a backup of the configuration; gives the template's lines.
    QList<QByteArray> Parse(const DeviceConfig& config)
    {
        EXPECT_TRUE(WriteFileBytes(backup, BackupBytes(DeviceXml(config))));
        EXPECT_TRUE(ParseBackupToTemplate(backup, templ));
        return CrLfLines(ReadFileBytes(templ));
    }

    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString backup;
    QString templ;
};


} // namespace

TEST_F(templates_ParseBackup, TwoGigahertzDeviceGivesTheFullTemplate)
{
    const QList<QByteArray> lines = Parse(DeviceConfig());
    const QList<QByteArray> expected = {
        "[System]", "ItemCounts=6", "DHCPclient=Enable", "Username=admin", "Password=secret",
        "Telnet_timeout=3 Mins", "Telnet_option=Enable", "IsSSH=Disable",
        "[5GHz_WirelessSettings]", "ItemCounts=0",
        "[2.4GHz_WirelessSettings]", "ItemCounts=8", "Radio_Wave=On", "SSID=nxa lab", "SSID_Broadcast=Enable",
        "Beacon_Interval=100", "Rate=9", "DTIM=1", "11nChannel_Width=Auto 20/40 MHz", "Channel=6",
        "[5GHz_SecuritySettings]", "ItemCounts=0",
        "[2.4GHz_SecuritySettings]", "ItemCounts=4", "auth_type=WPA-Personal", "cipher_type=AES",
        "group_key_update_interval=1800", "passphrase=passphrase123",
        "[5GHz_Filter]", "ItemCounts=0",
        "[2.4GHz_Filter]", "ItemCounts=1", "filter_mac_acl=Disable",
    };
    EXPECT_EQ(lines, expected);

    // The backup's path now holds the key file, the filter count included.
    const QList<QByteArray> keys = CrLfLines(ReadFileBytes(backup));
    ASSERT_EQ(keys.size(), 54);
    EXPECT_EQ(keys.first(), "SYS_DHCPclient=Enable");
    EXPECT_TRUE(keys.contains("AWS_80211a_Rate=36"));
    EXPECT_TRUE(keys.contains("AWS_80211g_Rate=9"));
    EXPECT_EQ(keys.last(), "Flt_80211g_filter_mac_Items=0");
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("ap.dcf"), QStringLiteral("ap.ini")}));
}

TEST_F(templates_ParseBackup, FiveGigahertzDeviceLeavesTheOtherBandEmpty)
{
    for (const QByteArray& mode : {QByteArray("7"), QByteArray("8"), QByteArray("9")}) {
        DeviceConfig config;
        config.WirelessMode = mode;
        config.WanMode = "1";
        config.ConsoleProtocol = "0";
        config.Authentication = "0";
        config.WepMode = "1";
        config.DefaultKey = "2";
        config.AclMode = "1";
        config.Macs = {"001122334455", "66778899AABB"};
        const QList<QByteArray> lines = Parse(config);
        int count = -1;
        EXPECT_EQ(SectionEntries(lines, "[System]"),
                  (QList<QByteArray>{"DHCPclient=Disable", "Mask=255.255.255.0", "Gateway=192.168.0.254",
                                     "Username=admin", "Password=secret", "Telnet_option=Disable"}));
        EXPECT_EQ(SectionEntries(lines, "[5GHz_WirelessSettings]"),
                  (QList<QByteArray>{"Radio_Wave=On", "SSID=nxa lab", "SSID_Broadcast=Enable", "Beacon_Interval=100",
                                     "Rate=36", "DTIM=1", "11nChannel_Width=Auto 20/40 MHz", "Channel=6"}));
        EXPECT_EQ(SectionEntries(lines, "[5GHz_SecuritySettings]"),
                  (QList<QByteArray>{"auth_type=Open System", "wep_status=Enable", "active_key_index=Second",
                                     "key2=abcde", "keytype=ASCII", "keysize=64 Bits"}));
        EXPECT_EQ(SectionEntries(lines, "[5GHz_Filter]"),
                  (QList<QByteArray>{"filter_mac_acl=Accept", "filter_mac_add1=001122334455",
                                     "filter_mac_add2=66778899AABB"}));
        for (const char* header : {"[2.4GHz_WirelessSettings]", "[2.4GHz_SecuritySettings]", "[2.4GHz_Filter]"}) {
            EXPECT_TRUE(SectionEntries(lines, header, &count).isEmpty()) << header;
            EXPECT_EQ(count, 0) << header;
        }
        for (const QByteArray& line : lines)
            EXPECT_FALSE(line.contains("WirelessMode")) << line.constData();
        // The item count stays in the key file.
        EXPECT_TRUE(CrLfLines(ReadFileBytes(backup)).contains("Flt_80211a_filter_mac_Items=2"));
    }
}

TEST_F(templates_ParseBackup, SectionsAlwaysComeInTheirOrder)
{
    const QList<QByteArray> lines = Parse(DeviceConfig());
    QList<QByteArray> headers;
    for (const QByteArray& line : lines) {
        if (line.startsWith('['))
            headers.append(line);
    }
    EXPECT_EQ(headers, (QList<QByteArray>{"[System]", "[5GHz_WirelessSettings]", "[2.4GHz_WirelessSettings]",
                                          "[5GHz_SecuritySettings]", "[2.4GHz_SecuritySettings]", "[5GHz_Filter]",
                                          "[2.4GHz_Filter]"}));
}

TEST_F(templates_ParseBackup, EveryFiveGigahertzRateCode)
{
    const std::pair<const char*, const char*> codes[] = {
        {"0", "6"}, {"1", "9"}, {"2", "12"}, {"3", "18"}, {"4", "24"},
        {"5", "36"}, {"6", "48"}, {"7", "54"}, {"31", "Auto"},
    };
    for (const auto& [code, rate] : codes) {
        DeviceConfig config;
        config.WirelessMode = "7";
        config.FixedRate = code;
        const QList<QByteArray> wireless = SectionEntries(Parse(config), "[5GHz_WirelessSettings]");
        EXPECT_TRUE(wireless.contains("Rate=" + QByteArray(rate))) << code;
    }
}

TEST_F(templates_ParseBackup, EveryTwoGigahertzRateCode)
{
    const std::pair<const char*, const char*> codes[] = {
        {"0", "1"}, {"1", "2"}, {"2", "5.5"}, {"3", "11"}, {"4", "6"}, {"5", "9"}, {"6", "12"},
        {"7", "18"}, {"8", "24"}, {"9", "36"}, {"10", "48"}, {"11", "54"}, {"31", "Auto"},
    };
    for (const auto& [code, rate] : codes) {
        DeviceConfig config;
        config.FixedRate = code;
        const QList<QByteArray> wireless = SectionEntries(Parse(config), "[2.4GHz_WirelessSettings]");
        EXPECT_TRUE(wireless.contains("Rate=" + QByteArray(rate))) << code;
    }
}

TEST_F(templates_ParseBackup, SpecialCasesReachTheTemplate)
{
    DeviceConfig config;
    config.ConsoleProtocol = "2";
    config.AutoChannel = "1";
    config.Authentication = "1";
    config.WepMode = "1";
    config.DefaultKey = "3";
    const QList<QByteArray> lines = Parse(config);
    const QList<QByteArray> system = SectionEntries(lines, "[System]");
    EXPECT_TRUE(system.contains("Telnet_option=Enable"));
    EXPECT_TRUE(system.contains("IsSSH=Enable"));
    EXPECT_TRUE(SectionEntries(lines, "[2.4GHz_WirelessSettings]").contains("Channel=Auto"));
    EXPECT_EQ(SectionEntries(lines, "[2.4GHz_SecuritySettings]"),
              (QList<QByteArray>{"auth_type=Shared Key", "wep_status=Enable", "active_key_index=Third",
                                 "key3=0123456789abcdef0123456789", "keytype=HEX", "keysize=128 Bits"}));
}

TEST_F(templates_ParseBackup, EnterpriseKeepsRadiusSettings)
{
    DeviceConfig config;
    config.Authentication = "4";
    config.WepMode = "2";
    EXPECT_EQ(SectionEntries(Parse(config), "[2.4GHz_SecuritySettings]"),
              (QList<QByteArray>{"auth_type=WPA2-Enterprise", "cipher_type=TKIP", "radius_server=10.0.0.5",
                                 "radius_secret=radsecret", "radius_port=1812",
                                 "group_key_update_interval=1800"}));
}

TEST_F(templates_ParseBackup, RejectListKeeps256AddressesAndTheKeyFileAll)
{
    DeviceConfig config;
    config.AclMode = "2";
    for (int i = 1; i <= 258; ++i)
        config.Macs.append(QByteArray::number(0x001122330000LL + i, 16).rightJustified(12, '0'));
    const QList<QByteArray> filter = SectionEntries(Parse(config), "[2.4GHz_Filter]");
    ASSERT_EQ(filter.size(), 257);
    EXPECT_EQ(filter.first(), "filter_mac_acl=Reject");
    EXPECT_EQ(filter.last(), "filter_mac_add256=001122330100");
    const QList<QByteArray> keys = CrLfLines(ReadFileBytes(backup));
    EXPECT_TRUE(keys.contains("Flt_80211g_filter_mac_add257=001122330101"));
    EXPECT_FALSE(keys.contains("Flt_80211g_filter_mac_add258=001122330102"));
    EXPECT_TRUE(keys.contains("Flt_80211g_filter_mac_Items=257"));
}

TEST_F(templates_ParseBackup, RepeatedRunsGiveTheSameFiles)
{
    DeviceConfig config;
    config.AclMode = "1";
    for (int i = 1; i <= 5; ++i)
        config.Macs.append("00112233445" + QByteArray::number(i));
    const QByteArray bytes = BackupBytes(DeviceXml(config));
    QByteArray firstTemplate;
    QByteArray firstKeys;
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(WriteFileBytes(backup, bytes));
        ASSERT_TRUE(ParseBackupToTemplate(backup, templ)) << run;
        if (run == 0) {
            firstTemplate = ReadFileBytes(templ);
            firstKeys = ReadFileBytes(backup);
            continue;
        }
        EXPECT_EQ(ReadFileBytes(templ), firstTemplate) << run;
        EXPECT_EQ(ReadFileBytes(backup), firstKeys) << run;
    }
    EXPECT_EQ(SectionEntries(CrLfLines(firstTemplate), "[2.4GHz_Filter]").size(), 6);
}

TEST_F(templates_ParseBackup, CrLfXmlIsAccepted)
{
    // The same configuration with LF line ends gives the reference files.
    const DeviceConfig config;
    const QList<QByteArray> lfTemplate = Parse(config);
    const QByteArray lfKeys = ReadFileBytes(backup);
    ASSERT_FALSE(lfTemplate.isEmpty());

    QByteArray xml = DeviceXml(config);
    xml.replace("\n", "\r\n");
    ASSERT_TRUE(WriteFileBytes(backup, BackupBytes(xml)));
    // Unpacked, every line of such a text ends in CR CR LF.
    QByteArray unpacked;
    ASSERT_TRUE(BackupUnpacker::Unpack(backup, templ, &unpacked));
    EXPECT_EQ(unpacked.count("\r\r\n"), xml.count("\r\n"));
    EXPECT_EQ(unpacked.count('\n'), xml.count('\n'));
    EXPECT_FALSE(unpacked.replace("\r\r\n", "").contains('\n'));

    ASSERT_TRUE(ParseBackupToTemplate(backup, templ));
    EXPECT_EQ(CrLfLines(ReadFileBytes(templ)), lfTemplate);
    EXPECT_EQ(ReadFileBytes(backup), lfKeys);
    EXPECT_TRUE(SectionEntries(CrLfLines(ReadFileBytes(templ)), "[System]").contains("Username=admin"));
}

TEST_F(templates_ParseBackup, WellFormedXmlWithoutSettingsGivesTheEmptyTemplate)
{
    ASSERT_TRUE(WriteFileBytes(backup, BackupBytes("<config><other/></config>")));
    ASSERT_TRUE(ParseBackupToTemplate(backup, templ));
    EXPECT_EQ(CrLfLines(ReadFileBytes(backup)),
              (QList<QByteArray>{"Flt_80211a_filter_mac_Items=0", "Flt_80211g_filter_mac_Items=0"}));
    const QList<QByteArray> lines = CrLfLines(ReadFileBytes(templ));
    EXPECT_EQ(lines.size(), 15);
    EXPECT_EQ(SectionEntries(lines, "[2.4GHz_Filter]"), QList<QByteArray>{"filter_mac_Items=0"});
}

TEST_F(templates_ParseBackup, ExistingTemplateIsReplaced)
{
    ASSERT_TRUE(WriteFileBytes(templ, QByteArray(100000, 'x')));
    const QList<QByteArray> lines = Parse(DeviceConfig());
    EXPECT_EQ(lines.first(), "[System]");
    EXPECT_EQ(lines.last(), "filter_mac_acl=Disable");
}

TEST_F(templates_ParseBackup, BadBackupsFailAndLeaveNothingBehind)
{
    const QByteArray gzip = GzipBytes(dir.path(), DeviceXml(DeviceConfig()));
    const std::pair<const char*, QByteArray> cases[] = {
        {"truncated gzip", QByteArray(kHeader) + gzip.left(gzip.size() / 2)},
        {"not gzip", QByteArray(kHeader) + DeviceXml(DeviceConfig())},
        {"header without zero", QByteArray("NXA-CFG-HEADER:") + gzip},
        {"header only", QByteArray(kHeader)},
        {"empty", QByteArray()},
        {"malformed xml", BackupBytes("<config><sys><user></sys></config>")},
        {"no root element", BackupBytes("<?xml version=\"1.0\"?>\n<!-- empty -->\n")},
        {"not xml at all", BackupBytes("hello world\n")},
    };
    for (const auto& [name, bytes] : cases) {
        ASSERT_TRUE(WriteFileBytes(backup, bytes));
        EXPECT_FALSE(ParseBackupToTemplate(backup, templ)) << name;
        EXPECT_EQ(ReadFileBytes(backup), bytes) << name;
        EXPECT_EQ(Files(), QStringList{QStringLiteral("ap.dcf")}) << name;
    }
}

TEST_F(templates_ParseBackup, MissingBackupFails)
{
    EXPECT_FALSE(ParseBackupToTemplate(backup, templ));
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(templates_ParseBackup, UnusableTemplatePathsFail)
{
    const QByteArray bytes = BackupBytes(DeviceXml(DeviceConfig()));
    ASSERT_TRUE(WriteFileBytes(backup, bytes));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    const QString paths[] = {
        dir.filePath(QStringLiteral("no/such/dir/ap.ini")),
        dir.filePath(QStringLiteral("noextension")),
        dir.filePath(QStringLiteral("folder.ini")),
        backup,
        QString(),
    };
    for (const QString& path : paths) {
        EXPECT_FALSE(ParseBackupToTemplate(backup, path)) << path.toStdString();
        EXPECT_EQ(ReadFileBytes(backup), bytes) << path.toStdString();
        EXPECT_EQ(Files(), QStringList{QStringLiteral("ap.dcf")}) << path.toStdString();
    }
    EXPECT_FALSE(ParseBackupToTemplate(QString(), templ));
}

TEST_F(templates_ParseBackup, KeyFileKeepsTheBackupsPlaceAndPermissions)
{
    const QString real = dir.filePath(QStringLiteral("real.dcf"));
    ASSERT_TRUE(WriteFileBytes(real, BackupBytes(DeviceXml(DeviceConfig()))));
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(real, permissions));
    ASSERT_TRUE(QFile::link(real, backup));
    ASSERT_TRUE(ParseBackupToTemplate(backup, templ));
    EXPECT_TRUE(QFileInfo(backup).isSymLink());
    EXPECT_EQ(CrLfLines(ReadFileBytes(real)).first(), "SYS_DHCPclient=Enable");
    EXPECT_EQ(QFile::permissions(real) & QFile::Permissions(0x7077), permissions);
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("ap.dcf"), QStringLiteral("ap.ini"), QStringLiteral("real.dcf")}));
}
