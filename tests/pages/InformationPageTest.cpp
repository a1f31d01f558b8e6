// The Information page against simulated devices: the summary, the
// capabilities, the "SSID 1~7" row, the DHCP removal and Save and Activate.
#include "PagesFixture.h"
#include "shell/MainDoc.h"
#include "controls/OutlookBar.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"

namespace {

using InformationPageTest = PagesTest;

void SetMultiSsid(const QString& address, uint16_t port, const QString& value) {
    SnmpRequest r;
    r.Address = address;
    r.Port = port;
    r.Variables.Kind = MibVariableList::MVT_SV;
    r.Variables.Add("1.3.6.1.4.1.171.10.37.36.3.3.1.1.1.1", "dot11MssidState", SnmpSyntax::Integer,
                    SnmpAccess::ReadWrite);
    r.Variables.Entry(0).Value = value;
    r.Write();
}

QString ApModeMaskOf(const QString& address, uint16_t port) {
    SnmpRequest r;
    r.Address = address;
    r.Port = port;
    r.Variables.Kind = MibVariableList::MVT_SV;
    r.Variables.Add("1.3.6.1.4.1.171.10.37.36.6.1.1.1.1.1", "apModesSupported", SnmpSyntax::Integer,
                    SnmpAccess::ReadOnly);
    r.Read(true);
    return r.Variables.Entry(0).Value;
}

TEST_F(InformationPageTest, ShowsTheDevicesValues) {
    ASSERT_TRUE(Open(kLive, 0.05));
    CInformationPage* info = Info();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->TextOf("systemModelName"), "NXA-7310");   // before anything arrives
    ManagementWindow::Show();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(info->TextOf("systemModelName"), "NXA-7310");
    EXPECT_EQ(info->TextOf("systemFirmwareVersion"), "1.10");
    EXPECT_EQ(info->TextOf("lanIfIpAddress"), sim_->Address(kLive));
    EXPECT_EQ(info->TextOf("lanIfMacAddress"), "024E58000001");
    EXPECT_EQ(info->TextOf("sysName"), "NXA-7310-000001");
    EXPECT_EQ(info->TextOf("dot11ApMode"), "Access Point");
    EXPECT_FALSE(info->TextOf("systemTime").isEmpty());
    EXPECT_EQ(info->TextOf("countryCode"), "US");
    EXPECT_EQ(frame->StatusLine(), "Get OK.");
    // Multi-SSID is off on a fresh device: no "SSID 1~7" row.
    EXPECT_FALSE(info->SsidRowShown());
    // Kept for the wireless page.
    EXPECT_EQ(frame->Document()->ApModeMask(), ApModeMaskOf(sim_->Address(kLive), sim_->Port()));
    EXPECT_FALSE(frame->Document()->ApModeMask().isEmpty());
    EXPECT_EQ(frame->Document()->RepeaterName(), "Universal Repeater");
    // The device has the dynamic-IP function: the DHCP page stays.
    OutlookBar* bar = frame->Bar();
    EXPECT_NE(bar->FindItem(bar->FindFolder("Advanced"), "DHCP Server"), OutlookBar::ItemId::None);
    EXPECT_TRUE(frame->HasMenuCommand(32776));
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(InformationPageTest, SsidRowShowsTheMacRangeWithCarry) {
    SetMultiSsid(sim_->Address(kCarry), sim_->Port(), "1");
    ASSERT_TRUE(Open(kCarry, 0.05));
    ManagementWindow::Show();
    ASSERT_TRUE(WaitIdle());
    CInformationPage* info = Info();
    EXPECT_EQ(info->TextOf("lanIfMacAddress"), "024E5800000F");
    EXPECT_TRUE(info->SsidRowShown());
    EXPECT_EQ(info->SsidRangeText(), "024E58000010    ~    024E58000016");
    EXPECT_TRUE(messages->Boxes.empty());
    // Switched off again: the next refresh hides the row.
    SetMultiSsid(sim_->Address(kCarry), sim_->Port(), "0");
    info->Refresh();
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(info->SsidRowShown());
}

TEST_F(InformationPageTest, ASilentDeviceRemovesOnlyTheDhcpPageAndLeavesThePageUsable) {
    ASSERT_TRUE(Open(kSilent, 0.01));
    OutlookBar* bar = frame->Bar();
    const OutlookBar::FolderId advanced = bar->FindFolder("Advanced");
    std::vector<int> before;
    for (OutlookBar::FolderId f : bar->Folders())
        before.push_back(bar->ItemCount(f));
    ManagementWindow::Show();
    EXPECT_TRUE(ManagementWindow::IsBusy());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(bar->FindItem(advanced, "DHCP Server"), OutlookBar::ItemId::None);
    EXPECT_FALSE(frame->HasMenuCommand(32776));
    const std::vector<OutlookBar::FolderId> folders = bar->Folders();
    ASSERT_EQ(folders.size(), before.size());
    for (size_t f = 0; f < folders.size(); ++f)
        EXPECT_EQ(bar->ItemCount(folders[f]), before[f] - (folders[f] == advanced ? 1 : 0)) << f;
    for (int id : {32792, 32771, 32772, 32773, 32774, 32777, 32778, 32780, 32802, 32813, 32814})
        EXPECT_TRUE(frame->HasMenuCommand(id)) << id;
    // The engine's message, the frame enabled, the fields as they were.
    EXPECT_TRUE(frame->StatusLine().startsWith("Get: (SNMPClass) SNMP request timed out!"))
        << frame->StatusLine().toStdString();
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(Info()->TextOf("systemModelName"), "NXA-7310");
    EXPECT_EQ(Info()->TextOf("lanIfMacAddress"), "");
    EXPECT_EQ(frame->Document()->RepeaterName(), "AP Repeater");
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(InformationPageTest, SaveAndActivateKeepsTheFrameDisabledForTheWholeApplyWait) {
    ASSERT_TRUE(Open(kLive, 0.05));
    ManagementWindow::Show();
    ASSERT_TRUE(WaitIdle());
    frame->Bar()->ClickItem(frame->Bar()->FindItem(frame->Bar()->FindFolder("Basic"), "Wireless"));   // another page first
    EXPECT_EQ(frame->View()->CaptionText(), "Wireless");
    ASSERT_TRUE(WaitIdle());   // its refresh has ended
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
    frame->Command(32813);
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_TRUE(ShellTest::PumpUntil([this] { return status->Contains("Save OK!"); }, 30000))
        << status->Texts().join(" | ").toStdString();
    ASSERT_GE(status->Lines.size(), 3u);
    EXPECT_EQ(status->Lines[0].Text, "Apply Settings, Please wait...");
    EXPECT_FALSE(status->Lines[0].FrameEnabled);
    EXPECT_TRUE(status->Lines[1].Text.startsWith("Set: (ZrSNMP++) Ok!")) << status->Lines[1].Text.toStdString();
    // The device has answered; the frame stays disabled for the whole wait.
    EXPECT_FALSE(status->Lines[1].FrameEnabled);
    EXPECT_EQ(status->Lines[2].Text, "Save OK!");
    EXPECT_TRUE(status->Lines[2].FrameEnabled);
    // The wait is the apply's 45 s (scaled), started once the device had
    // answered; it ended the wait: "Save OK!" came when it fired.
    ASSERT_EQ(timers.Timers.size(), 1u);
    const ShellTest::TimerLog::Timer& apply = timers.Timers[0];
    EXPECT_EQ(apply.Name, "apply");
    EXPECT_EQ(apply.Milliseconds, 45000);
    EXPECT_EQ(apply.Interval, ShellTiming::Ms(45000));
    EXPECT_EQ(apply.Interval, 2250);
    EXPECT_EQ(apply.LinesAtStart, 2u);
    EXPECT_TRUE(apply.Fired);
    EXPECT_EQ(apply.LinesAtFire, 3u);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(frame->View()->CaptionText(), "Information");
    EXPECT_EQ(frame->Bar()->CurrentFolder(), frame->Bar()->FindFolder("Home"));
    EXPECT_FALSE(Info()->isHidden());
    EXPECT_EQ(frame->View()->Wait().Dialog(), nullptr);
    ASSERT_TRUE(WaitIdle());   // the Information page's refresh that follows
    EXPECT_EQ(frame->StatusLine(), "Get OK.");
}

TEST_F(InformationPageTest, SaveAndActivateOnASilentDeviceEndsWithTheEngineMessage) {
    ASSERT_TRUE(Open(kSilent, 0.01));
    ASSERT_TRUE(WaitIdle());
    status->Lines.clear();
    ShellTest::TimerLog timers(status.get());
    frame->Command(32813);
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(status->Contains("Save OK!"));
    EXPECT_TRUE(frame->StatusLine().startsWith("Set: (SNMPClass) SNMP request timed out!"))
        << frame->StatusLine().toStdString();
    // No apply wait: the failed set ends after the save's settle.
    ASSERT_EQ(timers.Timers.size(), 1u);
    EXPECT_EQ(timers.Timers[0].Milliseconds, 100);
    EXPECT_EQ(timers.Timers[0].Interval, ShellTiming::Ms(100));
    EXPECT_TRUE(timers.Timers[0].Fired);
}

}  // namespace
