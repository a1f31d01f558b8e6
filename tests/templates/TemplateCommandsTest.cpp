// aerodesk parse, export and apply, loading AP_PlugIn.plx, against the simulated fleet.
#include "BackupFixture.h"
#include "SimulatedFleet.h"
#include "TemplateDeviceOids.h"
#include "snmp/SnmpSyntax.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int Code = -1;
    QString Out;
    QString Err;
};

CommandRun Aerodesk(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NXA_AERODESK_BINARY), arguments);
    CommandRun run;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = QString::fromUtf8(p.readAllStandardOutput());
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

class TemplateCommands : public testing::Test {
public:
    static void SetUpTestSuite() { started_ = fleet_.Start(QStringLiteral("127.0.26.1"), 6); }
    static void TearDownTestSuite() { fleet_.Stop(); }

protected:
    void SetUp() override { ASSERT_TRUE(started_); }
    QStringList DeviceArgs() const { return {"--port", QString::number(fleet_.Target(1).Port), "--timeout", "100"}; }
    QString Write(const QString& name, const QByteArray& text) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(WriteFileBytes(path, text));
        return path;
    }
    QString Text(int device, const char* oid) { return fleet_.Get(device, oid, SnmpSyntax::DisplayString); }
    QString Number(int device, const char* oid) { return fleet_.Get(device, oid, SnmpSyntax::Integer); }

    static inline SimulatedFleet fleet_;
    static inline bool started_ = false;
    QTemporaryDir dir_;
};

TEST_F(TemplateCommands, ParseTurnsABackupIntoKeyFileAndTemplate) {
    DeviceConfig config;
    config.UserName = "parsed";
    const QString backup = dir_.filePath("device.dcf");
    ASSERT_TRUE(WriteBackup(backup, kHeader, GzipBytes(dir_.path(), DeviceXml(config))));
    const QString templ = dir_.filePath("device.ini");
    const CommandRun run = Aerodesk({"parse", backup, templ});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    const QList<QByteArray> lines = CrLfLines(ReadFileBytes(templ));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], "[System]");
    EXPECT_TRUE(SectionEntries(lines, "[System]").contains("Username=parsed"));
    EXPECT_TRUE(ReadFileBytes(backup).contains("SYS_Username=parsed\r\n"));
}

TEST_F(TemplateCommands, ParseReportsABackupThatCannotBeRead) {
    const CommandRun run = Aerodesk({"parse", dir_.filePath("missing.dcf"), dir_.filePath("t.ini")});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("could not be turned into a template")) << run.Err.toStdString();
}

TEST_F(TemplateCommands, ExportWritesTheChosenGroups) {
    fleet_.Set(1, DeviceOids::UserName, SnmpSyntax::DisplayString, "exporter");
    const QString file = dir_.filePath("export.txt");
    CommandRun run = Aerodesk(QStringList{"export", fleet_.Address(1), file, "--flags", "1"} + DeviceArgs());
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    QList<QByteArray> lines = CrLfLines(ReadFileBytes(file));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[2], "username=exporter");
    run = Aerodesk(QStringList{"export", fleet_.Address(1), file, "--flags", "6"} + DeviceArgs());
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(CrLfLines(ReadFileBytes(file)).size(), 24);
}

TEST_F(TemplateCommands, ExportReportsAFileThatCannotBeWritten) {
    const CommandRun run = Aerodesk(QStringList{"export", fleet_.Address(1), dir_.filePath("no/such/dir.txt")} + DeviceArgs());
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("error -10000")) << run.Err.toStdString();
}

TEST_F(TemplateCommands, ApplyPrintsRejectionsAndTheOutcomePerDevice) {
    fleet_.Set(2, DeviceOids::ApMode, SnmpSyntax::Integer, "3");   // WDS
    fleet_.Set(3, DeviceOids::MultiSsidState, SnmpSyntax::Integer, "1");
    const QString keys = Write("keys.txt", "SYS_Username=applied\r\nSCR_80211g_auth_type=WPA-Personal\r\n");
    const CommandRun run = Aerodesk(QStringList{"apply", keys, fleet_.Address(2), fleet_.Address(3)} + DeviceArgs());
    EXPECT_EQ(run.Code, 1);
    const QString a2 = fleet_.Address(2), a3 = fleet_.Address(3);
    EXPECT_TRUE(run.Out.contains(a2 + ": rejected: Data of security is rejected when AP Mode is \"WDS\".  [NOEND|" +
                                 a2 + "||||" + keys + "]"))
        << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(a2 + ": OK\n")) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(a3 + ": error 1: Setting are rejected when Multi-SSID is enabled!"))
        << run.Out.toStdString();
    EXPECT_EQ(Text(2, DeviceOids::UserName), "applied");
    EXPECT_EQ(Number(2, DeviceOids::Authentication), "1");   // rejected: unchanged
    EXPECT_NE(Text(3, DeviceOids::UserName), "applied");
    EXPECT_EQ(fleet_.AppliedCount(2), 1);
    EXPECT_EQ(fleet_.AppliedCount(3), 0);
}

TEST_F(TemplateCommands, ParsedBackupAppliedToADevice) {
    DeviceConfig config;
    config.Ssid = "from backup";
    config.UserName = "restored";
    // Open System with WEP: a WPA device's backup carries its cipher code as
    // wep_status, which no device takes for its encryption switch.
    config.Authentication = "0";
    config.WepMode = "1";
    const QString backup = dir_.filePath("device.dcf");
    ASSERT_TRUE(WriteBackup(backup, kHeader, GzipBytes(dir_.path(), DeviceXml(config))));
    ASSERT_EQ(Aerodesk({"parse", backup, dir_.filePath("device.ini")}).Code, 0);
    const CommandRun run = Aerodesk(QStringList{"apply", backup, fleet_.Address(4), "--flags", "7"} + DeviceArgs());
    ASSERT_EQ(run.Code, 0) << run.Out.toStdString() << run.Err.toStdString() << ReadFileBytes(backup).toStdString();
    EXPECT_EQ(Text(4, DeviceOids::UserName), "restored");
    EXPECT_EQ(Text(4, DeviceOids::Ssid), "from backup");
    EXPECT_EQ(Text(4, DeviceOids::DataRate), "9");   // rate code 5 of the 2.4 GHz band
    EXPECT_EQ(Number(4, DeviceOids::Authentication), "1");
    EXPECT_EQ(Number(4, DeviceOids::Encryption), "1");
    EXPECT_EQ(fleet_.Get(4, QLatin1String(DeviceOids::WepKey) + "1", SnmpSyntax::DisplayString), "1234567890");
    EXPECT_EQ(Number(4, DeviceOids::MacAccessControl), "3");   // Disable
    EXPECT_EQ(fleet_.AppliedCount(4), 1);
}

}  // namespace
