#pragma once
// A page test against its own simulated fleet with a trace: the window opened
// on one device, the page driven as a person drives it (PageDriver), the
// device read back over SNMP and the sets it received read from the trace.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "shell/ShellFixture.h"
#include "pages/ManagementWindow.h"
#include "pages/PageDriver.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/ShellTiming.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

namespace PageTest {

inline constexpr const char* kEnterprise = "1.3.6.1.4.1.171.10.37.36";
inline QString Oid(const char* relative) { return QString(kEnterprise) + "." + relative; }

class PageSimTest : public testing::Test {
protected:
    // Starts the suite's simulator: `devices` devices from `base`, traced.
    static void StartFleet(const QString& base, int devices = 1, QStringList extra = {}) {
        fleet_ = std::make_unique<TestSupport::SimFleet>();
        extra << "--trace" << fleet_->PrivateFile("trace.tsv");
        ASSERT_TRUE(fleet_->Start(base, devices, extra)) << fleet_->Output();
    }
    static void StopFleet() {
        ShellTiming::SetScale(1.0);
        fleet_.reset();
    }
    void SetUp() override { messages_ = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        messages_.reset();
    }
    // Opens the window on device n (the module's waits scaled down).
    void Open(int device = 1) {
        device_ = device;
        ShellTiming::SetScale(0.05);
        WindowSettings settings;
        settings.DeviceIpAddress = fleet_->Address(device);
        settings.SnmpPort = fleet_->Port();
        settings.SnmpTimeout = 50;
        ASSERT_TRUE(ManagementWindow::Open(settings));
        ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    }
    CPage* Page(const QString& label) const { return ManagementWindow::Frame()->View()->PageByLabel(label); }

    static QJsonObject Step(const char* kind, const QString& target, const QString& value = {}) {
        return {{"do", kind}, {"target", target}, {"value", value}};
    }
    // Shows the page (which refreshes it) and carries out the steps.
    static QJsonObject Drive(const QString& page, const QJsonArray& steps) {
        return PageDriver::Run({{"page", page}, {"actions", steps}});
    }
    static QStringList Strings(const QJsonObject& report, const char* key) {
        return report.value(key).toVariant().toStringList();
    }
    static QString Field(const QJsonObject& report, const QString& name) {
        return report.value("fields").toObject().value(name).toString();
    }
    static std::vector<QStringList> ListRows(const QJsonObject& report, const QString& name) {
        std::vector<QStringList> rows;
        for (const QJsonValue& row : report.value("lists").toObject().value(name).toArray())
            rows.push_back(row.toVariant().toStringList());
        return rows;
    }

    // The device's value of a full OID, read on its own ("" when it cannot be read).
    QString Get(const QString& oid, int32_t syntax) const {
        SnmpRequest r;
        r.Address = fleet_->Address(device_);
        r.Port = fleet_->Port();
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, "v", syntax, SnmpAccess::ReadOnly);
        try {
            r.Read(true);
        } catch (const CZRException&) {
            return {};
        }
        return r.Variables.Entry(0).Value;
    }
    // A set with net-snmp's snmpset (TYPE as snmpset takes it: i, s, a, x).
    bool Set(const QString& oid, const char* type, const QString& value) const {
        return TestSupport::RunCommand("snmpset", {"-v2c", "-c", "private", "-t", "1", "-r", "1",
                                                   QString::fromStdString(fleet_->Target(device_)), oid, type, value}) == 0;
    }
    // The sets the device received; `from` skips the first ones.
    std::vector<TestSupport::SimTraceRecord> Sets(size_t from = 0) const {
        std::vector<TestSupport::SimTraceRecord> sets = fleet_->TraceSets(fleet_->Address(device_));
        sets.erase(sets.begin(), sets.begin() + static_cast<long>(std::min(from, sets.size())));
        return sets;
    }
    // Every OID=VALUE the device received in `sets`.
    static QStringList Varbinds(const std::vector<TestSupport::SimTraceRecord>& sets) {
        QStringList all;
        for (const auto& set : sets)
            for (const auto& vb : set.Varbinds)
                all << vb.Oid + "=" + vb.Value;
        return all;
    }
    // The varbinds of `sets` whose OID starts with `prefix`.
    static QStringList Sent(const std::vector<TestSupport::SimTraceRecord>& sets, const QString& prefix) {
        QStringList found;
        for (const QString& vb : Varbinds(sets))
            if (vb.startsWith(prefix))
                found << vb;
        return found;
    }

    static inline std::unique_ptr<TestSupport::SimFleet> fleet_;
    int device_ = 1;
    std::unique_ptr<ShellTest::MessageLog> messages_;
};

}  // namespace PageTest
