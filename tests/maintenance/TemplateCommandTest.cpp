// Command 9: a template applied to a simulated device from a worker thread of
// its own, reported with "OVER" and the five fields.
#include "DeviceListFixture.h"
#include "Fleet.h"
#include "maintenance/CommandApi.h"
#include "maintenance/TemplateCommand.h"
#include "snmp/CZRException.h"
#include "templates/TemplateApplier.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
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
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        {
            std::lock_guard<std::mutex> lock(report.Mutex);
            if (report.Calls >= calls)
                return true;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return false;
}

class TemplateCommandTest : public testing::Test {
protected:
    static void SetUpTestSuite() { fleet = new Fleet(QStringLiteral("127.0.86.1"), 2); }
    static void TearDownTestSuite() { delete fleet; }
    void SetUp() override {
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        port = fleet->Port();
        // The module binds this to PlugSetConfigFile; here the same applier runs directly.
        TemplateCommand::SetApplier([this](const char* address, const char* keyFile, uint32_t flags, TemplateJob*) {
            applierThread = std::this_thread::get_id();
            DeviceTarget target;
            target.Address = QString::fromUtf8(address);
            target.Port = port;
            target.Timeout = 100;
            TemplateApplier applier(target, [](const QString&) {});
            applier.Apply(QString::fromUtf8(keyFile), flags);
        });
    }
    void TearDown() override {
        EXPECT_TRUE(TemplateCommand::WaitForWorkers(60000));
        TemplateCommand::SetApplier({});
    }

    QString KeyFile(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("template.key"));
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
                      reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
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
                      reinterpret_cast<uintptr_t>(&report), reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
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
                      reinterpret_cast<uintptr_t>(&first), reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
    CommandApi::Start(CommandApi::ApplyTemplate, fleet->Address(2), QStringLiteral("t|") + key,
                      reinterpret_cast<uintptr_t>(&second), reinterpret_cast<void*>(&ReportCallback), CommandSettings{});
    ASSERT_TRUE(WaitCalls(first, 1));
    ASSERT_TRUE(WaitCalls(second, 1));
    ASSERT_TRUE(TemplateCommand::WaitForWorkers(60000));
    EXPECT_EQ(fleet->Read(fleet->Address(1), NxaOid("4.1.1.1.2.1")), QStringLiteral("both"));
    EXPECT_EQ(fleet->Read(fleet->Address(2), NxaOid("4.1.1.1.2.1")), QStringLiteral("both"));
}

TEST(TemplateCommandFields, LongFieldsAreCutToTheirSlots) {
    Report report;
    TemplateCommand::SetApplier([](const char*, const char*, uint32_t, TemplateJob*) {});
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
