// The device's configuration backup: written by the simulator, read by the
// module's template parser, and restored into another device.
#include "sim/BackupFile.h"
#include "mib/Catalogue.h"
#include "sim/ConfigXml.h"
#include "sim/Device.h"
#include "sim/DeviceModel.h"
#include "sim/FileTransfer.h"
#include "templates/BackupToTemplate.h"
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {
const std::string kE = std::string(Catalogue::EnterpriseRoot) + ".";

class SimBackup : public ::testing::Test {
protected:
    void SetUp() override {
        model = DeviceModel::Build();
        device = std::make_unique<Device>(*model, DeviceIdentity::ForIndex(0, "127.0.1.1", 1161, 0, "1.10"), 4);
        ASSERT_TRUE(dir.isValid());
    }
    DeviceState& State() { return device->State(); }
    void Set(const std::string& place, const std::string& text) {
        OidPath oid = Oids::MustParse(place.rfind("1.3.6.1.2.", 0) == 0 ? place : kE + place);
        DeviceState::Cell* cell = State().Find(oid);
        ASSERT_NE(cell, nullptr) << place;
        ASSERT_TRUE(SimValue::FromText(cell->Value.Syntax, text, cell->Value)) << place << " " << text;
    }
    std::string Get(DeviceState& state, const std::string& place) {
        DeviceState::Cell* cell = state.Find(Oids::MustParse(place.rfind("1.3.6.1.2.", 0) == 0 ? place : kE + place));
        return cell ? cell->Value.ToText() : "<none>";
    }
    void AddMac(const std::string& mac) {
        const DeviceModel::Table* table = model->TableNamed("macAccessList");
        ASSERT_NE(table, nullptr);
        for (DeviceState::Cell* cell : State().ColumnCells(*table, "dot11MacAccessControlListMacAddress"))
            if (cell->Value.ToText() == "000000000000") {
                ASSERT_TRUE(SimValue::FromText(cell->Value.Syntax, mac, cell->Value));
                return;
            }
        FAIL() << "list full";
    }
    // Writes the backup, lets the module's parser turn it into a key file
    // and gives the keys.
    std::map<std::string, std::string> ParsedKeys() {
        const QString backup = dir.filePath("device.cfg");
        std::string error;
        EXPECT_TRUE(BackupFile::Write(State(), backup.toStdString(), error)) << error;
        EXPECT_TRUE(ParseBackupToTemplate(backup, dir.filePath("device.ini")));
        std::map<std::string, std::string> keys;
        std::ifstream in(backup.toStdString());
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            size_t eq = line.find('=');
            if (eq != std::string::npos)
                keys[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return keys;
    }

    std::unique_ptr<DeviceModel> model;
    std::unique_ptr<Device> device;
    QTemporaryDir dir;
};

// The variables a backup carries.
const char* const kCarried[] = {
    "1.3.6.1.2.1.1.5.0", "2.1.1.1.1.1.1", "2.1.1.1.1.2.1", "2.1.1.1.1.3.1", "2.1.1.1.1.4.1", "4.1.1.1.2.1", "4.1.1.1.3.1",
    "4.4.1.0", "4.4.2.0", "4.4.3.0", "2.1.3.3.1.1.1.1.1", "2.1.3.3.1.1.1.2.1", "2.1.3.3.1.1.1.3.1", "2.1.3.3.1.1.1.11.1",
    "2.1.3.3.1.1.1.17.1", "2.1.3.3.1.1.1.18.1", "2.1.3.3.1.1.1.19.1", "2.1.3.3.1.1.1.20.1", "2.1.3.3.1.1.1.23.1",
    "2.1.3.3.1.1.1.24.1", "2.1.3.3.1.1.1.28.1", "2.1.3.3.1.1.1.16.1", "2.1.3.3.1.1.1.29.1", "2.1.3.3.1.1.1.34.1", "2.1.3.3.2.1.1.1.1",
    "2.1.3.3.2.1.1.2.1", "2.1.3.3.2.1.1.3.1", "2.1.3.3.2.1.1.4.1", "2.1.3.3.2.1.1.5.1", "2.1.3.3.2.1.1.6.1",
    "2.1.3.3.2.1.1.8.1", "2.1.3.3.2.1.1.9.1", "2.1.3.3.2.1.1.10.1", "2.1.3.3.2.2.1.3.1.3", "2.1.3.3.2.2.1.2.1.3",
    "2.1.3.3.2.3.2.1.1.1", "2.1.3.3.2.3.3.1.2.1.1", "2.1.3.3.2.3.3.1.2.1.2", "2.1.3.3.2.3.3.1.2.1.3",
};
}  // namespace

TEST_F(SimBackup, sim_BackupHasHeaderEndingInZeroThenGzip) {
    std::string data = BackupFile::Make(State());
    size_t marker = data.find(std::string("0\x1f", 2));
    ASSERT_NE(marker, std::string::npos);
    EXPECT_LT(marker, 31u);
    EXPECT_EQ(static_cast<unsigned char>(data[marker + 2]), 0x8B);   // gzip magic, second byte
    std::string xml, error;
    ASSERT_TRUE(BackupFile::Unpack(data, xml, error)) << error;
    EXPECT_NE(xml.find("<wlan>"), std::string::npos);
    EXPECT_FALSE(BackupFile::Unpack("no header here", xml, error));
    EXPECT_FALSE(BackupFile::Unpack(data.substr(0, data.size() / 2), xml, error));
}

TEST_F(SimBackup, sim_ParsedKeysMatchTheDevice24GHzWpa) {
    Set("2.1.1.1.1.1.1", "1");                 // static address
    Set("2.1.1.1.1.3.1", "255.255.255.0");
    Set("2.1.1.1.1.4.1", "192.168.10.1");
    Set("4.1.1.1.2.1", "boss");
    Set("4.1.1.1.3.1", "s3cret");
    Set("4.4.1.0", "0");                       // telnet off, ssh on
    Set("4.4.2.0", "1");
    Set("4.4.3.0", "4");                       // 10 Mins
    Set("2.1.3.3.1.1.1.34.1", "0");            // 2.4 GHz
    Set("2.1.3.3.1.1.1.23.1", "0");            // radio off
    Set("2.1.3.3.1.1.1.1.1", "Lobby");
    Set("2.1.3.3.1.1.1.2.1", "0");             // SSID hidden
    Set("2.1.3.3.1.1.1.17.1", "200");
    Set("2.1.3.3.1.1.1.11.1", "18");
    Set("2.1.3.3.1.1.1.18.1", "3");
    Set("2.1.3.3.1.1.1.29.1", "2");            // Auto 20/40 MHz
    Set("2.1.3.3.1.1.1.24.1", "0");            // fixed channel
    Set("2.1.3.3.1.1.1.3.1", "11");
    Set("2.1.3.3.2.1.1.1.1", "6");             // WPA2-Personal
    Set("2.1.3.3.2.1.1.5.1", "2");             // AES
    Set("2.1.3.3.2.1.1.4.1", "correct horse");
    Set("2.1.3.3.2.1.1.6.1", "3600");
    Set("2.1.3.3.2.3.2.1.1.1", "2");           // Reject
    AddMac("001122334455");
    AddMac("0A0B0C0D0E0F");

    std::map<std::string, std::string> keys = ParsedKeys();
    const std::map<std::string, std::string> expected = {
        {"SYS_DHCPclient", "Disable"}, {"SYS_Mask", "255.255.255.0"}, {"SYS_Gateway", "192.168.10.1"},
        {"SYS_Username", "boss"}, {"SYS_Password", "s3cret"}, {"SYS_Telnet_timeout", "10 Mins"},
        {"SYS_Telnet_option", "Enable"}, {"SYS_IsSSH", "Enable"},
        {"AWS_80211a_WirelessMode", "5"}, {"AWS_80211g_Radio_Wave", "Off"}, {"AWS_80211g_SSID", "Lobby"},
        {"AWS_80211g_SSID_Broadcast", "Disable"}, {"AWS_80211g_Beacon_Interval", "200"}, {"AWS_80211g_Rate", "18"},
        {"AWS_80211g_DTIM", "3"}, {"AWS_80211g_11nChannel_Width", "Auto 20/40 MHz"}, {"AWS_80211g_Channel", "11"},
        {"SCR_80211g_auth_type", "WPA2-Personal"}, {"SCR_80211g_cipher_type", "AES"},
        {"SCR_80211g_passphrase", "correct horse"}, {"SCR_80211g_group_key_update_interval", "3600"},
        {"Flt_80211g_filter_mac_acl", "Reject"}, {"Flt_80211g_filter_mac_add1", "00:11:22:33:44:55"},
        {"Flt_80211g_filter_mac_add2", "0A:0B:0C:0D:0E:0F"}, {"Flt_80211g_filter_mac_Items", "2"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(keys[key], value) << key;
    EXPECT_EQ(keys.count("Flt_80211g_filter_mac_add3"), 0u);
    // The device's own texts of its enumerations, where they match the key vocabulary.
    EXPECT_EQ(keys["SCR_80211g_radius_port"], Get(State(), "2.1.3.3.2.1.1.9.1"));
}

TEST_F(SimBackup, sim_ParsedKeysMatchTheDevice5GHzWep) {
    Set("2.1.1.1.1.1.1", "2");                 // DHCP
    Set("4.4.1.0", "1");
    Set("4.4.2.0", "0");
    Set("2.1.3.3.1.1.1.34.1", "1");            // 5 GHz
    Set("2.1.3.3.1.1.1.16.1", "8");            // 802.11n only
    Set("2.1.3.3.1.1.1.11.1", "36");
    Set("2.1.3.3.1.1.1.24.1", "1");            // auto channel
    Set("2.1.3.3.2.1.1.1.1", "2");             // Shared Key
    Set("2.1.3.3.2.1.1.2.1", "1");             // WEP on
    Set("2.1.3.3.2.1.1.3.1", "3");
    Set("2.1.3.3.2.2.1.3.1.3", "abcde");
    Set("2.1.3.3.2.2.1.2.1.3", "1");           // ASCII

    std::map<std::string, std::string> keys = ParsedKeys();
    const std::map<std::string, std::string> expected = {
        {"SYS_DHCPclient", "Enable"}, {"SYS_Telnet_option", "Enable"}, {"SYS_IsSSH", "Disable"},
        {"AWS_80211a_WirelessMode", "8"}, {"AWS_80211a_Rate", "36"}, {"AWS_80211a_Channel", "Auto"},
        {"SCR_80211a_auth_type", "Shared Key"}, {"SCR_80211a_wep_status", "Enable"},
        {"SCR_80211a_active_key_index", "Third"}, {"SCR_80211a_key3", "abcde"}, {"SCR_80211a_keytype", "ASCII"},
        {"SCR_80211a_keysize", "64 Bits"}, {"Flt_80211a_filter_mac_acl", "Disable"}, {"Flt_80211a_filter_mac_Items", "0"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(keys[key], value) << key;
    // The template holds the 5 GHz sections.
    QFile ini(dir.filePath("device.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.contains("[2.4GHz_WirelessSettings]\r\nItemCounts=0"));
    EXPECT_TRUE(text.contains("[2.4GHz_SecuritySettings]\r\nItemCounts=0"));
    EXPECT_TRUE(text.contains("SSID=" + QByteArray::fromStdString(Get(State(), "2.1.3.3.1.1.1.1.1")) + "\r\n"));
    EXPECT_TRUE(text.contains("key3=abcde"));
}

TEST_F(SimBackup, sim_RestoreSetsAnotherDeviceToTheSameState) {
    Set("1.3.6.1.2.1.1.5.0", "Hall-AP");
    Set("2.1.1.1.1.1.1", "1");
    Set("2.1.1.1.1.2.1", "10.1.2.3");
    Set("2.1.1.1.1.3.1", "255.255.0.0");
    Set("4.1.1.1.2.1", "root");
    Set("4.4.1.0", "0");
    Set("4.4.2.0", "1");
    Set("4.4.3.0", "5");
    Set("2.1.3.3.1.1.1.1.1", "Hall");
    Set("2.1.3.3.1.1.1.24.1", "0");
    Set("2.1.3.3.1.1.1.3.1", "3");
    Set("2.1.3.3.1.1.1.11.1", "54");
    Set("2.1.3.3.1.1.1.19.1", "1500");
    Set("2.1.1.1.1.1.1", "1");
    Set("2.1.3.3.1.1.1.16.1", "3");            // Mixed 802.11g and 802.11b
    Set("2.1.3.3.2.1.1.1.1", "8");
    Set("2.1.3.3.2.1.1.5.1", "3");
    Set("2.1.3.3.2.1.1.4.1", "passphrase123");
    Set("2.1.3.3.2.1.1.8.1", "10.0.0.9");
    Set("2.1.3.3.2.1.1.10.1", "radius-secret");
    Set("2.1.3.3.2.3.2.1.1.1", "1");
    AddMac("00AABBCCDDEE");
    AddMac("0011223344FF");

    const QString path = dir.filePath("a.cfg");
    std::string error;
    ASSERT_TRUE(BackupFile::Write(State(), path.toStdString(), error)) << error;

    Device other(*model, DeviceIdentity::ForIndex(1, "127.0.1.1", 1161, 0, "1.10"), 4);
    EXPECT_NE(Get(other.State(), "2.1.3.3.1.1.1.1.1"), "Hall");
    ASSERT_TRUE(BackupFile::Restore(other.State(), path.toStdString(), error)) << error;
    for (const char* place : kCarried) {
        EXPECT_NE(Get(State(), place), "<none>") << place;
        EXPECT_EQ(Get(other.State(), place), Get(State(), place)) << place;
    }

    // A broken backup changes nothing.
    std::ofstream(path.toStdString(), std::ios::trunc) << "NXA-7310 cfg 0\x1f\x8b garbage";
    Device third(*model, DeviceIdentity::ForIndex(2, "127.0.1.1", 1161, 0, "1.10"), 4);
    const std::string before = Get(third.State(), "2.1.3.3.1.1.1.1.1");
    EXPECT_FALSE(BackupFile::Restore(third.State(), path.toStdString(), error));
    EXPECT_EQ(Get(third.State(), "2.1.3.3.1.1.1.1.1"), before);
}

TEST_F(SimBackup, sim_RestoreIgnoresValuesTheDeviceCannotTake) {
    std::string xml = ConfigXml::Build(State());
    const std::string ssid = Get(State(), "2.1.3.3.1.1.1.1.1");
    auto replace = [&](const std::string& from, const std::string& to) {
        size_t at = xml.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        xml.replace(at, from.size(), to);
    };
    replace("<beaconinterval>100</beaconinterval>", "<beaconinterval>lots</beaconinterval>");
    replace("<netmask>255.0.0.0</netmask>", "<netmask>255.0.0.999</netmask>");
    replace("<ssid>" + ssid + "</ssid>", "<ssid>Renamed</ssid>");
    std::string error;
    ASSERT_TRUE(ConfigXml::Restore(State(), xml, error)) << error;
    EXPECT_EQ(Get(State(), "2.1.3.3.1.1.1.17.1"), "100");
    EXPECT_EQ(Get(State(), "2.1.1.1.1.3.1"), "255.0.0.0");
    EXPECT_EQ(Get(State(), "2.1.3.3.1.1.1.1.1"), "Renamed");
    EXPECT_FALSE(ConfigXml::Restore(State(), "<config><wan>", error));
    EXPECT_FALSE(ConfigXml::Restore(State(), "<other/>", error));
}

TEST_F(SimBackup, sim_CommandLineWritesABackupTheParserReads) {
    const QString backup = dir.filePath("cli.cfg");
    const std::string command = std::string(NXA_SIM_BINARY) + " --devices 2 --device 2 --write-backup " + backup.toStdString();
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_TRUE(ParseBackupToTemplate(backup, dir.filePath("cli.ini")));
    QFile keys(backup);
    ASSERT_TRUE(keys.open(QIODevice::ReadOnly));
    const QByteArray text = keys.readAll();
    EXPECT_TRUE(text.contains("AWS_80211g_SSID=nxa7310\r\n"));
    EXPECT_TRUE(text.contains("SYS_Username=admin\r\n"));
    EXPECT_NE(std::system((std::string(NXA_SIM_BINARY) + " --device 3 --write-backup " + backup.toStdString() + " 2>/dev/null").c_str()), 0);
}

TEST(SimFirmware, sim_VersionFromFileOrMinorBump) {
    EXPECT_EQ(FileTransfer::FirmwareVersionOf("IMG\r\nversion=3.01\r\n", "1.10"), "3.01");
    EXPECT_EQ(FileTransfer::FirmwareVersionOf("binary", "1.10"), "1.11");
    EXPECT_EQ(FileTransfer::FirmwareVersionOf("binary", "1.09"), "1.10");
    EXPECT_EQ(FileTransfer::FirmwareVersionOf("binary", "2.3.99"), "2.3.100");
    EXPECT_EQ(FileTransfer::FirmwareVersionOf("binary", "v2"), "v2.1");
    EXPECT_TRUE(FileTransfer::IsLoopback("127.0.0.1"));
    EXPECT_TRUE(FileTransfer::IsLoopback("127.200.1.9"));
    EXPECT_FALSE(FileTransfer::IsLoopback("192.168.0.1"));
    EXPECT_FALSE(FileTransfer::IsLoopback("localhost"));
}
