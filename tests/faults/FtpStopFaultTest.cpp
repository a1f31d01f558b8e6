// The host's FTP server stops in the middle of a transfer (the devices move
// their files slowly: nxa-sim --transfer-rate): the file download of the
// command interface, the configuration backup, and the fleet upgrade each end
// with a failure and its message, in time, and nothing half-transferred is
// taken for whole: the device installs nothing, no truncated backup is left
// as if it were one.
#include "FaultRun.h"
#include "maintenance/DeviceListFixture.h"
#include "servers/FtpServer.h"
#include "support/FreePort.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

using namespace FaultRun;
using TestSupport::ModuleUnderTest;
using TestSupport::SimFleet;
using TestSupport::WaitUntil;

namespace {

// Established TCP connections whose local end is `port` (from /proc/net/tcp).
int TcpConnectionsTo(uint16_t port) {
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray local = ":" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    int count = 0;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[1].endsWith(local) && fields[3] == "01")
            ++count;
    }
    return count;
}

class FtpStopFaults : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m.Loaded());
        port = TestSupport::FreeTcpPort();
        ASSERT_TRUE(Listen());
        ASSERT_TRUE(ftp.AddAccount(QStringLiteral("host"), QStringLiteral("pw"), home.path()));
        ftp.SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
        // 300 bytes a second: the image takes hours, a backup seconds.
        ASSERT_TRUE(sim.Start(QStringLiteral("127.0.185.1"), 3,
                              {QStringLiteral("--ftp-port"), QString::number(port), QStringLiteral("--transfer-rate"),
                               QStringLiteral("300"), QStringLiteral("--restart-time"), QStringLiteral("300"),
                               QStringLiteral("--transfer-timeout"), QStringLiteral("5")}))
            << sim.Output();
        EXPECT_EQ(m.Init(0, 0, 0, &ftp), 0);
        m.SetSnmp(sim.Address(1).toLatin1().constData(), "public", "private", sim.Port(), 100);
        // Larger than what the sockets between server and device hold, so
        // that stopping the server leaves the transfer unfinished.
        ASSERT_TRUE(WriteFile(home.filePath(QStringLiteral("nxa.img")), "version=7.70\n" + QByteArray(8 << 20, 'x')));
    }
    bool Listen() { return ftp.Listen(QHostAddress::LocalHost, port); }
    // Stops the server half a second into the first session (the transfer runs).
    bool StopDuringTransfer(const std::function<bool()>& ended) {
        if (!WaitUntil([&] { return ftp.SessionCount() > 0 || ended(); }, 30000) || ended())
            return false;
        WaitUntil([] { return false; }, 500);
        ftp.Close();
        return true;
    }
    std::string Address(int n) const { return sim.Address(n).toStdString(); }

    ModuleUnderTest& m = ModuleUnderTest::Get();
    QTemporaryDir home;
    FtpServer ftp;
    uint16_t port = 0;
    SimFleet sim;
};

TEST_F(FtpStopFaults, DownloadBackupAndUpgrade) {
    auto cmd = reinterpret_cast<decltype(&PlugCmdAPI)>(m.Symbol("PlugCmdAPI"));
    auto upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(m.Symbol("PlugUpgradeFirmware"));
    ASSERT_TRUE(cmd && upgrade);
    const std::string oldFirmware = ReadBack(sim.Target(1), kFirmware);

    // Command 6: the device fetches the image.
    CommandAnswer fetched;
    const QByteArray download = "255.0.0.0|" + home.filePath(QStringLiteral("nxa.img")).toUtf8();
    cmd(6, Address(1).c_str(), download.constData(), reinterpret_cast<uintptr_t>(&fetched),
        reinterpret_cast<void*>(&TextCallback));
    ASSERT_TRUE(StopDuringTransfer([&] { return CallsOf(fetched) > 0; }));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(fetched) > 0; }, 60000));
    EXPECT_EQ(Copy(fetched).Status, 1);
    EXPECT_FALSE(Copy(fetched).Message.isEmpty());
    // Nothing was downloaded: a firmware update has nothing to install.
    CommandAnswer update;
    cmd(7, Address(1).c_str(), "", reinterpret_cast<uintptr_t>(&update), reinterpret_cast<void*>(&TextCallback));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(update) > 0; }, 60000));
    EXPECT_EQ(Copy(update).Status, 1);
    ASSERT_TRUE(WaitAnswering(sim.Target(1)));
    EXPECT_EQ(ReadBack(sim.Target(1), kFirmware), oldFirmware);

    // Command 3: the device stores its backup.
    ASSERT_TRUE(Listen());
    QTemporaryDir backups;
    CommandAnswer backup;
    const QByteArray folder = "255.0.0.0|" + backups.path().toUtf8() + "/";
    cmd(3, Address(2).c_str(), folder.constData(), reinterpret_cast<uintptr_t>(&backup),
        reinterpret_cast<void*>(&RowsCallback));
    ASSERT_TRUE(StopDuringTransfer([&] { return CallsOf(backup) > 0; }));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(backup) > 0; }, 80000));
    EXPECT_EQ(Copy(backup).Status, 1);
    EXPECT_FALSE(Copy(backup).Message.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(backups.filePath(sim.Address(2) + QStringLiteral(".dcf"))))
        << "a truncated backup is not left as a backup";

    // The fleet upgrade: the row ends with the device's error, never "OK".
    ASSERT_TRUE(Listen());
    HostWindowStub host;
    DeviceListFixture list;
    list.Select(list.AddRow(sim.Address(3)));
    QTimer stopper;
    bool stopped = false;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (!stopped && ftp.SessionCount() > 0) {
            stopped = true;
            QTimer::singleShot(500, [&] { ftp.Close(); });
        }
    });
    stopper.start(20);
    EXPECT_EQ(upgrade(&ftp, &list.view, 0, home.filePath(QStringLiteral("nxa.img")).toUtf8().constData(), 3000, 200,
                      50, 10),
              0);
    stopper.stop();
    EXPECT_TRUE(stopped);
    const QString status = list.Status(0);
    EXPECT_NE(status, QStringLiteral("OK"));
    EXPECT_NE(status, QStringLiteral(".."));
    EXPECT_NE(status, QStringLiteral("....."));
    EXPECT_FALSE(status.isEmpty());
    for (const QString& text : host.Texts)
        EXPECT_FALSE(text.contains(QStringLiteral("Update F/W OK."))) << text.toStdString();
    ASSERT_TRUE(WaitAnswering(sim.Target(3)));
    EXPECT_EQ(ReadBack(sim.Target(3), kFirmware), oldFirmware);
}

// aerodesk's own FTP server, stopped with the program (Ctrl-C) while a device
// uploads its backup: the backup already in the folder stays whole, nothing
// half-transferred is left, and the device is named as interrupted. Then an
// uninterrupted run replaces the old backup with the device's new one.
TEST_F(FtpStopFaults, AerodeskBackupInterruptedKeepsTheEarlierBackup) {
    ftp.Close();   // aerodesk's server takes the port the devices are set to
    QTemporaryDir dir;
    const QString address = sim.Address(2);
    const QString dcf = dir.filePath(address + QStringLiteral(".dcf"));
    const QByteArray earlier = "earlier backup\n";
    ASSERT_TRUE(WriteFile(dcf, earlier));
    // What is left in staging folders (the upload itself is written to a file
    // without a name until it is complete).
    auto staged = [&] {
        QStringList files;
        for (const QString& staging :
             QDir(dir.path()).entryList({QStringLiteral(".aerodesk-staging-*")}, QDir::Dirs | QDir::Hidden))
            files += QDir(dir.filePath(staging)).entryList(QDir::Files | QDir::Hidden);
        return files;
    };
    auto run = [&](bool interrupt) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(NXA_AERODESK_BINARY),
                {QStringLiteral("backup"), address, QStringLiteral("--to"), dir.path(), QStringLiteral("--ftp-port"),
                 QString::number(port), QStringLiteral("--port"), QString::number(sim.Port()), QStringLiteral("--wait"),
                 QStringLiteral("60")});
        EXPECT_TRUE(p.waitForStarted(10000));
        QByteArray out;
        if (interrupt) {
            // The device uploads, then answers: the upload is under way once
            // it has connected to the server (it sends 300 bytes a second).
            EXPECT_TRUE(WaitUntil([&] { return TcpConnectionsTo(port) > 0 || p.state() != QProcess::Running; }, 60000));
            WaitUntil([] { return false; }, 500);
            const qint64 pid = p.processId();   // 0 once it has ended: kill(0) would reach this test
            EXPECT_GT(pid, 0) << "the backup ended before it could be interrupted";
            if (pid > 0)
                kill(static_cast<pid_t>(pid), SIGINT);
        }
        const bool ended = p.waitForFinished(90000);
        if (!ended)
            p.kill();
        EXPECT_TRUE(ended) << "aerodesk did not end";
        return std::make_pair(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                              QString::fromUtf8(out + p.readAllStandardOutput() + p.readAllStandardError()));
    };

    const auto [interruptedCode, interruptedOut] = run(true);
    EXPECT_EQ(interruptedCode, 1) << interruptedOut.toStdString();
    EXPECT_TRUE(interruptedOut.contains(address + QStringLiteral(": FAILED: interrupted"))) << interruptedOut.toStdString();
    EXPECT_TRUE(interruptedOut.contains(QStringLiteral("the earlier backup"))) << interruptedOut.toStdString();
    EXPECT_EQ(ReadFile(dcf), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{address + QStringLiteral(".dcf")})
        << "no staging folder or half-transferred file is left";
    ASSERT_TRUE(WaitAnswering(sim.Target(2)));

    const auto [code, out] = run(false);
    EXPECT_EQ(code, 0) << out.toStdString();
    const QByteArray now = ReadFile(dcf);
    EXPECT_NE(now, earlier) << "the new backup replaced the earlier one, and was not taken for it";
    EXPECT_GT(now.size(), 100);
    EXPECT_TRUE(staged().isEmpty());
}

}  // namespace
