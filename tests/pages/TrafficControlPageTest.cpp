// The traffic control page against simulated devices: bandwidth range, the
// QoS port checks with all nine rules written, and the traffic manager's
// rules (a listed name refused before anything is sent, speeds against the
// bandwidth, deletion).
#include "AdvancedPagesFixture.h"
#include "pages/TrafficControlPage.h"

namespace {

using AdvancedPages::AdvancedPageTest;
using TrafficPageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("Traffic Control");
const QString kDown = QStringLiteral("Downlink Bandwidth (Mbits/sec)");
const QString kLinksSave = QStringLiteral("Uplink and Downlink Setting/Save");
const QString kRules = QStringLiteral("Traffic Manager Rules");

TEST_F(TrafficPageTest, Bandwidth0And151AreRefusedAnd1And150Accepted) {
    ASSERT_TRUE(Show(1, kLabel));
    EXPECT_EQ(StatusLine(), "Refresh OK!");
    EXPECT_EQ(Text(kDown), "100");
    const size_t before = Sets().size();
    for (const char* bad : {"0", "151"}) {
        Set(kDown, bad);
        ASSERT_TRUE(Press(kLinksSave));
    }
    EXPECT_EQ(messages->Texts(), QStringList(2, "Downlink or Uplink bandwidth range should be 1~150 mega bits/sec!"));
    EXPECT_EQ(Sets().size(), before);
    for (const char* good : {"1", "150"}) {
        Set(kDown, good);
        Set("SSID 3", "uplink");
        ASSERT_TRUE(Press(kLinksSave));
        EXPECT_EQ(Get(1, "3.9.1.2.1.0"), good);
        EXPECT_TRUE(status->Contains("Setting OK!"));
    }
    EXPECT_EQ(Get(1, "3.9.1.1.1.1.3.5"), "2");
    EXPECT_EQ(Sets().size(), before + 4);   // modes, then bandwidths, twice
    EXPECT_EQ(messages->Boxes.size(), 2u);
}

TEST_F(TrafficPageTest, APortRange80To79IsRefusedAndAllNineRulesAreWritten) {
    ASSERT_TRUE(Show(2, kLabel));
    const size_t before = Sets().size();
    Set("Rule 1 Port(s)", "80-79");
    ASSERT_TRUE(Press("QoS/Save"));
    Set("Rule 1 Port(s)", "65536");
    ASSERT_TRUE(Press("QoS/Save"));
    Set("Rule 1 Port(s)", "80-90");
    Set("Rule 2 Limit (%)", "101");
    ASSERT_TRUE(Press("QoS/Save"));
    EXPECT_EQ(messages->Texts(), QStringList({"The end port must be equal or larger than the start port!",
                                              "please input a number betwen 0 and 65535!",
                                              "Invalid value for the limit!"}));
    EXPECT_EQ(Sets().size(), before);
    Set("Rule 2 Limit (%)", "40");
    Set("Rule 9 Port(s)", "443");
    Set("Rule 9 Priority", "Highest Priority");
    Set("QoS", "enable");
    ASSERT_TRUE(Press("QoS/Save"));
    EXPECT_EQ(Get(2, "3.9.2.2.2.1.1.5.1"), "80-90");
    EXPECT_EQ(Get(2, "3.9.2.2.2.1.1.4.2"), "40");
    EXPECT_EQ(Get(2, "3.9.2.2.2.1.1.5.9"), "443");
    EXPECT_EQ(Get(2, "3.9.2.2.2.1.1.3.9"), "1");
    EXPECT_EQ(Get(2, "3.9.2.2.1.1.0"), "1");
    ASSERT_EQ(Sets().size(), before + 2);
    EXPECT_EQ(Varbinds(Sets().back()).size(), 27);
    // Read back, the ninth rule shows what was written.
    page->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(Text("Rule 9 Port(s)"), "443");
    EXPECT_EQ(Text("Rule 9 Priority"), "Highest Priority");
    // The QoS rules page, made with the window and never shown, lists them too.
    CPage* qos = Frame()->View()->PageByLabel("QoS");
    ASSERT_NE(qos, nullptr);
    EXPECT_TRUE(qos->isHidden());
    qos->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    const std::vector<QStringList> rules = qos->FindList("QoS Rules")->Rows();
    ASSERT_EQ(rules.size(), 9u);
    EXPECT_EQ(rules[0].value(0), "1");
    EXPECT_EQ(rules[0].value(3), "80-90");
    EXPECT_EQ(rules[1].value(2), "40");
    EXPECT_EQ(rules[8], QStringList({"9", "Highest Priority", "0", "443"}));
}

TEST_F(TrafficPageTest, ADuplicateRuleNameIsRefusedAndSpeedsStayWithinTheBandwidth) {
    ASSERT_TRUE(Show(3, kLabel));
    auto fill = [this](const QString& name, const QString& down, const QString& up) {
        Set("Name", name);
        Set("Client IP", "192.168.0.50");
        Set("Client MAC", "00:11:22:33:44:55");
        Set("Ethernet to Wireless Speed (kbits/sec)", down);
        Set("Wireless to Ethernet Speed (kbits/sec)", up);
    };
    fill("camera", "500", "");
    ASSERT_TRUE(Press("Add"));
    ASSERT_EQ(List(kRules)->RowCount(), 1);
    EXPECT_EQ(List(kRules)->Rows()[0], QStringList({"camera", "192.168.0.50", "001122334455", "500", "0"}));
    EXPECT_EQ(Walk(3, "3.9.3.3.1.1.2").value(0), "camera");
    const size_t before = Sets().size();
    fill("camera", "600", "");
    ASSERT_TRUE(Press("Add"));
    fill("phone", "", "");
    ASSERT_TRUE(Press("Add"));
    fill("phone", "100001", "");   // the downlink is 100 Mbit/s
    ASSERT_TRUE(Press("Add"));
    fill("phone", "10", "0");
    ASSERT_TRUE(Press("Add"));
    Set("Wireless to Ethernet Speed (kbits/sec)", "20");
    Set("Client MAC", "00:11:22:33:44");
    ASSERT_TRUE(Press("Add"));
    Set("Client MAC", "001122334466");
    Set("Client IP", "192.168.0.256");
    ASSERT_TRUE(Press("Add"));
    const QString speed = "The bandwidth for the traffic manager rules should not less than 1 kbits/sec or greater than "
                          "traffic manager bandwidth!";
    EXPECT_EQ(messages->Texts(), QStringList({"The account name have been exists already!",
                                              "Please input Ethernet to Wireless Speed or Wireless to Ethernet Speed!",
                                              speed, speed, "Invalid MAC Address!", "Invalid IP Address!"}));
    EXPECT_EQ(Sets().size(), before);
    Set("Client IP", "192.168.0.51");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(List(kRules)->RowCount(), 2);
    // Deleted by its name.
    ASSERT_TRUE(List(kRules)->Select(RowOf(kRules, "camera")));
    ASSERT_TRUE(Press("Del"));
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.9.3.2.1.0=camera", "3.9.3.2.6.0=0"}));
    EXPECT_EQ(List(kRules)->Rows().size(), 1u);
    EXPECT_EQ(List(kRules)->Rows()[0].value(0), "phone");
}

TEST_F(TrafficPageTest, EnablingTheManagerWithoutABandwidthIsRefused) {
    ASSERT_TRUE(Show(4, kLabel));
    Set(kDown, "");
    Set("Traffic Manager", "Enable");
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Traffic Manager/Save"));
    Set("QoS", "enable");
    ASSERT_TRUE(Press("QoS/Save"));
    EXPECT_EQ(messages->Texts(),
              QStringList({"Traffic Manager can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!",
                           "QoS can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!"}));
    EXPECT_EQ(Sets().size(), before);
}

TEST_F(TrafficPageTest, AFullRuleListShowsTheDevicesErrorAndKeepsTheList) {
    for (int n = 1; n <= 8; ++n)
        ASSERT_TRUE(SetOnDevice(5, {"3.9.3.2.1.0", "s", QString("rule%1").arg(n), "3.9.3.2.2.0", "a", "192.168.0.9",
                                    "3.9.3.2.4.0", "i", "100", "3.9.3.2.6.0", "i", "1"}));
    ASSERT_TRUE(Show(5, kLabel));
    ASSERT_EQ(List(kRules)->RowCount(), 8);
    Set("Name", "ninth");
    Set("Client IP", "192.168.0.60");
    Set("Client MAC", "0011223344AA");
    Set("Ethernet to Wireless Speed (kbits/sec)", "300");
    ASSERT_TRUE(Press("Add"));
    EXPECT_FALSE(status->Contains("Save OK!"));
    bool shown = false;
    for (const QString& line : status->Texts())
        shown |= line.startsWith("Set: ") && !line.contains("Ok!");
    EXPECT_TRUE(shown) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(List(kRules)->RowCount(), 8);
    EXPECT_EQ(Text("Name"), "ninth");   // kept for another try
    EXPECT_TRUE(Frame()->isEnabled());
}

}  // namespace
