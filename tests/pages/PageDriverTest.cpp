// The page driver against a simulated device with a trace: what a person
// types and clicks reaches the device exactly, a refused save sends nothing,
// and names that do not exist are refused before anything is done.
#include "shell/PageRegistry.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "shell/ProbePage.h"
#include "shell/ShellFixture.h"
#include "TraceLines.h"
#include "pages/BuiltPages.h"
#include "pages/ManagementWindow.h"
#include "pages/PageDriver.h"
#include "shell/PageRegistry.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/ShellTiming.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {

// The label of a page the window does not build yet.
QString UnbuiltPage() {
    for (const PageRow& row : PageRegistry::Rows())
        if (!PageRegistry::Factory(row.PageClass) && std::string(row.PageClass) != "CLanPage")
            return QString::fromLatin1(row.Label);
    return {};
}


constexpr const char* kLeaseOid = "1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.11.1";
constexpr const char* kDomainOid = "1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.10.1";
const QString kAddress = QStringLiteral("127.0.14.1");
const QString kSilentAddress = QStringLiteral("127.0.14.2");

class PageDriverTest : public testing::Test {
public:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        trace_ = dir_->filePath("trace.txt");
        sim_ = std::make_unique<SimFleet>(kAddress.toStdString(),
                                            std::vector<std::string>{"--trace", trace_.toStdString(), "--silent", "2"}, 2);
        ASSERT_TRUE(sim_->Ready()) << sim_->Output();
        BuiltPages::Install();   // before the probe takes the place of the LAN page
        previous_ = PageRegistry::Factory("CLanPage");
        PageRegistry::SetFactory("CLanPage", &ProbePage::Make);
    }
    static void TearDownTestSuite() {
        PageRegistry::SetFactory("CLanPage", previous_);
        ShellTiming::SetScale(1.0);
        sim_.reset();
        dir_.reset();
    }

protected:
    void SetUp() override { messages_ = std::make_unique<ShellTest::MessageLog>(); }
    void TearDown() override {
        if (ManagementWindow::IsOpen()) {
            ManagementWindow::WaitIdle(30000);
            EXPECT_TRUE(ManagementWindow::Close());
        }
        ShellTest::Pump(1);
    }
    void Open(const QString& address) {
        ShellTiming::SetScale(0.05);
        WindowSettings settings;
        settings.DeviceIpAddress = address;
        settings.SnmpPort = static_cast<uint16_t>(sim_->Port());
        settings.SnmpTimeout = 20;
        ASSERT_TRUE(ManagementWindow::Open(settings));
    }
    static QJsonObject Step(const char* kind, const QString& target, const QString& value = {}) {
        return {{"do", kind}, {"target", target}, {"value", value}};
    }
    static QJsonObject Script(const QString& page, const QJsonArray& actions) {
        return {{"page", page}, {"actions", actions}};
    }
    QString Read(const char* oid, int32_t syntax) const {
        SnmpRequest r;
        r.Address = kAddress;
        r.Port = static_cast<uint16_t>(sim_->Port());
        r.Variables.Kind = MibVariableList::MVT_SV;
        r.Variables.Add(oid, "v", syntax, SnmpAccess::ReadOnly);
        r.Read(true);
        return r.Variables.Entry(0).Value;
    }
    static size_t SetCount() { return PageTest::SetsIn(trace_, kAddress).size(); }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString trace_;
    static inline std::unique_ptr<SimFleet> sim_;
    static inline PageFactory previous_ = nullptr;
    std::unique_ptr<ShellTest::MessageLog> messages_;
};

TEST_F(PageDriverTest, TypedFieldsAndASaveReachTheDeviceInOneSet) {
    Open(kAddress);
    const size_t before = SetCount();
    const QJsonObject report = PageDriver::Run(Script(
        "LAN", {Step("set", "Lease Time", "7200"), Step("set", "Domain Name", "driven.lan"), Step("press", "Dynamic Pool/Save")}));
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    const QStringList status = report.value("status").toVariant().toStringList();
    EXPECT_TRUE(status.contains("Saving, Please wait...")) << status.join(" | ").toStdString();
    EXPECT_EQ(status.last(), "Save OK!") << status.join(" | ").toStdString();
    EXPECT_TRUE(report.value("messages").toArray().isEmpty());
    EXPECT_EQ(report.value("fields").toObject().value("Lease Time").toString(), "7200");
    // Exactly one set, carrying the typed values, and the device kept them.
    const std::vector<PageTest::SetRequest> sets = PageTest::SetsIn(trace_, kAddress);
    ASSERT_EQ(sets.size(), before + 1);
    EXPECT_TRUE(sets.back().Varbinds.contains(QString(kLeaseOid) + "=7200")) << sets.back().Varbinds.join(' ').toStdString();
    EXPECT_TRUE(sets.back().Varbinds.contains(QString(kDomainOid) + "=driven.lan"));
    EXPECT_EQ(Read(kLeaseOid, SnmpSyntax::Integer), "7200");
    EXPECT_EQ(Read(kDomainOid, SnmpSyntax::DisplayString), "driven.lan");
}

TEST_F(PageDriverTest, ARefusedSaveShowsThePagesMessageAndSendsNoSet) {
    Open(kAddress);
    const QString leaseBefore = Read(kLeaseOid, SnmpSyntax::Integer);
    const size_t before = SetCount();
    const QJsonObject report =
        PageDriver::Run(Script("LAN", {Step("set", "Lease Time", "59"), Step("press", "Dynamic Pool/Save")}));
    EXPECT_EQ(report.value("exit").toInt(), 0);
    EXPECT_EQ(report.value("messages").toVariant().toStringList(),
              QStringList{"Please input a number between 60 and 31536000!"});
    EXPECT_FALSE(report.value("status").toVariant().toStringList().contains("Saving, Please wait..."));
    EXPECT_EQ(SetCount(), before);
    EXPECT_EQ(Read(kLeaseOid, SnmpSyntax::Integer), leaseBefore);
}

TEST_F(PageDriverTest, UnknownNamesAreRefusedBeforeAnythingIsDone) {
    Open(kAddress);
    const size_t before = SetCount();
    struct Case {
        QJsonObject Script;
        const char* Named;
    };
    const Case cases[] = {
        {Script("Nowhere", {}), "Nowhere"},
        {Script("LAN", {Step("set", "Lease Time", "600"), Step("set", "Leese Time", "7")}), "Leese Time"},
        {Script("LAN", {Step("set", "Lease Time", "600"), Step("press", "Dynamic Pool/Sav")}), "Dynamic Pool/Sav"},
        {Script("LAN", {Step("tick", "Cleints", "0")}), "Cleints"},
        {Script("LAN", {Step("select", "Clients", "x")}), "\"x\""},
        {Script("LAN", {Step("answer", "", "perhaps")}), "perhaps"},
        {Script(UnbuiltPage(), {}), "not built"},
    };
    for (const Case& c : cases) {
        const QJsonObject report = PageDriver::Run(c.Script);
        EXPECT_EQ(report.value("exit").toInt(), int(PageDriver::Unknown)) << c.Named;
        EXPECT_TRUE(report.value("error").toString().contains(c.Named)) << report.value("error").toString().toStdString();
    }
    EXPECT_EQ(SetCount(), before);
}

TEST_F(PageDriverTest, ListsAndControlsThatCannotBeUsedAreReported) {
    Open(kAddress);
    QJsonObject report = PageDriver::Run(Script("LAN", {Step("tick", "Clients", "1"), Step("select", "Clients", "0")}));
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    const QJsonArray rows = report.value("lists").toObject().value("Clients").toArray();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[1].toArray()[0].toString().startsWith("[x] "));
    EXPECT_TRUE(rows[0].toArray()[0].toString().startsWith("[ ] "));
    // No row 9; a disabled field cannot be typed into.
    report = PageDriver::Run(Script("LAN", {Step("select", "Clients", "9")}));
    EXPECT_EQ(report.value("exit").toInt(), int(PageDriver::NotDone));
    CPage* page = ManagementWindow::Frame()->View()->PageByLabel("LAN");
    page->FindField("Domain Name")->Widget()->setEnabled(false);
    report = PageDriver::Run(Script("LAN", {Step("set", "Domain Name", "x")}));
    EXPECT_EQ(report.value("exit").toInt(), int(PageDriver::NotDone));
    EXPECT_TRUE(report.value("error").toString().contains("disabled"));
    EXPECT_FALSE(report.value("enabled").toObject().value("Domain Name").toBool());
}

TEST_F(PageDriverTest, AnUnreachableDeviceExitsWithTheEnginesMessage) {
    Open(kSilentAddress);
    ManagementWindow::WaitIdle(30000);
    const QJsonObject report = PageDriver::Run(Script("LAN", {Step("set", "Lease Time", "600")}));
    EXPECT_EQ(report.value("exit").toInt(), int(PageDriver::Unreachable));
    EXPECT_TRUE(report.value("error").toString().contains("timed out")) << report.value("error").toString().toStdString();
    EXPECT_TRUE(PageTest::SetsIn(trace_, kSilentAddress).empty());
}

// A caller's bound (aerodesk page --wait) ends a wait that the window's own
// time-outs would let run on: the device answers every read 2.5 s late, the
// caller waits 0.5 s a step.
TEST_F(PageDriverTest, TheCallersBoundEndsAWaitForASlowDevice) {
    SimFleet slow("127.0.14.9", {"--delay", "2500"});
    ASSERT_TRUE(slow.Ready()) << slow.Output();
    ShellTiming::SetScale(1.0);
    WindowSettings settings;
    settings.DeviceIpAddress = QStringLiteral("127.0.14.9");
    settings.SnmpPort = static_cast<uint16_t>(slow.Port());
    settings.SnmpTimeout = 500;
    ASSERT_TRUE(ManagementWindow::Open(settings));
    QJsonObject script = Script("Information", {});
    script["waitMs"] = 500;
    const QJsonObject report = PageDriver::Run(script);
    EXPECT_EQ(report.value("exit").toInt(), int(PageDriver::NotDone));
    EXPECT_TRUE(report.value("error").toString().contains("stayed busy")) << report.value("error").toString().toStdString();
    // Still served: the window finishes its reads and closes.
    EXPECT_TRUE(ManagementWindow::WaitIdle(60000));
    EXPECT_TRUE(ManagementWindow::Close());
}

TEST_F(PageDriverTest, ListingNamesThePagesAndAPagesDeclarations) {
    Open(kAddress);
    const QJsonObject pages = PageDriver::List({});
    QStringList built;
    for (const QJsonValue& v : pages.value("pages").toArray()) {
        if (v.toObject().value("built").toBool())
            built << v.toObject().value("label").toString();
    }
    ASSERT_FALSE(built.isEmpty());
    EXPECT_EQ(built.first(), "Information");
    for (const char* label : {"Information", "Wireless", "LAN", "Multi-SSID", "Configuration File", "Date and Time",
                              "Device Information", "Stats", "Client Information", "WDS Information", "Log",
                              "Schedule", "VLAN", "Traffic Control", "Firmware and SSL", "System"})
        EXPECT_TRUE(built.contains(label)) << label;
    for (const QJsonValue& v : pages.value("pages").toArray()) {
        const QJsonObject page = v.toObject();
        const PageRow* row = PageRegistry::FindByLabel(page.value("label").toString());
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(page.value("built").toBool(), PageRegistry::Factory(row->PageClass) != nullptr)
            << page.value("label").toString().toStdString();
    }
    const QJsonObject lan = PageDriver::List("LAN");
    QStringList fields, buttons;
    for (const QJsonValue& v : lan.value("fields").toArray())
        fields << v.toObject().value("name").toString();
    for (const QJsonValue& v : lan.value("buttons").toArray())
        buttons << v.toString();
    EXPECT_EQ(fields, (QStringList{"Function", "IP Assigned From", "Subnet Mask", "Lease Time", "Domain Name",
                                   "Internal Station Connection", "Ethernet to WLAN Access"}));
    EXPECT_EQ(buttons, (QStringList{"Dynamic Pool/Save", "Partition/Save"}));
    EXPECT_EQ(PageDriver::List("Nowhere").value("exit").toInt(), int(PageDriver::Unknown));
}

TEST_F(PageDriverTest, FileDialogsAndQuestionsAreAnsweredInTheScriptsOrder) {
    Open(kAddress);
    const size_t before = SetCount();
    // A file dialog with no file given is cancelled; a question is confirmed
    // by default (the update then stops for want of an FTP server).
    QJsonObject report = PageDriver::Run(Script("Configuration File", {Step("press", "Browse")}));
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_EQ(report.value("fields").toObject().value("Update File").toString(), "");
    EXPECT_TRUE(report.value("messages").toArray().isEmpty());
    report = PageDriver::Run(Script("Configuration File", {Step("file", "", "/tmp/first.dcf"), Step("answer", "", "cancel"),
                                                           Step("press", "Browse"), Step("press", "Update"),
                                                           Step("file", "", "/tmp/second.dcf"), Step("answer", "", "yes"),
                                                           Step("press", "Browse"), Step("press", "Update")}));
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_EQ(report.value("fields").toObject().value("Update File").toString(), "/tmp/second.dcf");
    EXPECT_EQ(report.value("messages").toVariant().toStringList(),
              (QStringList{"Load settings from file ?", "Load settings from file ?", "Ftp setting error!"}));
    EXPECT_EQ(SetCount(), before);
    // The driver's answers end with the run: the window's own handler is back.
    EXPECT_EQ(MessageBox::Confirm("asked after the run"), MessageBox::AnswerOk);   // the test's recorder answers OK
    EXPECT_EQ(messages_->Boxes.back().Text, "asked after the run");
}

TEST_F(PageDriverTest, AQuestionCanBeRefused) {
    Open(kAddress);
    const QJsonObject report = PageDriver::Run(
        Script("Configuration File", {Step("answer", "", "cancel"), Step("set", "Update File", "/tmp/x.dcf"), Step("press", "Update")}));
    ASSERT_EQ(report.value("exit").toInt(), 0);
    // Refused: the update goes no further (no FTP settings message).
    EXPECT_EQ(report.value("messages").toVariant().toStringList(), QStringList{"Load settings from file ?"});
}

}  // namespace
