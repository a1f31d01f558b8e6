// aerodesk upgrade in waves against simulated devices that fetch the image
// from aerodesk's FTP server: what each device was sent is read from the
// simulator's trace.
#include "AerodeskRun.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

// The variable whose set starts the installation of the downloaded image.
const QString kUpgradeCommandOid = QStringLiteral("1.3.6.1.4.1.171.10.37.36.4.3.3.8");

class UpgradeWavesE2e : public testing::Test {
protected:
    void SetUp() override {
        ftpPort_ = TestSupport::FreeTcpPort();
        image_ = Image(QStringLiteral("fleet.img"), "version=4.20\n");
        state_ = dir_.filePath(QStringLiteral("waves.json"));
    }
    QString Image(const QString& name, const QByteArray& text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    bool StartFleet(SimFleet& fleet, int devices, const QStringList& extra = {}) {
        return fleet.Start(QStringLiteral("127.0.223.1"), devices,
                           QStringList{QStringLiteral("--ftp-port"), QString::number(ftpPort_), QStringLiteral("--restart-time"),
                                       QStringLiteral("200"), QStringLiteral("--trace"),
                                       fleet.PrivateFile(QStringLiteral("trace.tsv"))} +
                               extra);
    }
    AerodeskOutcome Upgrade(const SimFleet& fleet, const QString& image, const QStringList& extra) {
        QStringList addresses;
        for (int n = 1; n <= fleet.Devices(); ++n)
            addresses << fleet.Address(n);
        return RunAerodesk(QStringList{QStringLiteral("upgrade"), image} + addresses +
                           QStringList{"--port", QString::number(fleet.Port()), "--timeout", "50", "--ftp-port",
                                       QString::number(ftpPort_), "--settings-timeout", "2000", "--update-timeout", "200",
                                       "--margin", "20", "--reboot-wait", "10"} +
                           extra);
    }
    // The devices that were told to install an image.
    static QSet<QString> Installing(const SimFleet& fleet) {
        QSet<QString> devices;
        for (const TestSupport::SimTraceRecord& r : fleet.Trace())
            for (const TestSupport::SimTraceVarbind& v : r.Varbinds)
                if (r.Type == QLatin1String("SET") && v.Oid.startsWith(kUpgradeCommandOid))
                    devices.insert(r.Address);
        return devices;
    }
    static QSet<QString> Asked(const SimFleet& fleet) {
        QSet<QString> devices;
        for (const TestSupport::SimTraceRecord& r : fleet.Trace())
            devices.insert(r.Address);
        return devices;
    }

    QTemporaryDir dir_;
    QString image_;
    QString state_;
    uint16_t ftpPort_ = 0;
};

TEST_F(UpgradeWavesE2e, e2e_AWaveWithAFailureStopsAndTheNextRunResumesFromTheStateFile) {
    SimFleet fleet;
    // The third device refuses to install.
    ASSERT_TRUE(StartFleet(fleet, 5, {QStringLiteral("--fault"), QStringLiteral("3:") + kUpgradeCommandOid + QStringLiteral(":genErr:set")}))
        << fleet.Output();
    AerodeskOutcome o = Upgrade(fleet, image_, {"--canary", "1", "--wave", "2", "--state", state_});
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("wave 1 of 3 (canary): %1\n").arg(fleet.Address(1)))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("wave 2 of 3: %1, %2\n").arg(fleet.Address(2), fleet.Address(3))));
    EXPECT_TRUE(o.Out.contains(QStringLiteral("not started: %1, %2").arg(fleet.Address(4), fleet.Address(5))))
        << o.Out.toStdString();
    EXPECT_FALSE(o.Out.contains(QStringLiteral("wave 3 of 3")));
    // Live progress as the upgrade goes.
    EXPECT_TRUE(o.Out.contains(QStringLiteral("step Update F/W:2"))) << o.Out.toStdString();
    EXPECT_EQ(Installing(fleet), (QSet<QString>{fleet.Address(1), fleet.Address(2), fleet.Address(3)}));
    QFile stateFile(state_);
    ASSERT_TRUE(stateFile.open(QIODevice::ReadOnly));
    const QJsonObject devices = QJsonDocument::fromJson(stateFile.readAll()).object()["devices"].toObject();
    EXPECT_EQ(devices[fleet.Address(1)].toString(), QStringLiteral("upgraded"));
    EXPECT_EQ(devices[fleet.Address(2)].toString(), QStringLiteral("upgraded"));
    EXPECT_EQ(devices[fleet.Address(3)].toString(), QStringLiteral("failed"));
    EXPECT_FALSE(devices.contains(fleet.Address(4)));

    // The fault mended (a new simulator, whose devices report the old version
    // again): the same command goes on without the devices it upgraded.
    ASSERT_TRUE(StartFleet(fleet, 5)) << fleet.Output();
    o = Upgrade(fleet, image_, {"--canary", "1", "--wave", "2", "--state", state_});
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(1) + QStringLiteral(": skipped: upgraded by an earlier run"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(2) + QStringLiteral(": skipped: upgraded by an earlier run")));
    EXPECT_EQ(Installing(fleet), (QSet<QString>{fleet.Address(3), fleet.Address(4), fleet.Address(5)}));

    // Devices that already run the image's version are skipped (no state file).
    const size_t before = fleet.Trace().size();
    o = RunAerodesk({"upgrade", image_, fleet.Address(3), fleet.Address(4), "--port", QString::number(fleet.Port()), "--timeout",
                     "50", "--ftp-port", QString::number(ftpPort_), "--wave", "1"});
    EXPECT_EQ(o.Code, 0) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(3) + QStringLiteral(": skipped: already runs 4.20"))) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(fleet.Address(4) + QStringLiteral(": skipped: already runs 4.20"))) << o.Out.toStdString();
    for (size_t i = before; i < fleet.Trace().size(); ++i)
        EXPECT_NE(fleet.Trace()[i].Type, QStringLiteral("SET"));
}

TEST_F(UpgradeWavesE2e, e2e_KeepGoingRunsEveryWave) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, 3, {QStringLiteral("--fault"), QStringLiteral("1:") + kUpgradeCommandOid + QStringLiteral(":genErr:set")}))
        << fleet.Output();
    const AerodeskOutcome o = Upgrade(fleet, image_, {"--canary", "1", "--wave", "1", "--keep-going"});
    EXPECT_EQ(o.Code, 1) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains(QStringLiteral("wave 3 of 3"))) << o.Out.toStdString();
    EXPECT_EQ(Installing(fleet), (QSet<QString>{fleet.Address(1), fleet.Address(2), fleet.Address(3)}));
}

TEST_F(UpgradeWavesE2e, e2e_AMissingImageAndAnotherImagesStateAreRefusedBeforeAnythingIsSent) {
    SimFleet fleet;
    ASSERT_TRUE(StartFleet(fleet, 1)) << fleet.Output();
    AerodeskOutcome o = Upgrade(fleet, dir_.filePath(QStringLiteral("missing.img")), {});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("does not exist: refused"))) << o.Err.toStdString();
    o = Upgrade(fleet, dir_.filePath(QStringLiteral("missing.img")), {"--wave", "1"});
    EXPECT_EQ(o.Code, 2);

    // A state file written for this image, used with another one.
    QFile state(state_);
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    state.write(R"({"image": "/old/fleet.img", "imageSha256": "00", "devices": {}})");
    state.close();
    o = Upgrade(fleet, image_, {"--state", state_});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("belongs to another image"))) << o.Err.toStdString();
    // Not a state file at all.
    ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Truncate));
    state.write("address,port\n");
    state.close();
    o = Upgrade(fleet, image_, {"--state", state_});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(o.Err.contains(QStringLiteral("no upgrade state file"))) << o.Err.toStdString();
    o = Upgrade(fleet, image_, {"--wave", "-1"});
    EXPECT_EQ(o.Code, 2);
    EXPECT_TRUE(Asked(fleet).isEmpty());
}

}  // namespace
