// aerodesk over SNMPv3 against nxa-sim's v3 users: every fleet command and
// `aerodesk page` with the user from the command line (pass phrases from a
// file and the environment) or from an inventory mixing v2c and v3 rows. The
// simulator's trace (--trace-security) shows the version and user of every
// PDU a device received; values are read back with net-snmp's snmpget.
#include "AerodeskRun.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include "support/SimTrace.h"
#include "support/ToolRun.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

const QString kRoot = QStringLiteral("1.3.6.1.4.1.171.10.37.36");
const QString kSha = QStringLiteral("v3:nxaSha:authPriv");
const QString kMd5 = QStringLiteral("v3:nxaMd5:authPriv");

using Outcome = AerodeskOutcome;

class SnmpV3 : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ftpPort = TestSupport::FreeTcpPort();
        fleet = new SimFleet;
        fleet->Start(QStringLiteral("127.0.221.1"), 3,
                     {QStringLiteral("--trace"), fleet->PrivateFile(QStringLiteral("trace.tsv")), QStringLiteral("--trace-security"),
                      QStringLiteral("--ftp-port"), QString::number(ftpPort), QStringLiteral("--restart-time"), QStringLiteral("200")});
    }
    static void TearDownTestSuite() {
        delete fleet;
        fleet = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(fleet->Ready()) << fleet->Output(); }

    // A private file (mode 600) with the given text.
    QString PrivateFile(const QString& name, const QString& text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        file.close();
        EXPECT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // The SHA/AES user on the command line: authentication pass phrase from
    // a file, privacy pass phrase from the environment (see ShaEnvironment).
    QStringList ShaOptions() {
        return {QStringLiteral("--port"), QString::number(fleet->Port()), QStringLiteral("--timeout"), QStringLiteral("100"),
                QStringLiteral("--snmp-version"), QStringLiteral("3"), QStringLiteral("--v3-user"), QStringLiteral("nxaSha"),
                QStringLiteral("--auth"), QStringLiteral("SHA"), QStringLiteral("--priv"), QStringLiteral("AES"),
                QStringLiteral("--auth-passphrase-file"), PrivateFile(QStringLiteral("auth.txt"), QStringLiteral("authpass123\n"))};
    }
    static QStringList ShaEnvironment() { return {QStringLiteral("NXA_PRIV_PASSPHRASE=privpass123")}; }

    // The security fields of the PDUs each device received from trace record `from` on.
    static std::map<QString, QSet<QString>> SecuritySince(size_t from) {
        std::map<QString, QSet<QString>> seen;
        const auto records = fleet->Trace();
        for (size_t i = from; i < records.size(); ++i)
            seen[records[i].Address].insert(records[i].Security);
        return seen;
    }

    // A value read with net-snmp's snmpget as the MD5/DES user.
    static QString Get(int device, const QString& oid) {
        QString out;
        TestSupport::RunCommand(QStringLiteral("snmpget"),
                                {"-v3", "-l", "authPriv", "-u", "nxaMd5", "-a", "MD5", "-A", "authpass123", "-x", "DES", "-X",
                                 "privpass123", "-Oqv", "-t", "2", "-r", "3",
                                 QStringLiteral("%1:%2").arg(fleet->Address(device)).arg(fleet->Port()), oid},
                                &out);
        return out.trimmed().remove(QLatin1Char('"'));
    }

    QTemporaryDir dir_;
    static SimFleet* fleet;
    static uint16_t ftpPort;
};

SimFleet* SnmpV3::fleet = nullptr;
uint16_t SnmpV3::ftpPort = 0;

TEST_F(SnmpV3, e2e_EveryFleetCommandWorksOverV3) {
    const QString key = PrivateFile(QStringLiteral("t.key"), QStringLiteral("SYS_Username=v3admin\n"));
    const QString applyKey = PrivateFile(QStringLiteral("a.key"), QStringLiteral("SYS_Username=v3apply\n"));
    const QString image = PrivateFile(QStringLiteral("fw.img"), QStringLiteral("version=3.33\n"));
    const QString one = fleet->Address(1);
    const QString two = fleet->Address(2);
    const QStringList ftp = {QStringLiteral("--ftp-port"), QString::number(ftpPort)};
    struct Case {
        QStringList Arguments;
        QString Expected;   // in the output
    };
    const std::vector<Case> cases = {
        {{"info", one, two}, QStringLiteral("1.10")},
        {{"clients", one}, QStringLiteral("record(s)")},
        {{"config", one, two}, QStringLiteral("NXA")},
        {{"traffic", one}, one},
        {{"fwversion", one, two}, one + QStringLiteral(": ")},
        {{"probe", one}, QStringLiteral("1.3.6.1.2.1.2.2.1.6.2=") + one},
        {{"rogue", two}, QStringLiteral("access points")},
        {{"cmd", "apply", one}, one + QStringLiteral(": apply sent")},
        {{"template", key, one, two}, QStringLiteral("OVER|") + two},
        {QStringList{"backup", one, two, "--to", dir_.path()} + ftp, QString()},
        {{"apply", applyKey, two}, QString()},
        {QStringList{"upgrade", image, one, "--settings-timeout", "500", "--update-timeout", "500", "--margin", "20",
                     "--reboot-wait", "10"} +
             ftp,
         QStringLiteral("OK: 1;")},
    };
    for (const Case& c : cases) {
        const size_t from = fleet->Trace().size();
        const Outcome o = RunAerodesk(c.Arguments + ShaOptions(), ShaEnvironment());
        const std::string what = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(o.Code, 0) << what << "\n" << o.Out.toStdString() << o.Err.toStdString();
        EXPECT_TRUE(o.Out.contains(c.Expected, Qt::CaseInsensitive)) << what << "\n" << o.Out.toStdString();
        // Every PDU came as the v3 user, and only to the devices named.
        const auto seen = SecuritySince(from);
        EXPECT_FALSE(seen.empty()) << what;
        for (const auto& [address, security] : seen) {
            EXPECT_EQ(security, QSet<QString>{kSha}) << what << " " << address.toStdString();
            EXPECT_TRUE(c.Arguments.contains(address)) << what << " " << address.toStdString();
        }
    }
    EXPECT_EQ(Get(1, kRoot + QStringLiteral(".4.1.1.1.2.1")), QStringLiteral("v3admin"));
    EXPECT_EQ(Get(2, kRoot + QStringLiteral(".4.1.1.1.2.1")), QStringLiteral("v3apply"));
    for (const QString& address : {one, two})
        EXPECT_GT(QFileInfo(dir_.filePath(address + QStringLiteral(".dcf"))).size(), 0) << address.toStdString();
    // The upgraded device restarts with the image's version.
    QString version;
    for (int i = 0; i < 50 && version != QLatin1String("3.33"); ++i)
        version = Get(1, kRoot + QStringLiteral(".5.1.1.0"));
    EXPECT_EQ(version, QStringLiteral("3.33"));
}

TEST_F(SnmpV3, e2e_MixedInventoryUsesEachDevicesVersionAndUser) {
    const QString inventory = PrivateFile(
        QStringLiteral("mixed.csv"),
        QStringLiteral("address,port,version,read_community,write_community,v3_user,auth_protocol,auth_passphrase,"
                       "priv_protocol,priv_passphrase,name\n"
                       "%1,%4,2c,public,private,,,,,,plain\n"
                       "%2,%4,3,,,nxaSha,SHA,authpass123,AES,privpass123,sha\n"
                       "%3,%4,3,,,nxaMd5,md5,authpass123,des,privpass123,md5\n")
            .arg(fleet->Address(1), fleet->Address(2), fleet->Address(3))
            .arg(fleet->Port()));
    const QString key = PrivateFile(QStringLiteral("mixed.key"), QStringLiteral("SYS_Username=mixed7\n"));
    // The v3 rows need no community of their own: one set with the v2c row, so --json is taken.
    for (const QStringList& command : {QStringList{"info"}, QStringList{"config"}, QStringList{"fwversion", "--json"},
                                       QStringList{"template", key}}) {
        const size_t from = fleet->Trace().size();
        const Outcome o = RunAerodesk(command + QStringList{"--inventory", inventory, "--report", Path("mixed.json")});
        const std::string what = command.join(' ').toStdString();
        EXPECT_EQ(o.Code, 0) << what << "\n" << o.Out.toStdString() << o.Err.toStdString();
        const auto seen = SecuritySince(from);
        EXPECT_EQ(seen.size(), 3u) << what;
        EXPECT_EQ(seen.at(fleet->Address(1)), QSet<QString>{QStringLiteral("v2c")}) << what;
        EXPECT_EQ(seen.at(fleet->Address(2)), QSet<QString>{kSha}) << what;
        EXPECT_EQ(seen.at(fleet->Address(3)), QSet<QString>{kMd5}) << what;
    }
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(Get(n, kRoot + QStringLiteral(".4.1.1.1.2.1")), QStringLiteral("mixed7")) << n;
}

TEST_F(SnmpV3, e2e_WrongPassPhraseFailsWithTheModulesV3Text) {
    const QString wrong = PrivateFile(QStringLiteral("wrong.txt"), QStringLiteral("wrongpass99\n"));
    QStringList options = ShaOptions();
    options[options.indexOf(QStringLiteral("--auth-passphrase-file")) + 1] = wrong;
    const QString text = QStringLiteral("(SNMPv3USM) Authentication failure!");
    for (const QStringList& command : {QStringList{"info"}, QStringList{"config"}, QStringList{"fwversion"},
                                       QStringList{"cmd", "apply"}}) {
        const Outcome o = RunAerodesk(command + QStringList{fleet->Address(1)} + options, ShaEnvironment());
        const std::string what = command.join(' ').toStdString();
        EXPECT_EQ(o.Code, 1) << what;
        EXPECT_TRUE((o.Out + o.Err).contains(fleet->Address(1) + QStringLiteral(": ")));
        EXPECT_TRUE((o.Out + o.Err).contains(text)) << what << "\n" << o.Out.toStdString() << o.Err.toStdString();
        EXPECT_FALSE((o.Out + o.Err).contains(QStringLiteral("wrongpass"))) << what;
        EXPECT_FALSE((o.Out + o.Err).contains(QStringLiteral("privpass"))) << what;
    }
    // The same from an inventory row.
    const QString inventory = PrivateFile(
        QStringLiteral("wrong.csv"),
        QStringLiteral("address,port,version,v3_user,auth_protocol,auth_passphrase,priv_protocol,priv_passphrase\n"
                       "%1,%2,3,nxaMd5,MD5,wrongpass99,DES,privpass123\n")
            .arg(fleet->Address(3))
            .arg(fleet->Port()));
    const Outcome o = RunAerodesk({"config", "--inventory", inventory, "--timeout", "50", "--report", Path("report.csv")});
    EXPECT_EQ(o.Code, 1);
    QFile report(Path("report.csv"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString rows = QString::fromUtf8(report.readAll());
    EXPECT_TRUE(rows.contains(fleet->Address(3) + QStringLiteral(",,failed,") + text)) << rows.toStdString();
    EXPECT_FALSE(rows.contains(QStringLiteral("wrongpass"))) << rows.toStdString();
}

TEST_F(SnmpV3, e2e_PageAndManagementWindowOverV3) {
    const QStringList md5 = {QStringLiteral("--port"),     QString::number(fleet->Port()), QStringLiteral("--snmp-version"),
                             QStringLiteral("3"),          QStringLiteral("--v3-user"),    QStringLiteral("nxaMd5"),
                             QStringLiteral("--auth"),     QStringLiteral("MD5"),          QStringLiteral("--priv"),
                             QStringLiteral("DES")};
    const QStringList right = {QStringLiteral("NXA_AUTH_PASSPHRASE=authpass123"), QStringLiteral("NXA_PRIV_PASSPHRASE=privpass123")};
    const size_t from = fleet->Trace().size();
    const Outcome o = RunAerodesk(QStringList{"page", fleet->Address(3), "Information", "--json"} + md5, right);
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(o.Out.toUtf8()).object();
    EXPECT_EQ(report.value("page").toString(), QStringLiteral("Information"));
    EXPECT_EQ(report.value("fields").toObject().value("Firmware Version").toString(), Get(3, kRoot + QStringLiteral(".5.1.1.0")));
    const auto seen = SecuritySince(from);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.begin()->first, fleet->Address(3));
    EXPECT_EQ(seen.begin()->second, QSet<QString>{kMd5});

    // A change made on the page goes out as the user too.
    const size_t before = fleet->Trace().size();
    const Outcome set =
        RunAerodesk(QStringList{"page", fleet->Address(3), "Admin", "--set", "Location=v3 attic", "--press", "Save"} + md5, right);
    EXPECT_EQ(set.Code, 0) << set.Out.toStdString() << set.Err.toStdString();
    EXPECT_EQ(Get(3, QStringLiteral("1.3.6.1.2.1.1.6.0")), QStringLiteral("v3 attic"));
    EXPECT_EQ(SecuritySince(before).at(fleet->Address(3)), QSet<QString>{kMd5});
    EXPECT_FALSE(fleet->TraceSets(fleet->Address(3)).empty());

    // The management window (every page refreshed from the device) too.
    const size_t beforeWindow = fleet->Trace().size();
    const Outcome window = RunAerodesk(QStringList{"manage", fleet->Address(3), "--screenshot", Path(QStringLiteral("shots"))} + md5, right);
    EXPECT_EQ(window.Code, 0) << window.Out.toStdString() << window.Err.toStdString();
    EXPECT_GT(QDir(Path(QStringLiteral("shots"))).entryList(QDir::Files).size(), 10);
    const auto windowSeen = SecuritySince(beforeWindow);
    ASSERT_EQ(windowSeen.size(), 1u);
    EXPECT_EQ(windowSeen.begin()->second, QSet<QString>{kMd5});

    const Outcome wrong = RunAerodesk(QStringList{"page", fleet->Address(3), "Information"} + md5,
                                   {QStringLiteral("NXA_AUTH_PASSPHRASE=wrongpass99"), QStringLiteral("NXA_PRIV_PASSPHRASE=privpass123")});
    EXPECT_NE(wrong.Code, 0);
    EXPECT_TRUE(wrong.Err.contains(QStringLiteral("(SNMPv3USM) Authentication failure!"))) << wrong.Err.toStdString();
}

TEST_F(SnmpV3, e2e_BadV3OptionsAreRefusedBeforeAnythingIsSent) {
    const size_t from = fleet->Trace().size();
    const QString one = fleet->Address(1);
    const QString open = dir_.filePath(QStringLiteral("open.txt"));
    {
        QFile file(open);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("authpass123\n");
    }
    ASSERT_TRUE(QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QString sha256 = PrivateFile(QStringLiteral("sha256.csv"),
                                       QStringLiteral("address,version,v3_user,auth_protocol,auth_passphrase\n"
                                                      "%1,2c,,,\n127.0.221.9,3,nxaSha,SHA-256,authpass123\n")
                                           .arg(one));
    struct Case {
        QStringList Arguments;
        QStringList Environment;
        QString Expected;
    };
    const std::vector<Case> cases = {
        {{"info", one, "--v3-user", "nxaSha"}, {}, QStringLiteral("--v3-user needs --snmp-version 3")},
        {{"info", one, "--snmp-version", "3"}, {}, QStringLiteral("needs a user")},
        {{"info", one, "--snmp-version", "4"}, {}, QStringLiteral("'4' is not an SNMP version")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA"}, {}, QStringLiteral("NXA_AUTH_PASSPHRASE")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA", "--priv", "AES"},
         {QStringLiteral("NXA_AUTH_PASSPHRASE=authpass123")}, QStringLiteral("NXA_PRIV_PASSPHRASE")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--priv", "AES"},
         {QStringLiteral("NXA_PRIV_PASSPHRASE=privpass123")}, QStringLiteral("needs an authentication protocol")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA-512"},
         {QStringLiteral("NXA_AUTH_PASSPHRASE=authpass123")}, QStringLiteral("not supported by the module")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA"}, {QStringLiteral("NXA_AUTH_PASSPHRASE=short")},
         QStringLiteral("at least 8 characters")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA", "--auth-passphrase-file", open},
         {},
         QStringLiteral("readable by group or others")},
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA", "--auth-passphrase-file",
          dir_.filePath(QStringLiteral("missing.txt"))},
         {},
         QStringLiteral("cannot read the file")},
        // Pass phrases never come from the command line.
        {{"info", one, "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "SHA", "--auth-passphrase", "authpass123"},
         {},
         QStringLiteral("auth-passphrase")},
        {{"info", "--inventory", sha256, "--snmp-version", "3"}, {}, QStringLiteral("--snmp-version and --inventory")},
        {{"info", "--inventory", sha256}, {}, QStringLiteral("line 3: authentication protocol 'SHA-256' is not supported")},
        {{"page", one, "Information", "--snmp-version", "3", "--v3-user", "nxaSha", "--auth", "MD5"}, {},
         QStringLiteral("NXA_AUTH_PASSPHRASE")},
    };
    for (const Case& c : cases) {
        const bool inventory = c.Arguments.contains(QStringLiteral("--inventory"));
        const Outcome o = RunAerodesk(c.Arguments + (inventory ? QStringList() : QStringList{"--port", QString::number(fleet->Port())}),
                                   c.Environment);
        const std::string what = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(o.Code, 2) << what << "\n" << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(c.Expected)) << what << "\n" << o.Err.toStdString();
        EXPECT_FALSE(o.Err.contains(QStringLiteral("authpass123"))) << what;
    }
    EXPECT_EQ(fleet->Trace().size(), from);
}

}  // namespace
