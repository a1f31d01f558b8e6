#include "FilterPage.h"
#include "MacText.h"
#include "WirelessMode.h"
#include "mib/pages/FilterPageTables.h"
#include "platform/MessageBox.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/RadioField.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
constexpr const char* kBand = "IEEE 802.11g";
constexpr const char* kClientMode = "AP Mode is Wireless Client, the Wireless MAC ACL will be invalid!";
constexpr const char* kLength = "The length is 12 in MAC Address.";
constexpr const char* kInvalidMac = "Please input a valid MAC Address.";
constexpr const char* kExists = "Reject: The MAC already exists";
constexpr const char* kNoSelection = "No item selected!";
constexpr const char* kEthernetQuestion = "AP will block all multicast/broadcast packets from Ethernet to Wireless, except DHCP's";
constexpr const char* kSettingOk = "Setting OK!";
constexpr const char* kSettingError = "Setting Error!";
constexpr const char* kSetError = "Set Error!";
constexpr const char* kDisable = "Disable";
}  // namespace

CFilterPage::CFilterPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    DeclareSelectors();
    DeclareMacAcl();
    DeclarePartition();
    ShowMode(row.FilterMode == WlanPartition ? WlanPartition : WirelessMacAcl);
}

void CFilterPage::DeclareSelectors() {
    PageForm& top = Form(QString());
    const char* const names[] = {"Ethernet MAC ACL", "Wireless MAC ACL", "Wireless IP ACL", "WLAN Partition"};
    for (int mode = 0; mode < 4; ++mode) {
        QPushButton* button = top.Button(QString::fromLatin1(names[mode]), [this, mode] { ShowMode(mode); });
        button->setCheckable(true);
        button->setVisible(mode == WirelessMacAcl || mode == WlanPartition);   // no form on this model
        selectors_.push_back(button);
    }
}

void CFilterPage::DeclareMacAcl() {
    aclMode_ = &AddRequest(kMacAclModeVars, kTimeout);
    aclAdd_ = &AddRequest(kMacAclAddVars, kTimeout);
    aclAdd_->ReadOnRefresh = false;
    aclDelete_ = &AddRequest(kMacAclDeleteVars, kTimeout);
    aclDelete_->ReadOnRefresh = false;
    aclList_ = &AddRequest(kMacAclListTableVars, kTimeout);
    aclList_->ReadOnRefresh = false;   // walked by ReadAclList, which skips unused slots
    aclList_->OnGot = [this](const RequestResult& result) { AclRowArrived(result); };
    clients_ = &AddRequest(kFilterClientTableVars, kTimeout);
    clients_->RefreshAccess = SnmpAccess::ReadOnly;
    clients_->OnGot = [this](const RequestResult& result) { ClientRowArrived(result); };
    ssid_ = &AddRequest(kFilterSsidVars, kTimeout);
    ssid_->RefreshAccess = SnmpAccess::ReadOnly;
    ssids_ = &AddRequest(kFilterMssidTableVars, kTimeout);
    ssids_->RefreshAccess = SnmpAccess::ReadOnly;
    ssids_->OnGot = [this](const RequestResult& result) { SsidRowArrived(result); };

    aclForm_ = &Form(QStringLiteral("Wireless MAC ACL"));
    aclForm_->Add<ComboField>(QStringLiteral("Wireless Band")).Items({kBand});
    accessControl_ = &aclForm_->Add<ComboField>(*aclMode_, "dot11MacAccessControl", "Access Control");
    connect(accessControl_->Combo(), &QComboBox::currentIndexChanged, this, [this] { AccessControlChanged(); });
    aclMode_->OnGot = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(false, result.Message, aclMode_->Variables.Label));
        ModeCheck();
    };
    macAddress_ = &aclForm_->Add<EditField>(QStringLiteral("MAC Address"));
    aclForm_->Button(QStringLiteral("Save"), [this] {
        SaveFields(*aclMode_, {}, [this](const RequestResult& result) {
            PostStatus(QString::fromLatin1(result.Status == 0 ? kSettingOk : kSettingError));
        });
    });
    listForm_ = &Form(QStringLiteral("MAC Address List"));
    aclView_ = &listForm_->List(QStringLiteral("MAC Address List"));
    aclView_->Column(QStringLiteral("ID")).Column(QStringLiteral("MAC Address"));
    aclView_->View()->setMaximumHeight(110);
    QPushButton* add = listForm_->Button(QStringLiteral("Add"), [this] { AddAddress(macAddress_->Text()); });
    QPushButton* del = listForm_->Button(QStringLiteral("Del"), [this] { DeleteAddress(); });
    clientForm_ = &Form(QStringLiteral("Current Client Information"));
    clientList_ = &clientForm_->List(QStringLiteral("Current Client Information"));
    clientList_->Column(QStringLiteral("MAC Address")).Column(QStringLiteral("SSID")).Column(QStringLiteral("Band"))
        .Column(QStringLiteral("Authentication")).Column(QStringLiteral("Signal"));
    clientList_->View()->setMaximumHeight(110);
    QPushButton* addClient = clientForm_->Button(QStringLiteral("Add Client"), [this] {
        const int row = clientList_->SelectedRow();
        if (row < 0) {
            MessageBox::Show(QString::fromLatin1(kNoSelection));
            return;
        }
        AddAddress(clientList_->Rows().at(static_cast<size_t>(row)).value(0));
    });
    aclControls_ = {macAddress_->Widget(), aclView_->View(), clientList_->View(), add, del, addClient};
}

void CFilterPage::DeclarePartition() {
    partition_ = &AddRequest(kWlanPartitionVars, kTimeout);
    partitionForm_ = &Form(QStringLiteral("WLAN Partition Settings"));
    partitionForm_->Add<ComboField>(QStringLiteral("Wireless Band")).Items({kBand});
    partitionForm_->Add<CheckField>(*partition_, "dot11InternalStationConnection", "Internal Station Connection");
    ethernetToWlan_ = &partitionForm_->Add<CheckField>(*partition_, "dot11EthernetToWlanAccess", "Ethernet to WLAN Access");
    connect(ethernetToWlan_->Box(), &QCheckBox::clicked, this, [this] { EthernetToWlanClicked(); });
    partitionForm_->Add<RadioField>(*partition_, "dot11InternalStationConnectionPrimarySSID", "Primary SSID");
    for (int n = 1; n <= 7; ++n) {
        multiSsidRows_.push_back(&partitionForm_->Add<RadioField>(
            *partition_, QStringLiteral("dot11InternalStationConnectionMultiSSID%1").arg(n), QStringLiteral("Multi-SSID %1").arg(n)));
    }
    partitionForm_->Add<ComboField>(*partition_, "dot11LinkIntegrate", "Link Integrity");
    Hidden<StaticField>(*partition_, "dot11MssidState");
    partition_->OnGot = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(false, result.Message, partition_->Variables.Label));
        FollowMultiSsidState();
    };
    partitionForm_->Button(QStringLiteral("Save"), [this] {
        SaveFields(*partition_, {}, [this](const RequestResult& result) {
            PostStatus(QString::fromLatin1(result.Status == 0 ? kSettingOk : kSettingError));
        });
    });
}

void CFilterPage::ShownFor(const PageRow& row) { ShowMode(row.FilterMode == WlanPartition ? WlanPartition : WirelessMacAcl); }

void CFilterPage::ShowMode(int mode) {
    if (mode != WirelessMacAcl && mode != WlanPartition)
        return;   // no form on this model
    mode_ = mode;
    for (PageForm* form : {aclForm_, listForm_, clientForm_})
        form->Box()->setVisible(mode == WirelessMacAcl);
    partitionForm_->Box()->setVisible(mode == WlanPartition);
    for (size_t i = 0; i < selectors_.size(); ++i)
        selectors_[i]->setChecked(static_cast<int>(i) == mode);
}

void CFilterPage::Refresh() {
    CPage::Refresh();
    ReadAclList();
}

// In a wireless client mode the access list means nothing: it is shown
// switched off and cannot be switched on.
void CFilterPage::ModeCheck() {
    if (WirelessMode::IsClient(*this)) {
        accessControl_->Combo()->setCurrentIndex(2);
        accessControl_->Widget()->setEnabled(false);
        if (mode_ == WirelessMacAcl)   // the partition form has no access list to warn about
            MessageBox::Show(QString::fromLatin1(kClientMode));
    } else {
        accessControl_->Widget()->setEnabled(true);
    }
    AccessControlChanged();
}

void CFilterPage::AccessControlChanged() {
    const bool on = accessControl_->Text() != QLatin1String(kDisable);
    for (QWidget* control : aclControls_)
        control->setEnabled(on);
}

void CFilterPage::ReadAclList() {
    walkingAcl_.clear();
    aclList_->SetAccessAll(SnmpAccess::ReadOnly);
    aclList_->StartRead();
}

void CFilterPage::AclRowArrived(const RequestResult& result) {
    if (!result.Done) {
        const QString mac = MacText::Digits(aclList_->Value(QStringLiteral("MAC Address")));
        if (MacText::IsGiven(mac))
            walkingAcl_.push_back({aclList_->Value(QStringLiteral("ID")), mac});
        return;
    }
    if (result.Status == 0) {
        aclView_->Clear();
        for (const QStringList& row : walkingAcl_)
            aclView_->AddRow(row);
        PostStatus(QStringLiteral("Get OK."));
    } else {
        PostStatus(StatusText::Format(false, result.Message, aclList_->Variables.Label));
    }
    walkingAcl_.clear();
}

void CFilterPage::SsidRowArrived(const RequestResult& result) {
    if (!result.Done) {
        walkingSsids_[ssids_->Value(QStringLiteral("dot11MssidIndex"))] = ssids_->Value(QStringLiteral("dot11MssidSsid"));
        return;
    }
    if (result.Status == 0)
        ssidNames_ = walkingSsids_;
    walkingSsids_.clear();
}

void CFilterPage::ClientRowArrived(const RequestResult& result) {
    if (!result.Done) {
        const QString mac = MacText::Digits(clients_->Value(QStringLiteral("dot11ClientMacAddress")));
        if (!MacText::IsGiven(mac))
            return;
        // The client's SSID by its index: "Primary SSID" for 1, else the SSID table's name.
        QString ssid = clients_->Value(QStringLiteral("dot11SSIDIndex"));
        bool number = false;
        const int index = ssid.toInt(&number);
        if (number)
            ssid = index == 1 ? QStringLiteral("Primary SSID") : ssidNames_.value(ssid, ssid);
        const auto text = [this](const char* name) {
            const MibVariableEntry& e = clients_->Variables.Entry(clients_->IndexOf(QString::fromLatin1(name)));
            return e.Map ? e.Map->TextForValue(e.Value) : e.Value;
        };
        walkingClients_.push_back({mac, ssid, text("dot11ClientBand"), text("dot11ClientAuthentication"),
                                   clients_->Value(QStringLiteral("dot11ClientRssi"))});
        return;
    }
    if (result.Status == 0) {
        clientList_->Clear();
        for (const QStringList& row : walkingClients_)
            clientList_->AddRow(row);
    }
    walkingClients_.clear();
}

void CFilterPage::AddAddress(const QString& typed) {
    QString mac = MacText::Digits(typed);
    if (mac == QLatin1String("000000000000"))
        mac.clear();   // the all-zero address counts as none
    if (mac.size() != 12) {
        macAddress_->Reject(QString::fromLatin1(kLength));
        return;
    }
    if (!MacText::IsStation(mac)) {
        macAddress_->Reject(QString::fromLatin1(kInvalidMac));
        return;
    }
    for (const QStringList& row : aclView_->Rows()) {
        if (row.value(1) == mac) {
            MessageBox::Show(QString::fromLatin1(kExists));
            return;
        }
    }
    aclAdd_->SetAccessAll(SnmpAccess::ReadWrite);
    aclAdd_->SetValue(QStringLiteral("dot11MacAccessControlMacAddressAdd"), mac);
    aclAdd_->OnSet = [this](const RequestResult& result) {
        PostStatus(result.Status == 0 ? StatusText::Format(true, result.Message, aclAdd_->Variables.Label)
                                      : QString::fromLatin1(kSetError));
        if (result.Status == 0)
            macAddress_->SetText(QString());
        ReadAclList();
    };
    aclAdd_->StartWrite();
}

void CFilterPage::DeleteAddress() {
    const int row = aclView_->SelectedRow();
    if (row < 0) {
        MessageBox::Show(QString::fromLatin1(kNoSelection));
        return;
    }
    aclDelete_->SetAccessAll(SnmpAccess::ReadWrite);
    aclDelete_->SetValue(QStringLiteral("dot11MacAccessControlMacAddressDelete"),
                         aclView_->Rows().at(static_cast<size_t>(row)).value(1));
    aclDelete_->OnSet = [this](const RequestResult& result) {
        PostStatus(result.Status == 0 ? StatusText::Format(true, result.Message, aclDelete_->Variables.Label)
                                      : QString::fromLatin1(kSetError));
        ReadAclList();
    };
    aclDelete_->StartWrite();
}

void CFilterPage::EthernetToWlanClicked() {
    if (ethernetToWlan_->IsChecked())
        return;
    if (MessageBox::Confirm(QString::fromLatin1(kEthernetQuestion)) != MessageBox::AnswerOk)
        ethernetToWlan_->Box()->setChecked(true);
}

// The Multi-SSID rows can be changed only while the device's Multi-SSID is on.
void CFilterPage::FollowMultiSsidState() {
    const bool on = partition_->Value(QStringLiteral("dot11MssidState")).trimmed() == QLatin1String("1");
    for (RadioField* row : multiSsidRows_)
        row->Widget()->setEnabled(on);
}
