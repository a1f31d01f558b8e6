// aerodesk backup --history against simulated devices that store their
// backups through aerodesk's FTP server: the history is read back with the
// git program, the devices changed with net-snmp's tools.
#include "AerodeskRun.h"
#include "support/DeviceValues.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

const std::string kSsidOid = DeviceValues::kRoot + ".2.1.3.3.1.1.1.1.1";

class BackupHistoryE2e : public testing::Test {
protected:
    void SetUp() override {
        ftpPort_ = TestSupport::FreeTcpPort();
        history_ = dir_.filePath(QStringLiteral("history"));
    }
    bool StartFleet(SimFleet& fleet, const QString& base, int devices, const QStringList& extra = {}) {
        return fleet.Start(base, devices,
                           QStringList{QStringLiteral("--ftp-port"), QString::number(ftpPort_), QStringLiteral("--trace"),
                                       fleet.PrivateFile(QStringLiteral("trace.tsv"))} +
                               extra);
    }
    AerodeskOutcome Backup(const SimFleet& fleet, const QStringList& addresses, const QStringList& extra = {}) {
        return RunAerodesk(QStringList{QStringLiteral("backup")} + addresses +
                           QStringList{QStringLiteral("--port"), QString::number(fleet.Port()), QStringLiteral("--timeout"),
                                       QStringLiteral("50"), QStringLiteral("--wait"), QStringLiteral("15"),
                                       QStringLiteral("--to"), history_, QStringLiteral("--history"),
                                       QStringLiteral("--ftp-port"), QString::number(ftpPort_)} +
                           extra);
    }
    QString Git(const QStringList& arguments) const {
        QString out;
        EXPECT_EQ(TestSupport::RunCommand(QStringLiteral("git"), QStringList{QStringLiteral("-C"), history_} + arguments, &out), 0)
            << arguments.join(' ').toStdString();
        return out;
    }
    int Commits() const { return Git({"rev-list", "--count", "HEAD"}).trimmed().toInt(); }
    QByteArray KeyFile(const QString& address) const {
        QFile file(QDir(history_).filePath(address + QStringLiteral(".keys")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    QString history_;
    uint16_t ftpPort_ = 0;
};

TEST_F(BackupHistoryE2e, e2e_ASecondRunCommitsExactlyTheDeviceThatChanged) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.1"), 3)) << fleet.Output();
    const QStringList all{fleet.Address(1), fleet.Address(2), fleet.Address(3)};
    AerodeskOutcome o = Backup(fleet, all);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    EXPECT_EQ(Commits(), 1);
    for (const QString& address : all)
        EXPECT_TRUE(KeyFile(address).contains("AWS_80211g_SSID=")) << address.toStdString();
    // The passwords in the key files are not readable by others, in the
    // working tree or in the repository's objects.
    const QFile::Permissions others = QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(history_).permissions() & others);
    QDirIterator objects(QDir(history_).filePath(QStringLiteral(".git/objects")), QDir::Files, QDirIterator::Subdirectories);
    int objectCount = 0;
    for (; objects.hasNext(); ++objectCount) {
        const QString object = objects.next();
        EXPECT_FALSE(QFileInfo(object).permissions() & (QFile::ReadGroup | QFile::ReadOther)) << object.toStdString();
    }
    EXPECT_GT(objectCount, 0);
    // Sorted lines: a change reads as a short diff.
    QList<QByteArray> lines = KeyFile(fleet.Address(1)).split('\n');
    lines.removeAll(QByteArray());
    QList<QByteArray> sorted = lines;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(lines, sorted);

    // Nothing changed: nothing committed.
    o = Backup(fleet, all);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("nothing committed"))) << o.Out.toStdString();
    EXPECT_EQ(Commits(), 1);

    std::string out;
    ASSERT_EQ(TestSupport::RunTool("snmpset -v1 -c private " + fleet.Target(2) + " " + kSsidOid + " s hall-2", out), 0) << out;
    o = Backup(fleet, all);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_EQ(Commits(), 2);
    EXPECT_EQ(Git({"show", "--name-only", "--format=", "HEAD"}).trimmed(), fleet.Address(2) + QStringLiteral(".keys"));
    const QString message = Git({"log", "-1", "--format=%s"});
    EXPECT_TRUE(message.contains(fleet.Address(2))) << message.toStdString();
    EXPECT_FALSE(message.contains(fleet.Address(1))) << message.toStdString();
    EXPECT_TRUE(KeyFile(fleet.Address(2)).contains("AWS_80211g_SSID=hall-2\n"));

    // The device's history: both runs that changed its file, with the change.
    o = RunAerodesk({"backup", "--to", history_, "--log", fleet.Address(2)});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    EXPECT_EQ(o.Out.count(QStringLiteral("\ncommit ")) + (o.Out.startsWith(QStringLiteral("commit ")) ? 1 : 0), 2) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("+AWS_80211g_SSID=hall-2"))) << o.Out.toStdString();
    o = RunAerodesk({"backup", "--to", history_, "--log", fleet.Address(1)});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    EXPECT_FALSE(o.Out.contains(QStringLiteral("hall-2"))) << o.Out.toStdString();
    o = RunAerodesk({"backup", "--to", history_, "--log", "127.0.222.99"});
    EXPECT_EQ(o.Code, 2);
}

TEST_F(BackupHistoryE2e, e2e_ASilentDeviceKeepsItsLastBackupAndFailsTheRunVisibly) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.11"), 2)) << fleet.Output();
    const QStringList both{fleet.Address(1), fleet.Address(2)};
    AerodeskOutcome o = Backup(fleet, both);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    const QByteArray before = KeyFile(fleet.Address(2));
    ASSERT_FALSE(before.isEmpty());

    // The same fleet again, with the second device silent and the first changed.
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.11"), 2, {QStringLiteral("--silent"), QStringLiteral("2")}))
        << fleet.Output();
    std::string out;
    ASSERT_EQ(TestSupport::RunTool("snmpset -v1 -c private " + fleet.Target(1) + " " + kSsidOid + " s hall-1", out), 0) << out;
    o = Backup(fleet, both);
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(2) + QStringLiteral(": FAILED: "))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("last good backup"))) << o.Out.toStdString();
    EXPECT_EQ(KeyFile(fleet.Address(2)), before);
    // The run went on past the silent device: the first one's change is committed.
    EXPECT_TRUE(KeyFile(fleet.Address(1)).contains("AWS_80211g_SSID=hall-1\n"));
    EXPECT_EQ(Commits(), 2);
    EXPECT_EQ(Git({"show", "--name-only", "--format=", "HEAD"}).trimmed(), fleet.Address(1) + QStringLiteral(".keys"));
}

TEST_F(BackupHistoryE2e, e2e_AFolderThatIsNoHistoryOfOursIsRefusedBeforeAnythingIsSent) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.21"), 1)) << fleet.Output();
    // A git repository of someone else's.
    ASSERT_TRUE(QDir().mkpath(history_));
    ASSERT_EQ(TestSupport::RunCommand(QStringLiteral("git"), {"init", "-q", history_}), 0);
    AerodeskOutcome o = Backup(fleet, {fleet.Address(1)});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("no backup history of aerodesk"))) << o.Err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(history_).filePath(QStringLiteral(".aerodesk-backups"))));
    // A folder with files that is no repository.
    history_ = dir_.filePath(QStringLiteral("papers"));
    ASSERT_TRUE(QDir().mkpath(history_));
    QFile paper(QDir(history_).filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(paper.open(QIODevice::WriteOnly));
    paper.close();
    o = Backup(fleet, {fleet.Address(1)});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("neither empty nor a backup history"))) << o.Err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(history_).filePath(QStringLiteral(".git"))));
    o = RunAerodesk({"backup", "--to", history_, "--log"});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(fleet.Trace().empty());
}

// The fleet from an inventory: the commit names the device by its name, and
// diff takes the same inventory.
TEST_F(BackupHistoryE2e, e2e_InventoryDevicesAreNamedInTheCommit) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.51"), 2)) << fleet.Output();
    const QString inventory = dir_.filePath(QStringLiteral("fleet.csv"));
    QFile file(inventory);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("address,port,version,read_community,write_community,name\n"
                              "%1,%3,2c,public,private,hall-1\n%2,%3,2c,public,private,hall-2\n")
                   .arg(fleet.Address(1), fleet.Address(2))
                   .arg(fleet.Port())
                   .toUtf8());
    file.close();
    ASSERT_TRUE(QFile::setPermissions(inventory, QFile::ReadOwner | QFile::WriteOwner));
    const QStringList common{"--inventory", inventory, "--timeout", "50", "--wait", "15", "--to", history_, "--history",
                             "--ftp-port", QString::number(ftpPort_)};
    AerodeskOutcome o = RunAerodesk(QStringList{"backup"} + common);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    std::string out;
    ASSERT_EQ(TestSupport::RunTool("snmpset -v1 -c private " + fleet.Target(2) + " " + kSsidOid + " s hall-2b", out), 0) << out;
    o = RunAerodesk(QStringList{"backup"} + common);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_EQ(Git({"log", "-1", "--format=%s"}).trimmed(),
              QStringLiteral("Backup: 1 device(s) changed: %1 (hall-2)").arg(fleet.Address(2)));

    // The device's key file is a template: diff finds its SSID on the device, not on the other.
    o = RunAerodesk({"diff", QDir(history_).filePath(fleet.Address(2) + QStringLiteral(".keys")), "--inventory", inventory,
                     "--timeout", "50", "--json", "--flags", "2"});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonArray devices = QJsonDocument::fromJson(o.Out.toUtf8()).object()["devices"].toArray();
    ASSERT_EQ(devices.size(), 2) << o.Out.toStdString();
    EXPECT_EQ(devices[0].toObject()["name"].toString(), QStringLiteral("hall-1"));
    auto ssidStatus = [](const QJsonObject& device) {
        for (const QJsonValue& row : device["keys"].toArray())
            if (row.toObject()["key"].toString() == QLatin1String("AWS_80211g_SSID"))
                return row.toObject()["status"].toString();
        return QString();
    };
    EXPECT_EQ(ssidStatus(devices[0].toObject()), QStringLiteral("change")) << o.Out.toStdString();
    EXPECT_EQ(ssidStatus(devices[1].toObject()), QStringLiteral("no change")) << o.Out.toStdString();
}

// A free port: the server says which; the device, set to another port, fails
// with its message and a hint, at once rather than after the whole --wait.
TEST_F(BackupHistoryE2e, e2e_FtpPortZeroPicksAFreePort) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.31"), 1)) << fleet.Output();
    const QString folder = dir_.filePath(QStringLiteral("plain"));
    const AerodeskOutcome o = RunAerodesk({"backup", fleet.Address(1), "--port", QString::number(fleet.Port()), "--to", folder,
                                           "--ftp-port", "0", "--wait", "100"});
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString() << o.Err.toStdString();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("FTP server on 127.0.0.1 port (\\d+),")).match(o.Out);
    ASSERT_TRUE(m.hasMatch()) << o.Out.toStdString();
    EXPECT_NE(m.captured(1).toInt(), 0);
    EXPECT_NE(m.captured(1).toInt(), ftpPort_);
    EXPECT_TRUE(o.Out.contains(QStringLiteral("this server listens on port %1").arg(m.captured(1)))) << o.Out.toStdString();
    // With the port the devices are set to, the same command stores the backup.
    const AerodeskOutcome ok = RunAerodesk({"backup", fleet.Address(1), "--port", QString::number(fleet.Port()), "--to",
                                            folder, "--ftp-port", QString::number(ftpPort_)});
    EXPECT_EQ(ok.Code, 0) << ok.Out.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(fleet.Address(1) + QStringLiteral(".dcf"))));
}

// The module asks for the firmware version with a fixed time-out of its own;
// the command gives up after the --timeout it was given.
TEST_F(BackupHistoryE2e, e2e_FwVersionOfASilentDeviceKeepsToTheTimeout) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, QStringLiteral("127.0.222.41"), 2, {QStringLiteral("--silent"), QStringLiteral("2")}))
        << fleet.Output();
    const AerodeskOutcome o = RunAerodesk({"fwversion", fleet.Address(1), fleet.Address(2), "--port",
                                           QString::number(fleet.Port()), "--timeout", "50", "--wait", "100"});
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(1) + QStringLiteral(": 1.10"))) << o.Out.toStdString();
    // Twice 0.5 s and a second: not the module's own 30 s twice.
    EXPECT_TRUE(o.Out.contains(fleet.Address(2) + QStringLiteral(": error: no answer within 2 s"))) << o.Out.toStdString();
}

}  // namespace
