#include "DhcpServerPage.h"
#include "DeviceAddress.h"
#include "MacText.h"
#include "WirelessMode.h"
#include "WriteChain.h"
#include "controls/IpAddressEdit.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/StaticField.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>
#include <QGroupBox>

using namespace MibPages;
namespace Msg = Validators::Messages;

namespace {
constexpr int32_t kTimeout = 500;
constexpr const char* kClientWarning = "AP Mode is Wireless Client, The DHCP Server will be invalid!";
constexpr const char* kInvalidRange = "Invalid IP Range!";
constexpr const char* kCoversSystemIp = "Reject:DHCPS dynamic IP pool will cover system IP";
constexpr const char* kIsSystemIp = "Reject: The IP is the system IP.";
constexpr const char* kSameMac = "There is a existent entry with the same MAC Address.Please change the MAC Address.";
constexpr const char* kNoSelection = "No item selected!";
constexpr const char* kDeleteQuestion = "Are you sure that you want to delete the selected entry ?";
constexpr const char* kAdding = "Static IP Pool Adding";
constexpr const char* kSetting = "Static IP Pool Setting";
constexpr const char* kPoolFull = "The static pool is full! Please delete an entry first.";
constexpr const char* kPoolUnread = "The static pool could not be read from the device.";
constexpr const char* kLeaseMessage = "Please input a number between 60 and 31536000!";

// An address control that shows nothing or 0.0.0.0 holds no address.
bool Blank(const QString& text) { return text.isEmpty() || text == QLatin1String("0.0.0.0"); }

QStringList Parts(const QString& address) { return address.split(QLatin1Char('.')); }
int LastPart(const QString& address) { return IpAddressEdit::PartValue(Parts(address).value(3)); }
QString Network(const QString& address) { return Parts(address).mid(0, 3).join(QLatin1Char('.')); }

const char* const kEntryColumns[] = {"Status", "Host Name", "IP", "MAC", "Mask", "Gateway", "DNS", "WINS", "Domain"};
}  // namespace

bool CDhcpServerPage::StaticEntry::Used() const {
    return !Blank(Cells.value(QStringLiteral("IP"))) || MacText::IsGiven(MacText::Digits(Cells.value(QStringLiteral("MAC"))));
}

CDhcpServerPage::CDhcpServerPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    function_ = &AddRequest(kDhcpFunctionVars, kTimeout);
    PageForm& top = Form(QStringLiteral("DHCP Server"));
    functionChoice_ = &top.Add<ComboField>(*function_, "Dynamic IP Function", "Function Enable/Disable");
    connect(functionChoice_->Combo(), &QComboBox::activated, this, [this] { FunctionChosen(); });
    function_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0)
            poolStatus_->SetText(Enabled() ? QStringLiteral("ON") : QStringLiteral("OFF"));
        PostStatus(StatusText::Format(false, result.Message, function_->Variables.Label));
    };
    top.Button(QStringLiteral("Dynamic Pool Settings"), [this] { ShowSubForm(0); });
    top.Button(QStringLiteral("Static Pool Settings"), [this] { ShowSubForm(1); });
    top.Button(QStringLiteral("Current IP Mapping List"), [this] { ShowSubForm(2); });
    DeclareDynamicPool();
    DeclareStaticPool();
    DeclareMapping();
    ShowSubForm(0);
}

void CDhcpServerPage::DeclareDynamicPool() {
    pool_ = &AddRequest(kDhcpDynamicPoolVars, kTimeout);
    PageForm& form = Form(QStringLiteral("Dynamic Pool Settings"));
    subForms_.push_back(&form);
    poolStart_ = &form.Add<IpAddressField>(*pool_, "Dynamic IP Start", "IP Assigned From");
    poolSize_ = &form.Add<EditField>(QStringLiteral("The Range of Pool (1-255)"));
    poolEnd_ = &Hidden<EditField>(*pool_, "Dynamic IP End");
    poolMask_ = &form.Add<IpAddressField>(*pool_, "Dynamic Mask", "Subnet Mask");
    poolGateway_ = &form.Add<IpAddressField>(*pool_, "Dynamic Gateway", "Gateway");
    poolWins_ = &form.Add<IpAddressField>(*pool_, "Dynamic WINS", "WINS");
    poolDns_ = &form.Add<IpAddressField>(*pool_, "Dynamic Dns", "DNS");
    form.Add<EditField>(*pool_, "Dynamic Domain", "Domain Name");
    poolLease_ = &form.Add<EditField>(*pool_, "Dynamic Lease", "Lease Time (60 - 31536000 sec)");
    poolStatus_ = &form.Add<StaticField>(QStringLiteral("Status"));
    form.Button(QStringLiteral("Save"), [this] { SavePool(); });
    pool_->OnGot = [this](const RequestResult& result) { PoolArrived(result); };
}

void CDhcpServerPage::DeclareStaticPool() {
    static_ = &AddRequest(kDhcpStaticPoolTableVars, kTimeout);
    static_->ReadOnRefresh = false;   // walked by ReadStaticPool, which skips unused slots
    static_->OnGot = [this](const RequestResult& result) { StaticRowArrived(result); };
    staticDelete_ = &AddRequest(kDhcpStaticDeleteVars, kTimeout);
    staticDelete_->ReadOnRefresh = false;

    PageForm& form = Form(QStringLiteral("Static Pool Settings"));
    subForms_.push_back(&form);
    staticList_ = &form.List(QStringLiteral("Static Pool"));
    staticList_->Column(QStringLiteral("Index")).Column(QStringLiteral("Host Name"))
        .Column(QStringLiteral("IP Address")).Column(QStringLiteral("MAC Address"));
    form.Button(QStringLiteral("Add"), [this] { OpenEditor(0); });
    form.Button(QStringLiteral("Edit"), [this] {
        const int row = staticList_->SelectedRow();
        if (row < 0) {
            MessageBox::Show(QString::fromLatin1(kNoSelection));
            return;
        }
        OpenEditor(staticList_->Rows().at(static_cast<size_t>(row)).value(0).toInt());
    });
    form.Button(QStringLiteral("Del"), [this] { DeleteEntry(); });
    form.Button(QStringLiteral("Save"), [this] { SaveFunction(); });

    // The add and edit form: its fields follow the table's columns.
    editor_ = &Form(QStringLiteral("Static Entry"));
    editHost_ = &editor_->Add<EditField>(QStringLiteral("Host Name"));
    editIp_ = &editor_->Add<IpAddressField>(QStringLiteral("IP Address"));
    editMac_ = &editor_->Add<EditField>(QStringLiteral("MAC Address"));
    editMask_ = &editor_->Add<IpAddressField>(QStringLiteral("Subnet Mask"));
    editGateway_ = &editor_->Add<IpAddressField>(QStringLiteral("Gateway"));
    editDns_ = &editor_->Add<IpAddressField>(QStringLiteral("DNS"));
    editWins_ = &editor_->Add<IpAddressField>(QStringLiteral("WINS"));
    editDomain_ = &editor_->Add<EditField>(QStringLiteral("Domain Name"));
    editor_->Button(QStringLiteral("OK"), [this] {
        if (CheckEditor())
            WriteEditor();
    });
    editor_->Button(QStringLiteral("Cancel"), [this] { CloseEditor(); });
    editor_->Box()->hide();
}

void CDhcpServerPage::DeclareMapping() {
    leaseRefresh_ = &AddRequest(kDhcpLeaseRefreshVars, kTimeout);
    leaseRefresh_->ReadOnRefresh = false;
    dynamicLeases_ = &AddRequest(kDhcpDynamicLeaseTableVars, kTimeout);
    dynamicLeases_->RefreshAccess = SnmpAccess::ReadOnly;
    staticLeases_ = &AddRequest(kDhcpStaticLeaseTableVars, kTimeout);
    staticLeases_->RefreshAccess = SnmpAccess::ReadOnly;

    PageForm& form = Form(QStringLiteral("Current IP Mapping List"));
    subForms_.push_back(&form);
    form.List(QStringLiteral("Current DHCP Dynamic Pools"))
        .Column(*dynamicLeases_, "Index", "Index")
        .Column(*dynamicLeases_, "Host Name", "Host Name")
        .Column(*dynamicLeases_, "Binding MAC Address", "Binding MAC Address")
        .Column(*dynamicLeases_, "Assigned IP Address", "Assigned IP Address")
        .Column(*dynamicLeases_, "Lease time", "Lease time");
    form.List(QStringLiteral("Current DHCP Static Pools"))
        .Column(*staticLeases_, "Index", "Index")
        .Column(*staticLeases_, "Binding MAC Address", "Binding MAC Address")
        .Column(*staticLeases_, "Assigned IP Address", "Assigned IP Address");
    form.Button(QStringLiteral("Refresh"), [this] { RefreshMapping(); });
}

void CDhcpServerPage::ShowSubForm(int index) {
    for (size_t i = 0; i < subForms_.size(); ++i)
        subForms_[i]->Box()->setVisible(static_cast<int>(i) == index);
    editor_->Box()->setVisible(index == 1 && editing_ > 0);
}

bool CDhcpServerPage::Enabled() const { return functionChoice_->Text() == QLatin1String("Enable"); }

void CDhcpServerPage::Refresh() {
    CPage::Refresh();
    ReadStaticPool();
}

void CDhcpServerPage::FunctionChosen() {
    if (Enabled() && WirelessMode::IsClient(*this))
        MessageBox::Show(QString::fromLatin1(kClientWarning));
}

void CDhcpServerPage::PoolArrived(const RequestResult& result) {
    if (result.Status == 0) {
        // The pool's size from its two ends (they share the network).
        const QString start = pool_->Value(QStringLiteral("Dynamic IP Start"));
        const QString end = pool_->Value(QStringLiteral("Dynamic IP End"));
        const int first = LastPart(start), last = LastPart(end);
        const bool sized = !Blank(start) && Network(start) == Network(end) && first >= 0 && last >= first;
        poolSize_->SetText(sized ? QString::number(last - first + 1) : QString());
    }
    PostStatus(StatusText::Format(false, result.Message, pool_->Variables.Label));
}

// The pool's checks in the page's order; the size and the lease are numbers
// the device receives in every state, so they are checked in every state.
bool CDhcpServerPage::CheckPool() {
    const QString start = poolStart_->Text();
    const bool given = !Blank(start);
    const QString sizeText = poolSize_->Text().trimmed();
    const QString sizeMessage = Validators::NumberRangeMessage(1, 254);
    if (!Validators::IsNumberInRange(sizeText, 1, 254)) {
        poolSize_->Reject(sizeMessage);
        return false;
    }
    const int size = sizeText.toInt();
    const int first = LastPart(start);
    if (given && first >= 0 && first + size > 255) {
        poolSize_->Reject(QString::fromLatin1(kInvalidRange));
        return false;
    }
    if (Enabled() && given) {
        if (!Validators::IsValidIpAddress(start)) {
            poolStart_->Reject(QString::fromLatin1(Msg::IpAddressNoStop));
            return false;
        }
        const std::pair<IpAddressField*, const char*> optional[] = {
            {poolGateway_, Msg::Gateway}, {poolWins_, Msg::Wins}, {poolDns_, Msg::Dns}};
        for (const auto& [field, message] : optional) {
            if (!Blank(field->Text()) && !Validators::IsValidIpAddress(field->Text())) {
                field->Reject(QString::fromLatin1(message));
                return false;
            }
        }
        if (!Validators::IsValidSubnetMask(poolMask_->Text())) {
            poolMask_->Reject(QString::fromLatin1(Msg::Submask));
            return false;
        }
    }
    if (!Validators::IsNumberInRange(poolLease_->Text().trimmed(), 60, 31536000)) {
        poolLease_->Reject(QString::fromLatin1(kLeaseMessage));
        return false;
    }
    if (Enabled() && given) {
        const int last = first + size - 1;
        if (last < 1 || last > 254) {
            poolSize_->Reject(Validators::NumberRangeMessage(1, 254, true));
            return false;
        }
        const QString own = DeviceAddress::Current();
        const int ownLast = LastPart(own);
        if (Network(own) == Network(start) && ownLast >= first && ownLast <= last) {
            poolStart_->Reject(QString::fromLatin1(kCoversSystemIp));
            return false;
        }
    }
    return true;
}

void CDhcpServerPage::SavePool() {
    if (!CheckPool())
        return;
    const QString start = poolStart_->Text();
    const bool given = !Blank(start);
    if (given) {
        QStringList end = Parts(start);
        end[3] = QString::number(LastPart(start) + poolSize_->Text().trimmed().toInt() - 1);
        poolEnd_->SetText(end.join(QLatin1Char('.')));
    }
    // Optional addresses left blank are sent as 0.0.0.0.
    for (IpAddressField* field : {poolMask_, poolGateway_, poolWins_, poolDns_}) {
        if (field->Text().isEmpty())
            field->SetText(QStringLiteral("0.0.0.0"));
    }
    function_->SetAccessAll(SnmpAccess::ReadWrite);
    pool_->SetAccessAll(SnmpAccess::ReadWrite);
    if (!given) {
        pool_->SetAccess(QStringLiteral("Dynamic IP Start"), SnmpAccess::Invalid);
        pool_->SetAccess(QStringLiteral("Dynamic IP End"), SnmpAccess::Invalid);
    }
    Wait().BeginWait(false);
    WriteChain::Start({function_, pool_}, [this](const RequestResult& result, PageRequest* failed) {
        PostStatus(StatusText::Format(true, result.Message, (failed ? failed : pool_)->Variables.Label));
        Wait().EndWait(false, failed == nullptr);
    });
}

void CDhcpServerPage::SaveFunction() { SaveFields(*function_); }

void CDhcpServerPage::ReadStaticPool() {
    walking_.clear();
    static_->SetAccessAll(SnmpAccess::ReadWrite);
    static_->StartRead();
}

void CDhcpServerPage::StaticRowArrived(const RequestResult& result) {
    if (!result.Done) {
        StaticEntry entry;
        entry.Index = static_->Value(QStringLiteral("Index")).toInt();
        for (const char* column : kEntryColumns)
            entry.Cells[QString::fromLatin1(column)] = static_->Value(QString::fromLatin1(column));
        walking_.push_back(entry);
        return;
    }
    if (result.Status == 0 || !walking_.empty()) {
        entries_ = walking_;
        staticList_->Clear();
        for (const StaticEntry& entry : entries_) {
            if (entry.Used())
                staticList_->AddRow({QString::number(entry.Index), entry.Cells.value(QStringLiteral("Host Name")),
                                     entry.Cells.value(QStringLiteral("IP")),
                                     MacText::Digits(entry.Cells.value(QStringLiteral("MAC")))});
        }
    }
    walking_.clear();
    PostStatus(StatusText::Format(false, result.Message, static_->Variables.Label));
}

void CDhcpServerPage::OpenEditor(int entry) {
    const StaticEntry* found = nullptr;
    for (const StaticEntry& e : entries_) {
        if (entry ? e.Index == entry : !e.Used()) {
            found = &e;
            break;
        }
    }
    if (!found) {
        MessageBox::Show(QString::fromLatin1(entry ? kNoSelection : entries_.empty() ? kPoolUnread : kPoolFull));
        return;
    }
    editing_ = found->Index;
    editor_->Box()->setTitle(QString::fromLatin1(entry ? kSetting : kAdding));
    const auto cell = [found, entry](const char* column) {
        const QString value = found->Cells.value(QString::fromLatin1(column));
        return entry && !Blank(value) ? value : QString();
    };
    editHost_->SetText(cell("Host Name"));
    editIp_->SetText(cell("IP"));
    editMac_->SetText(entry ? MacText::Digits(found->Cells.value(QStringLiteral("MAC"))) : QString());
    if (entry && !MacText::IsGiven(editMac_->Text()))
        editMac_->SetText(QString());
    editMask_->SetText(cell("Mask"));
    editGateway_->SetText(cell("Gateway"));
    editDns_->SetText(cell("DNS"));
    editWins_->SetText(cell("WINS"));
    editDomain_->SetText(cell("Domain"));
    ShowSubForm(1);
}

void CDhcpServerPage::CloseEditor() {
    editing_ = -1;
    editor_->Box()->hide();
}

bool CDhcpServerPage::CheckEditor() {
    const QString ip = editIp_->Text();
    if (Blank(ip) || !Validators::IsValidIpAddress(ip)) {
        editIp_->Reject(QString::fromLatin1(Msg::IpAddressNoStop));
        return false;
    }
    if (!Validators::IsValidSubnetMask(editMask_->Text())) {
        editMask_->Reject(QString::fromLatin1(Msg::Submask));
        return false;
    }
    const std::pair<IpAddressField*, const char*> optional[] = {
        {editGateway_, Msg::Gateway}, {editDns_, Msg::Dns}, {editWins_, Msg::Wins}};
    for (const auto& [field, message] : optional) {
        if (!Blank(field->Text()) && !Validators::IsValidIpAddress(field->Text())) {
            field->Reject(QString::fromLatin1(message));
            return false;
        }
    }
    const QString mac = MacText::Digits(editMac_->Text());
    if (!MacText::IsGiven(mac)) {
        editMac_->Reject(QString::fromLatin1(Msg::Mac));
        return false;
    }
    if (ip == DeviceAddress::Current()) {
        editIp_->Reject(QString::fromLatin1(kIsSystemIp));
        return false;
    }
    for (const StaticEntry& e : entries_) {
        if (e.Index != editing_ && e.Used() && MacText::Digits(e.Cells.value(QStringLiteral("MAC"))) == mac) {
            editMac_->Reject(QString::fromLatin1(kSameMac));
            return false;
        }
    }
    return true;
}

void CDhcpServerPage::WriteEditor() {
    const auto address = [](const IpAddressField* field) {
        return Blank(field->Text()) ? QStringLiteral("0.0.0.0") : field->Text();
    };
    const QMap<QString, QString> values = {
        {"Status", "1"},
        {"Host Name", editHost_->Text()},
        {"IP", editIp_->Text()},
        {"MAC", MacText::Digits(editMac_->Text())},
        {"Mask", editMask_->Text()},
        {"Gateway", address(editGateway_)},
        {"DNS", address(editDns_)},
        {"WINS", address(editWins_)},
        {"Domain", editDomain_->Text()},
    };
    static_->SetAccessAll(SnmpAccess::Invalid);
    static_->SetValue(QStringLiteral("Index"), QString::number(editing_));
    for (auto it = values.begin(); it != values.end(); ++it) {
        static_->SetValue(it.key(), it.value());
        static_->SetAccess(it.key(), SnmpAccess::ReadWrite);
    }
    Wait().BeginWait(false);
    static_->OnSet = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, static_->Variables.Label));
        Wait().EndWait(false, result.Status == 0);
        if (result.Status == 0)
            CloseEditor();
        ReadStaticPool();
    };
    if (!static_->StartWrite())
        Wait().EndWait(false, false);
}

void CDhcpServerPage::DeleteEntry() {
    const int row = staticList_->SelectedRow();
    if (row < 0) {
        MessageBox::Show(QString::fromLatin1(kNoSelection));
        return;
    }
    if (MessageBox::Confirm(QString::fromLatin1(kDeleteQuestion)) != MessageBox::AnswerOk)
        return;
    const QString index = staticList_->Rows().at(static_cast<size_t>(row)).value(0);
    PostStatus(QStringLiteral("Delete..."));
    staticDelete_->SetAccessAll(SnmpAccess::ReadWrite);
    staticDelete_->SetValue(QStringLiteral("dhcpServerStaticDelete"), index);
    staticDelete_->OnSet = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, staticDelete_->Variables.Label));
        ReadStaticPool();
    };
    staticDelete_->StartWrite();
}

void CDhcpServerPage::RefreshMapping() {
    PostStatus(QStringLiteral("Refresh..."));
    leaseRefresh_->SetAccessAll(SnmpAccess::ReadWrite);
    leaseRefresh_->SetValue(QStringLiteral("refreshCurrentDynamicList"), QStringLiteral("1"));
    leaseRefresh_->SetValue(QStringLiteral("refreshCurrentStaticList"), QStringLiteral("1"));
    leaseRefresh_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(StatusText::Format(true, result.Message, leaseRefresh_->Variables.Label));
            return;
        }
        for (PageRequest* leases : {dynamicLeases_, staticLeases_}) {
            leases->SetAccessAll(SnmpAccess::ReadOnly);
            leases->StartRead();
        }
    };
    leaseRefresh_->StartWrite();
}
