// The one-shot device commands and the asynchronous command interface
// against simulated devices.
#include "DeviceListFixture.h"
#include "Fleet.h"
#include "host/AP_PlugIn.h"
#include "maintenance/CommandApi.h"
#include "maintenance/CommandTiming.h"
#include "maintenance/SystemCommand.h"
#include "servers/FtpServer.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

const QString kSysLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");

bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
    return EventWait::Until(done, ms);
}

struct Answer {
    int Calls = 0;
    int Status = -1;
    QString Message;
    bool HasMessage = false;
    QString DeviceIp;
    QString Extra;
    QString ModelName;
    QString Text;
    std::vector<QStringList> Rows;
    std::vector<QStringList> Probe;
    uintptr_t Context = 0;

    void Take(const CmdResult* r, uintptr_t context) {
        ++Calls;
        Status = r->Status;
        HasMessage = r->Message != nullptr;
        Message = QString::fromUtf8(r->Message ? r->Message : "");
        DeviceIp = QString::fromUtf8(r->DeviceIp ? r->DeviceIp : "");
        Extra = QString::fromUtf8(r->Extra ? r->Extra : "");
        ModelName = QString::fromUtf8(r->ModelName ? r->ModelName : "");
        Context = context;
    }
};

// The callbacks find their record through the context word.
void TextCallback(CmdResult* r, const char* text, uintptr_t context) {
    auto* a = reinterpret_cast<Answer*>(context);
    a->Take(r, context);
    a->Text = QString::fromUtf8(text ? text : "");
}

void RowsCallback(int32_t zero, CmdResult* r, int32_t count, RogueApRecord** rows, uintptr_t context) {
    auto* a = reinterpret_cast<Answer*>(context);
    EXPECT_EQ(zero, 0);
    a->Take(r, context);
    a->Rows.clear();
    for (int i = 0; i < count; ++i) {
        const RogueApRecord* x = rows[i];
        a->Rows.push_back({x->Type, x->Channel, x->Bssid, x->Security, x->Mode, x->Ssid, x->Signal});
    }
}

void ProbeCallback(CmdResult* r, const ProbeList* list, uintptr_t context) {
    auto* a = reinterpret_cast<Answer*>(context);
    a->Take(r, context);
    for (int i = 0; i < list->Count; ++i)
        a->Probe.push_back({list->Variables[i].Oid, list->Variables[i].Name, list->Variables[i].Value});
}

class CommandTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // The devices fetch and store their files through this server.
        ftp = new FtpServer;
        ftp->Listen(QHostAddress::LocalHost, 0);
        fleet = new Fleet(QStringLiteral("127.0.84.1"), 6,
                          {QStringLiteral("--restart-time"), QStringLiteral("400"), QStringLiteral("--reset-time"),
                           QStringLiteral("400"), QStringLiteral("--silent"), QStringLiteral("6"),
                           QStringLiteral("--ftp-port"), QString::number(ftp->Port())});
    }
    static void TearDownTestSuite() {
        delete fleet;
        delete ftp;
        CommandTiming::SetScalePercent(100);
    }
    void SetUp() override {
        // The commands' own time-outs (up to 200 s) shortened for silent devices.
        CommandTiming::SetScalePercent(5);
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        settings.Port = fleet->Port();
    }

    void Write(const QString& address, const QString& oid, int syntax, const QString& value) {
        SnmpRequest r;
        r.Address = address;
        r.Port = fleet->Port();
        r.Variables.Add(oid, QStringLiteral("v"), syntax, SnmpAccess::ReadWrite);
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Entry(0).Value = value;
        r.Write();
    }

    // The device's uptime in ticks (-1 when it does not answer).
    long long Uptime(const QString& address) {
        const QString text = fleet->ReadWhenUp(address, QStringLiteral("1.3.6.1.2.1.1.3.0"), SnmpSyntax::TimeTicks);
        bool ok = false;
        const long long ticks = text.toLongLong(&ok);
        return ok ? ticks : -1;
    }
    // Whether `action` restarted the device: its uptime starts again.
    bool Restarts(const QString& address, const std::function<void()>& action) {
        // Up for at least 3 s first, longer than a restart takes here.
        QDeadlineTimer settle(20000);
        while (Uptime(address) < 300 && !settle.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const long long before = Uptime(address);
        action();
        if (!fleet->WaitAnswering(address, 10000))
            return false;
        const long long after = Uptime(address);
        return before >= 300 && after >= 0 && after < before;
    }

    static Fleet* fleet;
    static FtpServer* ftp;
    CommandSettings settings;
};

Fleet* CommandTest::fleet = nullptr;
FtpServer* CommandTest::ftp = nullptr;

TEST_F(CommandTest, RestartReachesTheDevice) {
    const QString address = fleet->Address(1);
    ASSERT_TRUE(fleet->WaitAnswering(address, 10000));
    EXPECT_TRUE(Restarts(address, [&] { SystemCommand::Send(address, SystemCommand::Restart, settings); }));
}

TEST_F(CommandTest, FactoryDefaultReachesTheDevice) {
    const QString address = fleet->Address(2);
    Write(address, kSysLocation, SnmpSyntax::DisplayString, QStringLiteral("Room 42"));
    ASSERT_EQ(fleet->Read(address, kSysLocation), QStringLiteral("Room 42"));
    SystemCommand::Send(address, SystemCommand::FactoryDefault, settings);
    ASSERT_TRUE(fleet->WaitAnswering(address, 10000));
    EXPECT_NE(fleet->Read(address, kSysLocation), QStringLiteral("Room 42"));
}

TEST_F(CommandTest, ApplyKeepsTheSettingsOverADiscard) {
    const QString address = fleet->Address(3);
    const QString discard = NxaOid("4.3.4.0");
    Write(address, kSysLocation, SnmpSyntax::DisplayString, QStringLiteral("Applied hall"));
    SystemCommand::Send(address, SystemCommand::ApplySettings, settings);
    Write(address, kSysLocation, SnmpSyntax::DisplayString, QStringLiteral("Not applied"));
    Write(address, discard, SnmpSyntax::Integer, QStringLiteral("1"));
    EXPECT_EQ(fleet->ReadWhenUp(address, kSysLocation), QStringLiteral("Applied hall"));
}

TEST_F(CommandTest, OtherSystemCommandNumbersSendNothing) {
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress(QStringLiteral("127.0.85.1")), 0));
    CommandSettings s;
    s.Port = listener.localPort();
    for (int command : {0, 4, -1, 99})
        SystemCommand::Send(QStringLiteral("127.0.85.1"), command, s);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_FALSE(listener.hasPendingDatagrams());
}

TEST_F(CommandTest, SystemCommandToASilentDeviceRaises) {
    settings.ReadCommunity = QStringLiteral("public");
    EXPECT_THROW(SystemCommand::Send(fleet->Address(6), SystemCommand::ApplySettings, settings), CZRException);
}

TEST_F(CommandTest, FirmwareVersion) {
    Answer a;
    CommandApi::Start(CommandApi::FirmwareVersion, fleet->Address(1), {}, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&TextCallback), settings);
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(1), 10000));
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(a.Text, QStringLiteral("1.10"));
    EXPECT_EQ(a.DeviceIp, fleet->Address(1));
    EXPECT_FALSE(a.HasMessage);
}

TEST_F(CommandTest, FirmwareVersionOfASilentDeviceFails) {
    Answer a;
    settings.ReadCommunity = QStringLiteral("public");
    CommandApi::Start(CommandApi::FirmwareVersion, fleet->Address(6), {}, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&TextCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }, 60000));
    EXPECT_EQ(a.Status, 1);
    EXPECT_FALSE(a.Message.isEmpty());
    EXPECT_EQ(a.DeviceIp, fleet->Address(6));
}

TEST_F(CommandTest, ProbeGivesTheSystemGroupShapeWithMacAndParameter) {
    Answer a;
    const QString parameter = QStringLiteral("probe-parameter");
    CommandApi::Start(CommandApi::Probe, fleet->Address(4), parameter, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&ProbeCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(a.Extra, parameter);
    ASSERT_EQ(a.Probe.size(), 8u);
    EXPECT_EQ(a.Probe[0][0], QStringLiteral("1.3.6.1.2.1.1.1.0"));
    EXPECT_EQ(a.Probe[5][0], QStringLiteral("1.3.6.1.2.1.1.6.0"));
    EXPECT_EQ(a.Probe[6][0], QStringLiteral("1.3.6.1.2.1.2.2.1.6.1"));
    EXPECT_EQ(a.Probe[6][2], fleet->ReadWhenUp(fleet->Address(4), NxaOid("2.1.1.1.1.5.1"), SnmpSyntax::MacAddress));
    EXPECT_EQ(a.Probe[6][2].size(), 12);
    EXPECT_EQ(a.Probe[7][2], parameter);
}

TEST_F(CommandTest, ProbeParameterIsBoundedByItsSlot) {
    Answer a;
    const QString parameter(300, QLatin1Char('p'));
    CommandApi::Start(CommandApi::Probe, fleet->Address(4), parameter, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&ProbeCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }));
    ASSERT_EQ(a.Probe.size(), 8u);
    EXPECT_EQ(a.Probe[7][2], QString(254, QLatin1Char('p')));
}

TEST_F(CommandTest, RogueSurveyRows) {
    Answer a;
    CommandApi::Start(CommandApi::RogueSurvey, fleet->Address(5), {}, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&RowsCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(a.DeviceIp, fleet->Address(5));
    EXPECT_EQ(a.ModelName, QStringLiteral("NXA-7310"));
    ASSERT_FALSE(a.Rows.empty());
    for (const QStringList& row : a.Rows) {
        ASSERT_EQ(row.size(), 7);
        EXPECT_EQ(row[3], QStringLiteral("Not Suport"));
        EXPECT_EQ(row[6], QStringLiteral("(Not Suport) 0"));
        EXPECT_EQ(row[2].size(), 12) << row.join(QLatin1Char(',')).toStdString();
        // The mode as its value-map text where the map has the device's number.
        EXPECT_FALSE(QStringList({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")})
                         .contains(row[4]))
            << row[4].toStdString();
    }
    // The first row is the device's first survey entry.
    const QString firstSsid = fleet->Read(fleet->Address(5), NxaOid("3.4.4.4.1.9.1"));
    EXPECT_EQ(a.Rows.front()[5], firstSsid);
}

TEST_F(CommandTest, RogueSurveyOfASilentDeviceReportsTheFailure) {
    Answer a;
    CommandApi::Start(CommandApi::RogueSurvey, fleet->Address(6), {}, reinterpret_cast<uintptr_t>(&a),
                      reinterpret_cast<void*>(&RowsCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }, 90000));
    EXPECT_EQ(a.Status, 1);
    EXPECT_FALSE(a.Message.isEmpty());
    EXPECT_TRUE(a.Rows.empty());
}

TEST_F(CommandTest, BackupTellsTheDeviceToPutAddressDcfIntoTheFolder) {
    QTemporaryDir home, backups;
    ASSERT_TRUE(ftp->AddAccount(QStringLiteral("nxa"), QStringLiteral("secret"), home.path()));
    settings.FtpServer = ftp;
    const QString address = fleet->Address(4);
    Answer a;
    CommandApi::Start(CommandApi::Backup, address, QStringLiteral("255.0.0.0|") + backups.path() + QLatin1Char('/'),
                      reinterpret_cast<uintptr_t>(&a), reinterpret_cast<void*>(&RowsCallback), settings);
    const QString file = backups.filePath(address + QStringLiteral(".dcf"));
    ASSERT_TRUE(WaitFor([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(a.Message, QStringLiteral("OK!"));
    EXPECT_EQ(a.DeviceIp, address);
    QString folder;
    ftp->GetHomeDir(QStringLiteral("nxa"), folder);
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(backups.path()).canonicalPath());
    EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.5.0")), address + QStringLiteral(".dcf"));
    EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.1.0"), SnmpSyntax::IpAddress), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.3.0")), QStringLiteral("nxa"));
    // The device stores the backup after it answered.
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(file).size() > 0; }, 20000)) << file.toStdString();
    QFile dcf(file);
    ASSERT_TRUE(dcf.open(QIODevice::ReadOnly));
    // A short header, then the gzip-packed configuration.
    EXPECT_TRUE(dcf.read(64).contains("\x1f\x8b")) << "a device backup";
}

TEST_F(CommandTest, DownloadAndFirmwareUpdateStartAndRestart) {
    QTemporaryDir home;
    ASSERT_TRUE(ftp->AddAccount(QStringLiteral("nxa"), QStringLiteral("secret"), home.path()));
    // The device fetches this file; a file that is not there fails the download.
    QFile image(home.filePath(QStringLiteral("cert.pem")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write("version=1.11\n");
    image.close();
    settings.FtpServer = ftp;
    const QString address = fleet->Address(3);
    Answer download, update, restart;
    CommandApi::Start(CommandApi::Download, address, QStringLiteral("255.0.0.0|") + home.filePath(QStringLiteral("cert.pem")),
                      reinterpret_cast<uintptr_t>(&download), reinterpret_cast<void*>(&TextCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return download.Calls > 0; }));
    EXPECT_EQ(download.Status, 0);
    EXPECT_EQ(download.Text, QString());
    EXPECT_EQ(fleet->ReadWhenUp(address, NxaOid("4.3.3.5.0")), QStringLiteral("cert.pem"));

    CommandApi::Start(CommandApi::StartFirmwareUpdate, address, {}, reinterpret_cast<uintptr_t>(&update),
                      reinterpret_cast<void*>(&TextCallback), settings);
    ASSERT_TRUE(WaitFor([&] { return update.Calls > 0; }));
    EXPECT_EQ(update.Status, 0);
    EXPECT_EQ(update.ModelName, QStringLiteral("NXA-7310"));
    ASSERT_TRUE(fleet->WaitAnswering(address, 10000));

    EXPECT_TRUE(Restarts(address, [&] {
        CommandApi::Start(CommandApi::Restart, address, {}, reinterpret_cast<uintptr_t>(&restart),
                          reinterpret_cast<void*>(&TextCallback), settings);
        ASSERT_TRUE(WaitFor([&] { return restart.Calls > 0; }));
    }));
    EXPECT_EQ(restart.Status, 0);
    EXPECT_EQ(restart.DeviceIp, address);
}

TEST_F(CommandTest, ASecondRestartTakesOverTheCallback) {
    Answer first, second;
    const QString address = fleet->Address(2);
    ASSERT_TRUE(fleet->WaitAnswering(address, 10000));
    auto other = [](CmdResult* r, const char*, uintptr_t context) {
        reinterpret_cast<Answer*>(context)->Take(r, context);
        reinterpret_cast<Answer*>(context)->Text = QStringLiteral("second");
    };
    CommandApi::Start(CommandApi::Restart, address, {}, reinterpret_cast<uintptr_t>(&first),
                      reinterpret_cast<void*>(&TextCallback), settings);
    CommandApi::Start(CommandApi::Restart, fleet->Address(1), {}, reinterpret_cast<uintptr_t>(&second),
                      reinterpret_cast<void*>(+other), settings);
    ASSERT_TRUE(WaitFor([&] { return first.Calls + second.Calls >= 2; }));
    // Both completions go to the callback handed in last, each with its own context.
    EXPECT_EQ(first.Text, QStringLiteral("second"));
    EXPECT_EQ(second.Text, QStringLiteral("second"));
    EXPECT_TRUE(fleet->WaitAnswering(address, 10000));
    EXPECT_TRUE(fleet->WaitAnswering(fleet->Address(1), 10000));
}

TEST_F(CommandTest, OtherCommandNumbersDoNothing) {
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress(QStringLiteral("127.0.85.2")), 0));
    CommandSettings s;
    s.Port = listener.localPort();
    Answer a;
    for (int command : {1, 4, 10, -1})
        CommandApi::Start(command, QStringLiteral("127.0.85.2"), {}, reinterpret_cast<uintptr_t>(&a),
                          reinterpret_cast<void*>(&TextCallback), s);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_FALSE(listener.hasPendingDatagrams());
    EXPECT_EQ(a.Calls, 0);
}

}  // namespace
