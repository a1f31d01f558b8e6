#include "AdminPage.h"
#include "FieldLabel.h"
#include "PageColumns.h"
#include "ReadChain.h"
#include "WriteChain.h"
#include "mib/pages/AdminPageTables.h"
#include "platform/MessageBox.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/DeviceSettings.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/RadioField.h"
#include "shell/ShellTiming.h"
#include "shell/Validators.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 1000;
constexpr int32_t kShortTimeout = 500;   // the VLAN state and the wireless administration
constexpr const char* kRangeDeleteOid = "1.3.6.1.4.1.171.10.37.36.4.10.1.3.1.4.";
constexpr const char* kNone = "None";
constexpr const char* kTelnet = "Telnet";
constexpr const char* kSsh = "SSH";
constexpr const char* kEnable = "Enable";
constexpr const char* kDisable = "Disable";
constexpr const char* kIp1 = "Limit Administrator IP 1";
constexpr const char* kIp2 = "Limit Administrator IP 2";

bool Blank(const QString& address) { return address.isEmpty() || address == QLatin1String("0.0.0.0"); }

quint32 AddressValue(const QString& address) {
    quint32 value = 0;
    for (const QString& part : address.split(QLatin1Char('.')))
        value = (value << 8) | static_cast<quint32>(part.toUInt() & 0xFF);
    return value;
}

}  // namespace

CAdminPage::CAdminPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    status_ = &AddRequest(kAdminStatusVars, kTimeout);
    vlanState_ = &AddRequest(kAdminVlanStateVars, kShortTimeout);
    twoAddress_ = &AddRequest(kAdminTwoAddressVars, kTimeout);
    ping_ = &AddRequest(kAdminPingVars, kTimeout);
    wlanAdmin_ = &AddRequest(kAdminWlanAdminVars, kShortTimeout);
    vlanId_ = &AddRequest(kAdminVlanIdVars, kTimeout);
    rangeList_ = &AddRequest(kAdminRangeListVars, kTimeout);
    rangeAdd_ = &AddRequest(kAdminRangeAddVars, kTimeout);
    account_ = &AddRequest(kAdminAccountVars, kTimeout);
    console_ = &AddRequest(kAdminConsoleVars, kTimeout);
    system_ = &AddRequest(kAdminSystemVars, kTimeout);
    // The two addresses are read only in their form; the ranges are walked by the page.
    for (PageRequest* request : {twoAddress_, rangeList_, rangeAdd_})
        request->ReadOnRefresh = false;

    DeclareLimit();
    DeclareOthers();
    DeclareAccount();
    DeclareConsole();
    AddButton(QStringLiteral("Save"), [this] { Save(); });
    PageColumns::Arrange(*this, {limit_->Box(), wlanForm_->Box(), pingForm_->Box()},
                         {accountForm_->Box(), consoleForm_->Box(), systemForm_->Box()});
    LayOut();
}

CAdminPage::~CAdminPage() = default;

void CAdminPage::DeclareLimit() {
    limit_ = &Form(QStringLiteral("Limit Administrator"));
    ipBox_ = &limit_->Add<CheckField>(QStringLiteral("Limit Administrator IP"));
    vidBox_ = &limit_->Add<CheckField>(QStringLiteral("Limit Administrator VID"));
    vid_ = &limit_->Add<EditField>(*vlanId_, "managerVLANID", "VID");
    address1_ = &limit_->Add<IpAddressField>(*twoAddress_, "managerIpAddressPoolStart", kIp1);
    address2_ = &limit_->Add<IpAddressField>(*twoAddress_, "managerIpAddressPoolEnd", kIp2);
    address1Label_ = FieldLabel::Of(*this, *address1_);
    address2Label_ = FieldLabel::Of(*this, *address2_);
    ranges_ = &limit_->List(QStringLiteral("IP Range List"));
    ranges_->Column(QStringLiteral("ID")).Column(QStringLiteral("IP From")).Column(QStringLiteral("IP To"));
    ranges_->View()->setColumnWidth(0, 40);
    ranges_->View()->setColumnWidth(1, 140);
    ranges_->View()->setMaximumHeight(110);
    rangeAddButton_ = limit_->Button(QStringLiteral("Add"), [this] { AddRange(); });
    rangeDelButton_ = limit_->Button(QStringLiteral("Del"), [this] { DeleteRange(); });
    connect(vidBox_->Box(), &QCheckBox::toggled, this, [this] { VidBoxChanged(); });
    statusCombo_ = &Hidden<ComboField>(*status_, "managerIpAddressStatus");
    vlanStateCombo_ = &Hidden<ComboField>(*vlanState_, "dot11VlanStatus");
}

void CAdminPage::DeclareOthers() {
    wlanForm_ = &Form(QStringLiteral("Wireless Administration"));
    wlanForm_->Add<CheckField>(*wlanAdmin_, "adminAPwithWlan", "Administrate AP with WLAN");
    pingForm_ = &Form(QStringLiteral("Ping Control"));
    pingBox_ = &pingForm_->Add<CheckField>(QStringLiteral("Enable"));
    pingCombo_ = &Hidden<ComboField>(*ping_, "pingcontrol");
    systemForm_ = &Form(QStringLiteral("System"));
    PageForm& system = *systemForm_;
    systemName_ = &system.Add<EditField>(*system_, "sysName", "System Name");
    system.Add<EditField>(*system_, "sysLocation", "Location");
}

void CAdminPage::DeclareAccount() {
    accountForm_ = &Form(QStringLiteral("Administrator"));
    PageForm& form = *accountForm_;
    userName_ = &form.Add<EditField>(*account_, "usersName", "User Name");
    oldPassword_ = &form.Add<EditField>(QStringLiteral("Old Password"));
    newPassword_ = &form.Add<EditField>(QStringLiteral("New Password"));
    confirmPassword_ = &form.Add<EditField>(QStringLiteral("Confirm Password"));
    for (EditField* edit : {oldPassword_, newPassword_, confirmPassword_})
        edit->Secret();
    // The device's password: never shown; written only when a new one is given.
    devicePassword_ = &Hidden<EditField>(*account_, "usersPassword");
    devicePassword_->Secret();
}

void CAdminPage::DeclareConsole() {
    consoleForm_ = &Form(QStringLiteral("Console Settings"));
    PageForm& form = *consoleForm_;
    consoleRadio_ = &form.Add<RadioField>(QStringLiteral("Console Protocol"));
    consoleRadio_->Items({kNone, kTelnet, kSsh});
    for (const char* item : {kNone, kTelnet, kSsh})
        connect(consoleRadio_->Button(item), &QRadioButton::clicked, this, [this] { ConsoleChosen(); });
    timeoutCombo_ = &form.Add<ComboField>(*console_, "timeout", "Timeout");
    telnetCombo_ = &Hidden<ComboField>(*console_, "telnet");
    sshCombo_ = &Hidden<ComboField>(*console_, "ssh");
}

bool CAdminPage::IsBusy() const { return CPage::IsBusy() || (rangeDelete_ && rangeDelete_->Pending() > 0); }

void CAdminPage::Refresh() {
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    refreshing_ = true;
    const auto posted = [this](PageRequest* request) {
        return [this, request](const RequestResult& result) {
            PostStatus(StatusText::Format(false, result.Message, request->Variables.Label));
        };
    };
    std::vector<ReadChain::Step> steps = {
        {system_, posted(system_)},
        {wlanAdmin_, [this](const RequestResult& result) { wlanAdminShown_ = result.Status == 0; }},
        {vlanId_, [this](const RequestResult& result) { rangeForm_ = result.Status == 0; }},
        {vlanState_, posted(vlanState_)},
        {ping_,
         [this](const RequestResult& result) {
             pingShown_ = result.Status == 0;
             if (pingShown_)   // checked while the device's ping control is "Disable"
                 pingBox_->SetText(ping_->Value(QStringLiteral("pingcontrol")).trimmed() == QLatin1String("0")
                                       ? QStringLiteral("checked")
                                       : QStringLiteral("unchecked"));
         }},
        {rangeList_, [this](const RequestResult& result) { RangeRowArrived(result, true); },
         [this] {
             PostStatus(QStringLiteral("Refresh..."));
             return true;
         }},
        {rangeAdd_, [this](const RequestResult& result) { RangeRowArrived(result, false); }},
        {status_,
         [this](const RequestResult& result) {
             if (result.Status == 0)
                 StatusArrived();
             PostStatus(StatusText::Format(false, result.Message, status_->Variables.Label));
         },
         [this] {
             LayOut();
             return true;
         }},
        {twoAddress_, posted(twoAddress_), [this] { return !rangeForm_; }},
        {account_, posted(account_)},
        {console_, posted(console_)},
    };
    ReadChain::Start(std::move(steps), [this] {
        AccountArrived();
        refreshing_ = false;
        if (refreshAgain_) {
            refreshAgain_ = false;
            Refresh();
        }
    });
}

void CAdminPage::RangeRowArrived(const RequestResult& result, bool list) {
    PageRequest* request = list ? rangeList_ : rangeAdd_;
    if (!result.Done) {
        const QString id = request->Value(QStringLiteral("managerIpAddressIndex"));
        const QString start = request->Value(QStringLiteral("managerIpAddressPoolStart"));
        const bool free = Blank(start);
        if (list && !free)
            walkingRanges_.push_back({id, start, request->Value(QStringLiteral("managerIpAddressPoolEnd"))});
        if (!list && free && walkingFreeRow_.isEmpty())
            walkingFreeRow_ = id;
        return;
    }
    if (result.Status == 0) {
        if (list) {
            ranges_->Clear();
            for (const QStringList& row : walkingRanges_)
                ranges_->AddRow(row);
            rangeRows_ = ranges_->RowCount();
        } else {
            freeRangeRow_ = walkingFreeRow_;
        }
    }
    if (list)
        walkingRanges_.clear();
    else
        walkingFreeRow_.clear();
}

void CAdminPage::ReadRanges(std::function<void()> done) {
    ReadChain::Start({{rangeList_, [this](const RequestResult& result) { RangeRowArrived(result, true); },
                       [this] {
                           PostStatus(QStringLiteral("Refresh..."));
                           return true;
                       }},
                      {rangeAdd_, [this](const RequestResult& result) { RangeRowArrived(result, false); }}},
                     std::move(done));
}

void CAdminPage::LayOut() {
    wlanForm_->Box()->setVisible(wlanAdminShown_);
    pingForm_->Box()->setVisible(pingShown_);
    ranges_->View()->setVisible(rangeForm_);
    rangeAddButton_->setVisible(rangeForm_);
    rangeDelButton_->setVisible(rangeForm_);
    ShowField(*vidBox_, rangeForm_);
    ShowField(*vid_, rangeForm_);
    if (address1Label_)
        address1Label_->setText(rangeForm_ ? QStringLiteral("IP Range From :") : QStringLiteral("%1 :").arg(kIp1));
    if (address2Label_)
        address2Label_->setText(rangeForm_ ? QStringLiteral("To :") : QStringLiteral("%1 :").arg(kIp2));
    vid_->Widget()->setEnabled(vidBox_->IsChecked());
}

void CAdminPage::StatusArrived() {
    const int status = status_->Value(QStringLiteral("managerIpAddressStatus")).trimmed().toInt();
    ipBox_->SetText(status == 2 || status == 3 ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    vidBox_->SetText(status == 1 || status == 3 ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    VidBoxChanged();
}

void CAdminPage::VidBoxChanged() {
    vid_->Widget()->setEnabled(vidBox_->IsChecked());
    if (vidBox_->IsChecked() && vlanStateCombo_->Text() == QLatin1String(kEnable))
        vlanStateCombo_->SetText(QString::fromLatin1(kDisable));
}

void CAdminPage::AccountArrived() {
    const bool telnet = telnetCombo_->Text() == QLatin1String(kEnable);
    const bool ssh = sshCombo_->Text() == QLatin1String(kEnable);
    consoleRadio_->SetText(QString::fromLatin1(telnet ? kTelnet : ssh ? kSsh : kNone));
    timeoutCombo_->Widget()->setEnabled(telnet || ssh);
    for (IpAddressField* address : {address1_, address2_}) {
        if (address->Text() == QLatin1String("0.0.0.0"))
            address->SetText(QString());
    }
    for (EditField* edit : {oldPassword_, newPassword_, confirmPassword_})
        edit->SetText(QString());
}

void CAdminPage::ConsoleChosen() {
    const QString chosen = consoleRadio_->Text();
    const bool telnet = chosen == QLatin1String(kTelnet), ssh = chosen == QLatin1String(kSsh);
    telnetCombo_->SetText(QString::fromLatin1(telnet ? kEnable : kDisable));
    sshCombo_->SetText(QString::fromLatin1(ssh ? kEnable : kDisable));
    timeoutCombo_->Widget()->setEnabled(telnet || ssh);
}

void CAdminPage::SetStatusFromBoxes() {
    const bool ip = ipBox_->IsChecked(), vid = vidBox_->IsChecked();
    statusCombo_->SetText(ip && vid ? QStringLiteral("Both") : vid ? QStringLiteral("VLANID")
                                                         : ip    ? QStringLiteral("IP")
                                                                 : QString::fromLatin1(kDisable));
}

bool CAdminPage::Validate() {
    pingCombo_->SetText(QString::fromLatin1(pingBox_->IsChecked() ? kDisable : kEnable));
    if (!rangeForm_ && ipBox_->IsChecked()) {
        const QString a1 = address1_->Text(), a2 = address2_->Text();
        if (Blank(a1) && Blank(a2)) {
            MessageBox::Show(QStringLiteral("You at least must input one IP address!"));
            return false;
        }
        if (!Blank(a1) && !Blank(a2) && a1 == a2) {
            MessageBox::Show(QStringLiteral("Limit Administrator IP 1 is the same as Limit Administrator IP 2."));
            return false;
        }
        for (IpAddressField* address : {address1_, address2_}) {
            if (!Blank(address->Text()) && !Validators::IsValidIpAddress(address->Text())) {
                address->Reject(QStringLiteral("Invalid IP address!"));
                return false;
            }
        }
        for (IpAddressField* address : {address1_, address2_}) {
            if (Blank(address->Text()))
                address->SetText(QStringLiteral("0.0.0.0"));
        }
    }
    if (rangeForm_) {
        if (ipBox_->IsChecked() && ranges_->RowCount() == 0) {
            MessageBox::Show(QStringLiteral("The IP Range List is empty.\nThe Limit Administrator IP function will be disabled!"));
            ipBox_->SetText(QStringLiteral("unchecked"));
        }
        if (vidBox_->IsChecked() && !Validators::IsNumberInRange(vid_->Text().trimmed(), 1, 4094)) {
            vid_->Reject(QStringLiteral("Please input valid VID!"));
            return false;
        }
    }
    // Empty new and confirm fields keep the device's password; only a new
    // password asks for the old one.
    const bool changing = !newPassword_->Text().isEmpty() || !confirmPassword_->Text().isEmpty();
    if (changing && oldPassword_->Text() != devicePassword_->Text()) {
        oldPassword_->Reject(QStringLiteral("Old password is wrong!Please input again"));
        return false;
    }
    if (userName_->Text().size() > 64) {
        userName_->Reject(QStringLiteral("Please limit user name to 64 characters!"));
        return false;
    }
    if (changing && newPassword_->Text() != confirmPassword_->Text()) {
        newPassword_->Reject(QStringLiteral("The Password is not match!Please enter again!"));
        return false;
    }
    if (systemName_->Text().isEmpty()) {
        systemName_->Reject(QStringLiteral("The System Name field can not be blank."));
        return false;
    }
    return true;
}

void CAdminPage::Save() {
    for (int i = 0; i < RequestCount(); ++i)
        Request(i).SetAccessAll(SnmpAccess::Invalid);
    if (!Validate())
        return;
    const bool newPassword = !newPassword_->Text().isEmpty();
    account_->SetAccess(QStringLiteral("usersName"), SnmpAccess::ReadWrite);
    if (newPassword) {
        devicePassword_->SetText(newPassword_->Text());
        account_->SetAccess(QStringLiteral("usersPassword"), SnmpAccess::ReadWrite);
    }
    Wait().BeginWait(false);

    const QString console = consoleRadio_->Text();
    const bool telnet = console == QLatin1String(kTelnet), ssh = console == QLatin1String(kSsh);
    // Both protocol states are written, so that the device ends with exactly
    // the chosen one (writing only the chosen one would leave the other on).
    console_->SetAccess(QStringLiteral("telnet"), SnmpAccess::ReadWrite);
    console_->SetAccess(QStringLiteral("ssh"), SnmpAccess::ReadWrite);
    console_->SetAccess(QStringLiteral("timeout"), telnet || ssh ? SnmpAccess::ReadWrite : SnmpAccess::ReadOnly);
    SetStatusFromBoxes();
    if (vidBox_->IsChecked())
        vlanStateCombo_->SetText(QString::fromLatin1(kDisable));

    std::vector<PageRequest*> writes = {account_, status_};
    if (!rangeForm_ && ipBox_->IsChecked())
        writes.push_back(twoAddress_);
    writes.push_back(console_);
    if (wlanAdminShown_)
        writes.push_back(wlanAdmin_);
    // A VID that is no VID is not sent while the VID limit is off.
    if (rangeForm_ && Validators::IsNumberInRange(vid_->Text().trimmed(), 1, 4094))
        writes.push_back(vlanId_);
    if (pingShown_)
        writes.push_back(ping_);
    writes.push_back(system_);
    if (vidBox_->IsChecked())
        writes.push_back(vlanState_);
    for (PageRequest* request : writes) {
        if (request != account_ && request != console_)
            request->SetAccessAll(SnmpAccess::ReadWrite);
    }
    WriteChain::Start(writes, [this](const RequestResult& result, PageRequest* failed) {
        if (failed) {
            PostStatus(StatusText::Format(true, result.Message, failed->Variables.Label));
            Wait().EndWait(false, false);
            PostStatus(QStringLiteral("Setting Error."));
            return;
        }
        PostStatus(QStringLiteral("Setting Success."));
        for (EditField* edit : {oldPassword_, newPassword_, confirmPassword_})
            edit->SetText(QString());
        Refresh();
        Wait().EndWait(false, true);
    });
}

void CAdminPage::AddRange() {
    for (IpAddressField* address : {address1_, address2_}) {
        if (address->Text().isEmpty()) {
            address->Reject(QStringLiteral("The IP address should not be empty!"));
            return;
        }
        if (!Validators::IsValidIpAddress(address->Text())) {
            address->Reject(QStringLiteral("Invalid IP address!"));
            return;
        }
    }
    const QString start = address1_->Text(), end = address2_->Text();
    const quint32 from = AddressValue(start), to = AddressValue(end);
    if (from > to || (from & 0xFFFFFF00U) != (to & 0xFFFFFF00U)) {
        MessageBox::Show(QStringLiteral("The IP range is not right,please check..."));
        return;
    }
    if (freeRangeRow_.isEmpty()) {
        MessageBox::Show(QStringLiteral("Maximum number of IP Range List is 4!"));
        address1_->SetText(QString());
        address2_->SetText(QString());
        return;
    }
    Wait().BeginWait(false);
    PostStatus(QStringLiteral("Set settings..."));
    SetStatusFromBoxes();
    status_->SetAccessAll(SnmpAccess::ReadWrite);
    rangeAdd_->SetAccessAll(SnmpAccess::Invalid);
    rangeAdd_->SetValue(QStringLiteral("managerIpAddressIndex"), freeRangeRow_);
    rangeAdd_->SetValue(QStringLiteral("managerIpAddressPoolStart"), start);
    rangeAdd_->SetValue(QStringLiteral("managerIpAddressPoolEnd"), end);
    rangeAdd_->SetAccess(QStringLiteral("managerIpAddressPoolStart"), SnmpAccess::ReadWrite);
    rangeAdd_->SetAccess(QStringLiteral("managerIpAddressPoolEnd"), SnmpAccess::ReadWrite);
    WriteChain::Start({status_, rangeAdd_}, [this](const RequestResult& result, PageRequest* failed) {
        PostStatus(StatusText::Format(true, result.Message, (failed ? failed : rangeAdd_)->Variables.Label));
        Wait().EndWait(false, failed == nullptr);
        ReadRanges({});
    });
}

void CAdminPage::DeleteRange() {
    const int row = ranges_->SelectedRow();
    if (row < 0)
        return;
    const QString id = ranges_->Rows().at(static_cast<size_t>(row)).value(0);
    // A one-variable request built at run time for the row's ID.
    rangeDelete_ = std::make_unique<SnmpRequest>();
    DeviceSettings::ApplyTo(rangeDelete_->Target());
    rangeDelete_->Timeout = ShellTiming::Hundredths(kTimeout);
    rangeDelete_->Variables.Kind = MibVariableList::MVT_SV;
    rangeDelete_->Variables.Add(QString::fromLatin1(kRangeDeleteOid) + id, QStringLiteral("IpRangeDelete"),
                                SnmpSyntax::Integer, SnmpAccess::ReadWrite);
    rangeDelete_->Variables.Entry(0).Value = QStringLiteral("1");
    PostStatus(QStringLiteral("Delete IP range..."));
    Wait().BeginWait(false);
    try {
        rangeDelete_->WriteAsync([this](RequestResult* result, MibVariableList*, uintptr_t) {
            PostStatus(StatusText::Format(true, result->Message, QStringLiteral("IpRangeDelete")));
            Wait().EndWait(false, result->Status == 0);
            ReadRanges({});
        });
    } catch (const CZRException& e) {
        PostStatus(e.Text());
        Wait().EndWait(false, false);
    }
}
