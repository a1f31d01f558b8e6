// The VLAN page against simulated devices: the VID and name checks (nothing
// sent), a VLAN written with its member ports, deletion through the run-time
// "DelVLan" variable, PVIDs, the port list that follows both, the AP-mode
// warning and a full VLAN list.
#include "AdvancedPagesFixture.h"
#include "pages/VlanPage.h"
#include <QTabWidget>

namespace {

using AdvancedPages::AdvancedPageTest;
using VlanPageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("VLAN");
const QString kList = QStringLiteral("VLAN List");
const QString kVids = QStringLiteral("3.6.1.3.1.2");

QStringList DeviceVids(int device) {
    QStringList vids;
    for (const QString& vid : AdvancedPageTest::Walk(device, kVids))
        if (vid != "0")
            vids << vid;
    return vids;
}

class VlanEditor : public VlanPageTest {
public:
    // Adds a VLAN through the "Add/Edit VLAN" tab; `members` maps port labels to "Tag"/"Untag".
    void Fill(const QString& vid, const QString& name, const std::map<QString, QString>& members = {}) {
        Set("VID", vid);
        Set("VLAN Name", name);
        for (const auto& [port, how] : members)
            Set(port, how);
    }
    // The port list's row of a port: name, tag VIDs, untag VIDs.
    QStringList PortRow(const QString& port) const {
        const int row = RowOf("Port List", port);
        return row < 0 ? QStringList() : List("Port List")->Rows()[static_cast<size_t>(row)];
    }
};

TEST_F(VlanEditor, Vid0And4095AreRefusedAnd1And4094Accepted) {
    ASSERT_TRUE(Show(1, kLabel));
    auto* vlan = static_cast<CVlanPage*>(page);
    ASSERT_EQ(vlan->Tabs()->count(), 4);
    EXPECT_EQ(vlan->Tabs()->tabText(0), "VLAN List");
    EXPECT_EQ(vlan->Tabs()->tabText(1), "Port List");
    EXPECT_EQ(vlan->Tabs()->tabText(2), "Add/Edit VLAN");
    EXPECT_EQ(vlan->Tabs()->tabText(3), "PVID Setting");
    const size_t before = Sets().size();
    Fill("0", "zero");
    ASSERT_TRUE(Press("Add"));
    Fill("4095", "big");
    ASSERT_TRUE(Press("Add"));
    Fill("12", "");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(messages->Texts(), QStringList({"The VID value range is 1 - 4094", "The VID value range is 1 - 4094",
                                              "The VLAN name field can not be blank"}));
    // Only the port list's refresh variable may have been set meanwhile: no VLAN row.
    for (size_t s = before; s < Sets().size(); ++s)
        EXPECT_FALSE(Varbinds(Sets()[s]).join(' ').contains("3.6.1.3.1.")) << Varbinds(Sets()[s]).join(' ').toStdString();
    Fill("1", "low", {{"LAN", "Untag"}, {"Mgmt", "Tag"}});
    ASSERT_TRUE(Press("Add"));
    Fill("4094", "high", {{"Primary", "Untag"}});
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(DeviceVids(1), QStringList({"1", "4094"}));
    EXPECT_EQ(messages->Boxes.size(), 3u);
    EXPECT_TRUE(status->Contains("Set Settings OK"));
    // The row of VID 1: its VID, name and member columns (Mgmt tag, LAN untag, the rest none).
    bool written = false;
    for (const auto& set : Sets()) {
        const QStringList vbs = Varbinds(set);
        if (vbs.contains("3.6.1.3.1.2.1=1")) {
            written = true;
            EXPECT_TRUE(vbs.contains("3.6.1.3.1.3.1=low"));
            EXPECT_TRUE(vbs.contains("3.6.1.3.1.4.1=1"));
            EXPECT_TRUE(vbs.contains("3.6.1.3.1.5.1=2"));
            EXPECT_TRUE(vbs.contains("3.6.1.3.1.6.1=0"));
            EXPECT_EQ(vbs.size(), 20);
        }
    }
    EXPECT_TRUE(written);
    const int row = RowOf(kList, "1");
    ASSERT_GE(row, 0);
    EXPECT_EQ(List(kList)->Rows()[static_cast<size_t>(row)], QStringList({"1", "low", "LAN", "Mgmt"}));
    // The port list follows: LAN untagged in VLAN 1, Mgmt tagged, Primary untagged in 4094.
    EXPECT_EQ(PortRow("LAN").value(2), "1");
    EXPECT_EQ(PortRow("Mgmt").value(1), "1");
    EXPECT_EQ(PortRow("Primary").value(2), "4094");
}

TEST_F(VlanEditor, AListedVidIsRefusedBeforeAnythingIsSent) {
    ASSERT_TRUE(Show(2, kLabel));
    Fill("30", "thirty");
    ASSERT_TRUE(Press("Add"));
    ASSERT_EQ(DeviceVids(2), QStringList({"30"}));
    const size_t before = Sets().size();
    Fill("30", "again");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(messages->Texts(), QStringList({"There is an existent entry with the same VID, please change the VID."}));
    EXPECT_EQ(Sets().size(), before);
    // Edited, the VLAN keeps its VID and takes the new name.
    ASSERT_TRUE(List(kList)->Select(0));
    ASSERT_TRUE(Press("Edit"));
    EXPECT_EQ(Text("VID"), "30");
    Set("VLAN Name", "renamed");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(Walk(2, "3.6.1.3.1.3").value(0), "renamed");
    EXPECT_EQ(DeviceVids(2), QStringList({"30"}));
}

TEST_F(VlanEditor, AVlanDeletedThroughDelVlanIsGoneFromTheDevice) {
    ASSERT_TRUE(Show(3, kLabel));
    Fill("77", "guests", {{"MSSID1", "Untag"}});
    ASSERT_TRUE(Press("Add"));
    Fill("88", "staff");
    ASSERT_TRUE(Press("Add"));
    ASSERT_EQ(DeviceVids(3), QStringList({"77", "88"}));
    ASSERT_TRUE(List(kList)->Select(RowOf(kList, "77")));
    messages->Answer = MessageBox::AnswerCancel;
    size_t before = Sets().size();
    ASSERT_TRUE(Press("Del"));
    EXPECT_EQ(Sets().size(), before);
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Del"));
    ASSERT_EQ(messages->Boxes.size(), 2u);
    EXPECT_EQ(messages->Boxes[1].Text, "Are you sure that you want to delete guests ?");
    EXPECT_EQ(messages->Boxes[1].Caption, "Warning");
    ASSERT_GT(Sets().size(), before);
    EXPECT_EQ(Varbinds(Sets()[before]), QStringList({"3.5.1.3.1.22.77=1"}));
    EXPECT_EQ(DeviceVids(3), QStringList({"88"}));
    EXPECT_EQ(RowOf(kList, "77"), -1);
    EXPECT_GE(RowOf(kList, "88"), 0);
    EXPECT_TRUE(status->Contains("Delete ..."));
    // MSSID1 is no longer untagged in 77: its PVID shows again.
    EXPECT_EQ(PortRow("M-SSID1").value(2), "1");
}

TEST_F(VlanEditor, PvidsAreSavedAndThePortListFollowsThem) {
    ASSERT_TRUE(Show(4, kLabel));
    const size_t before = Sets().size();
    Set("LAN PVID", "0");
    ASSERT_TRUE(Press("PVID Setting/Save"));
    EXPECT_EQ(messages->Texts(), QStringList({"The VID value range is 1 - 4094"}));
    EXPECT_EQ(Sets().size(), before);
    Set("LAN PVID", "20");
    Set("PVID Auto Assign Status", "Enable");
    ASSERT_TRUE(Press("PVID Setting/Save"));
    EXPECT_TRUE(status->Contains("Set OK!"));
    EXPECT_EQ(Get(4, "3.6.2.2.1.3.1"), "20");
    EXPECT_EQ(Get(4, "3.6.2.1.0"), "1");
    page->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(PortRow("LAN").value(2), "20");
    EXPECT_EQ(PortRow("Mgmt").value(2), "1");
    EXPECT_EQ(List("Port List")->RowCount(), 18);
}

TEST_F(VlanEditor, EnablingVlanOutsideAccessPointModeWarnsFirst) {
    ASSERT_TRUE(SetOnDevice(5, {"2.1.3.3.1.1.1.28.1", "i", "3"}));   // WDS
    ASSERT_TRUE(Show(5, kLabel));
    Set("VLAN Status", "Enable");
    messages->Answer = MessageBox::AnswerCancel;
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("VLAN List/Save"));
    EXPECT_EQ(messages->Texts(), QStringList({"If you enable VLAN, AP Mode will be set to 'Access Point'!"}));
    EXPECT_EQ(Sets().size(), before);
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("VLAN List/Save"));
    EXPECT_EQ(Get(5, "3.6.1.1.0"), "1");
    // The device has switched to the Access Point mode.
    EXPECT_EQ(Get(5, "2.1.3.3.1.1.1.28.1"), "1");
}

TEST_F(VlanEditor, AFullListShowsTheDevicesErrorAndKeepsTheList) {
    QStringList rows;
    for (int n = 1; n <= 8; ++n)
        rows << QString("3.6.1.3.1.2.%1").arg(n) << "i" << QString::number(100 + n) << QString("3.6.1.3.1.3.%1").arg(n) << "s"
             << QString("v%1").arg(n);
    ASSERT_TRUE(SetOnDevice(6, rows));
    ASSERT_TRUE(Show(6, kLabel));
    ASSERT_EQ(List(kList)->RowCount(), 8);
    Fill("200", "ninth");
    ASSERT_TRUE(Press("Add"));
    EXPECT_FALSE(status->Contains("Set Settings OK"));
    bool shown = false;
    for (const QString& line : status->Texts())
        shown |= line.startsWith("Set: ") && !line.contains("Ok!");
    EXPECT_TRUE(shown) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(List(kList)->RowCount(), 8);
    EXPECT_EQ(Text("VID"), "200");   // kept for another try
    EXPECT_TRUE(Frame()->isEnabled());
}

}  // namespace
