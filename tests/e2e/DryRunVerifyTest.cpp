// aerodesk diff (the dry run of a template application) and apply/template
// --verify against simulated devices: what the devices hold is read with
// net-snmp's tools, what was sent to them from the simulator's trace.
#include "AerodeskRun.h"
#include "support/DeviceValues.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

const std::string kSsidOid = DeviceValues::kRoot + ".2.1.3.3.1.1.1.1.1";
const std::string kFragmentOid = DeviceValues::kRoot + ".2.1.3.3.1.1.1.19.1";
const std::string kApModeOid = DeviceValues::kRoot + ".2.1.3.3.1.1.1.28.1";

class DryRunVerify : public testing::Test {
protected:
    QString KeyFile(const QString& text) {
        const QString path = dir_.filePath(QStringLiteral("keys.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        return path;
    }
    static QStringList Snmp(const SimFleet& fleet) {
        return {QStringLiteral("--port"), QString::number(fleet.Port()), QStringLiteral("--timeout"), QStringLiteral("50"),
                QStringLiteral("--wait"), QStringLiteral("30")};
    }
    static int Sets(const SimFleet& fleet, const QString& address) {
        return static_cast<int>(fleet.TraceSets(address).size());
    }
    // The key's row of a device in diff's JSON.
    static QJsonObject KeyRow(const QJsonObject& device, const QString& key) {
        for (const QJsonValue& row : device["keys"].toArray())
            if (row.toObject()["key"].toString() == key)
                return row.toObject();
        return {};
    }
    static QJsonArray Devices(const AerodeskOutcome& o) {
        return QJsonDocument::fromJson(o.Out.toUtf8()).object()["devices"].toArray();
    }

    QTemporaryDir dir_;
};

TEST_F(DryRunVerify, e2e_DiffShowsChangesSendsNoSetAndAMatchingDeviceShowsNoChange) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.221.1"), 1, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    const std::string target = fleet.Target(1);
    const QString address = fleet.Address(1);
    const QString oldSsid = QString::fromStdString(DeviceValues::Get(target, kSsidOid));
    ASSERT_FALSE(oldSsid.isEmpty());
    ASSERT_NE(oldSsid, QStringLiteral("hall-7"));
    const QString fragment = QString::fromStdString(DeviceValues::Get(target, kFragmentOid));
    ASSERT_FALSE(fragment.isEmpty());
    const QString keys = KeyFile(QStringLiteral("AWS_80211g_SSID=hall-7\nAWS_80211g_Frag_Threshold=%1\n"
                                                "AWS_80211a_SSID=five\n").arg(fragment));

    AerodeskOutcome o = RunAerodesk(QStringList{"diff", keys, address, "--json"} + Snmp(fleet));
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    QJsonArray devices = Devices(o);
    ASSERT_EQ(devices.size(), 1) << o.Out.toStdString();
    QJsonObject ssid = KeyRow(devices[0].toObject(), QStringLiteral("AWS_80211g_SSID"));
    EXPECT_EQ(ssid["status"].toString(), QStringLiteral("change"));
    EXPECT_EQ(ssid["device"].toString(), oldSsid);
    EXPECT_EQ(ssid["template"].toString(), QStringLiteral("hall-7"));
    EXPECT_EQ(KeyRow(devices[0].toObject(), QStringLiteral("AWS_80211g_Frag_Threshold"))["status"].toString(),
              QStringLiteral("no change"));
    // The other band's key is not used on a 2.4 GHz device.
    EXPECT_EQ(KeyRow(devices[0].toObject(), QStringLiteral("AWS_80211a_SSID"))["status"].toString(),
              QStringLiteral("not applied"));
    EXPECT_EQ(devices[0].toObject()["changes"].toInt(), 1);
    // The device was read and nothing was written.
    EXPECT_FALSE(fleet.Trace().empty());
    EXPECT_EQ(Sets(fleet, address), 0);
    EXPECT_EQ(QString::fromStdString(DeviceValues::Get(target, kSsidOid)), oldSsid);

    // Applied, the device matches the template: the dry run shows no change
    // and still sends no set.
    o = RunAerodesk(QStringList{"apply", keys, address} + Snmp(fleet));
    ASSERT_EQ(o.Code, 0) << o.Out.toStdString() << o.Err.toStdString();
    ASSERT_EQ(DeviceValues::Get(target, kSsidOid), "hall-7");
    const int setsAfterApply = Sets(fleet, address);
    ASSERT_GT(setsAfterApply, 0);
    o = RunAerodesk(QStringList{"diff", keys, address} + Snmp(fleet));
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    EXPECT_TRUE(o.Out.contains(address + QStringLiteral(": no change"))) << o.Out.toStdString();
    o = RunAerodesk(QStringList{"diff", keys, address, "--json"} + Snmp(fleet));
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    devices = Devices(o);
    ASSERT_EQ(devices.size(), 1) << o.Out.toStdString();
    EXPECT_EQ(devices[0].toObject()["changes"].toInt(), 0);
    for (const char* key : {"AWS_80211g_SSID", "AWS_80211g_Frag_Threshold"}) {
        const QJsonObject row = KeyRow(devices[0].toObject(), QString::fromLatin1(key));
        EXPECT_EQ(row["status"].toString(), QStringLiteral("no change")) << key;
        EXPECT_EQ(row["device"].toString(), row["template"].toString()) << key;
    }
    EXPECT_EQ(Sets(fleet, address), setsAfterApply);
}

TEST_F(DryRunVerify, e2e_DiffNamesWhatTheApplicationRefuses) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.221.11"), 1, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    std::string out;
    // A wireless client cannot filter MAC addresses: the application leaves the filter out.
    ASSERT_EQ(TestSupport::RunTool("snmpset -v1 -c private " + fleet.Target(1) + " " + kApModeOid + " i 4", out), 0) << out;
    const int setsBefore = Sets(fleet, fleet.Address(1));
    const QString keys = KeyFile(QStringLiteral("Flt_80211g_filter_mac_acl=Accept\nFlt_80211g_filter_mac_add1=00:11:22:33:44:55\n"));
    const AerodeskOutcome o = RunAerodesk(QStringList{"diff", keys, fleet.Address(1), "--json"} + Snmp(fleet));
    ASSERT_EQ(o.Code, 0) << o.Err.toStdString();
    const QJsonArray devices = Devices(o);
    ASSERT_EQ(devices.size(), 1) << o.Out.toStdString();
    const QJsonObject row = KeyRow(devices[0].toObject(), QStringLiteral("Flt_80211g_filter_mac_acl"));
    EXPECT_EQ(row["status"].toString(), QStringLiteral("refused"));
    EXPECT_TRUE(row["note"].toString().contains(QStringLiteral("Mac Filter can't be activated"))) << o.Out.toStdString();
    EXPECT_EQ(Sets(fleet, fleet.Address(1)), setsBefore);
}

TEST_F(DryRunVerify, e2e_VerifyNamesAValueTheDeviceTookButDidNotKeep) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.221.21"), 2,
                            {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv"), QStringLiteral("--forget"),
                             QStringLiteral("1:") + QString::fromStdString(kSsidOid)}))
        << fleet.Output();
    const QString keys = KeyFile(QStringLiteral("AWS_80211g_SSID=hall-9\nAWS_80211g_DTIM=2\n"));
    for (const char* command : {"apply", "template"}) {
        const AerodeskOutcome o =
            RunAerodesk(QStringList{command, keys, fleet.Address(1), fleet.Address(2), "--verify"} + Snmp(fleet));
        EXPECT_EQ(o.Code, 1) << command << o.Out.toStdString() << o.Err.toStdString();
        EXPECT_TRUE(o.Out.contains(fleet.Address(1) + QStringLiteral(": did not take: AWS_80211g_SSID")))
            << command << o.Out.toStdString();
        EXPECT_TRUE(o.Out.contains(fleet.Address(2) + QStringLiteral(": verified"))) << command << o.Out.toStdString();
        EXPECT_FALSE(o.Out.contains(fleet.Address(2) + QStringLiteral(": did not take"))) << o.Out.toStdString();
    }
    // The set went out to the forgetful device, which kept its old name; the other took it.
    bool sent = false;
    for (const TestSupport::SimTraceRecord& r : fleet.TraceSets(fleet.Address(1)))
        for (const TestSupport::SimTraceVarbind& v : r.Varbinds)
            sent = sent || (v.Oid == QString::fromStdString(kSsidOid) && v.Value == QStringLiteral("hall-9"));
    EXPECT_TRUE(sent);
    EXPECT_NE(DeviceValues::Get(fleet.Target(1), kSsidOid), "hall-9");
    EXPECT_EQ(DeviceValues::Get(fleet.Target(2), kSsidOid), "hall-9");
    // Without --verify the application alone reports success.
    const AerodeskOutcome plain = RunAerodesk(QStringList{"apply", keys, fleet.Address(1)} + Snmp(fleet));
    EXPECT_EQ(plain.Code, 0) << plain.Out.toStdString();
}

TEST_F(DryRunVerify, e2e_DiffRefusesBadInputBeforeAnythingIsSent) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.221.31"), 1, {QStringLiteral("--trace"), fleet.PrivateFile("trace.tsv")}))
        << fleet.Output();
    AerodeskOutcome o = RunAerodesk(QStringList{"diff", dir_.filePath("missing.txt"), fleet.Address(1)} + Snmp(fleet));
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("cannot read the key file"))) << o.Err.toStdString();
    o = RunAerodesk(QStringList{"diff", KeyFile(QStringLiteral("AWS_80211g_SSID=x\n"))} + Snmp(fleet));
    EXPECT_EQ(o.Code, 2);
    o = RunAerodesk({"diff", "--help"});
    EXPECT_EQ(o.Code, 0);
    EXPECT_TRUE(o.Out.contains(QStringLiteral("no change"))) << o.Out.toStdString();
    EXPECT_TRUE(fleet.Trace().empty());
}

}  // namespace
