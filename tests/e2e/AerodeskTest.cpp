// aerodesk against a simulated fleet: what it prints is what the devices hold.
#include "support/DeviceValues.h"
#include "AerodeskRun.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using TestSupport::SimFleet;
using TestSupport::RunTool;

using DeviceValues::kRoot;

namespace {

const std::string kBase = "127.0.75.1";

using Outcome = AerodeskOutcome;

Outcome Aerodesk(const QStringList& arguments) { return RunAerodesk(arguments); }

QJsonArray Devices(const Outcome& o) { return QJsonDocument::fromJson(o.Out.toUtf8()).object().value(QStringLiteral("devices")).toArray(); }

class AerodeskE2e : public testing::Test {
protected:
    static void SetUpTestSuite() {
        sim = std::make_unique<SimFleet>(kBase, std::vector<std::string>{"--clients", "6", "--firmware", "3.02e2e", "--silent", "3"}, 3);
    }
    static void TearDownTestSuite() { sim.reset(); }
    void SetUp() override { ASSERT_TRUE(sim->Ready()) << sim->Output(); }

    QString Port() const { return QString::number(sim->Port()); }
    std::string Address(int n) const { return sim->Target(n).substr(0, sim->Target(n).find(':')); }
    QString QAddress(int n) const { return QString::fromStdString(Address(n)); }

    static std::unique_ptr<SimFleet> sim;
};

std::unique_ptr<SimFleet> AerodeskE2e::sim;

std::string S(const QJsonValue& v) { return v.toString().toStdString(); }

}  // namespace

TEST_F(AerodeskE2e, e2e_InfoPrintsWhatTheDevicesHold) {
    const Outcome o = Aerodesk({"info", QAddress(1), QAddress(2), "--port", Port(), "--json"});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonArray devices = Devices(o);
    ASSERT_EQ(devices.size(), 2);
    for (int n = 1; n <= 2; ++n) {
        const QJsonObject d = devices[n - 1].toObject();
        EXPECT_EQ(S(d["address"]), Address(n));
        EXPECT_TRUE(d["ok"].toBool());
        const QJsonObject r = d["records"].toArray().first().toObject();
        EXPECT_EQ(S(r["FIRMWARE"]), "3.02e2e");
        EXPECT_EQ(S(r["MAC"]), DeviceValues::GetHex(sim->Target(n), kRoot + ".2.1.1.1.1.5.1"));
        EXPECT_EQ(S(r["SUBNET-MASK"]), DeviceValues::Get(sim->Target(n), kRoot + ".2.1.1.1.1.3.1"));
    }
}

TEST_F(AerodeskE2e, e2e_ConfigPrintsWhatTheDeviceHolds) {
    std::string out;
    ASSERT_EQ(RunTool("snmpset -v2c -c private " + sim->Target(2) + " " + kRoot + ".2.1.3.3.1.1.1.1.1 s e2e-net " + kRoot +
                          ".2.1.3.3.2.1.1.1.1 i 4 " + kRoot + ".2.1.3.3.1.1.1.21.1 i 4",
                      out),
              0)
        << out;
    const Outcome o = Aerodesk({"config", QAddress(2), "--port", Port(), "--json"});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonObject r = Devices(o)[0].toObject()["records"].toArray().first().toObject();
    EXPECT_EQ(S(r["SSID"]), "e2e-net");
    EXPECT_EQ(S(r["CHANNEL"]), DeviceValues::Get(sim->Target(2), kRoot + ".2.1.3.3.1.1.1.3.1"));
    EXPECT_EQ(S(r["AUTH"]), "WPA-Personal");
    EXPECT_EQ(r["AUTH#"].toInt(), 4);
    EXPECT_EQ(S(r["POWER"]), "eighth");
    EXPECT_EQ(r["POWER#"].toInt(), 4);

    const Outcome table = Aerodesk({"config", QAddress(2), "--port", Port()});
    ASSERT_EQ(table.Code, 0);
    EXPECT_TRUE(table.Out.startsWith(QStringLiteral("DEVICE"))) << table.Out.toStdString();
    EXPECT_TRUE(table.Out.contains(QStringLiteral("e2e-net")));
    EXPECT_TRUE(table.Out.contains(QStringLiteral("WPA-Personal")));
}

TEST_F(AerodeskE2e, e2e_TrafficPrintsWhatTheDeviceHolds) {
    const Outcome o = Aerodesk({"traffic", QAddress(1), "--port", Port(), "--json"});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonObject r = Devices(o)[0].toObject()["records"].toArray().first().toObject();
    EXPECT_EQ(S(r["IP"]), DeviceValues::Get(sim->Target(1), kRoot + ".2.1.1.1.1.2.1"));
    EXPECT_EQ(S(r["SUCCESS%"]), DeviceValues::Get(sim->Target(1), kRoot + ".5.2.2.1.1.1.1.1"));
    EXPECT_EQ(S(r["RETRY%"]), DeviceValues::Get(sim->Target(1), kRoot + ".5.2.2.1.1.1.2.1"));
    EXPECT_FALSE(S(r["UPTIME"]).empty());
}

TEST_F(AerodeskE2e, e2e_ClientsPrintWhatTheDevicesHold) {
    const Outcome o = Aerodesk({"clients", QAddress(1), QAddress(2), "--port", Port(), "--json"});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonArray devices = Devices(o);
    ASSERT_EQ(devices.size(), 2);
    for (int n = 1; n <= 2; ++n) {
        std::multiset<std::string> printed;
        for (const QJsonValue& r : devices[n - 1].toObject()["records"].toArray())
            printed.insert(S(r.toObject()["MAC"]));
        const std::vector<std::string> held = DeviceValues::WalkColumn(sim->Target(n), kRoot + ".2.1.3.3.4.2.1.2", true);
        EXPECT_EQ(held.size(), 6u);
        EXPECT_EQ(printed, std::multiset<std::string>(held.begin(), held.end())) << "device " << n;
    }
    const Outcome table = Aerodesk({"clients", QAddress(1), "--port", Port()});
    ASSERT_EQ(table.Code, 0);
    EXPECT_TRUE(table.Out.startsWith(QStringLiteral("%1: 6 record(s)\nMAC").arg(QAddress(1)))) << table.Out.toStdString();
}

TEST_F(AerodeskE2e, e2e_FailuresExitNonZeroWithTheMessage) {
    // Device 3 never answers; the client query waits half of 40 hundredths per try.
    const Outcome silent = Aerodesk({"clients", QAddress(1), QAddress(3), "--port", Port(), "--timeout", "40"});
    EXPECT_EQ(silent.Code, 1);
    EXPECT_TRUE(silent.Err.contains(QAddress(3) + QStringLiteral(": (SNMPClass) SNMP request timed out!"))) << silent.Err.toStdString();
    EXPECT_TRUE(silent.Out.contains(QAddress(1) + QStringLiteral(": 6 record(s)")));   // the other device is reported

    const Outcome info = Aerodesk({"info", QAddress(3), "--port", Port()});
    EXPECT_EQ(info.Code, 1);
    EXPECT_TRUE(info.Err.contains(QAddress(3))) << info.Err.toStdString();

    const Outcome bad = Aerodesk({"traffic", "not an address", "--port", Port()});
    EXPECT_EQ(bad.Code, 1);
    EXPECT_TRUE(bad.Err.contains(QStringLiteral("DoGetTrffic"))) << bad.Err.toStdString();

    const Outcome wait = Aerodesk({"config", QAddress(3), "--port", Port(), "--wait", "1"});
    EXPECT_EQ(wait.Code, 1);
    EXPECT_TRUE(wait.Err.contains(QStringLiteral("no answer within 1 s"))) << wait.Err.toStdString();
}

TEST(AerodeskCommandLine, e2e_HelpOnEveryCommand) {
    const Outcome top = Aerodesk({"--help"});
    EXPECT_EQ(top.Code, 0);
    for (const char* command : {"info", "config", "traffic", "clients"}) {
        EXPECT_TRUE(top.Out.contains(QLatin1String(command)));
        const Outcome help = Aerodesk({command, "--help"});
        EXPECT_EQ(help.Code, 0) << command;
        EXPECT_TRUE(help.Out.startsWith(QStringLiteral("Usage: aerodesk %1 [options]").arg(command))) << help.Out.toStdString();
        EXPECT_TRUE(help.Out.contains(QStringLiteral("--read-community")));
        EXPECT_TRUE(help.Out.contains(QStringLiteral("--json")));
    }
    EXPECT_EQ(Aerodesk({"nosuchcommand"}).Code, 2);
    EXPECT_EQ(Aerodesk({"info"}).Code, 2);   // no address
    EXPECT_EQ(Aerodesk({"info", "127.0.0.1", "--port", "x"}).Code, 2);
}
