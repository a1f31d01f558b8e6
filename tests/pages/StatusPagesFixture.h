#pragma once
// The status, date-and-time and log pages against a simulated fleet with a
// trace, whose devices send their log by TFTP to the port the module's TFTP
// server listens on (NXA_TFTP_PORT).
#include "shell/ShellFixture.h"
#include "support/DeviceValues.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "pages/BuiltPages.h"
#include "pages/ManagementWindow.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/PageField.h"
#include "shell/ShellTiming.h"
#include <QPushButton>
#include <QPointer>
#include <gtest/gtest.h>

class StatusPagesTest : public testing::Test {
public:
    static void SetUpTestSuite() {
        BuiltPages::Install();
        tftpPort_ = TestSupport::FreeUdpPort();
        ASSERT_NE(tftpPort_, 0);
        qputenv("NXA_TFTP_PORT", QByteArray::number(tftpPort_));
        sim_ = std::make_unique<TestSupport::SimFleet>();
        ASSERT_TRUE(sim_->Start("127.0.17.1", 2,
                                {"--trace", sim_->PrivateFile("trace.tsv"), "--tftp-port", QString::number(tftpPort_),
                                 "--rows", "wds=3", "--transfer-timeout", "2"}))
            << sim_->Output();
    }
    // "address:port" of device n for net-snmp's tools.
    static std::string Target(int device) { return sim_->Target(device); }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        sim_.reset();
        qunsetenv("NXA_TFTP_PORT");
    }

protected:
    void SetUp() override { messages = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        status.reset();
        messages.reset();
    }
    // Opens the window on device n and shows the page (which refreshes it).
    CPage* Show(const QString& label, int device = 1, double scale = 0.05) {
        ShellTiming::SetScale(scale);
        WindowSettings settings;
        settings.DeviceIpAddress = sim_->Address(device);
        settings.SnmpPort = sim_->Port();
        if (!ManagementWindow::Open(settings))
            return nullptr;
        frame = ManagementWindow::Frame();
        status = std::make_unique<ShellTest::StatusLog>(frame);
        if (!WaitIdle())
            return nullptr;
        frame->SwitchByLabel(label);
        if (!WaitIdle())
            return nullptr;
        return frame->View()->PageByLabel(label);
    }
    bool WaitIdle(int ms = 30000) { return ManagementWindow::WaitIdle(ms); }
    // Types into a field as a person would.
    static bool Enter(CPage* page, const QString& field, const QString& text) {
        PageField* f = page->FindField(field);
        QString why;
        return f && f->Enter(text, &why);
    }
    bool Press(CPage* page, const QString& button) {
        QPushButton* b = page->FindButton(button);
        if (!b || !b->isEnabled() || !b->isVisibleTo(page))
            return false;
        b->click();
        return WaitIdle();
    }
    // What the device holds, read with net-snmp's own tools.
    static std::string Get(const std::string& oidBelowRoot, int device = 1) {
        return DeviceValues::Get(sim_->Target(device), DeviceValues::kRoot + "." + oidBelowRoot);
    }
    // A set with net-snmp's snmpset (TYPE as it takes it: i, s, a ...).
    static bool SetOnDevice(const std::string& oidBelowRoot, const char* type, const QString& value, int device = 1) {
        QString out;
        return TestSupport::RunCommand("snmpset", {"-v2c", "-c", "private", QString::fromStdString(sim_->Target(device)),
                                                   QString::fromStdString(DeviceValues::kRoot + "." + oidBelowRoot),
                                                   type, value},
                                       &out) == 0;
    }
    static std::vector<TestSupport::SimTraceRecord> Sets(int device = 1) {
        return sim_->TraceSets(sim_->Address(device));
    }
    // "OID=VALUE" of every varbind of a set, OIDs below the enterprise root shortened to "E.…".
    static QStringList Varbinds(const TestSupport::SimTraceRecord& set) {
        QStringList list;
        const QString root = QString::fromStdString(DeviceValues::kRoot) + ".";
        for (const auto& v : set.Varbinds)
            list << (v.Oid.startsWith(root) ? "E." + v.Oid.mid(root.size()) : v.Oid) + "=" + v.Value;
        return list;
    }

    static inline std::unique_ptr<TestSupport::SimFleet> sim_;
    static inline uint16_t tftpPort_ = 0;
    QPointer<CMainFrame> frame;
    std::unique_ptr<ShellTest::MessageLog> messages;
    std::unique_ptr<ShellTest::StatusLog> status;
};
