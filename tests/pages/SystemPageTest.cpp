// The System page against simulated devices: restart (also from the window's
// Discard Changes), discard of changes not yet applied, factory default with
// its restart, and clearing the language pack, each read back from the
// device and its trace.
#include "MaintenanceFixture.h"
#include "pages/SystemPage.h"
#include "shell/PageRegistry.h"

namespace MaintenanceTest {
namespace {

class SystemPageTest : public MaintenancePagesTest {
protected:
    static constexpr const char* kLabel = "System";
};

TEST_F(SystemPageTest, RestartAsksThenRestartsTheDevice) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(Press("Restart"));
    EXPECT_EQ(SetsSince(before).size(), 0u);
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Restart"));
    ASSERT_EQ(messages->Boxes.size(), 2u);
    EXPECT_EQ(messages->Boxes[1].Text, "Device will reboot, continue?");
    EXPECT_EQ(messages->Boxes[1].Caption, "Warning");
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_TRUE(DeviceSaid("restart: silent for"));
    EXPECT_TRUE(Settled());
}

TEST_F(SystemPageTest, DiscardChangesFromTheMenuRestartsTheDevice) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    ASSERT_TRUE(frame->Command(PageRegistry::CmdDiscardChanges));
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_NE(page->WaitDialog(), nullptr);
    EXPECT_EQ(page->WaitDialog()->Line(), "Device is rebooting, please wait...");
    ASSERT_TRUE(ManagementWindow::WaitIdle(60000));
    EXPECT_EQ(messages->Texts(), QStringList{"Device will reboot, continue?"});
    EXPECT_EQ(RequestedMs("close"), CMaintenancePage::kRebootWaitMs);
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_TRUE(Settled());
}

TEST_F(SystemPageTest, DiscardReturnsTheDeviceToItsAppliedSettings) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString applied = Read(kSysNameOid, SnmpSyntax::DisplayString);
    Write(kSysNameOid, SnmpSyntax::DisplayString, "not-yet-applied");
    const size_t before = Mark();
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(Press("Discard"));
    EXPECT_EQ(messages->Texts(), QStringList{"All of your changes will be discarded, continue?"});
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_EQ(Read(kSysNameOid, SnmpSyntax::DisplayString), "not-yet-applied");
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Discard"));
    EXPECT_EQ(status->Texts().last(), "Discard changes success.");
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kDiscardOid + "=1"});
    EXPECT_EQ(Read(kSysNameOid, SnmpSyntax::DisplayString), applied);
}

TEST_F(SystemPageTest, ADiscardTheDeviceRefusesSaysSo) {
    ASSERT_TRUE(Open(kRefusesDiscard, kLabel));
    ASSERT_TRUE(Press("Discard"));
    EXPECT_EQ(status->Texts().last(), "Discard changes fail.");
    EXPECT_FALSE(status->Contains("Discard changes success."));
}

TEST_F(SystemPageTest, RestoreResetsTheDeviceThenRestartsIt) {
    ASSERT_TRUE(Open(kLive, kLabel));
    Write(kSysNameOid, SnmpSyntax::DisplayString, "before-reset");
    const size_t before = Mark();
    ASSERT_TRUE(Press("Restore"));
    EXPECT_EQ(messages->Texts(), QStringList{"Device will reboot and module will be disconnected, continue?"});
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 2u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(sets[0].Varbinds, QStringList{kFactoryOid + "=1"});
    EXPECT_EQ(sets[1].Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_EQ(RequestedMs("restart"), CMaintenancePage::kRestartDelayMs);
    EXPECT_TRUE(ShellTest::PumpUntil(
        [] {
            const QString name = Read(kSysNameOid, SnmpSyntax::DisplayString);
            return !name.isEmpty() && name != "before-reset";
        },
        20000));
    EXPECT_TRUE(Settled());
}

TEST_F(SystemPageTest, ClearRemovesTheLanguagePackAfterTheQuestion) {
    // A language pack on the device first, through the firmware page.
    ASSERT_TRUE(Open(kLive, "Firmware and SSL"));
    QFile pack(dir_->filePath("francais.bin"));
    ASSERT_TRUE(pack.open(QIODevice::WriteOnly));
    pack.write("language=Francais\n");
    pack.close();
    ASSERT_TRUE(SetField("Upload", pack.fileName()));
    ASSERT_TRUE(Press("Language Pack/UpLoad"));
    ASSERT_TRUE(DeviceSaid("language pack Francais installed"));
    // The page's restart went out after the install: the device answers again.
    ASSERT_TRUE(ShellTest::PumpUntil([] { return !Read(kSysNameOid, SnmpSyntax::DisplayString).isEmpty(); }, 20000));

    frame->SwitchByLabel(kLabel);
    page = dynamic_cast<CMaintenancePage*>(frame->View()->PageByLabel(kLabel));
    ASSERT_NE(page, nullptr);
    messages->Boxes.clear();
    const size_t before = Mark();
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(Press("Clear"));
    EXPECT_EQ(SetsSince(before).size(), 0u);
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Clear"));
    EXPECT_EQ(messages->Texts(), (QStringList{"Clear the language pack?", "Clear the language pack?"}));
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kLanguageClearOid + "=1"});
    EXPECT_TRUE(DeviceSaid("language pack Francais cleared"));
}

}  // namespace
}  // namespace MaintenanceTest
