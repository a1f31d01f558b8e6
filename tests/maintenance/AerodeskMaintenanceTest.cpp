// aerodesk's maintenance commands against a simulated fleet: the devices
// fetch and store their files through aerodesk's own FTP server.
#include "Fleet.h"
#include "support/FreePort.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>

namespace {

struct Outcome {
    int Code = -1;
    QString Out;
    QString Err;
};

class AerodeskMaintenanceTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ftpPort = TestSupport::FreeTcpPort();
        fleet = new Fleet(QStringLiteral("127.0.88.1"), 10,
                          {QStringLiteral("--ftp-port"), QString::number(ftpPort), QStringLiteral("--restart-time"),
                           QStringLiteral("200"), QStringLiteral("--silent"), QStringLiteral("10")});
    }
    static void TearDownTestSuite() { delete fleet; }
    void SetUp() override {
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        for (int n = 1; n <= 9; ++n)
            ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(n), 10000));
    }

    QStringList Common() const {
        return {QStringLiteral("--port"), QString::number(fleet->Port()), QStringLiteral("--timeout"),
                QStringLiteral("50"), QStringLiteral("--wait"), QStringLiteral("30")};
    }
    QStringList Addresses(int from, int to) const {
        QStringList list;
        for (int n = from; n <= to; ++n)
            list << fleet->Address(n);
        return list;
    }
    // interruptWhen: Ctrl-C once the output shows this text.
    Outcome Run(const QStringList& arguments, const QString& interruptWhen = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(NXA_AERODESK_BINARY), arguments);
        Outcome o;
        if (!p.waitForStarted(10000))
            return o;
        QByteArray out;
        if (!interruptWhen.isEmpty()) {
            while (!out.contains(interruptWhen.toUtf8()) && p.waitForReadyRead(60000))
                out += p.readAllStandardOutput();
            if (p.state() == QProcess::Running)
                kill(static_cast<pid_t>(p.processId()), SIGINT);
        }
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return o;
        }
        o.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        o.Out = QString::fromUtf8(out + p.readAllStandardOutput());
        o.Err = QString::fromUtf8(p.readAllStandardError());
        return o;
    }

    static Fleet* fleet;
    static uint16_t ftpPort;
};

Fleet* AerodeskMaintenanceTest::fleet = nullptr;
uint16_t AerodeskMaintenanceTest::ftpPort = 0;

TEST_F(AerodeskMaintenanceTest, UpgradeShowsLiveProgressAndASummary) {
    QTemporaryDir dir;
    QFile image(dir.filePath(QStringLiteral("fleet.img")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write("version=4.20\n");
    image.close();
    const Outcome o = Run(QStringList{QStringLiteral("upgrade"), image.fileName()} + Addresses(1, 9) + Common() +
                          QStringList{QStringLiteral("--ftp-port"), QString::number(ftpPort), QStringLiteral("--settings-timeout"),
                                      QStringLiteral("2000"), QStringLiteral("--update-timeout"), QStringLiteral("200"),
                                      QStringLiteral("--margin"), QStringLiteral("20"), QStringLiteral("--reboot-wait"),
                                      QStringLiteral("10")});
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("step Write Config:1"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("step Update F/W:2"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("OK: 9;"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("log messages: 9"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("log [3005] "))) << o.Out.toStdString();
    for (int n = 1; n <= 9; ++n) {
        ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(n), 10000));
        EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(n), NxaOid("5.1.1.0")), QStringLiteral("4.20")) << n;
    }
}

TEST_F(AerodeskMaintenanceTest, CtrlCAbortsTheUpgrade) {
    QTemporaryDir dir;
    QFile image(dir.filePath(QStringLiteral("slow.img")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write("version=5.0\n");
    image.close();
    // A device file lists the silent device too, so its FTP settings wait runs while Ctrl-C comes.
    QFile devices(dir.filePath(QStringLiteral("devices.tsv")));
    ASSERT_TRUE(devices.open(QIODevice::WriteOnly));
    devices.write(QStringLiteral("%1\tNXA-7310\t00AA00000010\t255.0.0.0\t1.10\n%2\tNXA-7310\t00AA00000001\t255.0.0.0\t1.10\n")
                      .arg(fleet->Address(10), fleet->Address(1))
                      .toUtf8());
    devices.close();
    const Outcome o = Run(QStringList{QStringLiteral("upgrade"), image.fileName(), fleet->Address(10), fleet->Address(1)} +
                              Common() +
                              QStringList{QStringLiteral("--devices"), devices.fileName(), QStringLiteral("--ftp-port"),
                                          QString::number(ftpPort), QStringLiteral("--settings-timeout"), QStringLiteral("300"),
                                          QStringLiteral("--margin"), QStringLiteral("100")},
                          QStringLiteral("step Write Config:1"));
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("aborting..."))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("Aborted!: 2;"))) << o.Out.toStdString();
}

TEST_F(AerodeskMaintenanceTest, BackupCommandVersionProbeRogueAndTemplate) {
    QTemporaryDir backups;
    Outcome o = Run(QStringList{QStringLiteral("backup")} + Addresses(1, 2) + Common() +
                    QStringList{QStringLiteral("--to"), backups.path(), QStringLiteral("--ftp-port"), QString::number(ftpPort)});
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString();
    for (int n = 1; n <= 2; ++n)
        EXPECT_GT(QFileInfo(backups.filePath(fleet->Address(n) + QStringLiteral(".dcf"))).size(), 0) << n;

    o = Run(QStringList{QStringLiteral("fwversion")} + Addresses(3, 3) + Common());
    EXPECT_EQ(o.Code, 0);
    EXPECT_TRUE(o.Out.contains(fleet->Address(3) + QStringLiteral(": "))) << o.Out.toStdString();

    o = Run(QStringList{QStringLiteral("probe")} + Addresses(3, 3) + Common());
    EXPECT_EQ(o.Code, 0);
    EXPECT_TRUE(o.Out.contains(QStringLiteral("1.3.6.1.2.1.2.2.1.6.2=") + fleet->Address(3))) << o.Out.toStdString();

    o = Run(QStringList{QStringLiteral("rogue")} + Addresses(4, 4) + Common());
    EXPECT_EQ(o.Code, 0);
    EXPECT_TRUE(o.Out.contains(QStringLiteral("access points"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("Not Suport"))) << o.Out.toStdString();

    QTemporaryDir keys;
    QFile key(keys.filePath(QStringLiteral("t.key")));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write("SYS_Username=aerodesk9\n");
    key.close();
    o = Run(QStringList{QStringLiteral("template"), key.fileName()} + Addresses(5, 6) + Common());
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("OVER|") + fleet->Address(5))) << o.Out.toStdString();
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(6), NxaOid("4.1.1.1.2.1")), QStringLiteral("aerodesk9"));

    o = Run(QStringList{QStringLiteral("cmd"), QStringLiteral("restart")} + Addresses(7, 7) + Common());
    EXPECT_EQ(o.Code, 0);
    EXPECT_TRUE(o.Out.contains(fleet->Address(7) + QStringLiteral(": restart sent"))) << o.Out.toStdString();
    EXPECT_TRUE(fleet->WaitAnswering(fleet->Address(7), 10000));
}

// Each command with --json prints one JSON document on standard output (its
// notes and progress go to standard error) and says which devices failed.
TEST_F(AerodeskMaintenanceTest, JsonOutputIsOneDocumentPerCommand) {
    auto parse = [](const Outcome& o) {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(o.Out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << o.Out.toStdString();
        return doc.object();
    };
    auto device = [](const QJsonObject& doc, int i) { return doc.value("devices").toArray().at(i).toObject(); };
    // fwversion: one answering device, one silent.
    Outcome o = Run(QStringList{"fwversion", fleet->Address(3), fleet->Address(10), "--json"} + Common() +
                    QStringList{"--wait", "5"});
    EXPECT_EQ(o.Code, 1);
    QJsonObject doc = parse(o);
    ASSERT_EQ(doc.value("devices").toArray().size(), 2) << o.Out.toStdString();
    EXPECT_EQ(device(doc, 0).value("address").toString(), fleet->Address(3));
    EXPECT_TRUE(device(doc, 0).value("ok").toBool());
    EXPECT_EQ(device(doc, 0).value("records").toArray().at(0).toObject().value("FIRMWARE").toString(),
              fleet->ReadWhenUp(fleet->Address(3), NxaOid("5.1.1.0")));
    EXPECT_FALSE(device(doc, 1).value("ok").toBool());
    EXPECT_FALSE(device(doc, 1).value("message").toString().isEmpty());

    o = Run(QStringList{"probe", fleet->Address(3), "--json"} + Common());
    EXPECT_EQ(o.Code, 0) << o.Err.toStdString();
    doc = parse(o);
    bool macSeen = false;
    for (const QJsonValue& r : device(doc, 0).value("records").toArray())
        macSeen = macSeen || r.toObject().value("OID").toString() == "1.3.6.1.2.1.2.2.1.6.2";
    EXPECT_TRUE(macSeen) << o.Out.toStdString();

    o = Run(QStringList{"rogue", fleet->Address(4), "--json"} + Common());
    EXPECT_EQ(o.Code, 0) << o.Err.toStdString();
    doc = parse(o);
    ASSERT_TRUE(device(doc, 0).value("ok").toBool());
    for (const QJsonValue& r : device(doc, 0).value("records").toArray())
        EXPECT_EQ(r.toObject().value("SECURITY").toString(), "Not Suport");

    QTemporaryDir dir;
    QFile image(dir.filePath(QStringLiteral("json.img")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write("version=4.30\n");
    image.close();
    o = Run(QStringList{"upgrade", image.fileName(), fleet->Address(8), "--json"} + Common() +
            QStringList{"--ftp-port", QString::number(ftpPort), "--settings-timeout", "200", "--update-timeout", "200",
                        "--margin", "20", "--reboot-wait", "10"});
    EXPECT_EQ(o.Code, 0) << o.Err.toStdString();
    doc = parse(o);
    EXPECT_EQ(doc.value("result").toObject().value("code").toInt(-1), 0);
    EXPECT_EQ(doc.value("result").toObject().value("counts").toObject().value("OK").toInt(), 1);
    EXPECT_TRUE(device(doc, 0).value("ok").toBool());
    // Progress and server notes went to standard error.
    EXPECT_TRUE(o.Err.contains("FTP server on")) << o.Err.toStdString();
    EXPECT_TRUE(o.Err.contains("step Update F/W:2")) << o.Err.toStdString();
    EXPECT_TRUE(o.Err.contains("log [3005] ")) << o.Err.toStdString();
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(8), 10000));

    // Commands that print no JSON do not offer it.
    o = Run(QStringList{"cmd", "restart", fleet->Address(7), "--json"} + Common());
    EXPECT_EQ(o.Code, 2);
}

}  // namespace
