#pragma once
// A management window on a simulated device, with the probe page as the LAN page.
#include "ProbePage.h"
#include "ShellFixture.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/PageWait.h"
#include "shell/ShellTiming.h"
#include <QPointer>
#include <gtest/gtest.h>

class WindowTest : public testing::Test {
public:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<ShellTest::Simulator>();
        ASSERT_TRUE(sim_->Start(3, "127.0.10.1", "2"));
        PageRegistry::SetFactory("CLanPage", &ProbePage::Make);
        ShellTiming::SetScale(0.1);
    }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        sim_.reset();
    }

protected:
    static constexpr int kLive = 1;
    static constexpr int kSilent = 2;

    void SetUp() override { messages = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (frame) {
            ShellTest::PumpUntil([this] { return !frame->View()->BusyCheck() && !frame->View()->Wait().IsWaiting(); },
                                 30000);
            delete frame.data();
        }
        status.reset();
        messages.reset();
    }
    CMainFrame* Open(int device) {
        WindowSettings settings;
        settings.DeviceIpAddress = sim_->Address(device);
        settings.SnmpPort = sim_->Port();
        frame = new CMainFrame(settings);
        frame->show();
        status = std::make_unique<ShellTest::StatusLog>(frame);
        return frame;
    }
    ProbePage* Probe() const { return static_cast<ProbePage*>(frame->View()->PageByLabel("LAN")); }
    bool Idle() const { return !frame->View()->BusyCheck() && !frame->View()->Wait().IsWaiting(); }
    bool WaitIdle(int ms = 20000) {
        return ShellTest::PumpUntil([this] { return Idle(); }, ms);
    }

    static inline std::unique_ptr<ShellTest::Simulator> sim_;
    QPointer<CMainFrame> frame;
    std::unique_ptr<ShellTest::MessageLog> messages;
    std::unique_ptr<ShellTest::StatusLog> status;
};
