#include "VlanPage.h"
#include "CellText.h"
#include "PageGrid.h"
#include "mib/pages/SchedulePageTables.h"
#include "mib/pages/VlanPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
const char* const kDelVlanOid = "1.3.6.1.4.1.171.10.37.36.3.5.1.3.1.22.";
const QStringList kMemberTexts = {QStringLiteral("Not Member"), QStringLiteral("Tag"), QStringLiteral("Untag")};
const char* const kVidRange = "The VID value range is 1 - 4094";

// The list columns and PVID variables of each port, in port order.
const char* const kMemberColumns[] = {
    "dot11GroupVlanListMgmt",   "dot11GroupVlanListLan",    "dot11GroupVlanListPrimary", "dot11GroupVlanListMssid1",
    "dot11GroupVlanListMssid2", "dot11GroupVlanListMssid3", "dot11GroupVlanListMssid4",  "dot11GroupVlanListMssid5",
    "dot11GroupVlanListMssid6", "dot11GroupVlanListMssid7", "dot11GroupVlanListWds1",    "dot11GroupVlanListWds2",
    "dot11GroupVlanListWds3",   "dot11GroupVlanListWds4",   "dot11GroupVlanListWds5",    "dot11GroupVlanListWds6",
    "dot11GroupVlanListWds7",   "dot11GroupVlanListWds8"};
const char* const kPvidVariables[] = {
    "dot11PvidSettingMgmt",   "dot11PvidSettingLan",    "dot11PvidSettingPrimary", "dot11PvidSettingMssid1",
    "dot11PvidSettingMssid2", "dot11PvidSettingMssid3", "dot11PvidSettingMssid4",  "dot11PvidSettingMssid5",
    "dot11PvidSettingMssid6", "dot11PvidSettingMssid7", "dot11PvidSettingWds1",    "dot11PvidSettingWds2",
    "dot11PvidSettingWds3",   "dot11PvidSettingWds4",   "dot11PvidSettingWds5",    "dot11PvidSettingWds6",
    "dot11PvidSettingWds7",   "dot11PvidSettingWds8"};

bool ValidVid(const QString& text, int* vid) {
    bool ok = false;
    *vid = text.trimmed().toInt(&ok);
    return ok && *vid >= 1 && *vid <= 4094;
}

}  // namespace

QString CVlanPage::PortName(int port) {
    if (port == 0)
        return QStringLiteral("Mgmt");
    if (port == 1)
        return QStringLiteral("LAN");
    if (port == 2)
        return QStringLiteral("Primary");
    if (port < 10)
        return QStringLiteral("MSSID%1").arg(port - 2);
    return QStringLiteral("WDS%1").arg(port - 9);
}

CVlanPage::CVlanPage(CMainView* view, const PageRow& row)
    : CPage(view, row), tally_([this](bool ok) {
          PostStatus(QString::fromLatin1(ok ? ShellTexts::RefreshOk : "Refresh Error!"));
      }) {
    state_ = &AddRequest(kVlanStateVars, kTimeout);
    apMode_ = &AddRequest(kScheduleApModeVars, kTimeout);
    apMode_->RefreshAccess = SnmpAccess::ReadOnly;
    list_ = &AddRequest(kVlanListTableVars, kTimeout);
    list_->RefreshAccess = SnmpAccess::ReadOnly;
    list_->ReadOnRefresh = false;   // read with the port list, in Refresh
    pvid_ = &AddRequest(kVlanPvidVars, kTimeout);
    autoAssign_ = &AddRequest(kVlanPvidAutoAssignVars, kTimeout);
    portRefresh_ = &AddRequest(kVlanPortListRefreshVars, kTimeout);
    portRefresh_->ReadOnRefresh = false;
    ports_ = &AddRequest(kVlanPortListTableVars, kTimeout);
    ports_->RefreshAccess = SnmpAccess::ReadOnly;
    ports_->ReadOnRefresh = false;
    // The deletion variable is made for each VID (the list holds one entry).
    delete_ = &AddRequest(kVlanPortListRefreshVars, kTimeout);
    delete_->ReadOnRefresh = false;

    using namespace PageGrid;
    tabs_ = AddTabs(this);
    BuildListTab(AddTab(tabs_, QStringLiteral("VLAN List")));
    QWidget* portTab = AddTab(tabs_, QStringLiteral("Port List"));
    PageForm& portForm = Form(QStringLiteral("Port List"));
    portView_ = &portForm.List(QString());
    for (const char* header : {"Name", "Tag VID", "Untag VID"})
        portView_->Column(QString::fromLatin1(header));
    PutInTab(portTab, portForm.Box(), 1);
    BuildEditTab(AddTab(tabs_, QStringLiteral("Add/Edit VLAN")));
    BuildPvidTab(AddTab(tabs_, QStringLiteral("PVID Setting")));

    for (PageRequest* r : {state_, apMode_, pvid_, autoAssign_})
        r->OnGot = [this](const RequestResult& result) { tally_.Ended(result); };
    list_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done)
            VlanRowArrived();
        else
            VlanListEnded(result);
    };
    ports_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done) {
            PortRowArrived();
            return;
        }
        if (result.Status == 0) {
            portView_->Clear();
            for (const QStringList& row : portRows_)
                portView_->AddRow(row);
        }
        portRows_.clear();
        listsOk_ &= result.Status == 0;
        auto then = std::move(listsThen_);
        listsThen_ = nullptr;
        if (then)
            then(listsOk_);
    };
}

void CVlanPage::BuildListTab(QWidget* tab) {
    PageForm& form = Form(QStringLiteral("VLAN List"));
    status_ = &form.Add<ComboField>(*state_, "dot11VlanStatus", QStringLiteral("VLAN Status"));
    form.Add<StaticField>(*state_, "dot11VlanMode", QStringLiteral("VLAN Mode"));
    form.Add<StaticField>(*apMode_, "dot11ApMode", QStringLiteral("AP Mode"));
    vlanView_ = &form.List(QString());
    for (const char* header : {"VID", "VLAN Name", "Untag VLAN Ports", "Tag VLAN Ports"})
        vlanView_->Column(QString::fromLatin1(header));
    vlanView_->View()->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    form.Button(QStringLiteral("Edit"), [this] { EditVlan(); });
    form.Button(QStringLiteral("Del"), [this] { DeleteVlan(); });
    form.Button(QStringLiteral("Save"), [this] { SaveState(); });
    PageGrid::PutInTab(tab, form.Box(), 1);
}

void CVlanPage::BuildEditTab(QWidget* tab) {
    using namespace PageGrid;
    PageForm& form = Form(QStringLiteral("Add/Edit VLAN"));
    vid_ = &form.Add<EditField>(QStringLiteral("VID"));
    vid_->MaxLength(4);
    name_ = &form.Add<EditField>(QStringLiteral("VLAN Name"));
    name_->MaxLength(32);
    for (int port = 0; port < kPorts; ++port) {
        members_[static_cast<size_t>(port)] = &form.Add<ComboField>(PortName(port));
        members_[static_cast<size_t>(port)]->Items(kMemberTexts);
    }
    form.Button(QStringLiteral("Add"), [this] { AddVlan(); });
    form.Button(QStringLiteral("Clear"), [this] { ClearEditor(); });
    std::vector<std::vector<PageField*>> rows = {{vid_, name_}};
    for (auto& row : InRows(std::vector<PageField*>(members_.begin(), members_.end()), 3))
        rows.push_back(row);
    Arrange(form, rows);
    PutInTab(tab, form.Box());
    EndTab(tab);
}

void CVlanPage::BuildPvidTab(QWidget* tab) {
    using namespace PageGrid;
    PageForm& form = Form(QStringLiteral("PVID Setting"));
    PageField* autoAssign =
        &form.Add<ComboField>(*autoAssign_, "dot11PvidAutoAssignStatus", QStringLiteral("PVID Auto Assign Status"));
    std::vector<PageField*> pvids;
    for (int port = 0; port < kPorts; ++port)
        pvids.push_back(&form.Add<EditField>(*pvid_, QString::fromLatin1(kPvidVariables[port]), PortName(port) + QStringLiteral(" PVID"))
                             .Check(Checks::Range(1, 4094, QString::fromLatin1(kVidRange))));
    form.Button(QStringLiteral("Save"), [this] { SavePvids(); });
    std::vector<std::vector<PageField*>> rows = {{autoAssign}};
    for (auto& row : InRows(pvids, 3))
        rows.push_back(row);
    Arrange(form, rows);
    PutInTab(tab, form.Box());
    EndTab(tab);
}

void CVlanPage::Refresh() {
    PostStatus(QStringLiteral("Refresh..."));
    tally_.Start({state_, apMode_, pvid_, autoAssign_});
    tally_.Open();
    ReadLists([this](bool ok) { tally_.Close(ok); });
}

void CVlanPage::ReadLists(std::function<void(bool)> then) {
    arriving_.clear();
    portRows_.clear();
    listsOk_ = true;
    listsThen_ = std::move(then);
    list_->SetAccessAll(SnmpAccess::ReadOnly);
    if (!list_->StartRead()) {
        listsOk_ = false;
        StartPortList();
    }
}

void CVlanPage::VlanRowArrived() {
    Vlan vlan;
    bool okRow = false, okVid = false;
    vlan.Row = CellText(list_->Value("dot11GroupVlanListIndex")).toInt(&okRow);
    vlan.Vid = CellText(list_->Value("dot11GroupVlanListVid")).toInt(&okVid);
    if (!okRow)
        return;
    vlan.Name = CellText(list_->Value("dot11GroupVlanListName"));
    for (int port = 0; port < kPorts; ++port)
        vlan.Members[static_cast<size_t>(port)] = CellText(list_->Value(QString::fromLatin1(kMemberColumns[port]))).toInt();
    // Unused rows (no VID) are kept only as places for new VLANs.
    if (!okVid || vlan.Vid < 1)
        vlan.Vid = 0;
    arriving_.push_back(vlan);
}

void CVlanPage::VlanListEnded(const RequestResult& result) {
    // A failed walk keeps the list as it was.
    if (result.Status == 0) {
        vlans_ = arriving_;
        ShowVlans();
    }
    arriving_.clear();
    listsOk_ &= result.Status == 0;
    StartPortList();
}

void CVlanPage::StartPortList() {
    // The device rebuilds the port list from the VLANs and PVIDs first.
    portRefresh_->SetAccessAll(SnmpAccess::ReadWrite);
    portRefresh_->SetValue(QStringLiteral("dot11PortListRefresh"), QStringLiteral("1"));
    portRefresh_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            listsOk_ = false;
            PostStatus(StatusText::Format(true, result.Message, portRefresh_->Variables.Label));
        }
        ports_->SetAccessAll(SnmpAccess::ReadOnly);
        if (!ports_->StartRead()) {
            listsOk_ = false;
            auto then = std::move(listsThen_);
            listsThen_ = nullptr;
            if (then)
                then(false);
        }
    };
    if (!portRefresh_->StartWrite()) {
        RequestResult failed;
        failed.Status = -1;
        portRefresh_->OnSet(failed);
    }
}

void CVlanPage::PortRowArrived() {
    const QString name = CellText(ports_->Value("dot11PortListName"));
    if (name.isEmpty())
        return;
    portRows_.push_back({name, CellText(ports_->Value("dot11PortListTagVid")), CellText(ports_->Value("dot11PortListUntagVid"))});
}

void CVlanPage::ShowVlans() {
    vlanView_->Clear();
    for (const Vlan& vlan : vlans_) {
        if (vlan.Vid == 0)
            continue;
        QStringList untagged, tagged;
        for (int port = 0; port < kPorts; ++port) {
            const int member = vlan.Members[static_cast<size_t>(port)];
            if (member == 1)
                tagged << PortName(port);
            else if (member == 2)
                untagged << PortName(port);
        }
        vlanView_->AddRow({QString::number(vlan.Vid), vlan.Name, untagged.join(QStringLiteral(", ")),
                           tagged.join(QStringLiteral(", "))});
    }
}

void CVlanPage::SaveState() {
    SaveFields(*state_, [this] {
        const bool enabling = status_->Text() == QLatin1String("Enable");
        const bool accessPoint = apMode_->Value(QStringLiteral("dot11ApMode")).trimmed() == QLatin1String("1");
        if (enabling && !accessPoint &&
            MessageBox::Confirm(QStringLiteral("If you enable VLAN, AP Mode will be set to 'Access Point'!")) !=
                MessageBox::AnswerOk)
            return false;
        return true;
    });
}

void CVlanPage::AddVlan() {
    int vid = 0;
    if (!ValidVid(vid_->Text(), &vid)) {
        vid_->Reject(QString::fromLatin1(kVidRange));
        return;
    }
    const QString name = name_->Text();
    if (name.trimmed().isEmpty()) {
        name_->Reject(QStringLiteral("The VLAN name field can not be blank"));
        return;
    }
    int row = 0;
    for (const Vlan& vlan : vlans_) {
        if (vlan.Vid != vid || (editing_ && vlan.Row == editing_->Row))
            continue;
        vid_->Reject(QStringLiteral("There is an existent entry with the same VID, please change the VID."));
        return;
    }
    if (editing_) {
        row = editing_->Row;
    } else {
        // The first unused row of the device's list; past its end when there is
        // none, so that the device says that its list is full.
        int last = 0;
        for (const Vlan& vlan : vlans_) {
            last = qMax(last, vlan.Row);
            if (!row && vlan.Vid == 0)
                row = vlan.Row;
        }
        if (!row)
            row = last + 1;
    }
    list_->SetAccessAll(SnmpAccess::Invalid);
    list_->SetValue(QStringLiteral("dot11GroupVlanListIndex"), QString::number(row));
    auto put = [this](const QString& variable, const QString& value) {
        list_->SetValue(variable, value);
        list_->SetAccess(variable, SnmpAccess::ReadWrite);
    };
    put(QStringLiteral("dot11GroupVlanListVid"), QString::number(vid));
    put(QStringLiteral("dot11GroupVlanListName"), name);
    for (int port = 0; port < kPorts; ++port)
        put(QString::fromLatin1(kMemberColumns[port]),
            QString::number(qMax(0, members_[static_cast<size_t>(port)]->Combo()->currentIndex())));
    PostStatus(QStringLiteral("Set Settings..."));
    Wait().BeginWait(false);
    list_->OnSet = [this](const RequestResult& result) {
        const bool ok = result.Status == 0;
        PostStatus(ok ? QStringLiteral("Set Settings OK") : StatusText::Format(true, result.Message, list_->Variables.Label));
        if (ok)
            ClearEditor();
        ReadLists([this](bool) { Wait().EndWait(false, false); });
    };
    if (!list_->StartWrite())
        Wait().EndWait(false, false);
}

void CVlanPage::ClearEditor() {
    editing_.reset();
    vid_->SetText(QString());
    name_->SetText(QString());
    for (ComboField* member : members_)
        member->Combo()->setCurrentIndex(0);
}

const CVlanPage::Vlan* CVlanPage::SelectedVlan() const {
    const int selected = vlanView_->SelectedRow();
    std::vector<const Vlan*> shown;
    for (const Vlan& vlan : vlans_) {
        if (vlan.Vid != 0)
            shown.push_back(&vlan);
    }
    if (selected < 0 || selected >= static_cast<int>(shown.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return nullptr;
    }
    return shown[static_cast<size_t>(selected)];
}

void CVlanPage::EditVlan() {
    const Vlan* selected = SelectedVlan();
    if (!selected)
        return;
    const Vlan& vlan = *selected;
    editing_ = vlan;
    vid_->SetText(QString::number(vlan.Vid));
    name_->SetText(vlan.Name);
    for (int port = 0; port < kPorts; ++port)
        members_[static_cast<size_t>(port)]->Combo()->setCurrentIndex(qBound(0, vlan.Members[static_cast<size_t>(port)], 2));
    tabs_->setCurrentIndex(2);
}

void CVlanPage::DeleteVlan() {
    const Vlan* selected = SelectedVlan();
    if (!selected)
        return;
    const Vlan vlan = *selected;
    if (MessageBox::Confirm(QStringLiteral("Are you sure that you want to delete %1 ?").arg(vlan.Name)) !=
        MessageBox::AnswerOk)
        return;
    PostStatus(QStringLiteral("Delete ..."));
    MibVariableList variables;
    variables.Kind = MibVariableList::MVT_SV;
    variables.Add(QStringLiteral("%1%2").arg(QLatin1String(kDelVlanOid)).arg(vlan.Vid), QStringLiteral("DelVLan"),
                  SnmpSyntax::Integer, SnmpAccess::ReadWrite);
    variables.Entry(0).Value = QStringLiteral("1");
    variables.Label = delete_->Variables.Label;
    delete_->Variables = variables;
    delete_->OnSet = [this, vlan](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, delete_->Variables.Label));
        if (result.Status == 0 && editing_ && editing_->Vid == vlan.Vid)
            ClearEditor();
        ReadLists([](bool) {});
    };
    delete_->StartWrite();
}

void CVlanPage::SavePvids() {
    pvid_->SetAccessAll(SnmpAccess::Invalid);
    for (PageField* field : Fields()) {
        if (field->Request() != pvid_)
            continue;
        if (!field->Validate())
            return;
        pvid_->Variables.Entry(field->VariableIndex()).Access = SnmpAccess::ReadWrite;
    }
    Wait().BeginWait(false);
    auto finish = [this](bool ok, const QString& message, const QString& label) {
        PostStatus(ok ? QStringLiteral("Set OK!") : QStringLiteral("Set Error!"));
        if (!ok)
            PostStatus(QStringLiteral("Set Error! ") + StatusText::Format(true, message, label));
        Wait().EndWait(false, false);
    };
    pvid_->OnSet = [this, finish](const RequestResult& result) {
        if (result.Status != 0) {
            finish(false, result.Message, pvid_->Variables.Label);
            return;
        }
        autoAssign_->SetAccessAll(SnmpAccess::ReadWrite);
        autoAssign_->OnSet = [this, finish](const RequestResult& done) {
            finish(done.Status == 0, done.Message, autoAssign_->Variables.Label);
        };
        if (!autoAssign_->StartWrite())
            finish(false, QString(), QString());
    };
    if (!pvid_->StartWrite())
        Wait().EndWait(false, false);
}
