// PlugGetClinetInfor through dlopen: the refresh, the walk, the per-device
// collection, and every way the host hears back.
#include "Answers.h"
#include "ClientTableAgent.h"
#include "support/DeviceValues.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "mib/ValueMaps.h"
#include <QDateTime>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

using TestSupport::SimFleet;
using TestSupport::ModuleUnderTest;
using TestSupport::WaitUntil;

using DeviceValues::kRoot;

namespace {

const std::string kMacColumn = kRoot + ".2.1.3.3.4.2.1.2";

std::multiset<std::string> Macs(const std::vector<ClientCopy>& clients) {
    std::multiset<std::string> macs;
    for (const ClientCopy& c : clients)
        macs.insert(c.MacAddress);
    return macs;
}

class HostClients : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m.Loaded()) << m.Error().toStdString();
        EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
        m.ClearMessages();
    }
    ModuleUnderTest& m = ModuleUnderTest::Get();
};

}  // namespace

TEST_F(HostClients, host_ClientListOfADeviceWithClients) {
    SimFleet sim("127.0.72.1", {"--clients", "9"});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    m.SetSnmp("127.0.72.1", "public", "private", static_cast<uint32_t>(sim.Port()), 200);
    ClientAnswer a;
    m.GetClinetInfor("127.0.72.1", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Calls, 1);
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Result.DeviceIp, "127.0.72.1");
    EXPECT_EQ(a.Result.ModelName, "NXA-7310");
    EXPECT_FALSE(a.Result.Extra.has_value());
    ASSERT_EQ(a.Count, 9);
    // The table as the device holds it after the module's refresh.
    const std::vector<std::string> macs = DeviceValues::WalkColumn(sim.Target(), kMacColumn, true);
    EXPECT_EQ(Macs(a.Clients), std::multiset<std::string>(macs.begin(), macs.end()));
    const std::vector<std::string> rssi = DeviceValues::WalkColumn(sim.Target(), kRoot + ".2.1.3.3.4.2.1.5");
    const std::vector<std::string> auth = DeviceValues::WalkColumn(sim.Target(), kRoot + ".2.1.3.3.4.2.1.4");
    const std::vector<std::string> band = DeviceValues::WalkColumn(sim.Target(), kRoot + ".2.1.3.3.4.2.1.3");
    const std::vector<std::string> ssid = DeviceValues::WalkColumn(sim.Target(), kRoot + ".2.1.3.3.4.2.1.7");
    ASSERT_EQ(rssi.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        const ClientCopy& c = a.Clients[i];
        EXPECT_EQ(c.MacAddress, macs[i]);
        EXPECT_EQ(std::to_string(c.Rssi), rssi[i]);
        EXPECT_EQ(c.Authentication, MibMaps::M92.TextForValue(QString::fromStdString(auth[i])).toStdString());
        EXPECT_EQ(c.Band, MibMaps::M93.TextForValue(QString::fromStdString(band[i])).toStdString());
        EXPECT_EQ(c.SsidIndex, ssid[i]);
        EXPECT_TRUE(c.ReservedNull);
    }
}

TEST_F(HostClients, host_DeviceWithoutClientsAnswersCountZero) {
    SimFleet sim("127.0.72.11", {"--clients", "0"});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    m.SetSnmp("127.0.72.11", "public", "private", static_cast<uint32_t>(sim.Port()), 200);
    ClientAnswer a;
    m.GetClinetInfor("127.0.72.11", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Count, 0);
    EXPECT_TRUE(a.NullArray);
    EXPECT_EQ(a.Result.ModelName, "NXA-7310");
}

TEST_F(HostClients, host_EmptyRowsAreSkipped) {
    ClientTableAgent agent({"021000000001", "000000000000", "0210000000A3", "000000000000"});
    ASSERT_TRUE(agent.Ready());
    m.SetSnmp("127.0.0.1", "public", "private", agent.Port(), 200);
    ClientAnswer a;
    m.GetClinetInfor("127.0.0.1", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Result.Status, 0);
    ASSERT_EQ(a.Count, 2);
    EXPECT_EQ(a.Clients[0].MacAddress, "021000000001");
    EXPECT_EQ(a.Clients[1].MacAddress, "0210000000A3");
    EXPECT_EQ(a.Clients[1].Rssi, 42);
    EXPECT_EQ(a.Clients[0].SsidIndex, "Primary SSID");
}

TEST_F(HostClients, host_OnlyEmptyRowsGiveCountZero) {
    ClientTableAgent agent({"000000000000", "000000000000"});
    ASSERT_TRUE(agent.Ready());
    m.SetSnmp("127.0.0.1", "public", "private", agent.Port(), 200);
    ClientAnswer a;
    m.GetClinetInfor("127.0.0.1", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Result.Status, 0);
    EXPECT_EQ(a.Count, 0);
    EXPECT_TRUE(a.NullArray);
}

TEST_F(HostClients, host_ClientQueryThatCannotBeSentCallsBackWithFailure) {
    m.SetSnmp("127.0.0.1", "public", "private", 161, 100);
    for (const char* bad : {"no such address", "", "10.0.0.1 x"}) {
        ClientAnswer a;
        m.GetClinetInfor(bad, &ClientAnswer::Callback, 0, Context(a));
        ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }, 5000)) << bad;
        EXPECT_EQ(a.Result.Status, 1) << bad;
        EXPECT_TRUE(a.Result.Message.has_value() && !a.Result.Message->empty()) << bad;
        EXPECT_EQ(a.Result.DeviceIp, std::string(bad));
        EXPECT_FALSE(a.Result.Extra.has_value());
        EXPECT_EQ(a.Result.ModelName, "NXA-7310");
        EXPECT_EQ(a.Count, 0);
        EXPECT_TRUE(a.NullArray);
    }
}

// The refresh waits half the host's time-out per try: the simulator's trace
// shows when the first try and its one retry arrived.
TEST_F(HostClients, host_SilentDeviceFailsAfterHalfTheTimeout) {
    SimFleet sim;
    ASSERT_TRUE(sim.Start(QStringLiteral("127.0.72.21"), 1,
                          {QStringLiteral("--trace"), sim.PrivateFile(QStringLiteral("trace.tsv")),
                           QStringLiteral("--silent"), QStringLiteral("1")}))
        << sim.Output();
    const int hostTimeout = 300;   // hundredths of a second; each try waits 1.5 s
    m.SetSnmp("127.0.72.21", "public", "private", static_cast<uint32_t>(sim.Port()), hostTimeout);
    ClientAnswer a;
    m.GetClinetInfor("127.0.72.21", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }, 30000));
    EXPECT_EQ(a.Result.Status, 1);
    EXPECT_EQ(a.Result.Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(a.Result.ModelName, "NXA-7310");
    EXPECT_EQ(a.Count, 0);

    std::vector<QDateTime> tries;
    for (const TestSupport::SimTraceRecord& r : sim.Trace()) {
        if (r.Type == QLatin1String("SET"))
            tries.push_back(QDateTime::fromString(r.Time, QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz")));
    }
    ASSERT_EQ(tries.size(), 2u) << "the refresh and its one retry";
    ASSERT_TRUE(tries[0].isValid() && tries[1].isValid());
    const qint64 gap = tries[0].msecsTo(tries[1]);
    // The retry never comes before the half time-out has passed, and a wait
    // of the whole time-out would put it 3 s after the first try.
    EXPECT_GE(gap, hostTimeout / 2 * 10 - 20);
    EXPECT_LT(gap, hostTimeout * 10 - 50);
}

// The refresh goes out with the write community; a walk refused by the read
// community fails at its first step, and the host hears of it.
TEST_F(HostClients, host_FailedWalkStepCallsBack) {
    ClientTableAgent agent({"021000000001"});
    ASSERT_TRUE(agent.Ready());
    m.SetSnmp("127.0.0.1", "not-the-read-community", "private", agent.Port(), 40);
    ClientAnswer a;
    m.GetClinetInfor("127.0.0.1", &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }, 20000));
    EXPECT_EQ(a.Result.Status, 1);
    EXPECT_EQ(a.Count, 0);
    EXPECT_TRUE(a.NullArray);
    EXPECT_EQ(a.Result.DeviceIp, "127.0.0.1");
}

TEST_F(HostClients, host_SeveralDevicesAtOnceKeepTheirOwnClients) {
    SimFleet sim("127.0.72.31", {"--clients", "5"}, 3);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    m.SetSnmp("127.0.72.31", "public", "private", static_cast<uint32_t>(sim.Port()), 200);
    std::map<std::string, ClientAnswer> answers;
    const std::vector<std::string> devices = {"127.0.72.31", "127.0.72.32", "127.0.72.33"};
    for (const std::string& d : devices)
        m.GetClinetInfor(d.c_str(), &ClientAnswer::Callback, 0, Context(answers[d]));
    ASSERT_TRUE(WaitUntil([&] {
        return std::all_of(devices.begin(), devices.end(), [&](const std::string& d) { return answers[d].Calls > 0; });
    }));
    for (int n = 1; n <= 3; ++n) {
        const ClientAnswer& a = answers[devices[static_cast<size_t>(n - 1)]];
        EXPECT_EQ(a.Calls, 1);
        EXPECT_EQ(a.Result.DeviceIp, devices[static_cast<size_t>(n - 1)]);
        ASSERT_EQ(a.Count, 5);
        const std::vector<std::string> macs = DeviceValues::WalkColumn(sim.Target(n), kMacColumn, true);
        EXPECT_EQ(Macs(a.Clients), std::multiset<std::string>(macs.begin(), macs.end())) << "device " << n;
    }
}

// Two queries of one device at the same time: each walk keeps its own rows,
// and each answer holds exactly the clients of its own walk.
TEST_F(HostClients, host_TwoQueriesOfOneDeviceKeepTheirOwnRows) {
    SimFleet sim("127.0.72.41", {"--clients", "6"});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    m.SetSnmp("127.0.72.41", "public", "private", static_cast<uint32_t>(sim.Port()), 200);
    ClientAnswer first, second;
    m.GetClinetInfor("127.0.72.41", &ClientAnswer::Callback, 0, Context(first));
    m.GetClinetInfor("127.0.72.41", &ClientAnswer::Callback, 0, Context(second));
    ASSERT_TRUE(WaitUntil([&] { return first.Calls > 0 && second.Calls > 0; }));
    WaitUntil([] { return false; }, 300);   // nothing more arrives
    for (const ClientAnswer* a : {&first, &second}) {
        EXPECT_EQ(a->Calls, 1);
        EXPECT_EQ(a->Result.Status, 0);
        EXPECT_EQ(a->Result.DeviceIp, "127.0.72.41");
        ASSERT_EQ(a->Count, 6);
        const std::multiset<std::string> macs = Macs(a->Clients);
        EXPECT_EQ(std::set<std::string>(macs.begin(), macs.end()).size(), 6u) << "a row twice";
    }
}
