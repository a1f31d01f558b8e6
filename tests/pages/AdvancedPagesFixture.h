#pragma once
// The advanced configuration pages against a simulated fleet with a trace:
// the window is opened on one device, the page shown as a click in the bar
// shows it, fields are typed into and buttons pressed as a person does, and
// what the device holds is read back with net-snmp's tools.
#include "shell/ShellFixture.h"
#include "support/ToolRun.h"
#include "pages/ManagementWindow.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/ShellTiming.h"
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace AdvancedPages {

inline const QString kRoot = QStringLiteral("1.3.6.1.4.1.171.10.37.36.");

class AdvancedPageTest : public testing::Test {
public:
    // Device kSilent never answers; the others are fresh devices, one or two per test.
    static constexpr int kDevices = 12;
    static constexpr int kSilent = 12;

    static void SetUpTestSuite() {
        sim_ = std::make_unique<TestSupport::SimFleet>();
        const QStringList extra = {QStringLiteral("--trace"), sim_->PrivateFile(QStringLiteral("trace.tsv")),
                                   QStringLiteral("--silent"), QString::number(kSilent)};
        ASSERT_TRUE(sim_->Start(QStringLiteral("127.0.116.1"), kDevices, extra + ExtraArguments()));
    }
    static void TearDownTestSuite() {
        ShellTiming::SetScale(1.0);
        sim_.reset();
    }
    // Faults of the suite's devices (added to the simulator's command line).
    static QStringList ExtraArguments() {
        // Device 10 refuses the all-day flag of a schedule rule; device 9 stops
        // answering when an account is added; device 11 has no status column in
        // its account list.
        return {QStringLiteral("--fault"), QStringLiteral("10:") + kRoot + QStringLiteral("3.10.1.2.3:genErr:set"),
                QStringLiteral("--fault"), QStringLiteral("9:") + kRoot + QStringLiteral("3.12.1.3:silent:set"),
                QStringLiteral("--fault"), QStringLiteral("11:") + kRoot + QStringLiteral("3.12.2.1.1.3:noSuchObject:get")};
    }

public:
    void SetUp() override { messages = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
        status.reset();
        messages.reset();
    }

    // Opens the window on `device` and shows the page `label` (which refreshes it).
    CPage* Show(int device, const QString& label, double scale = 0.2) {
        ShellTiming::SetScale(scale);
        device_ = device;
        WindowSettings settings;
        settings.DeviceIpAddress = sim_->Address(device);
        settings.SnmpPort = sim_->Port();
        if (!ManagementWindow::Open(settings) || !ManagementWindow::WaitIdle(30000))
            return nullptr;
        CMainFrame* frame = ManagementWindow::Frame();
        status = std::make_unique<ShellTest::StatusLog>(frame);
        frame->SwitchByLabel(label);
        if (!ManagementWindow::WaitIdle(30000))
            return nullptr;
        page = frame->View()->PageByLabel(label);
        return page;
    }
    CMainFrame* Frame() const { return ManagementWindow::Frame(); }
    QString StatusLine() const { return Frame()->StatusLine(); }

    // Types into a field as a person does; fails the test when it cannot.
    void Set(const QString& name, const QString& text) {
        PageField* field = page->FindField(name);
        ASSERT_NE(field, nullptr) << name.toStdString();
        QString why;
        ASSERT_TRUE(field->Enter(text, &why)) << name.toStdString() << ": " << why.toStdString();
    }
    QString Text(const QString& name) const {
        PageField* field = page->FindField(name);
        return field ? field->Text() : QStringLiteral("<no field %1>").arg(name);
    }
    // Clicks a button and waits until the window is idle again.
    bool Press(const QString& name) {
        QPushButton* button = page->FindButton(name);
        if (!button)
            return false;
        button->click();
        return ManagementWindow::WaitIdle(30000);
    }
    PageList* List(const QString& name) const { return page->FindList(name); }
    // The index of the row whose first cell is `first`, or -1.
    int RowOf(const QString& listName, const QString& first, int column = 0) const {
        const PageList* list = List(listName);
        if (!list)
            return -1;
        const std::vector<QStringList> rows = list->Rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].value(column) == first)
                return static_cast<int>(i);
        }
        return -1;
    }

    // The device's SET requests since the test began (trace records).
    std::vector<TestSupport::SimTraceRecord> Sets(int device = 0) const {
        return sim_->TraceSets(sim_->Address(device ? device : device_));
    }
    // The varbinds of one SET as "OID=VALUE" with the enterprise root left out.
    static QStringList Varbinds(const TestSupport::SimTraceRecord& set) {
        QStringList out;
        for (const auto& vb : set.Varbinds)
            out << QString(vb.Oid).remove(kRoot) + QLatin1Char('=') + vb.Value;
        return out;
    }

    // net-snmp's tools against a device: values without their type, strings unquoted.
    static QStringList Values(const std::string& command) {
        std::string output;
        TestSupport::RunTool(command, output, 30);
        QStringList values;
        for (QString line : QString::fromStdString(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            line = line.trimmed();
            if (line.size() >= 2 && line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"'))) {
                line = line.mid(1, line.size() - 2);
                line.replace(QStringLiteral("\\\""), QStringLiteral("\"")).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
            }
            values << line;
        }
        return values;
    }
    static QStringList Walk(int device, const QString& oid) {
        return Values("snmpwalk -v2c -c public -Oqv -t 2 -r 1 " + sim_->Target(device) + " " + (kRoot + oid).toStdString());
    }
    static QString Get(int device, const QString& oid) {
        return Values("snmpget -v2c -c private -Oqv -t 2 -r 1 " + sim_->Target(device) + " " + (kRoot + oid).toStdString()).value(0);
    }
    // snmpset with "OID TYPE VALUE ..." (OIDs below the enterprise root).
    static bool SetOnDevice(int device, const QStringList& oidTypeValue) {
        std::string command = "snmpset -v2c -c private -t 2 -r 1 " + sim_->Target(device);
        for (int i = 0; i + 2 < oidTypeValue.size(); i += 3)
            command += " " + (kRoot + oidTypeValue[i]).toStdString() + " " + oidTypeValue[i + 1].toStdString() + " '" +
                       oidTypeValue[i + 2].toStdString() + "'";
        std::string output;
        return TestSupport::RunTool(command, output, 30) == 0;
    }

    static inline std::unique_ptr<TestSupport::SimFleet> sim_;
    std::unique_ptr<ShellTest::MessageLog> messages;
    std::unique_ptr<ShellTest::StatusLog> status;
    CPage* page = nullptr;
    int device_ = 1;
};

}  // namespace AdvancedPages
