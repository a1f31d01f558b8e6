// Command 9: a template applied to a simulated device from a worker thread of
// its own, reported with "OVER" and the five fields.
#include "DeviceListFixture.h"
#include "Fleet.h"
#include "maintenance/CommandApi.h"
#include "maintenance/TemplateCommand.h"
#include "snmp/CZRException.h"
#include "templates/TemplateApplier.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

struct Report {
    std::mutex Mutex;
    int Calls = 0;
    int Status = -1;
    QString Message;
    QString Address;
    QString Text;
    QStringList Reports;
    std::thread::id Thread;
};

void ReportCallback(CmdResult* r, const char* text, uintptr_t context) {
    auto* report = reinterpret_cast<Report*>(context);
    std::lock_guard<std::mutex> lock(report->Mutex);
    ++report->Calls;
    report->Status = r->Status;
    report->Message = QString::fromUtf8(r->Message ? r->Message : "");
    report->Address = QString::fromUtf8(r->DeviceIp ? r->DeviceIp : "");
    report->Text = QString::fromUtf8(text ? text : "");
    report->Reports << report->Text;
    report->Thread = std::this_thread::get_id();
}

bool WaitCalls(Report& report, int calls, int ms = 60000) {
    return EventWait::Until(
        [&] {
            std::lock_guard<std::mutex> lock(report.Mutex);
            return report.Calls >= calls;
        },
        ms);
}

class TemplateCommandTest : public testing::Test {
protected:
    static void SetUpTestSuite() { fleet = new Fleet(QStringLiteral("127.0.86.1"), 2); }
    static void TearDownTestSuite() { delete fleet; }
    void SetUp() override {
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        port = fleet->Port();
        // The module binds this to its template application; here the same applier runs directly.
        TemplateCommand::SetApplier([this](const DeviceTarget& target, const QString& keyFile, uint32_t flags,
                                           TemplateJob*) {
            applierThread = std::this_thread::get_id();
            TemplateApplier applier(target, [](const QString&) {});
            applier.Apply(keyFile, flags);
        });
    }
    void TearDown() override {
        EXPECT_TRUE(TemplateCommand::WaitForWorkers(60000));
        TemplateCommand::SetApplier({});
    }

    CommandSettings Settings() const {
        CommandSettings s;
        s.Port = port;
        return s;
    }

    QString KeyFile(const QByteArray& text, const QString& path = {}) {
        const QString file = path.isEmpty() ? dir.filePath(QStringLiteral("template.key")) : path;
        return WriteKey(file, text);
    }
    static QString WriteKey(const QString& path, const QByteArray& text) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }

    static Fleet* fleet;
    uint16_t port = 0;
    std::atomic<std::thread::id> applierThread{};
    QTemporaryDir dir;
};

Fleet* TemplateCommandTest::fleet = nullptr;

TEST_F(TemplateCommandTest, AppliesTheTemplateOnAWorkerAndReportsOver) {
    const QString address = fleet->Address(1);
    const QString key = KeyFile("SYS_Username=fleetop\nSYS_Password=fleet-pw\n");
    Report report;
    CommandApi::Start(CommandApi::ApplyTemplate, address + QStringLiteral("|Lobby AP|00AA00000001"),
                      QStringLiteral("Office template|") + key, reinterpret_cast<uintptr_t>(&report),
                      reinterpret_cast<void*>(&ReportCallback), Settings());
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    std::lock_guard<std::mutex> lock(report.Mutex);
    EXPECT_EQ(report.Status, 0);
    EXPECT_EQ(report.Message, QStringLiteral("OK"));
    EXPECT_EQ(report.Address, address);
    EXPECT_EQ(report.Text, QStringLiteral("OVER|%1|Lobby AP|00AA00000001|Office template|%2").arg(address, key));
    EXPECT_NE(report.Thread, std::this_thread::get_id());
    EXPECT_EQ(applierThread.load(), report.Thread);
    EXPECT_EQ(fleet->Read(address, NxaOid("4.1.1.1.2.1")), QStringLiteral("fleetop"));
}

TEST_F(TemplateCommandTest, AFailedApplicationReportsItsErrorNumber) {
    Report report;
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(2) + QStringLiteral("||"),
                      QStringLiteral("x|") + dir.filePath(QStringLiteral("missing.key")),
                      reinterpret_cast<uintptr_t>(&report), reinterpret_cast<void*>(&ReportCallback), Settings());
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    std::lock_guard<std::mutex> lock(report.Mutex);
    EXPECT_NE(report.Status, 0);
    EXPECT_FALSE(report.Message.isEmpty());
    EXPECT_TRUE(report.Text.startsWith(QStringLiteral("OVER|") + fleet->Address(2) + QStringLiteral("|||x|")));
}

TEST_F(TemplateCommandTest, SeveralDevicesAtOnce) {
    const QString key = KeyFile("SYS_Username=both\n");
    Report first, second;
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(1), QStringLiteral("t|") + key,
                      reinterpret_cast<uintptr_t>(&first), reinterpret_cast<void*>(&ReportCallback), Settings());
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(2), QStringLiteral("t|") + key,
                      reinterpret_cast<uintptr_t>(&second), reinterpret_cast<void*>(&ReportCallback), Settings());
    ASSERT_TRUE(WaitCalls(first, 1));
    ASSERT_TRUE(WaitCalls(second, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    EXPECT_EQ(fleet->Read(fleet->Address(1), NxaOid("4.1.1.1.2.1")), QStringLiteral("both"));
    EXPECT_EQ(fleet->Read(fleet->Address(2), NxaOid("4.1.1.1.2.1")), QStringLiteral("both"));
}

// A key file whose path is longer than the record's slot (and not ASCII) is
// still found and applied.
TEST_F(TemplateCommandTest, KeyFileBeyondItsSlotIsApplied) {
    QString folder = dir.path();
    const QString part = QStringLiteral("Vorlagen für die Geräte im Erdgeschoß und im Dachgeschoß");
    while (folder.toUtf8().size() < 600) {
        folder += QLatin1Char('/') + part;
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    const QString key = WriteKey(folder + QStringLiteral("/Übersicht.key"), "SYS_Username=deepfolder\n");
    ASSERT_GT(key.toUtf8().size(), 600);
    Report report;
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(1), QStringLiteral("t|") + key,
                      reinterpret_cast<uintptr_t>(&report), reinterpret_cast<void*>(&ReportCallback), Settings());
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    std::lock_guard<std::mutex> lock(report.Mutex);
    EXPECT_EQ(report.Status, 0) << report.Message.toStdString();
    EXPECT_EQ(report.Message, QStringLiteral("OK"));
    EXPECT_EQ(fleet->Read(fleet->Address(1), NxaOid("4.1.1.1.2.1")), QStringLiteral("deepfolder"));
}

// The target is taken when the command starts: settings changed afterwards
// (here a port where nothing answers) do not reach the worker.
TEST_F(TemplateCommandTest, TargetIsTakenWhenTheCommandStarts) {
    const QString key = KeyFile("SYS_Username=takenatstart\n");
    CommandSettings settings = Settings();
    settings.SnmpTimeout = 150;
    const DeviceTarget expected = TemplateCommand::TargetFor(fleet->Address(2), settings);
    DeviceTarget seen;
    std::mutex seenMutex;
    TemplateCommand::SetApplier([&](const DeviceTarget& target, const QString& keyFile, uint32_t flags, TemplateJob*) {
        {
            std::lock_guard<std::mutex> lock(seenMutex);
            seen = target;
        }
        TemplateApplier applier(target, [](const QString&) {});
        applier.Apply(keyFile, flags);
    });
    Report report;
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(2) + QStringLiteral("|x|y"), QStringLiteral("t|") + key,
                      reinterpret_cast<uintptr_t>(&report), reinterpret_cast<void*>(&ReportCallback), settings);
    settings.Port = 9;
    settings.WriteCommunity = QStringLiteral("changed");
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    std::lock_guard<std::mutex> lock(seenMutex);
    EXPECT_EQ(seen.Address, fleet->Address(2));
    EXPECT_EQ(seen.Port, port);
    EXPECT_EQ(seen.Timeout, 150);
    EXPECT_EQ(seen.WriteCommunity, QStringLiteral("private"));
    EXPECT_EQ(seen.Address, expected.Address);
    EXPECT_EQ(report.Status, 0);
    EXPECT_EQ(fleet->Read(fleet->Address(2), NxaOid("4.1.1.1.2.1")), QStringLiteral("takenatstart"));
}

TEST(TemplateCommandFields, TheApplierGetsTheWholeKeyFilePath) {
    Report report;
    QString seen;
    std::mutex seenMutex;
    TemplateCommand::SetApplier([&](const DeviceTarget&, const QString& keyFile, uint32_t, TemplateJob*) {
        std::lock_guard<std::mutex> lock(seenMutex);
        seen = keyFile;
    });
    // Two-byte characters behind six bytes: the 509 bytes of the slot end inside the 252nd.
    const QString path = QStringLiteral("/keys/") + QString(300, QChar(0x00E4)) + QStringLiteral(".key");
    CommandApi::Start(CommandApi::ApplyTemplate, QStringLiteral("127.0.0.1"), QStringLiteral("t|") + path,
                      reinterpret_cast<uintptr_t>(&report), reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    TemplateCommand::SetApplier({});
    std::lock_guard<std::mutex> lock(seenMutex);
    EXPECT_EQ(seen, path);
    // The report keeps what fits of the path in its slot, whole characters only.
    const QString reported = report.Text.section(QLatin1Char('|'), 5);
    EXPECT_FALSE(reported.contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(path.startsWith(reported));
    EXPECT_EQ(reported.toUtf8().size(), 6 + 251 * 2);
}

TEST(TemplateCommandFields, LongFieldsAreCutToTheirSlots) {
    Report report;
    TemplateCommand::SetApplier([](const DeviceTarget&, const QString&, uint32_t, TemplateJob*) {});
    const QString longText(600, QLatin1Char('z'));
    CommandApi::Start(CommandApi::ApplyTemplate, longText + QLatin1Char('|') + longText + QLatin1Char('|') + longText,
                      longText + QLatin1Char('|') + longText, reinterpret_cast<uintptr_t>(&report),
                      reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
    ASSERT_TRUE(WaitCalls(report, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    TemplateCommand::SetApplier({});
    const QStringList fields = report.Text.split(QLatin1Char('|'));
    ASSERT_EQ(fields.size(), 6);
    EXPECT_EQ(fields[1].size(), 299);
    EXPECT_EQ(fields[2].size(), 299);
    EXPECT_EQ(fields[3].size(), 254);
    EXPECT_EQ(fields[4].size(), 254);
    EXPECT_EQ(fields[5].size(), 509);
}

}  // namespace
