// Every aerodesk fleet command, the real program loading the module, against
// a device that drops 30 % of requests, answers 200 ms late, or never
// answers. Each run ends in its bound (--wait) with exit 0 or 1, never a
// crash or a hang; a late device is served, a silent one reported with its
// address and the reason; a --json run prints one JSON document; and the
// device holds either its old values or the new ones.
#include "FaultRun.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace FaultRun;
using TestSupport::SimFleet;

namespace {

struct CommandRun {
    QString Name;
    QStringList Arguments;
    bool Json = false;
    std::unique_ptr<QProcess> Process;
    int Code = -1;
    QString Out, Err;
};

// Starts every run at once (the device is asked by all of them together, as
// an administrator's scripts would) and waits for all, at most `ms`.
void RunAll(std::vector<CommandRun>& runs, int ms) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (CommandRun& run : runs) {
        run.Process = std::make_unique<QProcess>();
        run.Process->setProcessEnvironment(env);
        run.Process->start(QStringLiteral(NXA_AERODESK_BINARY), run.Arguments);
    }
    QDeadlineTimer deadline(ms);
    for (CommandRun& run : runs) {
        if (!run.Process->waitForFinished(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            run.Process->kill();
            run.Process->waitForFinished();
            continue;   // Code stays -1: did not end in time
        }
        run.Code = run.Process->exitStatus() == QProcess::NormalExit ? run.Process->exitCode() : -1;
        run.Out = QString::fromUtf8(run.Process->readAllStandardOutput());
        run.Err = QString::fromUtf8(run.Process->readAllStandardError());
    }
}

class AerodeskFaults : public testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        ftpPort = TestSupport::FreeTcpPort();
        QStringList arguments = SimArguments(GetParam());
        arguments << QStringLiteral("--ftp-port") << QString::number(ftpPort) << QStringLiteral("--restart-time")
                  << QStringLiteral("300") << QStringLiteral("--rows") << QStringLiteral("rogue=2");
        ASSERT_TRUE(sim.Start(QStringLiteral("127.0.%1.1").arg(190 + static_cast<int>(GetParam())), 1, arguments))
            << sim.Output();
        address = sim.Address(1);
        target = sim.Target(1);
        if (GetParam() != Fault::Silent) {
            oldUser = ReadBack(target, kUserName);
            oldFirmware = ReadBack(target, kFirmware);
        }
    }
    bool Silent() const { return GetParam() == Fault::Silent; }
    bool Late() const { return GetParam() == Fault::Delay200; }
    // --wait: long enough for a late device, short for a silent one.
    QStringList Common() const {
        return {QStringLiteral("--port"), QString::number(sim.Port()), QStringLiteral("--timeout"),
                QString::number(HostTimeout(GetParam())), QStringLiteral("--wait"),
                Silent() ? QStringLiteral("3") : QStringLiteral("30")};
    }
    CommandRun Make(const QString& name, QStringList arguments, bool json) {
        CommandRun run;
        run.Name = name;
        run.Arguments = arguments + Common();
        run.Json = json;
        if (json)
            run.Arguments << QStringLiteral("--json");
        return run;
    }
    void Check(const std::vector<CommandRun>& runs) {
        for (const CommandRun& run : runs) {
            SCOPED_TRACE(run.Name.toStdString() + "\n" + run.Out.toStdString() + run.Err.toStdString());
            ASSERT_TRUE(run.Code == 0 || run.Code == 1) << "exit " << run.Code << " (-1: crashed or did not end)";
            if (Late()) {
                EXPECT_EQ(run.Code, 0);
            }
            if (Silent()) {
                EXPECT_EQ(run.Code, 1);
            }
            if (run.Code == 1) {
                EXPECT_TRUE((run.Out + run.Err).contains(address)) << "the failed device is named";
            }
            if (run.Json) {
                QJsonParseError error{};
                const QJsonDocument document = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
                EXPECT_EQ(error.error, QJsonParseError::NoError) << "one JSON document";
                EXPECT_TRUE(document.isObject());
            }
        }
    }

    SimFleet sim;
    uint16_t ftpPort = 0;
    QString address;
    std::string target, oldUser, oldFirmware;
};

TEST_P(AerodeskFaults, ReadingCommands) {
    std::vector<CommandRun> runs;
    for (const char* command : {"info", "clients", "config", "traffic", "fwversion", "probe", "rogue"})
        runs.push_back(Make(QString::fromLatin1(command), {QString::fromLatin1(command), address}, true));
    RunAll(runs, 150000);
    Check(runs);
    if (!Silent()) {
        EXPECT_EQ(ReadBack(target, kUserName), oldUser) << "reading changes nothing";
        EXPECT_EQ(Rows(target, kClientMacColumn), 4);
    }
}

TEST_P(AerodeskFaults, WritingCommands) {
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("t.key"));
    const QString user = QStringLiteral("ad%1").arg(Name(GetParam()));
    ASSERT_TRUE(WriteFile(key, "SYS_Username=" + user.toUtf8() + "\n"));
    const QString image = dir.filePath(QStringLiteral("nxa.img"));
    ASSERT_TRUE(WriteFile(image, "version=6.66\n"));
    std::vector<CommandRun> runs;
    runs.push_back(Make(QStringLiteral("template"), {QStringLiteral("template"), key, address}, false));
    runs.push_back(Make(QStringLiteral("cmd apply"), {QStringLiteral("cmd"), QStringLiteral("apply"), address}, false));
    runs.push_back(Make(QStringLiteral("backup"),
                        {QStringLiteral("backup"), address, QStringLiteral("--to"), dir.path(),
                         QStringLiteral("--ftp-port"), QString::number(ftpPort)},
                        false));
    RunAll(runs, 150000);
    Check(runs);
    const QString dcf = dir.filePath(address + QStringLiteral(".dcf"));
    if (runs[2].Code == 0) {
        EXPECT_GT(QFileInfo(dcf).size(), 0);
    }
    std::vector<CommandRun> second;
    second.push_back(Make(QStringLiteral("apply"), {QStringLiteral("apply"), key, address}, false));
    RunAll(second, 150000);
    Check(second);
    if (!Silent()) {
        const std::string now = ReadBack(target, kUserName);
        if (runs[0].Code == 0 || second[0].Code == 0) {
            EXPECT_EQ(now, user.toStdString());
        } else {
            EXPECT_TRUE(now == oldUser || now == user.toStdString()) << now;
        }
    }

    // The upgrade (its own FTP server on ftpPort) and then a restart.
    std::vector<CommandRun> upgrade;
    upgrade.push_back(Make(QStringLiteral("upgrade"),
                           {QStringLiteral("upgrade"), image, address, QStringLiteral("--ftp-port"),
                            QString::number(ftpPort), QStringLiteral("--settings-timeout"), QStringLiteral("100"),
                            QStringLiteral("--update-timeout"), QStringLiteral("200"), QStringLiteral("--margin"),
                            QStringLiteral("50"), QStringLiteral("--reboot-wait"), QStringLiteral("10")},
                           true));
    RunAll(upgrade, 150000);
    Check(upgrade);
    if (!Silent()) {
        ASSERT_TRUE(WaitAnswering(target));
        const std::string firmware = ReadBack(target, kFirmware);
        if (upgrade[0].Code == 0) {
            EXPECT_EQ(firmware, "6.66");
        } else {
            EXPECT_TRUE(firmware == oldFirmware || firmware == "6.66") << firmware;
        }
    }
    std::vector<CommandRun> restart;
    restart.push_back(Make(QStringLiteral("cmd restart"), {QStringLiteral("cmd"), QStringLiteral("restart"), address}, false));
    RunAll(restart, 150000);
    Check(restart);
    if (!Silent()) {
        EXPECT_TRUE(WaitAnswering(target));
    }
}

// The management window (PlugShow, driven by aerodesk page as a person
// would use it): a page shown and a page saved. --wait bounds each step; a
// device that never answers is reported unreachable (exit 3), a late one is
// served, and what the window shows is what the device holds.
TEST_P(AerodeskFaults, WindowPages) {
    const QString ssid = QStringLiteral("win%1").arg(Name(GetParam()));
    const std::string oldSsid = Silent() ? std::string() : ReadBack(target, kSsid);
    const QStringList bound = {QStringLiteral("--port"), QString::number(sim.Port()), QStringLiteral("--timeout"),
                               QString::number(HostTimeout(GetParam())), QStringLiteral("--wait"),
                               QStringLiteral("20"), QStringLiteral("--json")};
    std::vector<CommandRun> runs(2);
    runs[0].Name = QStringLiteral("page Information");
    runs[0].Arguments = QStringList{QStringLiteral("page"), address, QStringLiteral("Information")} + bound;
    runs[1].Name = QStringLiteral("page Wireless, Save");
    runs[1].Arguments = QStringList{QStringLiteral("page"), address, QStringLiteral("Wireless"), QStringLiteral("--set"),
                                    QStringLiteral("SSID=") + ssid, QStringLiteral("--press"), QStringLiteral("Save")} +
                        bound;
    RunAll(runs, 170000);
    for (const CommandRun& run : runs) {
        SCOPED_TRACE(run.Name.toStdString() + "\n" + run.Out.toStdString() + run.Err.toStdString());
        ASSERT_TRUE(run.Code == 0 || run.Code == 1 || run.Code == 3) << "exit " << run.Code << " (-1: crashed or did not end)";
        QJsonParseError error{};
        const QJsonObject report = QJsonDocument::fromJson(run.Out.toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << "one JSON document";
        EXPECT_EQ(report.value("exit").toInt(), run.Code);
        if (run.Code != 0) {
            EXPECT_FALSE(report.value("error").toString().isEmpty()) << "a failure says why";
        }
        if (Silent()) {
            EXPECT_EQ(run.Code, 3);
        }
        if (Late()) {
            EXPECT_EQ(run.Code, 0);
        }
    }
    if (Silent())
        return;
    const QJsonObject shown = QJsonDocument::fromJson(runs[0].Out.toUtf8()).object();
    if (runs[0].Code == 0 && shown.value("status").toArray().contains(QStringLiteral("Get OK."))) {
        EXPECT_EQ(shown.value("fields").toObject().value("System Name").toString().toStdString(),
                  ReadBack(target, kSysName));
    }
    const std::string now = ReadBack(target, kSsid);
    if (Late()) {
        EXPECT_EQ(now, ssid.toStdString());
    } else {
        EXPECT_TRUE(now == oldSsid || now == ssid.toStdString()) << now;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, AerodeskFaults, testing::Values(Fault::Drop30, Fault::Delay200, Fault::Silent),
                         [](const testing::TestParamInfo<Fault>& info) { return std::string(Name(info.param)); });

}  // namespace
