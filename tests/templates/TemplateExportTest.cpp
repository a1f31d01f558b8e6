// Export of a device's settings against the simulated fleet.
#include "SimulatedFleet.h"
#include "TemplateDeviceOids.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "templates/TemplateExport.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TemplateExportTest : public testing::Test {
public:
    static void SetUpTestSuite() { started_ = fleet_.Start(QStringLiteral("127.0.24.1"), 3); }
    static void TearDownTestSuite() { fleet_.Stop(); }

protected:
    void SetUp() override { ASSERT_TRUE(started_); }
    QList<QByteArray> Lines(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray data = file.readAll();
        EXPECT_TRUE(data.isEmpty() || data.endsWith("\r\n"));
        QList<QByteArray> lines = data.split('\n');
        lines.removeLast();
        for (QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r'));
            line.chop(1);
        }
        return lines;
    }
    static QList<QByteArray> Keys(const QList<QByteArray>& lines) {
        QList<QByteArray> keys;
        for (const QByteArray& line : lines)
            keys << line.left(line.indexOf('=') + 1);
        return keys;
    }

    static inline SimulatedFleet fleet_;
    static inline bool started_ = false;
    QTemporaryDir dir_;
};

TEST_F(TemplateExportTest, SystemGroupGivesSixLinesInOrder) {
    fleet_.Set(1, DeviceOids::Telnet, SnmpSyntax::Integer, "0");
    fleet_.Set(1, DeviceOids::ConsoleTimeout, SnmpSyntax::Integer, "2");
    fleet_.Set(1, DeviceOids::UserName, SnmpSyntax::DisplayString, "admin");
    const QString path = dir_.filePath("system.txt");
    TemplateExport::Export(fleet_.Target(1), path, 0x1);
    const QList<QByteArray> lines = Lines(path);
    ASSERT_EQ(Keys(lines), (QList<QByteArray>{"mask=", "gateway=", "username=", "password=", "telnet_option=",
                                              "telnet_timeout="}));
    EXPECT_EQ(lines[0], "mask=" + fleet_.Get(1, DeviceOids::Mask, SnmpSyntax::IpAddress).toUtf8());
    EXPECT_EQ(lines[2], "username=admin");
    EXPECT_EQ(lines[4], "telnet_option=Disable");
    EXPECT_EQ(lines[5], "telnet_timeout=3 Mins");
}

TEST_F(TemplateExportTest, RadioAndSecurityGiveTwentyFourLines) {
    fleet_.Set(2, DeviceOids::Ssid, SnmpSyntax::DisplayString, "exported");
    fleet_.Set(2, DeviceOids::Authentication, SnmpSyntax::Integer, "6");
    fleet_.Set(2, DeviceOids::RadiusSecret, SnmpSyntax::DisplayString, "");
    const QString path = dir_.filePath("radio.txt");
    TemplateExport::Export(fleet_.Target(2), path, 0x6 | 0x100);
    const QList<QByteArray> lines = Lines(path);
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(Keys(lines), (QList<QByteArray>{
                               "80211g_channel_list=", "80211g_ssid=", "80211g_ssid_broadcast=", "80211g_channel=",
                               "80211g_rate=", "80211g_beacon_interval=", "80211g_dtim=", "80211g_frag_threshold=",
                               "80211g_rts_threshold=", "80211g_radio_wave=", "80211g_auth_type=",
                               "80211g_wep_status=", "80211g_active_key_index=", "80211g_passphrase=",
                               "80211g_cipher_type=", "80211g_group_key_update_interval=", "80211g_keytype=",
                               "80211g_radius_server=", "80211g_radius_port=", "80211g_radius_secret=",
                               "80211g_key1=", "80211g_key2=", "80211g_key3=", "80211g_key4="}));
    EXPECT_EQ(lines[0], "80211g_channel_list=" + fleet_.Get(2, DeviceOids::ChannelList, SnmpSyntax::DisplayString).toUtf8());
    EXPECT_EQ(lines[1], "80211g_ssid=exported");
    EXPECT_EQ(lines[10], "80211g_auth_type=WPA2-Personal");
    EXPECT_EQ(lines[16], "80211g_keytype=");
    EXPECT_EQ(lines[19], "80211g_radius_secret=");   // an empty value still gives its line
}

TEST_F(TemplateExportTest, NoFlagsWritesAnEmptyFile) {
    const QString path = dir_.filePath("empty.txt");
    TemplateExport::Export(fleet_.Target(3), path, 0);
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(TemplateExportTest, UnwritableFileRaises10000) {
    try {
        TemplateExport::Export(fleet_.Target(3), dir_.filePath("missing/dir/out.txt"), 0x1);
        FAIL() << "an unwritable path was accepted";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -10000);
    }
}

TEST_F(TemplateExportTest, FailedReadLeavesNoFile) {
    DeviceTarget silent = fleet_.Target(3);
    silent.Address = QStringLiteral("127.0.24.200");   // no device there
    silent.Timeout = 20;
    silent.Retries = 0;
    const QString path = dir_.filePath("none.txt");
    try {
        TemplateExport::Export(silent, path, 0x1);
        FAIL() << "a silent device was exported";
    } catch (const CZRException& e) {
        EXPECT_NE(e.Number(), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
