// The fleet firmware upgrade and its command queue against simulated devices.
#include "DeviceListFixture.h"
#include "Fleet.h"
#include "maintenance/CommandTiming.h"
#include "maintenance/FirmwareUpgrade.h"
#include "maintenance/UpgradeQueue.h"
#include "platform/MessageBox.h"
#include "servers/FtpServer.h"
#include "snmp/SnmpSyntax.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <csignal>
#include <functional>
#include <limits>

namespace {


// Settings time-out, update time-out, margin, reboot wait (hundredths of a second).
const FirmwareUpgrade::Limits kLimits{200, 300, 100, 10};
// A margin below the time-out, so the response timer always runs out before the
// request gives up (time-out × 2 with its retry).
const FirmwareUpgrade::Limits kShortLimits{100, 100, 20, 10};

bool IsFinal(const QString& status) {
    return !status.isEmpty() && status != QLatin1String("..") && status != QLatin1String(".....");
}

// Calls `check` whenever a cell changes, until it returns true once.
void OnChange(QStandardItemModel& model, std::function<bool()> check) {
    auto done = std::make_shared<bool>(false);
    QObject::connect(&model, &QAbstractItemModel::dataChanged, &model, [check, done] {
        if (!*done)
            *done = check();
    });
}

class UpgradeTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // The devices fetch their images from this server; it lives as long as the fleets.
        ftp = new FtpServer;
        ftp->Listen(QHostAddress::LocalHost, 0);
        const QStringList device = {QStringLiteral("--ftp-port"), QString::number(ftp->Port()),
                                    QStringLiteral("--restart-time"), QStringLiteral("200")};
        fleet = new Fleet(QStringLiteral("127.0.81.1"), 10, device);
        quiet = new Fleet(QStringLiteral("127.0.82.1"), 3, device + QStringList{QStringLiteral("--silent"), QStringLiteral("2")});
        // The reboot step's own time-out (5 s) shortened: a restarting device does not answer it.
        CommandTiming::SetScalePercent(10);
    }
    static void TearDownTestSuite() {
        delete fleet;
        delete quiet;
        delete ftp;
        CommandTiming::SetScalePercent(100);
    }

    void SetUp() override {
        MessageBox::SetHandler([this](const QString& text, const QString&, int) {
            messages << text;
            return 1;
        });
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        ASSERT_TRUE(quiet->Ready()) << quiet->Log().toStdString();
        // Devices that an earlier test upgraded may still be restarting.
        for (int n = 1; n <= 10; ++n)
            ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(n), 10000)) << n;
        ASSERT_TRUE(quiet->WaitAnswering(quiet->Address(1), 10000));
        ASSERT_TRUE(quiet->WaitAnswering(quiet->Address(3), 10000));
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(firmwareDir.isValid());
        QFile firmware(firmwareDir.filePath(QStringLiteral("fw.bin")));
        ASSERT_TRUE(firmware.open(QIODevice::WriteOnly));
        firmware.write("NXA-7310 firmware image\nversion=9.99\n");
        firmware.close();
        ASSERT_TRUE(ftp->AddAccount(QStringLiteral("nxa"), QStringLiteral("secret"), home.path()));
        ftp->SetAdvertisedAddress(QStringLiteral("0.0.0.0"));   // the station address is chosen per device
    }

    CommandSettings Settings(const Fleet& f) const {
        CommandSettings s;
        s.Port = f.Port();
        return s;
    }
    QString FirmwarePath() const { return firmwareDir.filePath(QStringLiteral("fw.bin")); }

    void TearDown() override {
        MessageBox::SetHandler({});
        EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    }

    static Fleet* fleet;
    static Fleet* quiet;
    static FtpServer* ftp;
    QStringList messages;
    QTemporaryDir home;
    QTemporaryDir firmwareDir;
};

Fleet* UpgradeTest::fleet = nullptr;
Fleet* UpgradeTest::quiet = nullptr;
FtpServer* UpgradeTest::ftp = nullptr;

TEST_F(UpgradeTest, EveryRowOfTheFleetEndsUpgraded) {
    HostWindowStub host;
    DeviceListFixture list;
    for (int n = 1; n <= 10; ++n)
        list.Select(list.AddRow(fleet->Address(n)));
    // The host stays responsive while the queue runs.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);

    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kLimits, Settings(*fleet)), 0);
    EXPECT_EQ(UpgradeQueue::Current(), nullptr);
    EXPECT_GT(ticks, 0);

    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(list.Status(row), QStringLiteral("OK")) << row;
        EXPECT_EQ(list.Step(row), QStringLiteral("Update F/W")) << row;
        EXPECT_EQ(list.Get(row, 4), QStringLiteral("UpdatedFW")) << row;
    }
    ASSERT_EQ(host.Texts.size(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(host.Words.at(row), 3005u);
        EXPECT_EQ(host.Texts.at(row), list.Get(row, 2) + QStringLiteral(" Update F/W OK."));
    }
    // Each device was told where to fetch the image: this station, the
    // server's account and the bare file name in the account's home folder.
    for (int n = 1; n <= 10; ++n) {
        const QString address = fleet->Address(n);
        ASSERT_TRUE(fleet->WaitAnswering(address, 10000));
        EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.1.0"), SnmpSyntax::IpAddress), QStringLiteral("127.0.0.1"));
        EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.3.0")), QStringLiteral("nxa"));
        EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.5.0")), QStringLiteral("fw.bin"));
    }
    QString folder;
    ftp->GetHomeDir(QStringLiteral("nxa"), folder);
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(firmwareDir.path()).canonicalPath());

    // The devices fetched the image from the FTP server and installed it.
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(n), NxaOid("5.1.1.0")), QStringLiteral("9.99")) << n;
}

TEST_F(UpgradeTest, SilentDeviceEndsNoResponseAndIsNeverSentTheFirmwareCommand) {
    DeviceListFixture list;
    for (int n = 1; n <= 3; ++n)
        list.Select(list.AddRow(quiet->Address(n)));
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kShortLimits, Settings(*quiet)), 0);
    EXPECT_EQ(list.Status(1), QStringLiteral("No Response!"));
    // The firmware step names itself in the step column before it sends.
    EXPECT_EQ(list.Step(1), QStringLiteral("Write Config:1"));
    EXPECT_EQ(list.Status(0), QStringLiteral("OK"));
    EXPECT_EQ(list.Status(2), QStringLiteral("OK"));
}

TEST_F(UpgradeTest, SilentFirstRowIsMarkedWhenItsTimerExpires) {
    DeviceListFixture list;
    list.Select(list.AddRow(quiet->Address(2)));   // silent, row 0
    list.Select(list.AddRow(quiet->Address(1)));
    QString firstRowWhenSecondStarts;
    OnChange(list.model, [&] {
        if (list.Step(1) != QLatin1String("Write Config:1"))
            return false;
        firstRowWhenSecondStarts = list.Status(0);
        return true;
    });
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kShortLimits, Settings(*quiet)), 0);
    EXPECT_EQ(firstRowWhenSecondStarts, QStringLiteral("No Response!"));
    EXPECT_EQ(list.Status(0), QStringLiteral("No Response!"));
    EXPECT_EQ(list.Status(1), QStringLiteral("OK"));
}

// A settings time-out near the 32-bit limit, with the margin on top, is a
// very long wait, not one that wraps round into an immediate "No Response!".
TEST_F(UpgradeTest, HugeSettingsTimeoutStillWaitsForTheAnswer) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(1)));
    const FirmwareUpgrade::Limits limits{std::numeric_limits<int32_t>::max() - 5, 300, 100, 10};
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), limits, Settings(*fleet)), 0);
    EXPECT_EQ(list.Status(0), QStringLiteral("OK"));
    EXPECT_EQ(list.Step(0), QStringLiteral("Update F/W"));
}

TEST_F(UpgradeTest, NoFtpAddressEndsInvalidIp) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(1)));
    list.Select(list.AddRow(fleet->Address(2)));
    CommandSettings settings = Settings(*fleet);
    settings.ReadRemoteFtp = [] { return CommandSettings::RemoteFtp{}; };
    EXPECT_EQ(FirmwareUpgrade::Run(nullptr, &list.view, FirmwarePath(), kShortLimits, settings), 0);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(list.Status(row), QStringLiteral("Invalid IP!"));
        EXPECT_TRUE(list.Step(row).isEmpty());
    }
}

TEST_F(UpgradeTest, RemoteFtpAccountIsToldToTheDevice) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(3)));
    CommandSettings settings = Settings(*fleet);
    int reads = 0;
    settings.ReadRemoteFtp = [&reads] {
        ++reads;
        return CommandSettings::RemoteFtp{QStringLiteral("127.0.0.9"), QStringLiteral("remote"), QStringLiteral("pw")};
    };
    EXPECT_EQ(FirmwareUpgrade::Run(nullptr, &list.view, QStringLiteral("/images/fw-remote.bin"), kLimits, settings), 0);
    EXPECT_EQ(reads, 1);
    // No server listens there: the device may refuse the firmware command
    // once its download has failed, so the row ends "OK" or with that error.
    EXPECT_TRUE(IsFinal(list.Status(0))) << list.Status(0).toStdString();
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(3), 10000));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(3), NxaOid("4.3.3.1.0"), SnmpSyntax::IpAddress), QStringLiteral("127.0.0.9"));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(3), NxaOid("4.3.3.3.0")), QStringLiteral("remote"));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(3), NxaOid("4.3.3.5.0")), QStringLiteral("fw-remote.bin"));
}

TEST_F(UpgradeTest, PathWithoutSlashIsTheRemoteFileNameAndKeepsTheHomeFolder) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(4)));
    QString before;
    ftp->GetHomeDir(QStringLiteral("nxa"), before);
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, QStringLiteral("image-without-folder.bin"), kLimits,
                                   Settings(*fleet)),
              0);
    EXPECT_TRUE(IsFinal(list.Status(0))) << list.Status(0).toStdString();   // there is no such file to fetch
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(4), 10000));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(4), NxaOid("4.3.3.5.0")), QStringLiteral("image-without-folder.bin"));
    QString after;
    ftp->GetHomeDir(QStringLiteral("nxa"), after);
    EXPECT_EQ(after, before);
}

TEST_F(UpgradeTest, NoQualifyingRowSendsNothing) {
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress(QStringLiteral("127.0.83.1")), 0));
    const QString address = QStringLiteral("127.0.83.1");
    DeviceListFixture list;
    list.AddRow(address);                                           // not selected
    list.Select(list.AddRow(address, QStringLiteral("NXA-9999")));  // another model
    list.Select(list.AddRow(address, QStringLiteral("NXA-7310"), QStringLiteral("Reset")));   // step not empty
    CommandSettings settings;
    settings.Port = listener.localPort();
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kLimits, settings), -1);
    EXPECT_EQ(UpgradeQueue::Current(), nullptr);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_FALSE(listener.hasPendingDatagrams());
    EXPECT_EQ(list.Status(0), QString());
    EXPECT_EQ(list.Status(1), QString());
    EXPECT_EQ(list.Step(2), QStringLiteral("Reset"));
    EXPECT_EQ(FirmwareUpgrade::Abort(), 0);   // no run
}

// Every device acknowledges the FTP settings of the first row, then the whole
// fleet stops answering, so the first row waits in the acknowledgement wait.
TEST_F(UpgradeTest, AbortDuringTheAcknowledgementWaitMarksEverySelectedRowNotOk) {
    DeviceListFixture list;
    for (int n = 5; n <= 7; ++n)
        list.Select(list.AddRow(fleet->Address(n)));
    list.Select(list.AddRow(fleet->Address(8), QStringLiteral("NXA-9999")));   // selected, never part of the run
    const int done = list.AddRow(fleet->Address(9), QStringLiteral("NXA-7310"), QStringLiteral("Update F/W"));
    list.Set(done, 7, QStringLiteral("OK"));
    list.Select(done);
    const pid_t sim = fleet->Pid();
    OnChange(list.model, [&] {
        if (list.Step(0) != QLatin1String("Update F/W:2"))
            return false;
        kill(sim, SIGSTOP);
        return true;
    });
    int aborts = 0;
    bool waiting = false;
    QTimer abortLater;
    abortLater.setSingleShot(true);
    QObject::connect(&abortLater, &QTimer::timeout, [&] {
        ++aborts;
        waiting = list.Status(0) == QLatin1String("..") && UpgradeQueue::Current() &&
                  UpgradeQueue::Current()->TimerActive();
        EXPECT_EQ(FirmwareUpgrade::Abort(), 1);
    });
    // Rows 2 and 3 time out in their FTP settings (1.2 s each); then the queue
    // waits for the first row's firmware command (5.2 s, while that request
    // would give up only after 10 s) and the host aborts in the middle of it.
    OnChange(list.model, [&] {
        if (list.Status(2) != QLatin1String("No Response!"))
            return false;
        abortLater.start(500);
        return true;
    });
    const FirmwareUpgrade::Limits limits{100, 500, 20, 10};
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), limits, Settings(*fleet)), 0);
    kill(sim, SIGCONT);
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(waiting);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(list.Status(row), QStringLiteral("Aborted!")) << row;
    EXPECT_EQ(list.Status(done), QStringLiteral("OK"));
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(5), 10000));
}

TEST_F(UpgradeTest, DevicesThatGoSilentAfterTheFirstStepEndWithAFinalStatus) {
    DeviceListFixture list;
    for (int n = 1; n <= 3; ++n)
        list.Select(list.AddRow(fleet->Address(n)));
    const pid_t sim = fleet->Pid();
    OnChange(list.model, [&] {
        if (list.Step(0) != QLatin1String("Update F/W:2"))
            return false;
        kill(sim, SIGSTOP);
        return true;
    });
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kShortLimits, Settings(*fleet)), 0);
    kill(sim, SIGCONT);
    // The first row waits for its firmware command; the others time out in
    // their FTP settings. Each ends with "No Response!" or the SNMP error of
    // its request, whichever comes first.
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(IsFinal(list.Status(row))) << row;
        EXPECT_NE(list.Status(row), QStringLiteral("OK")) << row;
    }
    EXPECT_EQ(list.Status(1), QStringLiteral("No Response!"));
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(1), 10000));
}

TEST_F(UpgradeTest, RowsWithMissingColumnsEndTheRun) {
    DeviceListFixture list({QStringLiteral("IP Address"), QStringLiteral("Model")});
    list.Select(list.AddRow(fleet->Address(1)));
    list.Select(list.AddRow(QString()));
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kShortLimits, Settings(*fleet)), 0);
    EXPECT_EQ(UpgradeQueue::Current(), nullptr);
    EXPECT_EQ(list.model.columnCount(), 2);
}

TEST_F(UpgradeTest, MissingFirmwareFileStillEndsEveryRow) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(2)));
    QString before;
    ftp->GetHomeDir(QStringLiteral("nxa"), before);
    EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, QStringLiteral("/no/such/folder/fw.bin"), kShortLimits,
                                   Settings(*fleet)),
              0);
    EXPECT_TRUE(IsFinal(list.Status(0))) << list.Status(0).toStdString();
    QString after;
    ftp->GetHomeDir(QStringLiteral("nxa"), after);
    EXPECT_EQ(after, before);   // the server refuses a folder that does not exist
}

TEST_F(UpgradeTest, AbortAtAnyMomentEndsTheRunWithFinalStatuses) {
    for (int delay : {0, 30, 120, 400, 900}) {
        DeviceListFixture list;
        for (int n = 1; n <= 3; ++n)
            list.Select(list.AddRow(quiet->Address(n)));
        QTimer::singleShot(delay, [] { FirmwareUpgrade::Abort(); });
        EXPECT_EQ(FirmwareUpgrade::Run(ftp, &list.view, FirmwarePath(), kShortLimits, Settings(*quiet)), 0);
        for (int row = 0; row < 3; ++row)
            EXPECT_TRUE(IsFinal(list.Status(row))) << "delay " << delay << " row " << row << " "
                                                   << list.Status(row).toStdString();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

TEST(UpgradeQueueTest, AwaitWithNoWaitingRowEndsAfterOnePump) {
    DeviceListFixture list;
    list.Select(list.AddRow(QStringLiteral("127.0.0.1")));
    list.Set(0, 7, QStringLiteral("OK"));
    UpgradeQueue queue(nullptr, &list.view, CommandSettings{});
    queue.Enqueue(UpgradeQueue::AwaitAcknowledgements, -1, 0, 100000, {QStringLiteral("..")});
    queue.Run();
    EXPECT_FALSE(queue.TimerActive());
    EXPECT_EQ(list.Status(0), QStringLiteral("OK"));
}

// Waits beyond what 32 bits hold in milliseconds run for the longest time a
// timer takes instead of wrapping into a timer that never starts.
TEST(UpgradeQueueTest, HugeWaitsKeepTheTimerRunning) {
    constexpr int kNineteenDays = 19 * 24 * 3600 * 1000;
    for (int wait : {300000000, std::numeric_limits<int>::max()}) {
        DeviceListFixture list;
        list.Select(list.AddRow(QStringLiteral("127.0.0.1")));
        UpgradeQueue queue(nullptr, &list.view, CommandSettings{});
        queue.Enqueue(UpgradeQueue::StartTimer, 0, 0, wait);
        queue.Run();
        EXPECT_TRUE(queue.TimerActive()) << wait;
        EXPECT_GT(queue.ResponseTimeLeft(), kNineteenDays) << wait;
        EXPECT_TRUE(list.Status(0).isEmpty()) << wait;
    }
}

TEST(UpgradeQueueTest, TimingArithmeticSaturates) {
    const int32_t max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(CommandTiming::SaturatedSum(max, 100), max);
    EXPECT_EQ(CommandTiming::SaturatedSum(max - 5, 3), max - 2);
    EXPECT_EQ(CommandTiming::SaturatedSum(std::numeric_limits<int32_t>::min(), -1), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(CommandTiming::TimerMilliseconds(-5), 0);
    EXPECT_EQ(CommandTiming::TimerMilliseconds(150), 1500);
    EXPECT_EQ(CommandTiming::TimerMilliseconds(max), 20 * 24 * 3600 * 1000);
    CommandTiming::SetScalePercent(1000);
    EXPECT_EQ(CommandTiming::Scaled(max), max);
    CommandTiming::SetScalePercent(100);
}

TEST(UpgradeQueueTest, TimerOfRowZeroMarksRowZero) {
    DeviceListFixture list;
    list.Select(list.AddRow(QStringLiteral("127.0.0.1")));
    list.Set(0, 7, QStringLiteral(".."));
    UpgradeQueue queue(nullptr, &list.view, CommandSettings{});
    queue.Enqueue(UpgradeQueue::StartTimer, 0, 0, 5);
    queue.Enqueue(UpgradeQueue::Sleep, -1, 0, 1);
    queue.Run();
    EXPECT_EQ(list.Status(0), QStringLiteral("No Response!"));
}

TEST(UpgradeQueueTest, PromoteCountAndAbortAtCount) {
    DeviceListFixture list;
    list.Select(list.AddRow(QStringLiteral("127.0.0.1")));
    list.Select(list.AddRow(QStringLiteral("127.0.0.2")));
    list.Set(0, 7, QStringLiteral(".."));
    list.Set(1, 7, QStringLiteral("....."));
    UpgradeQueue queue(nullptr, &list.view, CommandSettings{});
    queue.Enqueue(UpgradeQueue::PromoteStatus, 0, 0, 0, {QStringLiteral(".."), QStringLiteral(".....")});
    queue.Enqueue(UpgradeQueue::SetRetryText, 1, 0, 0, {QStringLiteral("2")});
    queue.Enqueue(UpgradeQueue::AbortAtCount, -1, 0, 0, {QStringLiteral("1")});
    queue.Enqueue(UpgradeQueue::SetRetryText, 0, 0, 0, {QStringLiteral("never")});
    queue.Run();
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_EQ(list.Status(0), QStringLiteral("....."));
    EXPECT_EQ(list.Get(1, 8), QStringLiteral("2"));
    EXPECT_EQ(list.Get(0, 8), QString());
    EXPECT_EQ(queue.InProgress(), 1);
}

}  // namespace
