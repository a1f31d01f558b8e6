// PlugGetSystemInfo, PlugGetBasicConfigInfor and PlugGetTrafficInfor through
// dlopen against simulated devices; expectations come from net-snmp's tools.
#include "Answers.h"
#include "support/DeviceValues.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "mib/ValueMaps.h"
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <cstring>
#include <memory>

using TestSupport::SimFleet;
using TestSupport::RunTool;
using TestSupport::ModuleUnderTest;
using TestSupport::WaitUntil;

using DeviceValues::kRoot;

namespace {

const std::string kBase = "127.0.71.1";

class HostQueries : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Device 2 never answers.
        sim = std::make_unique<SimFleet>(kBase, std::vector<std::string>{"--firmware", "2.31b7", "--silent", "2"}, 2);
    }
    static void TearDownTestSuite() { sim.reset(); }

    void SetUp() override {
        ASSERT_TRUE(m.Loaded()) << m.Error().toStdString();
        ASSERT_TRUE(sim->Ready()) << sim->Output();
        EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
        m.SetSnmp(kBase.c_str(), "public", "private", static_cast<uint32_t>(sim->Port()), 100);
        m.ClearMessages();
    }

    std::string Target() const { return sim->Target(1); }
    std::string Silent() const { return sim->Target(2).substr(0, sim->Target(2).find(':')); }

    void Set(const std::string& oid, const std::string& value) {
        std::string out;
        ASSERT_EQ(RunTool("snmpset -v2c -c private -t 2 " + Target() + " " + kRoot + oid + " i " + value, out), 0) << out;
    }

    static std::unique_ptr<SimFleet> sim;
    ModuleUnderTest& m = ModuleUnderTest::Get();
};

std::unique_ptr<SimFleet> HostQueries::sim;

}  // namespace

TEST_F(HostQueries, host_SystemInfoFillsTheBuffers) {
    char firmware[256];
    char mac[256];
    std::memset(firmware, 0, sizeof firmware);
    std::memset(mac, 0, sizeof mac);
    uint32_t mask = 0xDEADBEEF;
    m.GetSystemInfo(kBase.c_str(), firmware, mac, &mask);
    EXPECT_STREQ(firmware, "2.31b7");
    EXPECT_EQ(std::string(mac), DeviceValues::GetHex(Target(), kRoot + ".2.1.1.1.1.5.1"));
    EXPECT_EQ(std::strlen(mac), 12u);
    const std::string maskText = DeviceValues::Get(Target(), kRoot + ".2.1.1.1.1.3.1");
    ASSERT_FALSE(maskText.empty());
    EXPECT_EQ(mask, inet_addr(maskText.c_str()));
}

TEST_F(HostQueries, host_SystemInfoWritesCharactersOnly) {
    char firmware[16];
    std::memset(firmware, '#', sizeof firmware);
    m.GetSystemInfo(kBase.c_str(), firmware, nullptr, nullptr);
    EXPECT_EQ(std::string(firmware, 6), "2.31b7");
    EXPECT_EQ(firmware[6], '#');   // no terminating NUL is written
}

TEST_F(HostQueries, host_SystemInfoLeavesBuffersUntouchedWhenSilent) {
    char firmware[64];
    char mac[64];
    std::memset(firmware, 'F', sizeof firmware);
    std::memset(mac, 'M', sizeof mac);
    uint32_t mask = 0x12345678;
    m.GetSystemInfo(Silent().c_str(), firmware, mac, &mask);
    for (char c : firmware)
        ASSERT_EQ(c, 'F');
    for (char c : mac)
        ASSERT_EQ(c, 'M');
    EXPECT_EQ(mask, 0x12345678u);
    // Not an address at all: the same.
    m.GetSystemInfo("no such address", firmware, mac, &mask);
    EXPECT_EQ(firmware[0], 'F');
    EXPECT_EQ(mask, 0x12345678u);
}

TEST_F(HostQueries, host_BasicConfigRecordWithNumbersFromTexts) {
    Set(".2.1.3.3.2.1.1.1.1", "6");    // dot11Authentication: WPA2-Personal
    Set(".2.1.3.3.1.1.1.28.1", "2");   // dot11ApMode: WDS With AP
    Set(".2.1.3.3.1.1.1.21.1", "3");   // dot11TransmitPower: quarter
    BasicConfigAnswer a;
    m.GetBasicConfigInfor(kBase.c_str(), &BasicConfigAnswer::Callback, "0011AABBCCDD", Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Calls, 1);
    EXPECT_EQ(a.Count, 1);
    EXPECT_TRUE(a.ArrayEndsWithNull);
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Result.DeviceIp, kBase);
    EXPECT_EQ(a.Result.Extra, "0011AABBCCDD");
    EXPECT_FALSE(a.Result.ModelName.has_value());
    EXPECT_EQ(a.Raw.Reserved0, nullptr);
    EXPECT_EQ(a.Raw.Reserved40, nullptr);

    EXPECT_EQ(a.Authentication, "WPA2-Personal");
    EXPECT_EQ(a.AuthenticationNumber, 6);
    // The device's display text differs in case from the query's own map; the lookup ignores case.
    EXPECT_EQ(a.ApMode, MibMaps::M63.TextForValue("2").toStdString());
    EXPECT_EQ(QString::fromStdString(a.ApMode).compare(QStringLiteral("WDS With AP"), Qt::CaseInsensitive), 0);
    EXPECT_EQ(a.ApModeNumber, 2);
    EXPECT_EQ(a.TransmitPower, "quarter");
    EXPECT_EQ(a.TransmitPowerNumber, 3);
    EXPECT_EQ(a.Ssid, DeviceValues::Get(Target(), kRoot + ".2.1.3.3.1.1.1.1.1"));
    EXPECT_EQ(a.Channel, DeviceValues::Get(Target(), kRoot + ".2.1.3.3.1.1.1.3.1"));
    const QString mode = MibMaps::M23.TextForValue(QString::fromStdString(DeviceValues::Get(Target(), kRoot + ".2.1.3.3.1.1.1.9.1")));
    EXPECT_EQ(a.WirelessMode, mode.toStdString());

    Set(".2.1.3.3.2.1.1.1.1", "1");
    Set(".2.1.3.3.1.1.1.28.1", "3");
    Set(".2.1.3.3.1.1.1.21.1", "5");
    BasicConfigAnswer b;
    m.GetBasicConfigInfor(kBase.c_str(), &BasicConfigAnswer::Callback, "", Context(b));
    ASSERT_TRUE(WaitUntil([&] { return b.Calls > 0; }));
    EXPECT_EQ(b.Authentication, "Open System");
    EXPECT_EQ(b.AuthenticationNumber, 1);
    EXPECT_EQ(b.ApModeNumber, 3);
    EXPECT_EQ(b.TransmitPowerNumber, 5);
    EXPECT_EQ(b.Result.Extra, "");
}

TEST_F(HostQueries, host_BasicConfigThatCannotBeSentReportsCountZero) {
    BasicConfigAnswer a;
    m.GetBasicConfigInfor("no such address", &BasicConfigAnswer::Callback, "0011AABBCCDD", Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }, 5000));
    EXPECT_EQ(a.Count, 0);
    EXPECT_TRUE(a.NullArray);
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Result.DeviceIp, "no such address");
    EXPECT_EQ(a.Result.Extra, "0011AABBCCDD");
    EXPECT_FALSE(a.Result.Message.has_value());
}

TEST_F(HostQueries, host_TrafficRecord) {
    TrafficAnswer a;
    m.GetTrafficInfor(kBase.c_str(), &TrafficAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Calls, 1);
    EXPECT_EQ(a.Count, 1);
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Result.DeviceIp, kBase);
    EXPECT_FALSE(a.Result.Extra.has_value());
    EXPECT_TRUE(a.ReservedNull);
    EXPECT_EQ(a.Empty, "");
    EXPECT_EQ(a.IpAddress, DeviceValues::Get(Target(), kRoot + ".2.1.1.1.1.2.1"));
    const QString band = MibMaps::M81.TextForValue(QString::fromStdString(DeviceValues::Get(Target(), kRoot + ".2.1.3.3.1.1.1.34.1")));
    EXPECT_EQ(a.Band, band.toStdString());
    EXPECT_EQ(a.SuccessRate, DeviceValues::Get(Target(), kRoot + ".5.2.2.1.1.1.1.1"));
    EXPECT_EQ(a.RetryRate, DeviceValues::Get(Target(), kRoot + ".5.2.2.1.1.1.2.1"));
    EXPECT_FALSE(a.FrameCount.empty());
    EXPECT_FALSE(a.UpTime.empty());
    EXPECT_TRUE(m.Messages.isEmpty());
}

TEST_F(HostQueries, host_TrafficThatCannotBeSentShowsAMessageBox) {
    TrafficAnswer a;
    m.GetTrafficInfor("no such address", &TrafficAnswer::Callback, 0, Context(a));
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(a.Calls, 0);
    ASSERT_EQ(m.Messages.size(), 1);
    EXPECT_TRUE(m.Messages.first().startsWith(QStringLiteral("DoGetTrffic"))) << m.Messages.first().toStdString();
    EXPECT_GT(m.Messages.first().size(), 11);
}

// The silent device: both reads wait 20 s per try, then the host is told (count 0, message).
TEST_F(HostQueries, host_ReadsOfASilentDeviceStillCallBack) {
    BasicConfigAnswer basic;
    TrafficAnswer traffic;
    const std::string silent = Silent();
    m.GetBasicConfigInfor(silent.c_str(), &BasicConfigAnswer::Callback, "AABBCCDDEEFF", Context(basic));
    m.GetTrafficInfor(silent.c_str(), &TrafficAnswer::Callback, 0, Context(traffic));
    ASSERT_TRUE(WaitUntil([&] { return basic.Calls > 0 && traffic.Calls > 0; }, 90000));
    EXPECT_EQ(basic.Count, 0);
    EXPECT_TRUE(basic.NullArray);
    EXPECT_EQ(basic.Result.Status, 1);
    EXPECT_TRUE(basic.Result.Message.has_value() && !basic.Result.Message->empty());
    EXPECT_EQ(basic.Result.DeviceIp, silent);
    EXPECT_EQ(basic.Result.Extra, "AABBCCDDEEFF");
    EXPECT_EQ(traffic.Count, 0);
    EXPECT_EQ(traffic.Result.Status, 1);
    EXPECT_EQ(traffic.Result.DeviceIp, silent);
}
