// The page cycle: save with validation, the wait around it, the status lines,
// and failures that leave the page usable.
#include "WindowFixture.h"
#include "controls/IpAddressEdit.h"
#include "shell/ShellTexts.h"
#include "shell/WaitDialog.h"
#include "snmp/SnmpRequest.h"
#include <QComboBox>
#include <QLineEdit>

namespace {

using PageCycleTest = WindowTest;

QString ReadPoolValue(const QString& address, uint16_t port, const char* oid) {
    SnmpRequest r;
    r.Address = address;
    r.Port = port;
    r.Variables.Kind = MibVariableList::MVT_SV;
    r.Variables.Add(oid, "value", 0x02, 6);
    r.Read(true);
    return r.Variables.Entry(0).Value;
}

TEST_F(PageCycleTest, SaveDisablesTheFrameUntilTheWaitEndsThenSaysSaveOk) {
    Open(kLive);
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    ProbePage* probe = Probe();
    probe->Lease->setText("86400");
    probe->Domain->setText("example.lan");
    status->Lines.clear();
    probe->Save();
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_NE(frame->View()->Wait().Dialog(), nullptr);
    EXPECT_EQ(frame->View()->Wait().Dialog()->windowTitle(), "Please wait...");
    EXPECT_EQ(frame->View()->Wait().Dialog()->Line(), "Saving, please wait...");
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(frame->View()->Wait().Dialog(), nullptr);
    ASSERT_EQ(status->Lines.size(), 3u) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(status->Lines[0].Text, "Saving, Please wait...");
    EXPECT_TRUE(status->Lines[1].Text.startsWith("Set: (ZrSNMP++) Ok!")) << status->Lines[1].Text.toStdString();
    EXPECT_FALSE(status->Lines[1].FrameEnabled);   // the set's answer arrives while the wait goes on
    EXPECT_EQ(status->Lines[2].Text, "Save OK!");
    EXPECT_TRUE(status->Lines[2].FrameEnabled);
    EXPECT_EQ(ReadPoolValue(sim_->Address(kLive), sim_->Port(), "1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.11.1"), "86400");
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(PageCycleTest, ValidationStopsAtTheFirstBadFieldAndPreparesIt) {
    Open(kLive);
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    ProbePage* probe = Probe();
    status->Lines.clear();

    probe->Start->SetText("127.0.0.1");
    probe->Lease->setText("5");
    probe->Save();
    EXPECT_EQ(messages->Texts(), QStringList({"Please input valid IP Address."}));
    EXPECT_EQ(messages->Boxes[0].Caption, "");
    EXPECT_TRUE(probe->Start->IsBlank());   // cleared for a new entry
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(status->Lines.empty());     // nothing sent, no wait

    probe->Start->SetText("192.168.0.10");
    probe->Mask->SetText("255.0.255.0");
    probe->Save();
    EXPECT_EQ(messages->Texts().last(), "Please input valid Subnet Mask.");
    EXPECT_TRUE(probe->Mask->IsBlank());

    probe->Mask->SetText("255.255.255.0");
    probe->Save();
    EXPECT_EQ(messages->Texts().last(), "Please input a number between 60 and 31536000!");
    EXPECT_EQ(probe->Lease->selectedText(), "5");   // the whole text selected
    EXPECT_TRUE(status->Lines.empty());
    EXPECT_FALSE(frame->View()->BusyCheck());
}

TEST_F(PageCycleTest, AFailedSetKeepsTheEngineMessageAndNeverSaysSaveOk) {
    Open(kSilent);
    ProbePage* probe = Probe();
    probe->Start->SetText("192.168.0.10");
    probe->Mask->SetText("255.255.255.0");
    probe->Lease->setText("3600");
    probe->Save();
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_FALSE(status->Contains("Save OK!"));
    ASSERT_FALSE(status->Lines.empty());
    EXPECT_TRUE(status->Lines.back().Text.startsWith("Set: (SNMPClass) SNMP request timed out!"))
        << status->Lines.back().Text.toStdString();
    EXPECT_EQ(frame->StatusLine(), status->Lines.back().Text);
    // The page stays usable: its fields keep what the user typed.
    EXPECT_EQ(probe->Start->Text(), "192.168.0.10");
}

TEST_F(PageCycleTest, AFailedGetLeavesTheControlsAsTheyWere) {
    Open(kSilent);
    ProbePage* probe = Probe();
    probe->Domain->setText("kept");
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(probe->Domain->text(), "kept");
    EXPECT_TRUE(status->Lines.back().Text.startsWith("Get: (SNMPClass) SNMP request timed out!"));
    EXPECT_TRUE(frame->isEnabled());
}

TEST_F(PageCycleTest, RefreshWaitDisablesAndEnds) {
    Open(kLive);
    PageWait& wait = frame->View()->Wait();
    wait.BeginRefreshWait();
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_NE(wait.Dialog(), nullptr);
    EXPECT_EQ(wait.Dialog()->Line(), "Refresh gettings, please wait...");
    EXPECT_EQ(frame->StatusLine(), "Refresh gettings, Please wait...");
    wait.EndRefreshWait();
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(wait.Dialog(), nullptr);
    EXPECT_EQ(frame->StatusLine(), "Refresh OK!");
}

TEST_F(PageCycleTest, BindingsMoveValuesBothWays) {
    Open(kLive);
    ProbePage* probe = Probe();
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    // The combo box was filled from the variable's value map.
    ASSERT_EQ(probe->Function->count(), 2);
    EXPECT_EQ(probe->Function->itemText(1), "Enable");
    MibVariableEntry entry;
    probe->Start->SetText("10.1.2.3");
    probe->Pool->BindingOf(probe->Pool->Variables.IndexOf("Dynamic IP Start"))->FromControl(entry);
    EXPECT_EQ(entry.Value, "10.1.2.3");
}

}  // namespace
