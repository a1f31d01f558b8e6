// The About box and the wait dialog's animation.
#include "WindowFixture.h"
#include "controls/WaitAnimation.h"
#include "shell/AboutBox.h"
#include "shell/WaitDialog.h"
#include "snmp/MibVariableList.h"
#include <QLabel>
#include <QTimer>

namespace {

using DialogsTest = WindowTest;

TEST_F(DialogsTest, AboutBoxShowsTheModuleAndIsGoneAfterwards) {
    Open(kLive);
    QString title, name, version, revision;
    QTimer::singleShot(0, [&] {
        CAboutBox* box = CAboutBox::Current();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        name = box->findChild<QLabel*>("about2409")->text();
        version = box->findChild<QLabel*>("about2412")->text();
        revision = box->findChild<QLabel*>("about2415")->text();
        box->reject();
    });
    EXPECT_TRUE(frame->Command(32787));
    EXPECT_EQ(title, "About NXA-7310");
    EXPECT_EQ(name, "NXA-7310 Management Module");
    EXPECT_EQ(version, "1.10");
    EXPECT_EQ(revision, "r30");
    EXPECT_EQ(CAboutBox::Current(), nullptr);
}

TEST_F(DialogsTest, WaitDialogAnimatesWhileShown) {
    Open(kLive);
    PageWait& wait = frame->View()->Wait();
    wait.BeginWait(false);
    ASSERT_NE(wait.Dialog(), nullptr);
    WaitAnimation* animation = wait.Dialog()->Animation();
    EXPECT_TRUE(animation->IsPlaying());
    const int first = animation->Frame();
    EXPECT_TRUE(ShellTest::PumpUntil([&] { return animation->Frame() != first; }, 5000));
    wait.EndWait(false, true);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(frame->StatusLine(), "Save OK!");
    EXPECT_TRUE(frame->isEnabled());
}

}  // namespace
