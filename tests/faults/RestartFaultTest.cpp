// Devices that restart in the middle of work: of a table walk (client list,
// rogue survey), of a template application, of a firmware upgrade; through
// the module's exports and through aerodesk. Each run ends with a final
// status in its bound, says what happened, and the device, up again, holds a
// consistent state: what was written before the restart, nothing after it.
#include "FaultRun.h"
#include "e2e/AerodeskRun.h"
#include "maintenance/DeviceListFixture.h"
#include "servers/FtpServer.h"
#include "support/FreePort.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace FaultRun;
using TestSupport::ModuleUnderTest;
using TestSupport::SimFleet;
using TestSupport::WaitUntil;

namespace {

struct Clients {
    int Calls = 0;
    int Status = -1;
    int Count = -1;
    QString Message;
};

void ClientCallback(CmdResult* r, int32_t count, ClientRecord**, uintptr_t context) {
    auto* c = reinterpret_cast<Clients*>(context);
    ++c->Calls;
    c->Status = r->Status;
    c->Count = count;
    c->Message = QString::fromUtf8(r->Message ? r->Message : "");
}

QString Restart(const std::string& devices, const std::string& oid, const char* ops) {
    return QString::fromStdString(devices + ":" + oid + ":" + ops);
}

class RestartFaults : public testing::Test {
protected:
    bool Start(const QString& base, int devices, const QStringList& extra) {
        if (!m.Loaded())
            return false;
        QStringList arguments{QStringLiteral("--restart-time"), QStringLiteral("3000")};
        return sim.Start(base, devices, arguments + extra);
    }
    std::string Address(int n) const { return sim.Address(n).toStdString(); }
    QStringList Common(int wait = 40) const {
        return {QStringLiteral("--port"), QString::number(sim.Port()), QStringLiteral("--timeout"),
                QStringLiteral("100"), QStringLiteral("--wait"), QString::number(wait)};
    }

    ModuleUnderTest& m = ModuleUnderTest::Get();
    SimFleet sim;
};

// The device restarts when a walk asks past the second row. The client list
// (half of the host's 1 s per try) meets a restart of 3 s: it fails and says
// so; the rogue survey (1 s per step) meets one of 0.3 s, outlasts it and
// goes on where it was: every row once.
TEST_F(RestartFaults, MidWalk) {
    ASSERT_TRUE(Start(QStringLiteral("127.0.180.1"), 4,
                      {QStringLiteral("--rows"), QStringLiteral("rogue=4"), QStringLiteral("--restart-at"),
                       Restart("1,2", kClientMacColumn + ".2", "get:3000"), QStringLiteral("--restart-at"),
                       Restart("3,4", kRogueBssidColumn + ".2", "get:300")}))
        << sim.Output();
    m.SetSnmp(Address(1).c_str(), "public", "private", sim.Port(), 100);
    Clients clients;
    m.GetClinetInfor(Address(1).c_str(), &ClientCallback, 0, reinterpret_cast<uintptr_t>(&clients));
    ASSERT_TRUE(WaitUntil([&] { return clients.Calls > 0; }, 30000));
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(clients.Calls, 1);
    EXPECT_EQ(clients.Status, 1);
    EXPECT_EQ(clients.Count, 0);
    EXPECT_FALSE(clients.Message.isEmpty());

    m.SetSnmp(Address(3).c_str(), "public", "private", sim.Port(), 100);
    CommandAnswer rogue;
    auto cmd = reinterpret_cast<decltype(&PlugCmdAPI)>(m.Symbol("PlugCmdAPI"));
    ASSERT_TRUE(cmd);
    cmd(0, Address(3).c_str(), "", reinterpret_cast<uintptr_t>(&rogue), reinterpret_cast<void*>(&RowsCallback));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(rogue) > 0; }, 90000));
    WaitUntil([] { return false; }, 300);
    const CommandAnswer r = Copy(rogue);
    EXPECT_EQ(r.Calls, 1);
    EXPECT_EQ(r.Status, 0) << r.Message.toStdString();
    EXPECT_EQ(r.Count, 4) << "each row once";

    const AerodeskOutcome c = RunAerodesk(QStringList{QStringLiteral("clients"), sim.Address(2), QStringLiteral("--json")} + Common());
    EXPECT_EQ(c.Code, 1) << c.Out.toStdString() << c.Err.toStdString();
    EXPECT_TRUE(c.Out.contains(QStringLiteral("\"ok\": false"))) << c.Out.toStdString();
    const AerodeskOutcome g = RunAerodesk(QStringList{QStringLiteral("rogue"), sim.Address(4), QStringLiteral("--json")} + Common());
    EXPECT_EQ(g.Code, 0) << g.Out.toStdString() << g.Err.toStdString();
    EXPECT_EQ(g.Out.count(QStringLiteral("\"BSSID\"")), 4) << g.Out.toStdString();

    for (int n = 1; n <= 4; ++n) {
        ASSERT_TRUE(WaitAnswering(sim.Target(n))) << n;
        EXPECT_EQ(Rows(sim.Target(n), kClientMacColumn), 4) << n;
        EXPECT_EQ(Rows(sim.Target(n), kRogueBssidColumn), 4) << n;
    }
}

// The device restarts when the radio group's write comes (its SSID), after
// the system group went through: the command interface's report says which
// groups were written; the device holds the new user name and the old SSID.
TEST_F(RestartFaults, MidTemplateApplication) {
    ASSERT_TRUE(Start(QStringLiteral("127.0.181.1"), 3,
                      {QStringLiteral("--restart-at"), Restart("all", kSsid.substr(0, kSsid.size() - 2), "set")}))
        << sim.Output();
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("t.key"));
    ASSERT_TRUE(WriteFile(key, "SYS_Username=halfway\nAWS_80211g_SSID=never-there\n"));
    std::vector<std::string> oldSsid;
    for (int n = 1; n <= 3; ++n)
        oldSsid.push_back(ReadBack(sim.Target(n), kSsid));

    m.SetSnmp(Address(1).c_str(), "public", "private", sim.Port(), 100);
    auto cmd = reinterpret_cast<decltype(&PlugCmdAPI)>(m.Symbol("PlugCmdAPI"));
    ASSERT_TRUE(cmd);
    CommandAnswer report;
    const QByteArray parameter = "p|" + key.toUtf8();
    cmd(9, Address(1).c_str(), parameter.constData(), reinterpret_cast<uintptr_t>(&report),
        reinterpret_cast<void*>(&TextCallback));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(report) > 0; }, 60000));
    const CommandAnswer t = Copy(report);
    EXPECT_TRUE(t.Text.startsWith(QStringLiteral("OVER|"))) << t.Text.toStdString();
    EXPECT_NE(t.Status, 0);
    EXPECT_TRUE(t.Message.contains(QStringLiteral("Written before it stopped: system settings."))) << t.Message.toStdString();
    EXPECT_TRUE(t.Message.contains(QStringLiteral("Stopped in: wireless settings"))) << t.Message.toStdString();

    const AerodeskOutcome viaCommand = RunAerodesk(QStringList{QStringLiteral("template"), key, sim.Address(2)} + Common());
    EXPECT_EQ(viaCommand.Code, 1) << viaCommand.Out.toStdString();
    EXPECT_TRUE(viaCommand.Out.contains(QStringLiteral("Written before it stopped: system settings.")))
        << viaCommand.Out.toStdString();
    const AerodeskOutcome viaExport = RunAerodesk(QStringList{QStringLiteral("apply"), key, sim.Address(3)} + Common());
    EXPECT_EQ(viaExport.Code, 1) << viaExport.Out.toStdString() << viaExport.Err.toStdString();
    EXPECT_TRUE((viaExport.Out + viaExport.Err).contains(sim.Address(3))) << viaExport.Err.toStdString();

    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(WaitAnswering(sim.Target(n))) << n;
        EXPECT_EQ(ReadBack(sim.Target(n), kUserName), "halfway") << n;
        EXPECT_EQ(ReadBack(sim.Target(n), kSsid), oldSsid[static_cast<size_t>(n - 1)]) << n;
    }
}

// The device restarts when the firmware command comes, after it fetched the
// image: the row ends "No Response!" (never "OK"), aerodesk says the device
// was not upgraded, and the device runs its old firmware.
TEST_F(RestartFaults, MidUpgrade) {
    const uint16_t hostFtpPort = TestSupport::FreeTcpPort();
    FtpServer ftp;
    ASSERT_TRUE(ftp.Listen(QHostAddress::LocalHost, hostFtpPort));
    QTemporaryDir home;
    ASSERT_TRUE(ftp.AddAccount(QStringLiteral("host"), QStringLiteral("pw"), home.path()));
    ftp.SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
    const uint16_t aerodeskFtpPort = TestSupport::FreeTcpPort();
    // Device 1 fetches from this test's server, device 2 from aerodesk's: two fleets.
    ASSERT_TRUE(Start(QStringLiteral("127.0.182.1"), 1,
                      {QStringLiteral("--ftp-port"), QString::number(hostFtpPort), QStringLiteral("--restart-at"),
                       Restart("all", kFirmwareCommand, "set")}))
        << sim.Output();
    SimFleet other;
    ASSERT_TRUE(other.Start(QStringLiteral("127.0.183.1"), 1,
                            {QStringLiteral("--restart-time"), QStringLiteral("3000"), QStringLiteral("--ftp-port"),
                             QString::number(aerodeskFtpPort), QStringLiteral("--restart-at"),
                             Restart("all", kFirmwareCommand, "set")}))
        << other.Output();
    const std::string oldFirmware = ReadBack(sim.Target(1), kFirmware);
    const QString image = home.filePath(QStringLiteral("nxa.img"));
    ASSERT_TRUE(WriteFile(image, "version=9.99\n"));

    auto upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(m.Symbol("PlugUpgradeFirmware"));
    ASSERT_TRUE(upgrade);
    m.SetSnmp(Address(1).c_str(), "public", "private", sim.Port(), 100);
    HostWindowStub host;
    DeviceListFixture list;
    list.Select(list.AddRow(sim.Address(1)));
    EXPECT_EQ(upgrade(&ftp, &list.view, 0, image.toUtf8().constData(), 100, 200, 50, 10), 0);
    EXPECT_EQ(list.Status(0), QStringLiteral("No Response!"));
    EXPECT_EQ(list.Step(0), QStringLiteral("Update F/W:2"));
    EXPECT_TRUE(host.Texts.isEmpty()) << "no success told to the host";

    const AerodeskOutcome o = RunAerodesk(
        {QStringLiteral("upgrade"), image, other.Address(1), QStringLiteral("--port"), QString::number(other.Port()),
         QStringLiteral("--ftp-port"), QString::number(aerodeskFtpPort), QStringLiteral("--settings-timeout"),
         QStringLiteral("100"), QStringLiteral("--update-timeout"), QStringLiteral("200"), QStringLiteral("--margin"),
         QStringLiteral("50"), QStringLiteral("--reboot-wait"), QStringLiteral("10"), QStringLiteral("--json")});
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString() << o.Err.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("No Response!"))) << o.Out.toStdString();

    ASSERT_TRUE(WaitAnswering(sim.Target(1)));
    ASSERT_TRUE(WaitAnswering(other.Target(1)));
    EXPECT_EQ(ReadBack(sim.Target(1), kFirmware), oldFirmware);
    EXPECT_EQ(ReadBack(other.Target(1), kFirmware), oldFirmware);
}

}  // namespace
