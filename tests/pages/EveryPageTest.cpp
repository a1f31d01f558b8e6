// Every page the window builds, against a simulated device with a trace: its
// declarations resolve, a refresh fills every bound field with what the
// device holds (read again here on its own), and a Save with nothing changed
// writes back exactly what was read. A new page is covered by being built.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "shell/ProbePage.h"
#include "shell/ShellFixture.h"
#include "TraceLines.h"
#include "pages/BuiltPages.h"
#include "pages/ManagementWindow.h"
#include "shell/CheckField.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/ShellTiming.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/ValueMap.h"
#include <QPushButton>
#include <map>
#include <set>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

const QString kAddress = QStringLiteral("127.0.16.1");

// The built page classes: the module's, and the test's probe page as LAN
// (registered only while this suite runs).
std::vector<std::string> BuiltLabels() {
    BuiltPages::Install();
    std::vector<std::string> labels;
    std::set<std::string> classes;
    for (const PageRow& row : PageRegistry::Rows()) {
        const bool built = PageRegistry::Factory(row.PageClass) || std::string(row.PageClass) == "CLanPage";
        if (built && classes.insert(row.PageClass).second)
            labels.push_back(row.Label);
    }
    return labels;
}

class EveryPageTest : public testing::TestWithParam<std::string> {
public:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        trace_ = dir_->filePath("trace.txt");
        sim_ = std::make_unique<SimFleet>(kAddress.toStdString(), std::vector<std::string>{"--trace", trace_.toStdString()});
        ASSERT_TRUE(sim_->Ready()) << sim_->Output();
        // The device's own LAN settings as a network gives them: the address
        // checks of the pages refuse loopback addresses.
        const QString target = QString("%1:%2").arg(kAddress).arg(sim_->Port());
        for (const auto& [oid, value] : {std::pair<const char*, const char*>{"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.2.1", "192.168.16.2"},
                                         {"1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.4.1", "192.168.16.1"}})
            ASSERT_EQ(TestSupport::RunCommand("snmpset", {"-v2c", "-c", "private", target, oid, "a", value}), 0);
        // The probe page stands in for a LAN page the module does not build yet.
        previous_ = PageRegistry::Factory("CLanPage");
        if (!previous_)
            PageRegistry::SetFactory("CLanPage", &ProbePage::Make);
    }
    static void TearDownTestSuite() {
        PageRegistry::SetFactory("CLanPage", previous_);
        ShellTiming::SetScale(1.0);
        sim_.reset();
        dir_.reset();
    }

protected:
    void SetUp() override {
        messages_ = std::make_unique<ShellTest::MessageLog>();
        ShellTiming::SetScale(0.05);
        WindowSettings settings;
        settings.DeviceIpAddress = kAddress;
        settings.SnmpPort = static_cast<uint16_t>(sim_->Port());
        ASSERT_TRUE(ManagementWindow::Open(settings));
        ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
        page_ = ManagementWindow::Frame()->View()->PageByLabel(QString::fromStdString(GetParam()));
        ASSERT_NE(page_, nullptr);
    }
    // Shows the page as a click in the bar does (which refreshes it).
    static bool ShowPage() {
        ManagementWindow::Frame()->SwitchByLabel(QString::fromStdString(GetParam()));
        return ManagementWindow::WaitIdle(30000);
    }
    // What the device holds for every field a refresh reads, as shown.
    std::map<const PageField*, QString> DeviceTexts() const {
        std::map<const PageField*, QString> texts;
        for (const PageField* field : page_->Fields()) {
            if (field->Request() && field->Request()->ReadOnRefresh && field->Request()->Table().Kind < 2)
                texts[field] = dynamic_cast<const CheckField*>(field) ? DeviceValue(*field) : DeviceText(*field);
        }
        return texts;
    }
    // A value read between two reads of the device: one of them, or for
    // numbers that move (up time, counters) one in between.
    static bool Between(const QString& shown, const QString& before, const QString& after) {
        if (shown == before || shown == after)
            return true;
        bool a = false, b = false, c = false;
        const double low = before.toDouble(&a), value = shown.toDouble(&b), high = after.toDouble(&c);
        return a && b && c && low <= value && value <= high;
    }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
    }
    // The device's value of a field's variable, read on its own: as the
    // device gives it, or as the field shows it.
    static MibVariableEntry DeviceEntry(const PageField& field) {
        const PageTable& table = field.Request()->Table();
        SnmpRequest r;
        r.Address = kAddress;
        r.Port = static_cast<uint16_t>(sim_->Port());
        const MibVariable one[] = {table.Variables[field.VariableIndex()], MIB_TABLE_END};
        r.Variables = MibVariableList(one, table.Kind, table.KeyCount);
        r.Read(true);
        return r.Variables.Entry(0);
    }
    static QString DeviceValue(const PageField& field) { return DeviceEntry(field).Value; }
    static QString DeviceText(const PageField& field) {
        const MibVariableEntry e = DeviceEntry(field);
        return e.Map ? e.Map->TextForValue(e.Value) : e.Value;
    }
    // The OID as a request of the field's table sends it (scalars take ".0").
    static QString OidAsSent(const PageField& field) {
        const QString oid = field.Request()->Variables.Entry(field.VariableIndex()).Oid;
        return field.Request()->Table().Kind == MibVariableList::SVT_SV ? oid + ".0" : oid;
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString trace_;
    static inline std::unique_ptr<SimFleet> sim_;
    static inline PageFactory previous_ = nullptr;
    std::unique_ptr<ShellTest::MessageLog> messages_;
    CPage* page_ = nullptr;
};

TEST_P(EveryPageTest, ARefreshFillsEveryBoundFieldWithTheDevicesValue) {
    if (page_->Fields().empty() && page_->Lists().empty())
        GTEST_SKIP() << GetParam() << " shows nothing";
    const std::map<const PageField*, QString> before = DeviceTexts();
    ASSERT_TRUE(ShowPage());
    const std::map<const PageField*, QString> after = DeviceTexts();
    // A page of lists only (or one that is not refreshed when shown) has no
    // field to compare; it must show something.
    if (before.empty()) {
        ASSERT_FALSE(page_->Lists().empty()) << GetParam() << " binds no field that a refresh reads";
    }
    for (const auto& [field, held] : before) {
        QString shown = field->Text();
        if (const auto* check = dynamic_cast<const CheckField*>(field)) {
            // A check box shows whether the device holds its "on" value.
            MibVariableEntry entry;
            const_cast<CheckField*>(check)->FromControl(entry);
            shown = entry.Value;
        }
        EXPECT_TRUE(Between(shown, held, after.at(field)))
            << GetParam() << ": " << page_->FieldName(*field).toStdString() << " shows \"" << shown.toStdString()
            << "\", the device held \"" << held.toStdString() << "\" then \"" << after.at(field).toStdString() << "\"";
    }
    EXPECT_TRUE(messages_->Boxes.empty());
}

TEST_P(EveryPageTest, AnUnchangedSaveWritesBackWhatWasRead) {
    ASSERT_TRUE(ShowPage());
    for (const CPage::Button& button : page_->Buttons()) {
        // A Save that adds the entry its editor holds refuses an empty editor.
        if (button.Text != QLatin1String("Save") || button.Control->property("addsEntry").toBool())
            continue;
        // What the device holds now, by OID, read on its own.
        std::map<QString, QString> held;
        for (const PageField* field : page_->Fields()) {
            if (field->Request() && field->Request()->Table().Kind < 2)
                held[OidAsSent(*field)] = DeviceValue(*field);
        }
        const size_t before = PageTest::SetsIn(trace_, kAddress).size();
        button.Control->click();
        ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
        EXPECT_TRUE(messages_->Boxes.empty()) << GetParam() << ": " << messages_->Texts().join(" | ").toStdString();
        // A page may write its groups one set after another.
        const std::vector<PageTest::SetRequest> sets = PageTest::SetsIn(trace_, kAddress);
        if (page_->property("savesOnlyChanges").toBool()) {
            // A page that keeps what it showed sends nothing when nothing changed.
            EXPECT_EQ(sets.size(), before) << GetParam() << ": " << page_->ButtonName(button).toStdString();
            continue;
        }
        ASSERT_GT(sets.size(), before) << GetParam() << ": " << page_->ButtonName(button).toStdString();
        for (size_t s = before; s < sets.size(); ++s) {
            EXPECT_FALSE(sets[s].Varbinds.isEmpty());
            for (const QString& varbind : sets[s].Varbinds) {
                const QString oid = varbind.section('=', 0, 0);
                const auto it = held.find(oid);
                ASSERT_NE(it, held.end()) << GetParam() << " wrote " << varbind.toStdString() << ", which no field shows";
                EXPECT_EQ(varbind.section('=', 1), it->second) << GetParam() << ": " << oid.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Built, EveryPageTest, testing::ValuesIn(BuiltLabels()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

}  // namespace
