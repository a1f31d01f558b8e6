// aerodesk's fleet commands with --inventory and --report against simulated
// fleets: which devices were asked is read from the simulator's trace, and
// the report files are parsed back.
#include "AerodeskRun.h"
#include "support/SimFleet.h"
#include "support/SimTrace.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

using Outcome = AerodeskOutcome;

Outcome Aerodesk(const QStringList& arguments) { return RunAerodesk(arguments); }

// The addresses that sent the fleet at least one request.
QSet<QString> AskedDevices(const SimFleet& fleet) {
    QSet<QString> asked;
    for (const TestSupport::SimTraceRecord& r : fleet.Trace())
        asked.insert(r.Address);
    return asked;
}

class InventoryReport : public testing::Test {
protected:
    // An inventory file of the given text and mode.
    QString Inventory(const QString& name, const QString& text,
                      QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        file.close();
        EXPECT_TRUE(QFile::setPermissions(path, mode));
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    static QString Row(const SimFleet& fleet, int n, const QString& rest) {
        return QStringLiteral("%1,%2,%3\n").arg(fleet.Address(n)).arg(fleet.Port()).arg(rest);
    }

    QTemporaryDir dir_;
};

TEST_F(InventoryReport, e2e_InventoryReadableByOthersIsRefusedBeforeAnythingIsSent) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.1"), 1, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString text = QStringLiteral("address,port,version,read_community,write_community\n") + Row(fleet, 1, "2c,public,private");
    for (const QFile::Permissions mode :
         {QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup}) {
        const QString path = Inventory(QStringLiteral("open.csv"), text, mode);
        const Outcome o = Aerodesk({"info", "--inventory", path});
        EXPECT_EQ(o.Code, 2) << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(path)) << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(QStringLiteral("readable by group or others"))) << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(mode.testFlag(QFile::ReadOther) ? QStringLiteral("mode 0604") : QStringLiteral("mode 0640")))
            << o.Err.toStdString();
    }
    EXPECT_TRUE(fleet.Trace().empty());
    // The same file kept private is used.
    const Outcome ok = Aerodesk({"info", "--inventory", Inventory(QStringLiteral("private.csv"), text)});
    EXPECT_EQ(ok.Code, 0) << ok.Err.toStdString();
    EXPECT_EQ(AskedDevices(fleet), QSet<QString>{fleet.Address(1)});
}

TEST_F(InventoryReport, e2e_MalformedInventoryNamesLineAndColumn) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.11"), 2, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString header = QStringLiteral("address,port,version,read_community,write_community,name\n");
    struct Case {
        QString Text;
        QString Expected;
    };
    const std::vector<Case> cases = {
        {header + Row(fleet, 1, "2c,public,private,a") + QStringLiteral("%1,70000,2c,public,private,b\n").arg(fleet.Address(2)),
         QStringLiteral("line 3, column 2")},
        {header + Row(fleet, 1, "2c,public,private,a") + Row(fleet, 2, "4,public,private,b"), QStringLiteral("line 3, column 3")},
        {header + QStringLiteral("\n") + Row(fleet, 1, "2c,public,private,\"unclosed"), QStringLiteral("line 3, column 6")},
        {QStringLiteral("address,port,colour\n"), QStringLiteral("line 1, column 3")},
        {header + QStringLiteral("10.0.0.300,161,2c,public,private,x\n"), QStringLiteral("line 2, column 1")},
        {header + Row(fleet, 1, "2c,public,private,a,extra"), QStringLiteral("line 2, column 7")},
        {header + Row(fleet, 1, "2c,public,private,a") + Row(fleet, 1, "2c,public,private,b"), QStringLiteral("line 3, column 1")},
    };
    for (const Case& c : cases) {
        const Outcome o = Aerodesk({"info", "--inventory", Inventory(QStringLiteral("bad.csv"), c.Text)});
        EXPECT_EQ(o.Code, 2) << c.Text.toStdString();
        EXPECT_TRUE(o.Err.contains(c.Expected)) << c.Expected.toStdString() << " in " << o.Err.toStdString();
    }
    EXPECT_TRUE(fleet.Trace().empty());
}

TEST_F(InventoryReport, e2e_GroupPicksTheDevicesAndAnUnknownGroupIsRefused) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.21"), 3, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString path = Inventory(QStringLiteral("fleet.csv"),
                                   QStringLiteral("address,port,version,read_community,write_community,name,group\n") +
                                       Row(fleet, 1, "2c,public,private,hall-1,east") +
                                       Row(fleet, 2, "2c,public,private,hall-2,west") +
                                       Row(fleet, 3, "2c,public,private,hall-3,east"));
    const Outcome unknown = Aerodesk({"info", "--inventory", path, "--group", "north"});
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_TRUE(unknown.Err.contains(QStringLiteral("no group 'north'"))) << unknown.Err.toStdString();
    EXPECT_TRUE(fleet.Trace().empty());

    const Outcome east = Aerodesk({"info", "--inventory", path, "--group", "east", "--json"});
    ASSERT_EQ(east.Code, 0) << east.Err.toStdString();
    EXPECT_EQ(AskedDevices(fleet), (QSet<QString>{fleet.Address(1), fleet.Address(3)}));
    const QJsonArray devices = QJsonDocument::fromJson(east.Out.toUtf8()).object()["devices"].toArray();
    ASSERT_EQ(devices.size(), 2);
    EXPECT_EQ(devices[0].toObject()["address"].toString(), fleet.Address(1));
    EXPECT_EQ(devices[1].toObject()["address"].toString(), fleet.Address(3));

    // A maintenance command picks the same way.
    const Outcome west = Aerodesk({"fwversion", "--inventory", path, "--group", "west"});
    ASSERT_EQ(west.Code, 0) << west.Err.toStdString();
    EXPECT_TRUE(west.Out.contains(fleet.Address(2)));
    EXPECT_EQ(AskedDevices(fleet), (QSet<QString>{fleet.Address(1), fleet.Address(2), fleet.Address(3)}));
}

TEST_F(InventoryReport, e2e_PerDevicePortsAndCommunitiesReachTheModule) {
    // Fleet A: device 2 answers only to its own communities; fleet B on another port.
    SimFleet a;
    ASSERT_TRUE(a.Start(QStringLiteral("127.0.219.31"), 2,
                        {QStringLiteral("--community"), QStringLiteral("2:r2:w2"), QStringLiteral("--trace"), a.PrivateFile("trace.tsv")}))
        << a.Output();
    SimFleet b;
    ASSERT_TRUE(b.Start(QStringLiteral("127.0.219.41"), 1,
                        {QStringLiteral("--read-community"), QStringLiteral("rb"), QStringLiteral("--write-community"),
                         QStringLiteral("wb"), QStringLiteral("--trace"), b.PrivateFile("trace.tsv")}))
        << b.Output();
    ASSERT_NE(a.Port(), b.Port());
    const QString header = QStringLiteral("address,port,version,read_community,write_community,name\n");
    const QString path = Inventory(QStringLiteral("mixed.csv"), header + Row(a, 1, "2c,public,private,a1") +
                                                                 Row(b, 1, "1,rb,wb,b1") + Row(a, 2, "2c,r2,w2,a2"));
    for (const QString& command : {QStringLiteral("info"), QStringLiteral("fwversion")}) {
        const Outcome o = Aerodesk({command, "--inventory", path, "--timeout", "40", "--report", Path("mixed.json")});
        EXPECT_EQ(o.Code, 0) << command.toStdString() << ": " << o.Err.toStdString() << o.Out.toStdString();
        QFile report(Path("mixed.json"));
        ASSERT_TRUE(report.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(report.readAll()).object()["devices"].toArray();
        ASSERT_EQ(rows.size(), 3);
        for (const QJsonValue& row : rows)
            EXPECT_EQ(row.toObject()["outcome"].toString(), QStringLiteral("ok")) << command.toStdString() << " "
                                                                                 << row.toObject()["address"].toString().toStdString();
    }
    EXPECT_EQ(AskedDevices(a), (QSet<QString>{a.Address(1), a.Address(2)}));
    EXPECT_EQ(AskedDevices(b), QSet<QString>{b.Address(1)});

    // The communities matter: with the default ones device 2 and fleet B stay silent.
    const QString wrong = Inventory(QStringLiteral("wrong.csv"), header + Row(a, 1, "2c,public,private,a1") +
                                                                     Row(b, 1, "1,public,private,b1") +
                                                                     Row(a, 2, "2c,public,private,a2"));
    const Outcome o = Aerodesk({"info", "--inventory", wrong, "--timeout", "40", "--report", Path("wrong.csv")});
    EXPECT_EQ(o.Code, 1);
    QFile report(Path("wrong.csv"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(report.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith(a.Address(1) + QStringLiteral(",a1,ok,"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(b.Address(1) + QStringLiteral(",b1,failed,"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(a.Address(2) + QStringLiteral(",a2,failed,"))) << lines[3].toStdString();
}

TEST_F(InventoryReport, e2e_ReportsHaveOneRowPerDeviceWithTheSilentOnesFailure) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.51"), 3,
                            {QStringLiteral("--silent"), QStringLiteral("3"), QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString path = Inventory(QStringLiteral("fleet.csv"),
                                   QStringLiteral("address,port,version,read_community,write_community,name\n") +
                                       Row(fleet, 1, "2c,public,private,\"hall, one\"") + Row(fleet, 2, "2c,public,private,") +
                                       Row(fleet, 3, "2c,public,private,attic"));

    // Another extension is refused before anything is sent.
    const Outcome bad = Aerodesk({"info", "--inventory", path, "--report", Path("report.txt")});
    EXPECT_EQ(bad.Code, 2);
    EXPECT_TRUE(bad.Err.contains(QStringLiteral(".csv or .json"))) << bad.Err.toStdString();
    const Outcome noFolder = Aerodesk({"info", "--inventory", path, "--report", Path("missing/report.csv")});
    EXPECT_EQ(noFolder.Code, 2);
    EXPECT_TRUE(noFolder.Err.contains(QStringLiteral("does not exist or cannot be written"))) << noFolder.Err.toStdString();
    EXPECT_TRUE(fleet.Trace().empty());

    const QStringList names = {QStringLiteral("hall, one"), QString(), QStringLiteral("attic")};
    const Outcome csv = Aerodesk({"info", "--inventory", path, "--timeout", "40", "--report", Path("report.csv")});
    EXPECT_EQ(csv.Code, 1);
    QFile csvFile(Path("report.csv"));
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csvFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("address,name,outcome,message,duration_ms"));
    EXPECT_EQ(lines[1].section(QLatin1Char(','), 0, 3), fleet.Address(1) + QStringLiteral(",\"hall, one\",ok"));
    EXPECT_EQ(lines[2].section(QLatin1Char(','), 0, 3), fleet.Address(2) + QStringLiteral(",,ok,"));
    EXPECT_TRUE(lines[3].startsWith(fleet.Address(3) + QStringLiteral(",attic,failed,the device did not answer,")))
        << lines[3].toStdString();
    for (int n = 1; n <= 3; ++n) {
        bool ok = false;
        EXPECT_GE(lines[n].section(QLatin1Char(','), -1).toLongLong(&ok), 0);
        EXPECT_TRUE(ok) << lines[n].toStdString();
    }

    for (const QString& command : {QStringLiteral("info"), QStringLiteral("clients")}) {
        const Outcome json = Aerodesk({command, "--inventory", path, "--timeout", "40", "--report", Path("report.json")});
        EXPECT_EQ(json.Code, 1) << command.toStdString();
        QFile jsonFile(Path("report.json"));
        ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(jsonFile.readAll()).object()["devices"].toArray();
        ASSERT_EQ(rows.size(), 3) << command.toStdString();
        for (int n = 1; n <= 3; ++n) {
            const QJsonObject row = rows[n - 1].toObject();
            EXPECT_EQ(row["address"].toString(), fleet.Address(n));
            EXPECT_EQ(row["name"].toString(), names[n - 1]);
            EXPECT_EQ(row["outcome"].toString(), n == 3 ? QStringLiteral("failed") : QStringLiteral("ok")) << command.toStdString();
            if (n == 3) {
                EXPECT_FALSE(row["message"].toString().isEmpty()) << command.toStdString();
            }
            EXPECT_TRUE(row["duration_ms"].isDouble());
            EXPECT_GE(row["duration_ms"].toDouble(), 0);
        }
    }
    // Without an inventory the rows have an empty name.
    const Outcome plain = Aerodesk({"info", fleet.Address(1), "--port", QString::number(fleet.Port()), "--report", Path("plain.json")});
    EXPECT_EQ(plain.Code, 0) << plain.Err.toStdString();
    QFile plainFile(Path("plain.json"));
    ASSERT_TRUE(plainFile.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(plainFile.readAll()).object()["devices"].toArray();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].toObject()["name"].toString(), QString());
    EXPECT_EQ(rows[0].toObject()["outcome"].toString(), QStringLiteral("ok"));
}

TEST_F(InventoryReport, e2e_SnmpV3RowsAreChecked) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.61"), 2, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString header = QStringLiteral(
        "address,port,version,read_community,v3_user,auth_protocol,auth_passphrase,priv_protocol,priv_passphrase\n");
    const Outcome v3 = Aerodesk({"info", "--inventory",
                                 Inventory(QStringLiteral("v3.csv"), header + Row(fleet, 1, "2c,public,,,,,") +
                                                                         Row(fleet, 2, "3,,admin,SHA-256,authpass1,AES,privpass1"))});
    // A protocol the file format knows but the module does not.
    EXPECT_EQ(v3.Code, 2);
    EXPECT_TRUE(v3.Err.contains(QStringLiteral("line 3"))) << v3.Err.toStdString();
    EXPECT_TRUE(v3.Err.contains(QStringLiteral("'SHA-256' is not supported by the module"))) << v3.Err.toStdString();

    const Outcome shortPass = Aerodesk(
        {"info", "--inventory", Inventory(QStringLiteral("short.csv"), header + Row(fleet, 2, "3,,admin,SHA,short,,"))});
    EXPECT_EQ(shortPass.Code, 2);
    EXPECT_TRUE(shortPass.Err.contains(QStringLiteral("line 2, column 7"))) << shortPass.Err.toStdString();
    const Outcome badAuth = Aerodesk(
        {"info", "--inventory", Inventory(QStringLiteral("auth.csv"), header + Row(fleet, 2, "3,,admin,SHA-999,authpass1,,"))});
    EXPECT_EQ(badAuth.Code, 2);
    EXPECT_TRUE(badAuth.Err.contains(QStringLiteral("line 2, column 6"))) << badAuth.Err.toStdString();
    EXPECT_TRUE(fleet.Trace().empty());
}

TEST_F(InventoryReport, e2e_CommandWithItsOwnArgumentTakesTheInventorysDevices) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.219.71"), 2,
                            {QStringLiteral("--community"), QStringLiteral("2:r2:w2"), QStringLiteral("--trace"),
                             fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const QString path = Inventory(QStringLiteral("fleet.csv"),
                                   QStringLiteral("address,port,version,read_community,write_community,name,group\n") +
                                       Row(fleet, 1, "2c,public,private,one,a") + Row(fleet, 2, "2c,r2,w2,two,b"));
    // Devices come from the file: an ADDRESS beside it is refused.
    const Outcome both = Aerodesk({"cmd", "apply", fleet.Address(1), "--inventory", path});
    EXPECT_EQ(both.Code, 2);
    EXPECT_TRUE(both.Err.contains(QStringLiteral("no ADDRESS"))) << both.Err.toStdString();
    EXPECT_TRUE(fleet.Trace().empty());

    const Outcome o = Aerodesk({"cmd", "apply", "--inventory", path, "--group", "b", "--report", Path("cmd.json")});
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    EXPECT_TRUE(fleet.TraceSets(fleet.Address(1)).empty());
    EXPECT_FALSE(fleet.TraceSets(fleet.Address(2)).empty());
    QFile report(Path("cmd.json"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(report.readAll()).object()["devices"].toArray();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].toObject()["address"].toString(), fleet.Address(2));
    EXPECT_EQ(rows[0].toObject()["name"].toString(), QStringLiteral("two"));
    EXPECT_EQ(rows[0].toObject()["outcome"].toString(), QStringLiteral("ok"));
}

}  // namespace
