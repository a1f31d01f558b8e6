// The fleet launcher: loopback addresses, a free port, extra arguments, ready
// when the simulator says so, stopped by its destructor.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(SimFleet, StartsDevicesWithExtraArguments) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.57.1"), 2, {QStringLiteral("--silent"), QStringLiteral("2")}))
        << fleet.Output();
    EXPECT_TRUE(fleet.Ready());
    EXPECT_NE(fleet.Port(), 0);
    EXPECT_EQ(fleet.Address(2), "127.0.57.2");
    EXPECT_EQ(fleet.Target(2), "127.0.57.2:" + std::to_string(fleet.Port()));
    EXPECT_NE(fleet.Output().find("nxa-sim: ready"), std::string::npos);
    std::string out;
    EXPECT_EQ(RunTool("snmpget -v2c -c public -Oqv -t 1 -r 1 " + fleet.Target(1) + " 1.3.6.1.2.1.1.5.0", out), 0) << out;
    // Device 2 was told to be silent.
    EXPECT_NE(RunTool("snmpget -v2c -c public -Oqv -t 0.3 -r 0 " + fleet.Target(2) + " 1.3.6.1.2.1.1.5.0", out), 0) << out;
    EXPECT_EQ(fleet.Stop(), 0) << fleet.Output();
    EXPECT_FALSE(fleet.Ready());
}

TEST(SimFleet, StartedAtOnceAndEndedByItsDestructor) {
    pid_t pid = -1;
    {
        SimFleet fleet("127.0.57.11", {}, 1);
        ASSERT_TRUE(fleet.Ready()) << fleet.Output();
        pid = fleet.Pid();
        ASSERT_GT(pid, 0);
        EXPECT_EQ(::kill(pid, 0), 0);
    }
    EXPECT_NE(::kill(pid, 0), 0);
}

TEST(SimFleet, NotReadyWhenTheSimulatorRefusesItsArguments) {
    SimFleet fleet;
    EXPECT_FALSE(fleet.Start(QStringLiteral("127.0.57.21"), 1, {QStringLiteral("--no-such-option")}, 10));
    EXPECT_FALSE(fleet.Ready());
}

TEST(SimFleet, TraceOfWhatEachDeviceReceived) {
    SimFleet fleet;
    const QString trace = fleet.PrivateFile(QStringLiteral("trace.tsv"));
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.57.31"), 2, {QStringLiteral("--trace"), trace})) << fleet.Output();
    EXPECT_EQ(fleet.TraceFile(), trace);
    std::string out;
    ASSERT_EQ(RunTool("snmpset -v2c -c private -t 1 -r 1 " + fleet.Target(2) + " 1.3.6.1.2.1.1.5.0 s 'traced name'", out), 0)
        << out;
    ASSERT_EQ(RunTool("snmpget -v2c -c public -t 1 -r 1 " + fleet.Target(1) + " 1.3.6.1.2.1.1.5.0", out), 0) << out;

    const std::vector<SimTraceRecord> sets = fleet.TraceSets(fleet.Address(2));
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Varbinds.size(), 1u);
    EXPECT_EQ(sets[0].Varbinds[0].Oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(sets[0].Varbinds[0].Value, "traced name");
    EXPECT_TRUE(fleet.TraceSets(fleet.Address(1)).empty());
    const std::vector<SimTraceRecord> all = fleet.Trace();
    const bool getSeen = std::any_of(all.begin(), all.end(), [&](const SimTraceRecord& r) {
        return r.Type == "GET" && r.Address == fleet.Address(1) && !r.Varbinds.empty() &&
               r.Varbinds[0].Oid == "1.3.6.1.2.1.1.5.0";
    });
    EXPECT_TRUE(getSeen);
}
