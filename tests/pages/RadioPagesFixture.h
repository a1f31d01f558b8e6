#pragma once
// The wireless and Multi-SSID pages in the management window against a
// simulated fleet with a trace; helpers type into the pages' real controls,
// press their buttons and read the device back on its own.
#include "shell/ShellFixture.h"
#include "pages/ManagementWindow.h"
#include "shell/ComboField.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/ShellTiming.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "support/SimFleet.h"
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

namespace RadioTest {

inline const QString kEnterprise = QStringLiteral("1.3.6.1.4.1.171.10.37.36.");

class RadioPagesTest : public testing::Test {
public:
    // Device 1: every mode, 3 survey rows, 2 WDS survey rows, 2 clone rows;
    // 2: no repeater and no WDS bits (0x1d); 3: the repeater is "AP
    // Repeater", network access protection refuses a set; 4: a mask of 0; 5: the channel list and the survey's SSID
    // column missing.
    static void SetUpTestSuite() {
        fleet_ = std::make_unique<TestSupport::SimFleet>();
        const QString trace = fleet_->PrivateFile("trace.tsv");
        // Device 5 starts with values outside their value maps (a state file
        // takes what a set would refuse).
        const QString state = fleet_->PrivateFile("state.json");
        QFile file(state);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QString radio = kEnterprise + "2.1.3.3.1.1.1.", security = kEnterprise + "2.1.3.3.2.1.1.";
        file.write(("{\"format\":\"nxa-sim state 1\",\"devices\":{\"5\":{\"" + radio + "9.1\":[2,\"99\"],\"" +
                    security + "1.1\":[2,\"11\"]}}}")
                       .toUtf8());
        file.close();
        ASSERT_TRUE(fleet_->Start("127.0.14.1", 5,
                                  {"--trace", trace, "--ap-modes", "2=0x1d", "--ap-modes", "4=0", "--mode-string-change", "3=0",
                                   "--rows", "survey=3,wdsSurvey=2,clone=2", "--fault",
                                   "5:" + kEnterprise + "2.1.3.3.1.1.1.4.1:noSuchObject:get", "--fault",
                                   "5:" + kEnterprise + "2.1.3.3.1.3.2.1.7:noSuchObject:get", "--fault",
                                   "3:" + kEnterprise + "2.1.3.3.2.1.1.22.1:genErr:set", "--state", state}))
            << fleet_->Output();
    }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        fleet_.reset();
    }

protected:
    void SetUp() override { messages = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        messages.reset();
    }
    static QString Address(int device) { return fleet_->Address(device); }

    // Opens the window on a device and shows the page (which reads it).
    CPage* Open(int device, const QString& label) {
        ShellTiming::SetScale(0.05);
        WindowSettings settings;
        settings.DeviceIpAddress = Address(device);
        settings.SnmpPort = fleet_->Port();
        if (!ManagementWindow::Open(settings) || !ManagementWindow::WaitIdle(30000))
            return nullptr;
        device_ = device;
        label_ = label;
        return Show();
    }
    // Shows the page again (a fresh refresh).
    CPage* Show() {
        ManagementWindow::Frame()->SwitchByLabel(QStringLiteral("Information"));
        ManagementWindow::WaitIdle(30000);
        ManagementWindow::Frame()->SwitchByLabel(label_);
        if (!ManagementWindow::WaitIdle(30000))
            return nullptr;
        page = ManagementWindow::Frame()->View()->PageByLabel(label_);
        return page;
    }
    // Types or chooses as a person does; fails the test when it cannot.
    void Set(const QString& field, const QString& text) {
        PageField* f = page->FindField(field);
        ASSERT_NE(f, nullptr) << field.toStdString();
        QString why;
        ASSERT_TRUE(f->Enter(text, &why)) << field.toStdString() << ": " << why.toStdString();
    }
    QString Text(const QString& field) const {
        PageField* f = page->FindField(field);
        return f ? f->Text() : QStringLiteral("<no field>");
    }
    QStringList Items(const QString& field) const {
        QStringList items;
        if (auto* combo = dynamic_cast<ComboField*>(page->FindField(field)))
            for (int i = 0; i < combo->Combo()->count(); ++i)
                items << combo->Combo()->itemText(i);
        return items;
    }
    bool Press(const QString& button) {
        QPushButton* b = page->FindButton(button);
        if (!b || !b->isEnabled())
            return false;
        b->click();
        return ManagementWindow::WaitIdle(30000);
    }
    QString Status() const { return ManagementWindow::Frame()->StatusLine(); }
    // The SET requests the device received so far.
    std::vector<TestSupport::SimTraceRecord> Sets() const { return fleet_->TraceSets(Address(device_)); }
    QString LastBox() const { return messages->Boxes.empty() ? QString() : messages->Boxes.back().Text; }

    // The device's value of one variable (complete OID), read on its own.
    static QString Get(int device, const QString& oid, int syntax = SnmpSyntax::DisplayString) {
        SnmpRequest r;
        r.Address = Address(device);
        r.Port = fleet_->Port();
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, QStringLiteral("v"), syntax, SnmpAccess::ReadOnly);
        r.Read(true);
        return r.Variables.Entry(0).Value;
    }
    static void Put(int device, const QString& oid, int syntax, const QString& value) {
        SnmpRequest r;
        r.Address = Address(device);
        r.Port = fleet_->Port();
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, QStringLiteral("v"), syntax, SnmpAccess::ReadWrite);
        r.Variables.Entry(0).Value = value;
        r.Write();
    }

    static inline std::unique_ptr<TestSupport::SimFleet> fleet_;
    std::unique_ptr<ShellTest::MessageLog> messages;
    CPage* page = nullptr;
    int device_ = 1;
    QString label_;
};

}  // namespace RadioTest
