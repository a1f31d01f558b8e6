// The About box, the wait dialog's animation, and the bindings of check
// boxes and list views.
#include "WindowFixture.h"
#include "controls/WaitAnimation.h"
#include "shell/AboutBox.h"
#include "shell/ControlBinding.h"
#include "shell/WaitDialog.h"
#include "snmp/MibVariableList.h"
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

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

TEST(ControlBindingTest, CheckBoxAndListColumns) {
    MibVariableEntry entry;
    QCheckBox check;
    const ControlBinding b = ControlBinding::ForCheck(&check);
    entry.Value = "1";
    b.ToControl(entry);
    EXPECT_TRUE(check.isChecked());
    entry.Value = "0";
    b.ToControl(entry);
    EXPECT_FALSE(check.isChecked());
    check.setChecked(true);
    b.FromControl(entry);
    EXPECT_EQ(entry.Value, "1");

    QTreeWidget list;
    list.setColumnCount(2);
    const ControlBinding c0 = ControlBinding::ForListColumn(&list, 0);
    const ControlBinding c1 = ControlBinding::ForListColumn(&list, 1);
    for (const char* row : {"a", "b"}) {
        entry.Value = row;
        c0.ToControl(entry);
        entry.Value = QString(row) + "1";
        c1.ToControl(entry);
    }
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(list.topLevelItem(1)->text(0), "b");
    EXPECT_EQ(list.topLevelItem(1)->text(1), "b1");
}

TEST(ControlBindingTest, AGoneControlIsLeftAlone) {
    MibVariableEntry entry;
    entry.Value = "x";
    auto* check = new QCheckBox;
    const ControlBinding b = ControlBinding::ForCheck(check);
    delete check;
    b.ToControl(entry);
    b.FromControl(entry);
    EXPECT_EQ(entry.Value, "x");
}

}  // namespace
