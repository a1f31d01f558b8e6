// The Stats, Device Information, Client Information and WDS Information pages
// against simulated devices, compared with what the device holds.
#include "StatusPagesFixture.h"
#include "pages/ChannelPlan.h"
#include "pages/ClientInfoPage.h"
#include "pages/DeviceInfoPage.h"
#include "pages/StatsPage.h"
#include "pages/WdsInfoPage.h"
#include "shell/PageList.h"

namespace {

using StatusInfoPagesTest = StatusPagesTest;

const char* const kEthernetColumns[] = {"5.2.1.1.1.1.1.1", "5.2.1.1.1.1.2.1", "5.2.1.1.1.1.5.1", "5.2.1.1.1.1.9.1"};
const char* const kWlanColumns[] = {"5.2.2.1.1.1.21.1", "5.2.2.1.1.1.22.1", "5.2.2.1.1.1.27.1", "5.2.2.1.1.1.28.1"};

std::vector<long long> Counters(const char* const (&oids)[4], int device) {
    std::vector<long long> values;
    for (const char* oid : oids)
        values.push_back(std::stoll(DeviceValues::Get(StatusPagesTest::Target(device), DeviceValues::kRoot + "." + oid)));
    return values;
}

TEST_F(StatusInfoPagesTest, ClearingOneGroupOfCountersLeavesTheOther) {
    CPage* page = Show("Stats", 2);
    ASSERT_NE(page, nullptr);
    // A fresh device has counted for a while, and the page shows its counters.
    const std::vector<long long> ethernet = Counters(kEthernetColumns, 2);
    const std::vector<long long> wlan = Counters(kWlanColumns, 2);
    for (long long v : ethernet)
        EXPECT_GT(v, 1000);
    const long long shown = page->FindField("Ethernet Traffic Statistics/Transmitted Packet Count")->Text().toLongLong();
    EXPECT_GT(shown, 1000);
    EXPECT_LE(shown, ethernet[0]);

    const size_t before = Sets(2).size();
    ASSERT_TRUE(Press(page, "Ethernet Traffic Statistics/Clear"));
    const auto sets = Sets(2);
    ASSERT_EQ(sets.size(), before + 1);
    EXPECT_EQ(Varbinds(sets.back()), QStringList{"E.5.2.1.1.1.1.16.1=1"});
    const std::vector<long long> ethernetAfter = Counters(kEthernetColumns, 2);
    const std::vector<long long> wlanAfter = Counters(kWlanColumns, 2);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_LT(ethernetAfter[i], ethernet[i]) << kEthernetColumns[i];
        EXPECT_GE(wlanAfter[i], wlan[i]) << kWlanColumns[i];
    }
    // Read again after the clear: the page shows the small numbers.
    EXPECT_LE(page->FindField("Ethernet Traffic Statistics/Transmitted Packet Count")->Text().toLongLong(), ethernetAfter[0]);
    EXPECT_GE(page->FindField("WLAN Traffic Statistics/Transmitted Packet Count")->Text().toLongLong(), wlan[0]);
    EXPECT_TRUE(status->Contains("Clear...")) << status->Texts().join(" | ").toStdString();

    // And the other way round.
    ASSERT_TRUE(Press(page, "WLAN Traffic Statistics/Clear"));
    EXPECT_EQ(Varbinds(Sets(2).back()), QStringList{"E.5.2.2.1.1.1.34.1=1"});
    const std::vector<long long> ethernetLast = Counters(kEthernetColumns, 2);
    const std::vector<long long> wlanLast = Counters(kWlanColumns, 2);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_LT(wlanLast[i], wlanAfter[i]) << kWlanColumns[i];
        EXPECT_GE(ethernetLast[i], ethernetAfter[i]) << kEthernetColumns[i];
    }
    // Refresh reads both groups and changes nothing.
    const size_t sent = Sets(2).size();
    ASSERT_TRUE(Press(page, "WLAN Traffic Statistics/Refresh"));
    EXPECT_EQ(Sets(2).size(), sent);
    EXPECT_TRUE(status->Contains("Refresh..."));
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(StatusInfoPagesTest, DeviceInformationShowsTheDevicesValues) {
    CPage* page = Show("Device Information");
    auto* info = dynamic_cast<CDeviceInfoPage*>(page);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(page->FindField("Firmware Version")->Text().toStdString(), Get("5.1.1.0"));
    EXPECT_EQ(page->FindField("IP Address")->Text(), sim_->Address(1));
    EXPECT_EQ(page->FindField("Get IP From")->Text(), "Manual");
    EXPECT_EQ(page->FindField("Ethernet MAC Address")->Text(), "024E58000001");
    EXPECT_EQ(page->FindField("SSID")->Text().toStdString(), Get("2.1.3.3.1.1.1.1.1"));
    EXPECT_EQ(page->FindField("Channel")->Text().toStdString(), Get("2.1.3.3.1.1.1.3.1"));
    EXPECT_EQ(page->FindField("Frequency")->Text(),
              ChannelPlan::FrequencyText(QString::fromStdString(Get("2.1.3.3.1.1.1.3.1")), false));
    EXPECT_EQ(info->WirelessTitle(), "Wireless (2.4GHz)");
    // The use figures carry their unit on the screen.
    PageField* cpu = page->FindField("CPU Utilization");
    EXPECT_EQ(cpu->Text().toStdString(), Get("5.1.3.0"));
    EXPECT_EQ(cpu->ShownText(), cpu->Text() + "%");
    EXPECT_EQ(page->FindField("Role")->Text(), "slave");
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(StatusInfoPagesTest, ClientAndWdsListsAreRebuiltAndWalked) {
    CPage* page = Show("Client Information");
    auto* clients = dynamic_cast<CClientInfoPage*>(page);
    ASSERT_NE(clients, nullptr);
    // The device was told to rebuild its table, then the table was walked.
    EXPECT_EQ(Varbinds(Sets().back()), QStringList{"E.2.1.3.3.4.1.1.1.1=1"});
    const std::vector<std::string> macs = DeviceValues::WalkColumn(sim_->Target(1), DeviceValues::kRoot + ".2.1.3.3.4.2.1.2", true);
    ASSERT_FALSE(macs.empty());
    ASSERT_EQ(clients->StationList().RowCount(), static_cast<int>(macs.size()));
    for (size_t i = 0; i < macs.size(); ++i)
        EXPECT_EQ(clients->StationList().Rows()[i][1].toStdString(), macs[i]);
    EXPECT_EQ(clients->Heading(), QStringLiteral("Station association (2.4GHz) : %1").arg(macs.size()));
    EXPECT_EQ(clients->StationList().Rows()[0][2], "G");
    EXPECT_TRUE(status->Contains("Refresh Cilent information...")) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(status->Texts().last(), "Get OK.");
    ASSERT_TRUE(ManagementWindow::Close());

    auto* wds = dynamic_cast<CWdsInfoPage*>(Show("WDS Information"));
    ASSERT_NE(wds, nullptr);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList{"E.2.1.3.3.5.1.1.1.1=1"});
    ASSERT_EQ(wds->StationList().RowCount(), 3);   // --rows wds=3
    EXPECT_EQ(wds->StationList().Headers(), (QStringList{"Name", "MAC Address", "Authentication", "Signal", "Status"}));
    EXPECT_EQ(wds->StationList().Rows()[0][4], "Connected");
    EXPECT_EQ(wds->Heading(), QStringLiteral("WDS Information Channel: %1 (2.4GHz):")
                                  .arg(QString::fromStdString(Get("2.1.3.3.1.1.1.3.1"))));
    EXPECT_TRUE(status->Contains("Refresh WDS information..."));
    EXPECT_TRUE(messages->Boxes.empty());
}

// A device whose band cannot be read, and one with no clients at all.
TEST(StatusInfoEdgeTest, AnUnreadableBandAndAnEmptyClientTable) {
    TestSupport::SimFleet sim;
    ASSERT_TRUE(sim.Start("127.0.17.21", 2,
                          {"--rows", "clients=0", "--fault",
                           "1:" + QString::fromStdString(DeviceValues::kRoot) + ".2.1.3.3.1.1.1.34.1:genErr:get"}))
        << sim.Output();
    ShellTest::MessageLog messages;
    ShellTiming::SetScale(0.05);
    auto show = [&](int device, const QString& label) -> CPage* {
        WindowSettings settings;
        settings.DeviceIpAddress = sim.Address(device);
        settings.SnmpPort = sim.Port();
        if (!ManagementWindow::Open(settings) || !ManagementWindow::WaitIdle(30000))
            return nullptr;
        ManagementWindow::Frame()->SwitchByLabel(label);
        return ManagementWindow::WaitIdle(30000) ? ManagementWindow::Frame()->View()->PageByLabel(label) : nullptr;
    };
    auto* info = dynamic_cast<CDeviceInfoPage*>(show(1, "Device Information"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->WirelessTitle(), "Wireless(Wrong!)");
    EXPECT_EQ(info->FindField("Channel")->Text().toStdString(), DeviceValues::Get(sim.Target(1), DeviceValues::kRoot + ".2.1.3.3.1.1.1.3.1"));
    ASSERT_TRUE(ManagementWindow::Close());

    auto* clients = dynamic_cast<CClientInfoPage*>(show(2, "Client Information"));
    ASSERT_NE(clients, nullptr);
    EXPECT_EQ(clients->StationList().RowCount(), 0);
    EXPECT_EQ(clients->Heading(), "Station association (2.4GHz) : 0");
    EXPECT_TRUE(messages.Boxes.empty());
    ASSERT_TRUE(ManagementWindow::Close());
    ShellTiming::SetScale(1.0);
}

TEST(ChannelPlanTest, CentreFrequencies) {
    EXPECT_EQ(ChannelPlan::FrequencyText("1", false), "2.412 GHz");
    EXPECT_EQ(ChannelPlan::FrequencyText("6", false), "2.437 GHz");
    EXPECT_EQ(ChannelPlan::FrequencyText("14", false), "2.484 GHz");
    EXPECT_EQ(ChannelPlan::FrequencyText("36", true), "5.180 GHz");
    EXPECT_EQ(ChannelPlan::FrequencyText("165", true), "5.825 GHz");
    EXPECT_EQ(ChannelPlan::FrequencyText("36", false), "5.180 GHz");   // only a 5 GHz channel has that number
    EXPECT_EQ(ChannelPlan::FrequencyText("0", false), "");
    EXPECT_EQ(ChannelPlan::FrequencyText("", true), "");
    EXPECT_EQ(ChannelPlan::FrequencyText("300", true), "");
}

}  // namespace
