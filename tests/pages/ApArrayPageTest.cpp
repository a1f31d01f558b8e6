// The AP array page against simulated devices: the member list that holds
// the device itself, a scan, and the settings saved.
#include "AdvancedPagesFixture.h"
#include "pages/ApArrayPage.h"

namespace {

using AdvancedPages::AdvancedPageTest;
using ApArrayPageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("Ap Array");

TEST_F(ApArrayPageTest, TheMembersIncludeTheDeviceAndAScanListsTheArrays) {
    ASSERT_TRUE(Show(1, kLabel));
    EXPECT_EQ(StatusLine(), "Get OK!");
    PageList* members = List("Current Array Members");
    ASSERT_NE(members, nullptr);
    ASSERT_GE(members->RowCount(), 1);
    EXPECT_EQ(members->Rows()[0].value(2), sim_->Address(1));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Scan"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.11.1.2.1.1.0=1"}));
    PageList* scan = List("AP Array List");
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(scan->RowCount(), 2);
    EXPECT_EQ(scan->Headers(), QStringList({"Array name", "Master IP", "MAC", "Master", "Backup Master", "Slave", "Total"}));
    EXPECT_EQ(StatusLine(), "Get OK!");
}

TEST_F(ApArrayPageTest, SaveWritesStateRoleNameAndPassword) {
    ASSERT_TRUE(Show(2, kLabel));
    Set("Enable AP Array", "enable");
    Set("Role", "Backup Master");
    Set("AP Array name", "floor-2");
    Set("AP Array password", "array-pass");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(2, "3.11.1.1.1.0"), "1");
    EXPECT_EQ(Get(2, "3.11.1.1.2.0"), "2");
    EXPECT_EQ(Get(2, "3.11.1.1.3.0"), "floor-2");
    EXPECT_EQ(Get(2, "3.11.1.1.4.0"), "array-pass");
    EXPECT_TRUE(status->Contains("Save OK!"));
    page->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(Text("Role"), "Backup Master");
    EXPECT_EQ(Text("Connection Status"), "Connect");
}

TEST(ApArrayEmptyScan, AScanThatFindsNothingLeavesTheListEmptyAndSaysGetOk) {
    TestSupport::SimFleet fleet;
    ASSERT_TRUE(fleet.Start("127.0.116.101", 1, {"--rows", "arrayScan=0"}));
    ShellTest::MessageLog messages;
    ShellTiming::SetScale(0.2);
    WindowSettings settings;
    settings.DeviceIpAddress = fleet.Address(1);
    settings.SnmpPort = fleet.Port();
    ASSERT_TRUE(ManagementWindow::Open(settings));
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    ShellTest::StatusLog status(ManagementWindow::Frame());
    ManagementWindow::Frame()->SwitchByLabel(kLabel);
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    CPage* page = ManagementWindow::Frame()->View()->PageByLabel(kLabel);
    ASSERT_NE(page, nullptr);
    page->FindButton("Scan")->click();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(page->FindList("AP Array List")->RowCount(), 0);
    EXPECT_EQ(ManagementWindow::Frame()->StatusLine(), "Get OK!");
    EXPECT_TRUE(status.Contains("Scanning!"));
    EXPECT_TRUE(messages.Boxes.empty());
    EXPECT_TRUE(ManagementWindow::Close());
    ShellTiming::SetScale(1.0);
}

}  // namespace
