// The declarative page base: declarations that name what does not exist fail
// when the page is built; every kind of field follows the device and takes
// input as a person gives it; a group's Save writes exactly its fields.
#include "WindowFixture.h"
#include "controls/IpAddressEdit.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "shell/CheckField.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/RadioField.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr const char* kStationConnection = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.1.1";
constexpr const char* kEthernetToWlan = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.1.1.2.1";
constexpr const char* kPoolDomain = "1.3.6.1.4.1.171.10.37.36.3.1.2.2.1.10.1";

// One variable of the device, read or written over SNMP as a test sees it.
QString Read(const QString& address, uint16_t port, const char* oid, int32_t syntax = SnmpSyntax::Integer) {
    SnmpRequest r;
    r.Address = address;
    r.Port = port;
    r.Variables.Kind = MibVariableList::MVT_SV;
    r.Variables.Add(oid, "v", syntax, SnmpAccess::ReadWrite);
    r.Read(true);
    return r.Variables.Entry(0).Value;
}

void Write(const QString& address, uint16_t port, const char* oid, const QString& value) {
    SnmpRequest r;
    r.Address = address;
    r.Port = port;
    r.Variables.Kind = MibVariableList::MVT_SV;
    r.Variables.Add(oid, "v", SnmpSyntax::Integer, SnmpAccess::ReadWrite);
    r.Variables.Entry(0).Value = value;
    r.Write();
}

// Pages that declare what their tables do not hold.
class MistypedVariablePage : public CPage {
public:
    MistypedVariablePage(CMainView* view, const PageRow& row) : CPage(view, row) {
        PageRequest& pool = AddRequest(MibPages::kDhcpDynamicPoolVars, 500);
        Form("Pool").Add<EditField>(pool, "Dynamic IP Strat", "IP Assigned From");
    }
};
const MibVariable kUnregisteredTable[] = {
    {"1.3.6.1.4.1.171.10.37.36.99.1", "notInTheRegistry", SnmpSyntax::Integer, SnmpAccess::ReadWrite, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
class UnregisteredTablePage : public CPage {
public:
    UnregisteredTablePage(CMainView* view, const PageRow& row) : CPage(view, row) { AddRequest(kUnregisteredTable, 500); }
};
class DoubleBindingPage : public CPage {
public:
    DoubleBindingPage(CMainView* view, const PageRow& row) : CPage(view, row) {
        PageRequest& pool = AddRequest(MibPages::kDhcpDynamicPoolVars, 500);
        PageForm& form = Form("Pool");
        form.Add<EditField>(pool, "Dynamic Lease", "Lease Time");
        form.Add<EditField>(pool, "Dynamic Lease", "Lease Time again");
    }
};

using PageFieldTest = WindowTest;

TEST_F(PageFieldTest, DeclarationsOfWhatDoesNotExistFailWhenThePageIsBuilt) {
    Open(kLive);
    const PageRow& row = *PageRegistry::FindByLabel("Wireless");
    try {
        MistypedVariablePage page(frame->View(), row);
        ADD_FAILURE() << "a mistyped variable built a page";
    } catch (const PageDeclarationError& e) {
        EXPECT_NE(std::string(e.what()).find("Dynamic IP Strat"), std::string::npos) << e.what();
    }
    EXPECT_THROW(UnregisteredTablePage(frame->View(), row), PageDeclarationError);
    EXPECT_THROW(DoubleBindingPage(frame->View(), row), PageDeclarationError);
    // Rules that name a variable the request lacks fail the same way.
    EXPECT_THROW(Probe()->Pool->SetAccess("Dynamic Leese", SnmpAccess::ReadWrite), PageDeclarationError);
}

TEST_F(PageFieldTest, NamesComeFromLabelsAndGroups) {
    Open(kLive);
    ProbePage* probe = Probe();
    EXPECT_EQ(probe->FindField("Function"), probe->Fields()[0]);
    ASSERT_NE(probe->FindField("Lease Time"), nullptr);
    EXPECT_EQ(probe->FindField("Lease Time")->Variable(), "Dynamic Lease");
    EXPECT_EQ(probe->FindField("Lease Time :"), nullptr);
    // Two groups have a Save button: each is named by its group.
    EXPECT_EQ(probe->FindButton("Save"), nullptr);
    ASSERT_NE(probe->FindButton("Dynamic Pool/Save"), nullptr);
    ASSERT_NE(probe->FindButton("Partition/Save"), nullptr);
    EXPECT_NE(probe->FindButton("Dynamic Pool/Save"), probe->FindButton("Partition/Save"));
    EXPECT_EQ(probe->FindList("Clients"), probe->Clients);
}

TEST_F(PageFieldTest, CheckBoxRadioGroupAndListFollowTheDevice) {
    Open(kLive);
    const QString address = sim_->Address(kLive);
    Write(address, sim_->Port(), kStationConnection, "0");
    Write(address, sim_->Port(), kEthernetToWlan, "1");
    ProbePage* probe = Probe();
    frame->Command(32772);   // LAN: the probe page
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(probe->StationConnection->Text(), "Disable");
    EXPECT_TRUE(probe->EthernetToWlan->IsChecked());
    // The simulated device has four clients; every row has its MAC address.
    ASSERT_EQ(probe->Clients->RowCount(), 4);
    for (const QStringList& row : probe->Clients->Rows()) {
        ASSERT_EQ(row.size(), 3);
        EXPECT_EQ(row[0].size(), 12) << row.join('|').toStdString();
    }
    // A second refresh shows the list anew rather than adding to it.
    Write(address, sim_->Port(), kEthernetToWlan, "0");
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(probe->Clients->RowCount(), 4);
    EXPECT_FALSE(probe->EthernetToWlan->IsChecked());
}

TEST_F(PageFieldTest, InputGoesThroughTheControlsAsTyped) {
    Open(kLive);
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    ProbePage* probe = Probe();
    QString why;
    auto* start = static_cast<IpAddressField*>(probe->FindField("IP Assigned From"));
    EXPECT_TRUE(start->Enter("10.1.2.3", &why)) << why.toStdString();
    EXPECT_EQ(probe->Start->Text(), "10.1.2.3");
    // The field's length limit acts as on typing.
    EXPECT_FALSE(probe->FindField("Domain Name")->Enter(QString(31, 'd'), &why));
    EXPECT_EQ(probe->Domain->text(), QString(30, 'd'));
    EXPECT_TRUE(why.contains("30")) << why.toStdString();
    EXPECT_FALSE(probe->FindField("Function")->Enter("Sometimes", &why));
    EXPECT_TRUE(why.contains("Enable")) << why.toStdString();
    EXPECT_TRUE(probe->FindField("Function")->Enter("Enable", &why));
    EXPECT_EQ(probe->Function->currentText(), "Enable");
    EXPECT_TRUE(probe->StationConnection->Enter("Enable", &why));
    EXPECT_TRUE(probe->StationConnection->Button("Enable")->isChecked());
    EXPECT_FALSE(probe->StationConnection->Enter("Maybe", &why));
    EXPECT_FALSE(probe->EthernetToWlan->Enter("perhaps", &why));
    // Ticking a row of a checkable list.
    ASSERT_GT(probe->Clients->RowCount(), 1);
    EXPECT_FALSE(probe->Clients->IsTicked(1));
    EXPECT_TRUE(probe->Clients->Tick(1));
    EXPECT_TRUE(probe->Clients->IsTicked(1));
    EXPECT_TRUE(probe->Clients->Select(0));
    EXPECT_EQ(probe->Clients->SelectedRow(), 0);
}

TEST_F(PageFieldTest, AGroupsSaveWritesItsFieldsAndTheDeviceKeepsThem) {
    Open(kLive);
    const QString address = sim_->Address(kLive);
    Write(address, sim_->Port(), kStationConnection, "1");
    Write(address, sim_->Port(), kEthernetToWlan, "0");
    frame->Command(32772);
    ASSERT_TRUE(WaitIdle());
    ProbePage* probe = Probe();
    const QString domainBefore = Read(address, sim_->Port(), kPoolDomain, SnmpSyntax::DisplayString);
    probe->Domain->setText("not-saved.lan");   // another group's field, left unsaved
    QString why;
    ASSERT_TRUE(probe->StationConnection->Enter("Disable", &why));
    ASSERT_TRUE(probe->EthernetToWlan->Enter("checked", &why));
    probe->FindButton("Partition/Save")->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(status->Contains("Save OK!")) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(Read(address, sim_->Port(), kStationConnection), "0");
    EXPECT_EQ(Read(address, sim_->Port(), kEthernetToWlan), "1");
    EXPECT_EQ(Read(address, sim_->Port(), kPoolDomain, SnmpSyntax::DisplayString), domainBefore);
    EXPECT_TRUE(messages->Boxes.empty());
}

}  // namespace
