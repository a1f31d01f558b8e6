#pragma once
// The management window opened through its entry points on a simulated fleet:
// device 2 never answers, device 15 has a MAC address whose last digit is F.
#include "shell/ShellFixture.h"
#include "pages/InformationPage.h"
#include "pages/ManagementWindow.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/PageWait.h"
#include "shell/ShellTiming.h"
#include <QPointer>
#include <gtest/gtest.h>

class PagesTest : public testing::Test {
public:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<ShellTest::Simulator>();
        ASSERT_TRUE(sim_->Start(15, "127.0.11.1", "2"));
    }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        sim_.reset();
    }

protected:
    static constexpr int kLive = 1;
    static constexpr int kSilent = 2;
    static constexpr int kCarry = 15;

    void SetUp() override {
        messages = std::make_unique<ShellTest::MessageLog>();
    }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        status.reset();
        messages.reset();
    }
    // Opens the window on a device with the module's time scale: waits and
    // time-outs are scaled (`scale`), so a silent device fails quickly.
    CMainFrame* Open(int device, double scale) {
        ShellTiming::SetScale(scale);
        WindowSettings settings;
        settings.DeviceIpAddress = sim_->Address(device);
        settings.SnmpPort = sim_->Port();
        if (!ManagementWindow::Open(settings))
            return nullptr;
        frame = ManagementWindow::Frame();
        status = std::make_unique<ShellTest::StatusLog>(frame);
        return frame;
    }
    CInformationPage* Info() const { return static_cast<CInformationPage*>(frame->View()->InformationPage()); }
    bool WaitIdle(int ms = 30000) { return ManagementWindow::WaitIdle(ms); }

    static inline std::unique_ptr<ShellTest::Simulator> sim_;
    QPointer<CMainFrame> frame;
    std::unique_ptr<ShellTest::MessageLog> messages;
    std::unique_ptr<ShellTest::StatusLog> status;
};
