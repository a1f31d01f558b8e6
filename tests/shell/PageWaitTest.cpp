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

using PageWaitTest = WindowTest;

TEST_F(PageWaitTest, ARefreshWaitEndingDuringASaveSettleLeavesTheSaveItsOwnEnd) {
    Open(kLive);
    PageWait& wait = frame->View()->Wait();
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
    wait.BeginWait(false);
    wait.EndWait(false, true);   // the set has answered: the save settles
    wait.BeginRefreshWait();
    wait.EndRefreshWait();       // a refresh wait ends before the settle does
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_TRUE(wait.IsWaiting());
    ASSERT_NE(wait.Dialog(), nullptr);
    EXPECT_EQ(wait.Dialog()->Line(), "Saving, please wait...");
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
    ASSERT_EQ(timers.Timers.size(), 1u);
    EXPECT_EQ(timers.Timers[0].Name, "save");
    EXPECT_EQ(timers.Timers[0].Milliseconds, 100);
    EXPECT_EQ(timers.Timers[0].Interval, ShellTiming::Ms(100));
    EXPECT_EQ(timers.Timers[0].LinesAtStart, 1u);
    EXPECT_TRUE(timers.Timers[0].Fired);
    EXPECT_EQ(timers.Timers[0].LinesAtFire, 4u);
}

TEST_F(PageWaitTest, ARefreshWaitEndingDuringTheApplyLeavesTheApplyItsWholeWait) {
    Open(kLive);
    ScaleGuard scale(0.01);
    PageWait& wait = frame->View()->Wait();
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
    wait.BeginWait(true);
    wait.EndWait(true, true);   // the device took the apply: the long wait begins
    wait.BeginRefreshWait();
    wait.EndRefreshWait();
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_TRUE(wait.IsWaiting());
    ASSERT_NE(wait.Dialog(), nullptr);
    EXPECT_EQ(wait.Dialog()->Line(), "Apply Settings, please wait...");
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return status->Contains("Save OK!"); }, 10000));
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(frame->View()->CaptionText(), "Information");   // the apply's end shows the Information page
    ASSERT_EQ(status->Texts(), QStringList({"Apply Settings, Please wait...", "Refresh gettings, Please wait...",
                                            "Refresh OK!", "Save OK!"}));
    EXPECT_FALSE(status->Lines[2].FrameEnabled);
    EXPECT_TRUE(status->Lines[3].FrameEnabled);
    // The apply's own 45 s (scaled) ended it, not a save's settle.
    ASSERT_EQ(timers.Timers.size(), 1u);
    EXPECT_EQ(timers.Timers[0].Name, "apply");
    EXPECT_EQ(timers.Timers[0].Milliseconds, 45000);
    EXPECT_EQ(timers.Timers[0].Interval, ShellTiming::Ms(45000));
    EXPECT_EQ(timers.Timers[0].Interval, 450);
    EXPECT_TRUE(timers.Timers[0].Fired);
    EXPECT_EQ(timers.Timers[0].LinesAtFire, 4u);
}

TEST_F(PageWaitTest, AFailedApplyEndsAfterTheSaveSettleWithoutSaveOk) {
    Open(kLive);
    frame->Command(32772);   // another page than the Information page
    ASSERT_TRUE(WaitIdle());
    PageWait& wait = frame->View()->Wait();
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
    wait.BeginWait(true);
    wait.EndWait(true, false);
    EXPECT_TRUE(ShellTest::PumpUntil([this] { return frame->isEnabled(); }, 10000));
    ASSERT_EQ(timers.Timers.size(), 1u);
    EXPECT_EQ(timers.Timers[0].Milliseconds, 100);
    EXPECT_EQ(timers.Timers[0].Interval, ShellTiming::Ms(100));
    EXPECT_TRUE(timers.Timers[0].Fired);
    EXPECT_EQ(status->Texts(), QStringList({"Apply Settings, Please wait..."}));
    EXPECT_EQ(frame->View()->CaptionText(), "LAN");   // no apply, so the page shown stays
    EXPECT_FALSE(wait.IsWaiting());
}

TEST_F(PageWaitTest, ATimedWaitStartedDuringASaveSettleCancelsNeither) {
    Open(kLive);
    PageWait& wait = frame->View()->Wait();
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
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
    ASSERT_EQ(timers.Timers.size(), 2u);
    EXPECT_EQ(timers.Timers[0].Interval, ShellTiming::Ms(100));
    EXPECT_EQ(timers.Timers[1].Interval, ShellTiming::Ms(50));
    EXPECT_TRUE(timers.Timers[0].Fired);
    EXPECT_TRUE(timers.Timers[1].Fired);
}

TEST_F(PageWaitTest, OverlappingSavesEachEndAfterTheirOwnAnswer) {
    Open(kLive);
    PageWait& wait = frame->View()->Wait();
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
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
    ASSERT_EQ(timers.Timers.size(), 2u);
    EXPECT_TRUE(timers.Timers[0].Fired);
    EXPECT_TRUE(timers.Timers[1].Fired);
}

}  // namespace
