// Start-up of the SNMP layer and its boot counter file. Each case runs in a
// process of its own (death-test style isolation is not needed: the layer
// is started and stopped cleanly between cases).
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSession.h"
#include "snmp/SnmpSyntax.h"
#include <functional>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString CounterFile(const QTemporaryDir& dir) { return dir.filePath("ZrSNMP_PP_BootCounter"); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SnmpSession, BootCounterCountsStarts) {
    QTemporaryDir dir;
    SnmpSession::StartSnmp(dir.path());
    EXPECT_EQ(SnmpSession::BootCounter(), 1);
    SnmpSession::StopSnmp();
    SnmpSession::StartSnmp(dir.path() + "/");
    EXPECT_EQ(SnmpSession::BootCounter(), 2);
    SnmpSession::StopSnmp();
    EXPECT_TRUE(ReadAll(CounterFile(dir)).contains("ZrSNMP_PP_Application 2"));
}

TEST(SnmpSession, DefaultTargetAfterStart) {
    QTemporaryDir dir;
    SnmpSession::StartSnmp(dir.path());
    const DeviceTarget t = SnmpSession::DefaultTarget();
    EXPECT_EQ(t.Address, "127.0.0.1");
    EXPECT_EQ(t.Port, 161);
    EXPECT_EQ(t.Version, 0);
    EXPECT_EQ(t.ReadCommunity, "public");
    EXPECT_EQ(t.WriteCommunity, "private");
    EXPECT_EQ(t.Timeout, 100);
    EXPECT_EQ(t.Retries, 1);
    EXPECT_EQ(t.SecurityLevel, 1);
    EXPECT_EQ(t.AuthProtocol, 1);
    EXPECT_EQ(t.PrivProtocol, 1);
    SnmpSession::StopSnmp();
}

TEST(SnmpSession, DamagedCounterFileFailsWithLoadError) {
    QTemporaryDir dir;
    QFile f(CounterFile(dir));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage-without-number\n");
    f.close();
    try {
        SnmpSession::StartSnmp(dir.path());
        FAIL();
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -507);
        EXPECT_EQ(e.Text(), "(ZrSNMP++) Error when loading SNMP engine boots counter!");
    }
    EXPECT_FALSE(SnmpSession::IsStarted());
}

TEST(SnmpSession, CounterOfAnotherEngineIsKept) {
    QTemporaryDir dir;
    QFile f(CounterFile(dir));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("OtherEngine 41\n");
    f.close();
    SnmpSession::StartSnmp(dir.path());
    SnmpSession::StopSnmp();
    const QByteArray content = ReadAll(CounterFile(dir));
    EXPECT_TRUE(content.contains("OtherEngine 41"));
    EXPECT_TRUE(content.contains("ZrSNMP_PP_Application 1"));
}

TEST(SnmpSession, UnwritableFolderFailsWithSaveError) {
    try {
        SnmpSession::StartSnmp("/proc/no-such-folder");
        FAIL();
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -508);
    }
    EXPECT_FALSE(SnmpSession::IsStarted());
}

// After a failed start every request reports that failure, blocking or not,
// until a later start succeeds.
TEST(SnmpSession, RequestsReportTheFailedStartUntilAStartSucceeds) {
    static const MibVariable kDescription[] = {
        {"1.3.6.1.2.1.1.4", "sysContact", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr,
         nullptr},
        MIB_TABLE_END,
    };
    QTemporaryDir dir;
    QFile f(CounterFile(dir));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage-without-number\n");
    f.close();
    EXPECT_THROW(SnmpSession::StartSnmp(dir.path()), CZRException);
    SnmpRequest request;
    request.Variables = MibVariableList(kDescription, MibVariableList::SVT_SV);
    auto expectStartFailure = [](const std::function<void()>& call, const char* what) {
        try {
            call();
            ADD_FAILURE() << what << " did not fail";
        } catch (const CZRException& e) {
            EXPECT_EQ(e.Number(), -507) << what;
            EXPECT_EQ(e.Text(), "(ZrSNMP++) Error when loading SNMP engine boots counter!") << what;
        }
    };
    expectStartFailure([&] { request.Read(true); }, "Read");
    expectStartFailure([&] { request.Write(); }, "Write");
    expectStartFailure([&] { request.ReadAsync({}, true); }, "ReadAsync");
    expectStartFailure([] { SnmpSession::ThrowIfNotStarted(); }, "ThrowIfNotStarted");

    ASSERT_TRUE(QFile::remove(CounterFile(dir)));
    SnmpSession::StartSnmp(dir.path());
    EXPECT_NO_THROW(SnmpSession::ThrowIfNotStarted());
    SnmpSession::StopSnmp();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
