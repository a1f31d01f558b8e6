// The window's waits: a save's settle, the apply's long wait, a refresh wait
// and a timed wait each end on their own, and the frame is enabled again only
// when the last of them has ended.
#include "WindowFixture.h"
#include "shell/CaptionStrip.h"
#include "shell/WaitDialog.h"

namespace {

// Shortens the waits for one test and puts the scale back afterwards; the
// page requests keep the time-outs they were made with.
class ScaleGuard {
public:
    explicit ScaleGuard(double scale) : previous_(ShellTiming::Scale()) { ShellTiming::SetScale(scale); }
    ~ScaleGuard() { ShellTiming::SetScale(previous_); }

private:
    double previous_;
};

class PageWaitTest : public WindowTest {
protected:
    // Starts recording the status lines and wait timers afresh; returns the waits.
    PageWait& Record() {
        status->Lines.clear();
        timers = std::make_unique<ShellTest::TimerLog>(status.get());
        return frame->View()->Wait();
    }
    // The wait timer started `index`-th: its name, the milliseconds asked
    // for, its scaled interval, and that it fired.
    void ExpectFiredTimer(size_t index, const QString& name, int milliseconds) const {
        ASSERT_LT(index, timers->Timers.size());
        const ShellTest::TimerLog::Timer& timer = timers->Timers[index];
        EXPECT_EQ(timer.Name, name);
        EXPECT_EQ(timer.Milliseconds, milliseconds);
        EXPECT_EQ(timer.Interval, ShellTiming::Ms(milliseconds));
        EXPECT_TRUE(timer.Fired);
    }
    // Begins and ends a refresh wait while another wait goes on, which keeps
    // the frame disabled and its own line in the dialog.
    void RefreshWaitEndsDuring(PageWait& wait, const QString& line) {
        wait.BeginRefreshWait();
        wait.EndRefreshWait();
        EXPECT_FALSE(frame->isEnabled());
        EXPECT_TRUE(wait.IsWaiting());
        ASSERT_NE(wait.Dialog(), nullptr);
        EXPECT_EQ(wait.Dialog()->Line(), line);
    }
    void TearDown() override {
        WindowTest::TearDown();
        timers.reset();
    }
    std::unique_ptr<ShellTest::TimerLog> timers;
};

TEST_F(PageWaitTest, ARefreshWaitEndingDuringASaveSettleLeavesTheSaveItsOwnEnd) {
    Open(kLive);
    PageWait& wait = Record();
    wait.BeginWait(false);
    wait.EndWait(false, true);   // the set has answered: the save settles
    RefreshWaitEndsDuring(wait, "Saving, please wait...");
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return status->Contains("Save OK!"); }, 10000));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(wait.IsWaiting());
    EXPECT_EQ(wait.Dialog(), nullptr);
    ASSERT_EQ(status->Texts(), QStringList({"Saving, Please wait...", "Refresh gettings, Please wait...",
                                            "Refresh OK!", "Save OK!"}));
    EXPECT_FALSE(status->Lines[2].FrameEnabled);   // the save was still waiting
    EXPECT_TRUE(status->Lines[3].FrameEnabled);
    // One timer, the save's 100 ms (scaled), started before the refresh wait
    // and ending the wait when it fired.
    ASSERT_EQ(timers->Timers.size(), 1u);
    ExpectFiredTimer(0, "save", 100);
    EXPECT_EQ(timers->Timers[0].LinesAtStart, 1u);
    EXPECT_EQ(timers->Timers[0].LinesAtFire, 4u);
}

TEST_F(PageWaitTest, ARefreshWaitEndingDuringTheApplyLeavesTheApplyItsWholeWait) {
    Open(kLive);
    ScaleGuard scale(0.01);
    PageWait& wait = Record();
    wait.BeginWait(true);
    wait.EndWait(true, true);   // the device took the apply: the long wait begins
    RefreshWaitEndsDuring(wait, "Apply Settings, please wait...");
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return status->Contains("Save OK!"); }, 10000));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(frame->View()->CaptionText(), "Information");   // the apply's end shows the Information page
    ASSERT_EQ(status->Texts(), QStringList({"Apply Settings, Please wait...", "Refresh gettings, Please wait...",
                                            "Refresh OK!", "Save OK!"}));
    EXPECT_FALSE(status->Lines[2].FrameEnabled);
    EXPECT_TRUE(status->Lines[3].FrameEnabled);
    // The apply's own 45 s (scaled) ended it, not a save's settle.
    ASSERT_EQ(timers->Timers.size(), 1u);
    ExpectFiredTimer(0, "apply", 45000);
    EXPECT_EQ(timers->Timers[0].Interval, 450);
    EXPECT_EQ(timers->Timers[0].LinesAtFire, 4u);
}

TEST_F(PageWaitTest, AFailedApplyEndsAfterTheSaveSettleWithoutSaveOk) {
    Open(kLive);
    frame->Command(32772);   // another page than the Information page
    ASSERT_TRUE(WaitIdle());
    PageWait& wait = Record();
    wait.BeginWait(true);
    wait.EndWait(true, false);
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return frame->isEnabled(); }, 10000));
    ASSERT_EQ(timers->Timers.size(), 1u);
    ExpectFiredTimer(0, "save", 100);
    EXPECT_EQ(status->Texts(), QStringList({"Apply Settings, Please wait..."}));
    EXPECT_EQ(frame->View()->CaptionText(), "LAN");   // no apply, so the page shown stays
    EXPECT_FALSE(wait.IsWaiting());
}

TEST_F(PageWaitTest, ATimedWaitStartedDuringASaveSettleCancelsNeither) {
    Open(kLive);
    PageWait& wait = Record();
    wait.BeginWait(false);
    wait.EndWait(false, true);
    bool done = false;
    bool enabledAtDone = false;
    wait.TimedWait("Restarting, please wait...", 50, [&] {
        done = true;
        enabledAtDone = frame->isEnabled();
    });
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_TRUE(ShellTest::PumpUntil([&] { return done && status->Contains("Save OK!"); }, 10000));
    EXPECT_TRUE(done);
    EXPECT_TRUE(status->Contains("Save OK!"));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(wait.IsWaiting());
    // Whichever ended first found the frame still disabled by the other.
    bool enabledAtSaveOk = false;
    for (const auto& line : status->Lines) {
        if (line.Text == "Save OK!")
            enabledAtSaveOk = line.FrameEnabled;
    }
    EXPECT_NE(enabledAtDone, enabledAtSaveOk);
    // Each had its own timer, and each fired.
    ASSERT_EQ(timers->Timers.size(), 2u);
    ExpectFiredTimer(0, "save", 100);
    ExpectFiredTimer(1, "timed", 50);
}

TEST_F(PageWaitTest, OverlappingSavesEachEndAfterTheirOwnAnswer) {
    Open(kLive);
    PageWait& wait = Record();
    wait.BeginWait(false);
    wait.BeginWait(false);
    wait.EndWait(false, true);   // the first set's answer
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return status->Contains("Save OK!"); }, 10000));
    EXPECT_FALSE(frame->isEnabled());   // the second save has not been answered
    EXPECT_TRUE(wait.IsWaiting());
    wait.EndWait(false, false);   // the second set failed
    EXPECT_TRUE(ShellTest::PumpUntil([&] { return !wait.IsWaiting(); }, 10000));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(wait.Dialog(), nullptr);
    EXPECT_EQ(status->Texts().count("Save OK!"), 1);
    ASSERT_EQ(timers->Timers.size(), 2u);
    ExpectFiredTimer(0, "save", 100);
    ExpectFiredTimer(1, "save", 100);
}

}  // namespace
