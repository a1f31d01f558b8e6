#pragma once
// The maintenance pages against simulated devices that fetch and store their
// files through a real FTP server of the test on loopback (the host's
// server, or the same server as the "remote" one). Device 1 answers; device 2
// stops answering FTP commands (the chain's second set); device 3 refuses the
// discard command.
#include "shell/ShellFixture.h"
#include "TraceLines.h"
#include "pages/ManagementWindow.h"
#include "pages/MaintenancePage.h"
#include "pages/TransferHost.h"
#include "servers/FtpServer.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/PageWait.h"
#include "shell/ShellTiming.h"
#include "shell/WaitDialog.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

// Failure messages show lists of texts as texts.
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << '[' << texts.join(" | ").toStdString() << ']'; }

namespace MaintenanceTest {

// The device's scalars as the pages send them (with ".0").

inline const QString kE = QStringLiteral("1.3.6.1.4.1.171.10.37.36");
inline const QString kServerOid = kE + ".4.3.3.1.0";
inline const QString kUserOid = kE + ".4.3.3.3.0";
inline const QString kPasswordOid = kE + ".4.3.3.4.0";
inline const QString kRemoteNameOid = kE + ".4.3.3.5.0";
inline const QString kFtpCommandOid = kE + ".4.3.3.7.0";
inline const QString kUpgradeOid = kE + ".4.3.3.8.0";
inline const QString kRestartOid = kE + ".4.2.1.0";
inline const QString kFactoryOid = kE + ".4.2.2.0";
inline const QString kDiscardOid = kE + ".4.3.4.0";
inline const QString kLanguageClearOid = kE + ".4.2.5.0";
inline const QString kVersionOid = kE + ".5.1.1.0";
inline const QString kSysNameOid = QStringLiteral("1.3.6.1.2.1.1.5.0");

class MaintenancePagesTest : public testing::Test {
public:
    static constexpr int kLive = 1;
    static constexpr int kStopsAnswering = 2;
    static constexpr int kRefusesDiscard = 3;

    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ftpHome_ = dir_->filePath("ftp-home");
        QDir().mkpath(ftpHome_);
        ftp_ = std::make_unique<FtpServer>();
        ASSERT_TRUE(ftp_->AddAccount("aerodesk", "station-secret", ftpHome_));
        ASSERT_TRUE(ftp_->Listen(QHostAddress(QStringLiteral("127.0.0.1")), 0)) << ftp_->ErrorString().toStdString();
        ftp_->SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
        sim_ = std::make_unique<TestSupport::SimFleet>();
        const QString silentFtp = QStringLiteral("%1:%2:silent:set").arg(kStopsAnswering).arg(kFtpCommandOid);
        const QString refusedDiscard = QStringLiteral("%1:%2:genErr:set").arg(kRefusesDiscard).arg(kDiscardOid);
        ASSERT_TRUE(sim_->Start(QStringLiteral("127.0.113.1"), 3,
                                {"--trace", sim_->PrivateFile("trace.tsv"), "--verbose", "--ftp-port",
                                 QString::number(ftp_->Port()), "--restart-time", "1000", "--reset-time", "300",
                                 "--transfer-timeout", "10", "--fault", silentFtp, "--fault", refusedDiscard}))
            << sim_->Output();
    }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        sim_.reset();
        ftp_.reset();
        dir_.reset();
    }

protected:
    void SetUp() override {
        messages = std::make_unique<ShellTest::MessageLog>();
        host = {ftp_.get(), false, {}, {}, {}};
        TransferHost::SetSource([this] { return host; });
        // The long waits (reboots) are recorded and cut short; request
        // time-outs keep the common scale.
        ShellTiming::SetTimerHook([this](QTimer& timer, int milliseconds) {
            timers.push_back({timer.objectName(), milliseconds});
            if (milliseconds >= 10000)
                timer.setInterval(std::min(timer.interval(), 200));
        });
    }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(60000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        ShellTiming::SetTimerHook({});
        TransferHost::SetSource({});
        status.reset();
        messages.reset();
    }

    // Opens the window on a device and shows the page (as a click in the bar does).
    CMaintenancePage* Open(int device, const QString& label, double scale = 0.05) {
        ShellTiming::SetScale(scale);
        WindowSettings settings;
        settings.DeviceIpAddress = sim_->Address(device);
        settings.SnmpPort = sim_->Port();
        if (!ManagementWindow::Open(settings))
            return nullptr;
        frame = ManagementWindow::Frame();
        status = std::make_unique<ShellTest::StatusLog>(frame);
        frame->SwitchByLabel(label);
        if (!ManagementWindow::WaitIdle(30000))
            return nullptr;
        page = dynamic_cast<CMaintenancePage*>(frame->View()->PageByLabel(label));
        return page;
    }
    // Clicks a button and waits until the page's chain has ended.
    bool Press(const QString& button) {
        QPushButton* control = page->FindButton(button);
        if (!control || !control->isEnabled())
            return false;
        control->click();
        return ManagementWindow::WaitIdle(60000);
    }
    bool SetField(const QString& name, const QString& text) {
        PageField* field = page->FindField(name);
        QString why;
        return field && field->Enter(text, &why);
    }
    // The page is usable again: no wait, the frame enabled, no wait dialog
    // shown (a closed one may await its deletion).
    bool Settled() const {
        if (page->Waiting() || page->IsBusy() || !frame->isEnabled() || page->WaitDialog() != nullptr)
            return false;
        for (const CWaitDialog* dialog : frame->findChildren<CWaitDialog*>()) {
            if (dialog->isVisible())
                return false;
        }
        return true;
    }

    static QString File(const QString& name, const QByteArray& data) {
        const QString path = dir_->filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return path;
    }
    static std::vector<PageTest::SetRequest> AllSets(int device) {
        return PageTest::SetsIn(sim_->PrivateFile("trace.tsv"), sim_->Address(device));
    }
    // Where the device's sets stand now.
    static size_t Mark(int device = kLive) { return AllSets(device).size(); }
    // The sets the device received since `mark`, each one once in the order
    // it first came: a retransmission (a request's retry) adds nothing.
    static std::vector<PageTest::SetRequest> SetsSince(size_t mark, int device = kLive) {
        const auto all = AllSets(device);
        std::vector<PageTest::SetRequest> sets;
        for (size_t i = mark; i < all.size(); ++i) {
            bool seen = false;
            for (const auto& set : sets)
                seen |= set.Varbinds == all[i].Varbinds;
            if (!seen)
                sets.push_back(all[i]);
        }
        return sets;
    }
    // The value a set of the device carried for `oid`, "" when none did.
    static QString SentValue(const PageTest::SetRequest& set, const QString& oid) {
        for (const QString& varbind : set.Varbinds) {
            if (varbind.section('=', 0, 0) == oid)
                return varbind.section('=', 1);
        }
        return {};
    }
    // The sets since `mark`, one line each, for failure messages.
    static QStringList SentSince(size_t mark, int device = kLive) {
        QStringList sent;
        for (const auto& set : SetsSince(mark, device))
            sent << set.Varbinds.join(QLatin1Char(' '));
        return sent;
    }
    static QString Read(const QString& oid, int32_t syntax, int device = kLive) {
        SnmpRequest r;
        r.Address = sim_->Address(device);
        r.Port = sim_->Port();
        r.Timeout = 50;
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, "v", syntax, SnmpAccess::ReadOnly);
        try {
            r.Read(true);
        } catch (...) {
            return {};
        }
        return r.Variables.Entry(0).Value;
    }
    static void Write(const QString& oid, int32_t syntax, const QString& value, int device = kLive) {
        SnmpRequest r;
        r.Address = sim_->Address(device);
        r.Port = sim_->Port();
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, "v", syntax, SnmpAccess::ReadWrite);
        r.Variables.Entry(0).Value = value;
        r.Write();
    }
    // Reads until the device answers with `value` (it may be restarting).
    static bool EventuallyReads(const QString& oid, int32_t syntax, const QString& value, int device = kLive) {
        return ShellTest::PumpUntil([&] { return Read(oid, syntax, device) == value; }, 20000);
    }
    // The simulator's report lines of the device (its actions and transfers).
    static bool DeviceSaid(const QString& text, int device = kLive) {
        return ShellTest::PumpUntil([&] { return sim_->DeviceLines(device).join('\n').contains(text); }, 10000);
    }
    int RequestedMs(const QString& timer) const {
        for (auto it = timers.rbegin(); it != timers.rend(); ++it) {
            if (it->first == timer)
                return it->second;
        }
        return -1;
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString ftpHome_;
    static inline std::unique_ptr<FtpServer> ftp_;
    static inline std::unique_ptr<TestSupport::SimFleet> sim_;

    TransferHost host;
    std::vector<std::pair<QString, int>> timers;   // name, milliseconds asked for
    QPointer<CMainFrame> frame;
    CMaintenancePage* page = nullptr;
    std::unique_ptr<ShellTest::MessageLog> messages;
    std::unique_ptr<ShellTest::StatusLog> status;
};

}  // namespace MaintenanceTest
