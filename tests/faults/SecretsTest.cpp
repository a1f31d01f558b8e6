// No password reaches an output: aerodesk's standard output and error (text
// and --json), its --report files, whatever it leaves in its home, config,
// cache and temporary folders, the module's error texts, message boxes and
// host messages, and the simulator's own log. Every secret has a value of its
// own that appears nowhere else: the SNMP communities, the SNMPv3 pass
// phrases (of an inventory), the FTP password of the host's server, and the
// device's admin, SMTP, e-mail and RADIUS secrets and WPA pass phrase.
//
// The simulator's request trace (--trace) is the record of what the devices
// received: it shows the values of sets, so a secret that the module sends in
// a set (the FTP password, an admin password of a template) is no leak there.
// It never shows a community or a v3 pass phrase, which do not travel in the
// varbinds.
#include "FaultRun.h"
#include "maintenance/DeviceListFixture.h"
#include "servers/FtpServer.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <sys/stat.h>

using namespace FaultRun;
using TestSupport::ModuleUnderTest;
using TestSupport::SimFleet;
using TestSupport::WaitUntil;

namespace {

const QByteArray kRead = "rdS3cretCommA";
const QByteArray kWrite = "wrS3cretCommB";
const QByteArray kWrongCommunity = "wrongS3cretCommC";
const QByteArray kV3Auth = "v3S3cretAuthD";
const QByteArray kV3Priv = "v3S3cretPrivE";
const QByteArray kFtpPassword = "ftpS3cretPassF";
const QByteArray kAdmin = "admS3cretPassG";
const QByteArray kNewAdmin = "admS3cretNewH";
const QByteArray kSmtp = "smtpS3cretPassI";
const QByteArray kEmail = "mailS3cretPassJ";
const QByteArray kRadius = "radS3cretK";
const QByteArray kPassPhrase = "pskS3cretPhraseL";

const std::vector<QByteArray>& DeviceSecrets() {
    static const std::vector<QByteArray> all{kAdmin, kNewAdmin, kSmtp, kEmail, kRadius, kPassPhrase, kFtpPassword};
    return all;
}
const std::vector<QByteArray>& Credentials() {
    static const std::vector<QByteArray> all{kRead, kWrite, kWrongCommunity, kV3Auth, kV3Priv};
    return all;
}

// The secrets found in `text`, for the failure message.
std::string Leaks(const QByteArray& text, const std::vector<QByteArray>& secrets) {
    std::string found;
    for (const QByteArray& secret : secrets)
        if (text.contains(secret))
            found += secret.toStdString() + " ";
    return found;
}

class Secrets : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m.Loaded());
        ASSERT_TRUE(home.isValid() && scratch.isValid());
        ASSERT_TRUE(ftp.Listen(QHostAddress::LocalHost, 0));
        ASSERT_TRUE(ftp.AddAccount(QStringLiteral("host"), QString::fromLatin1(kFtpPassword), home.path()));
        ftp.SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
        ASSERT_TRUE(sim.Start(QStringLiteral("127.0.196.1"), 2,
                              {QStringLiteral("--community"), QStringLiteral("1:%1:%2").arg(kRead, kWrite),
                               QStringLiteral("--community"), QStringLiteral("2:%1:%2").arg(kRead, kWrite),
                               QStringLiteral("--silent"), QStringLiteral("2"), QStringLiteral("--verbose"),
                               QStringLiteral("--trace"), sim.PrivateFile(QStringLiteral("trace.tsv")),
                               QStringLiteral("--ftp-port"), QString::number(ftp.Port())}))
            << sim.Output();
        // The device's own secrets, set with net-snmp's tools.
        const std::string t = sim.Target(1);
        std::string out;
        const std::string set = "snmpset -v2c -c " + kWrite.toStdString() + " -t 2 -r 3 " + t + " ";
        ASSERT_EQ(TestSupport::RunTool(set + kRoot + ".4.1.1.1.3.1 s " + kAdmin.toStdString() + " " + kRoot +
                                           ".2.1.3.3.2.1.1.10.1 s " + kRadius.toStdString() + " " + kRoot +
                                           ".2.1.3.3.2.1.1.4.1 s " + kPassPhrase.toStdString(),
                                       out),
                  0)
            << out;
        ASSERT_EQ(TestSupport::RunTool(set + kRoot + ".4.9.6.0 s " + kSmtp.toStdString() + " " + kRoot +
                                           ".5.4.11.1.1.7.1 s " + kEmail.toStdString(),
                                       out),
                  0)
            << out;
    }

    // aerodesk runs, all at once, with their home, settings, cache and
    // temporary folders in `scratch`; their outputs are collected. The exit
    // codes, in order.
    std::vector<int> AerodeskAll(const std::vector<QStringList>& runs) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "TMPDIR"})
            env.insert(QString::fromLatin1(name), scratch.path());
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QStringList& arguments : runs) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->setProcessEnvironment(env);
            processes.back()->start(QStringLiteral(NXA_AERODESK_BINARY), arguments);
        }
        std::vector<int> codes;
        for (auto& p : processes) {
            if (!p->waitForFinished(120000)) {
                p->kill();
                p->waitForFinished();
                outputs += "\n(did not end)\n";
                codes.push_back(-1);
                continue;
            }
            outputs += p->readAllStandardOutput() + '\n' + p->readAllStandardError() + '\n';
            codes.push_back(p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1);
        }
        return codes;
    }
    int Aerodesk(const QStringList& arguments) { return AerodeskAll({arguments}).front(); }
    QStringList Device(int n = 1, const QByteArray& read = kRead) const {
        return {sim.Address(n), QStringLiteral("--port"), QString::number(sim.Port()), QStringLiteral("--read-community"),
                QString::fromLatin1(read), QStringLiteral("--write-community"), QString::fromLatin1(kWrite),
                QStringLiteral("--timeout"), QStringLiteral("30"), QStringLiteral("--wait"), QStringLiteral("20")};
    }

    ModuleUnderTest& m = ModuleUnderTest::Get();
    FtpServer ftp;
    SimFleet sim;
    QTemporaryDir home;      // files the commands are asked to write (key files, backups, exports)
    QTemporaryDir scratch;   // aerodesk's own folders
    QByteArray outputs;
};

TEST_F(Secrets, NoSecretInAnOutputLogOrErrorText) {
    // Queries, in text and JSON, with reports; a community the device
    // refuses; the silent device (error texts).
    std::vector<QStringList> queries;
    for (const char* command : {"info", "config", "traffic", "clients", "fwversion", "probe", "rogue"}) {
        // Half of them in JSON with a JSON report, half as text with a CSV one.
        const QString c = QString::fromLatin1(command);
        const bool json = c == QLatin1String("info") || c == QLatin1String("config") || c == QLatin1String("clients") ||
                          c == QLatin1String("probe");
        QStringList arguments = QStringList{c} + Device();
        arguments << QStringLiteral("--report") << home.filePath(c + (json ? QStringLiteral(".json") : QStringLiteral(".csv")));
        if (json)
            arguments << QStringLiteral("--json");
        queries.push_back(arguments);
    }
    EXPECT_EQ(AerodeskAll(queries), std::vector<int>(queries.size(), 0));
    const QStringList shortWait{QStringLiteral("--wait"), QStringLiteral("3")};   // the last --wait counts
    EXPECT_EQ(AerodeskAll({QStringList{QStringLiteral("info")} + Device(1, kWrongCommunity) + shortWait + QStringList{QStringLiteral("--json")},
                           QStringList{QStringLiteral("config")} + Device(2) + shortWait + QStringList{QStringLiteral("--json")},
                           QStringList{QStringLiteral("cmd"), QStringLiteral("apply")} + Device(2) + shortWait}),
              std::vector<int>(3, 1));

    // An inventory with the communities and SNMPv3 pass phrases (v3 rows are
    // refused for now: the refusal must not quote them).
    const QString inventory = home.filePath(QStringLiteral("fleet.csv"));
    ASSERT_TRUE(WriteFile(inventory, "address,port,version,read_community,write_community,v3_user,auth_protocol,"
                                     "auth_passphrase,priv_protocol,priv_passphrase,name\n" +
                                         sim.Address(1).toUtf8() + "," + QByteArray::number(sim.Port()) + ",2c," + kRead +
                                         "," + kWrite + ",,,,,,one\n"));
    ASSERT_EQ(chmod(QFile::encodeName(inventory).constData(), 0600), 0);
    EXPECT_EQ(Aerodesk({QStringLiteral("info"), QStringLiteral("--inventory"), inventory, QStringLiteral("--json"),
                        QStringLiteral("--report"), home.filePath(QStringLiteral("inventory.json"))}),
              0);
    const QString v3 = home.filePath(QStringLiteral("v3.csv"));
    ASSERT_TRUE(WriteFile(v3, "address,port,version,v3_user,auth_protocol,auth_passphrase,priv_protocol,priv_passphrase\n" +
                                  sim.Address(1).toUtf8() + "," + QByteArray::number(sim.Port()) + ",3,nxaSha,SHA," +
                                  kV3Auth + ",AES," + kV3Priv + "\n"));
    ASSERT_EQ(chmod(QFile::encodeName(v3).constData(), 0600), 0);
    EXPECT_NE(Aerodesk({QStringLiteral("info"), QStringLiteral("--inventory"), v3, QStringLiteral("--json")}), 0);
    // The same file readable by others is refused: the refusal does not quote it either.
    ASSERT_EQ(chmod(QFile::encodeName(v3).constData(), 0644), 0);
    EXPECT_NE(Aerodesk({QStringLiteral("info"), QStringLiteral("--inventory"), v3}), 0);

    // A template that sets the admin password, by both ways; the pages that
    // hold secrets (what --json shows is what the text shows).
    const QString key = home.filePath(QStringLiteral("t.key"));
    ASSERT_TRUE(WriteFile(key, "SYS_Username=admin\nSYS_Password=" + kNewAdmin + "\n"));
    EXPECT_EQ(Aerodesk(QStringList{QStringLiteral("template"), key} + Device()), 0);
    EXPECT_EQ(Aerodesk(QStringList{QStringLiteral("apply"), key} + Device()), 0);
    std::vector<QStringList> pages;
    for (const char* page : {"Wireless", "Admin", "Log", "Internal RADIUS Server", "Multi-SSID", "Ap Array", "Date and Time"})
        pages.push_back(QStringList{QStringLiteral("page")} + Device() + QStringList{QString::fromLatin1(page), QStringLiteral("--json")});
    EXPECT_EQ(AerodeskAll(pages), std::vector<int>(pages.size(), 0));
    // The admin page refusing a wrong old password does not quote either.
    Aerodesk(QStringList{QStringLiteral("page")} + Device() +
             QStringList{QStringLiteral("Admin"), QStringLiteral("--set"), QStringLiteral("Old Password=") + QString::fromLatin1(kAdmin),
                         QStringLiteral("--set"), QStringLiteral("New Password=") + QString::fromLatin1(kNewAdmin),
                         QStringLiteral("--set"), QStringLiteral("Confirm Password=x"), QStringLiteral("--press"),
                         QStringLiteral("Apply"), QStringLiteral("--json")});

    // The module itself: the host's FTP server with its password, a backup
    // and an upgrade (the device fetches and stores through it), and their
    // failures against the silent device.
    EXPECT_EQ(m.Init(0, 0, 0, &ftp), 0);
    m.ClearMessages();
    m.SetSnmp(sim.Address(1).toLatin1().constData(), kRead.constData(), kWrite.constData(), sim.Port(), 30);
    auto cmd = reinterpret_cast<decltype(&PlugCmdAPI)>(m.Symbol("PlugCmdAPI"));
    auto upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(m.Symbol("PlugUpgradeFirmware"));
    ASSERT_TRUE(cmd && upgrade);
    CommandAnswer backup, failed;
    const QByteArray folder = "255.0.0.0|" + home.path().toUtf8() + "/";
    // (The download first: it keeps the shared request's time-out, which
    // the backup sets to 65 s.)
    cmd(6, sim.Address(2).toLatin1().constData(), "255.0.0.0|/nowhere/x.bin", reinterpret_cast<uintptr_t>(&failed),
        reinterpret_cast<void*>(&TextCallback));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(failed) > 0; }, 30000));
    cmd(3, sim.Address(1).toLatin1().constData(), folder.constData(), reinterpret_cast<uintptr_t>(&backup),
        reinterpret_cast<void*>(&RowsCallback));
    ASSERT_TRUE(WaitUntil([&] { return CallsOf(backup) > 0; }, 100000));
    ASSERT_TRUE(WriteFile(home.filePath(QStringLiteral("nxa.img")), "version=5.55\n"));
    HostWindowStub host;
    DeviceListFixture list;
    list.Select(list.AddRow(sim.Address(1)));
    list.Select(list.AddRow(sim.Address(2)));
    EXPECT_EQ(upgrade(&ftp, &list.view, 0, home.filePath(QStringLiteral("nxa.img")).toUtf8().constData(), 100, 200, 50, 10), 0);
    EXPECT_EQ(list.Status(0), QStringLiteral("OK"));
    QByteArray module;
    for (const CommandAnswer& a : {Copy(backup), Copy(failed)})
        module += a.Message.toUtf8() + '\n' + a.Text.toUtf8() + '\n';
    module += m.Messages.join(QLatin1Char('\n')).toUtf8() + '\n' + host.Texts.join(QLatin1Char('\n')).toUtf8();
    for (int row = 0; row < list.model.rowCount(); ++row)
        for (int column = 0; column < list.model.columnCount(); ++column)
            module += list.Get(row, column).toUtf8() + '\n';

    // Where secrets must not be: everything aerodesk printed and left, the
    // reports, the module's texts, the simulator's own log.
    QByteArray reports;
    for (const char* name : {"info.json", "config.json", "traffic.csv", "clients.json", "fwversion.csv", "probe.json",
                             "rogue.csv", "inventory.json"}) {
        QFile file(home.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        reports += file.readAll();
    }
    const std::vector<QByteArray> all = [] {
        std::vector<QByteArray> v = DeviceSecrets();
        v.insert(v.end(), Credentials().begin(), Credentials().end());
        return v;
    }();
    EXPECT_GT(outputs.size(), 1000);
    EXPECT_EQ(Leaks(outputs, all), "") << "aerodesk's output";
    EXPECT_EQ(Leaks(reports, all), "") << "aerodesk's reports";
    EXPECT_EQ(Leaks(AllFilesUnder(scratch.path()), all), "") << "aerodesk's folders";
    EXPECT_EQ(Leaks(module, all), "") << "the module's texts";
    EXPECT_EQ(Leaks(QByteArray::fromStdString(sim.Output()), all), "") << "the simulator's log";
    QFile trace(sim.TraceFile());
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QByteArray traced = trace.readAll();
    EXPECT_EQ(Leaks(traced, Credentials()), "") << "the trace: no community, no v3 pass phrase";
    // The trace does show what the module set: the proof that the secrets
    // were there to leak.
    EXPECT_TRUE(traced.contains(kFtpPassword));
    EXPECT_TRUE(traced.contains(kNewAdmin));
}

}  // namespace
