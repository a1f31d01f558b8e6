// The About box and the wait dialog's animation.
#include "WindowFixture.h"
#include "controls/WaitAnimation.h"
#include "shell/AboutBox.h"
#include "shell/WaitDialog.h"
#include "snmp/MibVariableList.h"
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

using DialogsTest = WindowTest;

TEST_F(DialogsTest, AboutBoxShowsTheModuleAndIsGoneAfterwards) {
    Open(kLive);
    QString title, name, version, revision;
    bool shown = false;
    // Runs inside the box's modal loop; it always ends that loop, so that a
    // failure is reported after it rather than leaving the test waiting.
    QTimer::singleShot(0, [&] {
        CAboutBox* box = CAboutBox::Current();
        shown = box != nullptr;
        if (!box) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        title = box->windowTitle();
        const auto label = [box](const char* name) {
            const QLabel* l = box->findChild<QLabel*>(name);
            return l ? l->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
        };
        name = label("about2409");
        version = label("about2412");
        revision = label("about2415");
        box->reject();
    });
    EXPECT_TRUE(frame->Command(32787));
    ASSERT_TRUE(shown);
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
