#include "TrafficControlPage.h"
#include "CellText.h"
#include "PageGrid.h"
#include "mib/pages/TrafficControlPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
const char* const kBandwidthRange = "Downlink or Uplink bandwidth range should be 1~150 mega bits/sec!";
const char* const kPortRange = "please input a number betwen 0 and 65535!";
const char* const kPortOrder = "The end port must be equal or larger than the start port!";
const char* const kLimitRange = "Invalid value for the limit!";

// A port or a port range "start-end"; the message of the first fault, or "".
QString PortFault(const QString& text) {
    const QString ports = text.trimmed();
    if (ports.isEmpty())
        return {};   // the rule covers no port
    const QStringList parts = ports.split(QLatin1Char('-'));
    if (parts.size() > 2)
        return QString::fromLatin1(kPortRange);
    long long bounds[2] = {0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        bounds[i] = parts[i].trimmed().toLongLong(&ok);
        if (!ok || bounds[i] < 0 || bounds[i] > 65535)
            return QString::fromLatin1(kPortRange);
    }
    if (parts.size() == 2 && bounds[1] < bounds[0])
        return QString::fromLatin1(kPortOrder);
    return {};
}

QString InterfaceLabel(int i) {
    if (i == 0)
        return QStringLiteral("Ethernet");
    if (i == 1)
        return QStringLiteral("Primary SSID");
    if (i < 9)
        return QStringLiteral("SSID %1").arg(i - 1);
    return QStringLiteral("WDS %1").arg(i - 8);
}
}  // namespace

CTrafficControlPage::CTrafficControlPage(CMainView* view, const PageRow& row)
    : CPage(view, row), tally_([this](bool ok) {
          PostStatus(QString::fromLatin1(ok ? ShellTexts::RefreshOk : "Refresh Error!"));
      }) {
    modes_ = &AddRequest(kTrafficInterfaceModeVars, kTimeout);
    bandwidth_ = &AddRequest(kTrafficBandwidthVars, kTimeout);
    qosState_ = &AddRequest(kQosStateVars, kTimeout);
    qosRules_ = &AddRequest(kQosPriorityRuleVars, kTimeout);
    managerState_ = &AddRequest(kTrafficManagerStateVars, kTimeout);
    rule_ = &AddRequest(kTrafficRuleVars, kTimeout);
    rule_->ReadOnRefresh = false;
    ruleList_ = &AddRequest(kTrafficRuleListTableVars, kTimeout);
    ruleList_->RefreshAccess = SnmpAccess::ReadOnly;
    ruleList_->ReadOnRefresh = false;   // read in Refresh, with its rows kept
    ssids_ = &AddRequest(kTrafficMssidTableVars, kTimeout);
    ssids_->RefreshAccess = SnmpAccess::ReadOnly;
    ssids_->ReadOnRefresh = false;
    remoteAps_ = &AddRequest(kTrafficRemoteApTableVars, kTimeout);
    remoteAps_->RefreshAccess = SnmpAccess::ReadOnly;
    remoteAps_->ReadOnRefresh = false;
    apMode_ = &AddRequest(kTrafficApModeVars, kTimeout);
    apMode_->RefreshAccess = SnmpAccess::ReadOnly;

    tabs_ = PageGrid::AddTabs(this);
    BuildLinks();
    BuildQos();
    BuildManager();

    for (PageRequest* r : {modes_, bandwidth_, qosState_, managerState_, apMode_})
        r->OnGot = [this](const RequestResult& result) { tally_.Ended(result); };
    // The SSIDs' names and the remote APs' addresses label the interfaces.
    ssids_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done) {
            bool ok = false;
            const int index = CellText(ssids_->Value("dot11MssidIndex")).toInt(&ok);
            if (ok && index >= 1 && index <= 8)
                LabelInterface(index, CellText(ssids_->Value("dot11MssidSsid")));
            return;
        }
        tally_.Ended(result);
    };
    remoteAps_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done) {
            bool ok = false;
            const int index = CellText(remoteAps_->Value("dot11RemoteApMacAddressIndex")).toInt(&ok);
            const QString mac = CellText(remoteAps_->Value("dot11RemoteApMacAddressList"));
            const bool unused = mac.isEmpty() || mac.count(QLatin1Char('0')) == mac.size();
            if (ok && index >= 1 && index <= 8)
                LabelInterface(8 + index, unused ? QString() : mac.toUpper());
            return;
        }
        tally_.Ended(result);
    };
    qosRules_->OnGot = [this](const RequestResult& result) { QosArrived(result); };
    ruleList_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done)
            RuleRowArrived();
        else
            RulesEnded(result);
    };
}

void CTrafficControlPage::BuildLinks() {
    using namespace PageGrid;
    QWidget* tab = AddTab(tabs_, QStringLiteral("Uplink and Downlink Setting"));
    PageForm& form = Form(QStringLiteral("Uplink and Downlink Setting"));
    std::vector<PageField*> modes;
    for (int i = 0; i < modes_->Variables.Count(); ++i)
        modes.push_back(&form.Add<ComboField>(*modes_, modes_->Variables.Entry(i).Name, InterfaceLabel(i)));
    PageField* down =
        &form.Add<EditField>(*bandwidth_, "dot11DownLinkBandWidth", QStringLiteral("Downlink Bandwidth (Mbits/sec)"))
             .Check(Checks::Range(1, 150, QString::fromLatin1(kBandwidthRange)));
    PageField* up = &form.Add<EditField>(*bandwidth_, "dot11UpLinkBandWidth", QStringLiteral("Uplink Bandwidth (Mbits/sec)"))
                         .Check(Checks::Range(1, 150, QString::fromLatin1(kBandwidthRange)));
    form.Button(QStringLiteral("Save"), [this] { SaveLinks(); });
    modeFields_ = modes;
    std::vector<std::vector<PageField*>> rows = InRows(modes, 2);
    rows.push_back({down});
    rows.push_back({up});
    Arrange(form, rows);
    PutInTab(tab, form.Box());
    EndTab(tab);
}

void CTrafficControlPage::LabelInterface(int interface, const QString& detail) {
    const PageField* field = modeFields_.at(static_cast<size_t>(interface));
    if (QLabel* label = PageGrid::LabelOf(*field))
    {
        label->setText(InterfaceLabel(interface) + (detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail)) +
                       QStringLiteral(" :"));
        label->setMinimumWidth(label->sizeHint().width());
    }
}

void CTrafficControlPage::BuildQos() {
    using namespace PageGrid;
    QWidget* tab = AddTab(tabs_, QStringLiteral("QoS"));
    PageForm& form = Form(QStringLiteral("QoS"));
    qosOn_ = &form.Add<ComboField>(*qosState_, "dot11dot11QosState", QStringLiteral("QoS"));
    // The nine rules share their column names; each entry is known by its
    // name and rule number ("dot11QosAdvancedPriority.3").
    for (int i = 0; i < qosRules_->Variables.Count(); ++i) {
        MibVariableEntry& entry = qosRules_->Variables.Entry(i);
        entry.Name += QLatin1Char('.') + entry.Oid.section(QLatin1Char('.'), -1);
    }
    for (int n = 1; n <= kQosRules; ++n) {
        QosRow& row = qos_[static_cast<size_t>(n - 1)];
        row.Priority = &form.Add<ComboField>(*qosRules_, QStringLiteral("dot11QosAdvancedPriority.%1").arg(n),
                                             QStringLiteral("Rule %1 Priority").arg(n));
        row.Limit = &form.Add<EditField>(*qosRules_, QStringLiteral("dot11QosAdvancedPriorityLimit.%1").arg(n),
                                         QStringLiteral("Rule %1 Limit (%)").arg(n));
        row.Limit->MaxLength(3);
        row.Limit->Check(Checks::Range(0, 100, QString::fromLatin1(kLimitRange)));
        row.Port = &form.Add<EditField>(*qosRules_, QStringLiteral("dot11QosAdvancedPriorityPort.%1").arg(n),
                                        QStringLiteral("Rule %1 Port(s)").arg(n));
        row.Port->MaxLength(11);
        row.Port->Check([](const QString& text) { return PortFault(text); });
    }
    form.Button(QStringLiteral("Save"), [this] { SaveQos(); });
    // The rules as a table below the state.
    QStringList titles;
    std::vector<std::vector<PageField*>> rules;
    for (int n = 0; n < kQosRules; ++n) {
        const QosRow& row = qos_[static_cast<size_t>(n)];
        titles << QStringLiteral("Rule %1").arg(n + 1);
        rules.push_back({row.Priority, row.Limit, row.Port});
    }
    Table(form, {QString(), QStringLiteral("Priority"), QStringLiteral("Limit (%)"), QStringLiteral("Port(s)")}, titles, rules);
    Arrange(form, {{qosOn_}});
    PutInTab(tab, form.Box());
    EndTab(tab);
}

void CTrafficControlPage::BuildManager() {
    using namespace PageGrid;
    QWidget* tab = AddTab(tabs_, QStringLiteral("Traffic Manager"));
    PageForm& form = Form(QStringLiteral("Traffic Manager"));
    managerOn_ = &form.Add<ComboField>(*managerState_, "dot11TrafficManagerStauts", QStringLiteral("Traffic Manager"));
    form.Add<ComboField>(*managerState_, "dot11TrafficManagerUlistClient", QStringLiteral("Unlisted Clients Traffic"));
    form.Button(QStringLiteral("Save"), [this] { SaveManager(); });

    PageForm& add = Form(QStringLiteral("Add Traffic Manager Rule"));
    ruleName_ = &add.Add<EditField>(QStringLiteral("Name"));
    ruleName_->MaxLength(32);
    clientIp_ = &add.Add<EditField>(QStringLiteral("Client IP"));
    clientMac_ = &add.Add<EditField>(QStringLiteral("Client MAC"));
    downSpeed_ = &add.Add<EditField>(QStringLiteral("Ethernet to Wireless Speed (kbits/sec)"));
    upSpeed_ = &add.Add<EditField>(QStringLiteral("Wireless to Ethernet Speed (kbits/sec)"));
    add.Button(QStringLiteral("Add"), [this] { AddRule(); });
    Arrange(add, {{ruleName_, clientIp_}, {clientMac_}, {downSpeed_, upSpeed_}});

    PageForm& list = Form(QStringLiteral("Traffic Manager Rules"));
    view_ = &list.List(QString());
    for (const char* header : {"Name", "Client Ip", "Client Mac", "Downlink Speed", "Uplink Speed"})
        view_->Column(QString::fromLatin1(header));
    list.Button(QStringLiteral("Del"), [this] { DeleteRule(); });
    PutInTab(tab, form.Box());
    PutInTab(tab, add.Box());
    PutInTab(tab, list.Box(), 1);
}

void CTrafficControlPage::Refresh() {
    tally_.Start({modes_, bandwidth_, qosState_, qosRules_, managerState_, apMode_, ssids_, remoteAps_});
    tally_.Open();
    ReadRules([this](bool ok) { tally_.Close(ok); });
}

void CTrafficControlPage::QosArrived(const RequestResult& result) { tally_.Ended(result); }

void CTrafficControlPage::ReadRules(std::function<void(bool)> then) {
    arriving_.clear();
    rulesThen_ = std::move(then);
    ruleList_->SetAccessAll(SnmpAccess::ReadOnly);
    if (!ruleList_->StartRead()) {
        auto done = std::move(rulesThen_);
        rulesThen_ = nullptr;
        if (done)
            done(false);
    }
}

void CTrafficControlPage::RuleRowArrived() {
    CTrafficRule rule;
    rule.Name = CellText(ruleList_->Value("dot11RuleListName"));
    if (rule.Name.isEmpty())
        return;   // an unused slot of the device's list
    rule.ClientIp = CellText(ruleList_->Value("dot11RuleListClientIP"));
    rule.ClientMac = CellText(ruleList_->Value("dot11RuleListClientMac"));
    rule.DownSpeed = CellText(ruleList_->Value("dot11RuleListClientDownSpeed"));
    rule.UpSpeed = CellText(ruleList_->Value("dot11RuleListClientUpSpeed"));
    arriving_.push_back(rule);
}

void CTrafficControlPage::RulesEnded(const RequestResult& result) {
    if (result.Status == 0) {
        rules_ = arriving_;
        view_->Clear();
        for (const CTrafficRule& rule : rules_)
            view_->AddRow({rule.Name, rule.ClientIp, rule.ClientMac, rule.DownSpeed, rule.UpSpeed});
    }
    arriving_.clear();
    auto then = std::move(rulesThen_);
    rulesThen_ = nullptr;
    if (then)
        then(result.Status == 0);
}

int CTrafficControlPage::Bandwidth(const char* variable) const {
    bool ok = false;
    const int value = TextOf(QString::fromLatin1(variable)).trimmed().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

void CTrafficControlPage::WriteBoth(PageRequest& first, PageRequest& second, const QString& okLine,
                                    const QString& errorLine) {
    Wait().BeginWait(false);
    auto finish = [this, okLine, errorLine](const RequestResult& result, PageRequest& request) {
        if (result.Status != 0)
            PostStatus(StatusText::Format(true, result.Message, request.Variables.Label));
        PostStatus(result.Status == 0 ? okLine : errorLine);
        Wait().EndWait(false, false);
    };
    first.OnSet = [this, &first, &second, finish](const RequestResult& result) {
        if (result.Status != 0) {
            finish(result, first);
            return;
        }
        second.OnSet = [&second, finish](const RequestResult& done) { finish(done, second); };
        if (!second.StartWrite()) {
            RequestResult failed;
            failed.Status = -1;
            finish(failed, second);
        }
    };
    if (!first.StartWrite())
        Wait().EndWait(false, false);
}

void CTrafficControlPage::SaveLinks() {
    modes_->SetAccessAll(SnmpAccess::Invalid);
    bandwidth_->SetAccessAll(SnmpAccess::Invalid);
    for (PageField* field : Fields()) {
        if (field->Request() != modes_ && field->Request() != bandwidth_)
            continue;
        if (!field->Validate())
            return;
        field->Request()->Variables.Entry(field->VariableIndex()).Access = SnmpAccess::ReadWrite;
    }
    WriteBoth(*modes_, *bandwidth_, QStringLiteral("Setting OK!"), QStringLiteral("Setting Error!"));
}

void CTrafficControlPage::SaveQos() {
    const bool enabling = qosOn_->Text().compare(QLatin1String("enable"), Qt::CaseInsensitive) == 0;
    if (enabling && (!Bandwidth("dot11DownLinkBandWidth") || !Bandwidth("dot11UpLinkBandWidth"))) {
        MessageBox::Show(QStringLiteral(
            "QoS can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!"));
        return;
    }
    qosState_->SetAccessAll(SnmpAccess::Invalid);
    qosRules_->SetAccessAll(SnmpAccess::Invalid);
    for (PageField* field : Fields()) {
        if (field->Request() != qosState_ && field->Request() != qosRules_)
            continue;
        if (!field->Validate())
            return;
        field->Request()->Variables.Entry(field->VariableIndex()).Access = SnmpAccess::ReadWrite;
    }
    WriteBoth(*qosState_, *qosRules_, QString::fromLatin1(ShellTexts::SaveOk), QStringLiteral("Save Error!"));
}

void CTrafficControlPage::SaveManager() {
    SaveFields(*managerState_, [this] {
        const bool enabling = managerOn_->Text().compare(QLatin1String("Enable"), Qt::CaseInsensitive) == 0;
        if (enabling && (!Bandwidth("dot11DownLinkBandWidth") || !Bandwidth("dot11UpLinkBandWidth"))) {
            MessageBox::Show(QStringLiteral("Traffic Manager can't enable if uplink and downlink bandwidth are empty in "
                                            "uplink/downlink/setting!"));
            return false;
        }
        return true;
    });
}

void CTrafficControlPage::AddRule() {
    const QString name = ruleName_->Text();
    if (name.trimmed().isEmpty()) {
        ruleName_->Reject(QStringLiteral("Please input the rule name!"));
        return;
    }
    for (const CTrafficRule& rule : rules_) {
        if (rule.Name == name) {
            ruleName_->Reject(QStringLiteral("The account name have been exists already!"));
            return;
        }
    }
    if (!Validators::IsValidIpAddress(clientIp_->Text())) {
        clientIp_->Reject(QStringLiteral("Invalid IP Address!"));
        return;
    }
    const QString mac = CTrafficRule::MacDigits(clientMac_->Text());
    if (mac.isEmpty()) {
        clientMac_->Reject(QStringLiteral("Invalid MAC Address!"));
        return;
    }
    const QString down = downSpeed_->Text().trimmed();
    const QString up = upSpeed_->Text().trimmed();
    if (down.isEmpty() && up.isEmpty()) {
        downSpeed_->Reject(QStringLiteral("Please input Ethernet to Wireless Speed or Wireless to Ethernet Speed!"));
        return;
    }
    // Speeds in kbit/s against the bandwidth of their direction in Mbit/s.
    const QString speedRange = QStringLiteral(
        "The bandwidth for the traffic manager rules should not less than 1 kbits/sec or greater than traffic manager "
        "bandwidth!");
    const std::pair<EditField*, const char*> speeds[] = {{downSpeed_, "dot11DownLinkBandWidth"},
                                                         {upSpeed_, "dot11UpLinkBandWidth"}};
    for (const auto& [edit, bandwidth] : speeds) {
        const QString text = edit->Text().trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        const long long kbits = text.toLongLong(&ok);
        if (!ok || kbits < 1 || kbits > 1000LL * Bandwidth(bandwidth)) {
            edit->Reject(speedRange);
            return;
        }
    }
    Wait().BeginWait(false);
    rule_->SetAccessAll(SnmpAccess::ReadWrite);
    rule_->SetValue(QStringLiteral("dot11RuleName"), name);
    rule_->SetValue(QStringLiteral("dot11ClientIP"), clientIp_->Text().trimmed());
    rule_->SetValue(QStringLiteral("dot11ClientMac"), mac);
    rule_->SetValue(QStringLiteral("dot11ClientDownSpeed"), down.isEmpty() ? QStringLiteral("0") : down);
    rule_->SetValue(QStringLiteral("dot11ClientUpSpeed"), up.isEmpty() ? QStringLiteral("0") : up);
    rule_->SetValue(QStringLiteral("dot11RuleAction"), QStringLiteral("1"));
    rule_->OnSet = [this](const RequestResult& result) {
        const bool ok = result.Status == 0;
        PostStatus(StatusText::Format(true, result.Message, rule_->Variables.Label));
        if (ok) {
            for (EditField* edit : {ruleName_, clientIp_, clientMac_, downSpeed_, upSpeed_})
                edit->SetText(QString());
        }
        ReadRules([this, ok](bool) { Wait().EndWait(false, ok); });
    };
    if (!rule_->StartWrite())
        Wait().EndWait(false, false);
}

void CTrafficControlPage::DeleteRule() {
    const int row = view_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    if (MessageBox::Confirm(QStringLiteral("Are you sure that you want to delete the selected entry ?")) !=
        MessageBox::AnswerOk)
        return;
    rule_->SetAccessAll(SnmpAccess::Invalid);
    rule_->SetValue(QStringLiteral("dot11RuleName"), rules_[static_cast<size_t>(row)].Name);
    rule_->SetValue(QStringLiteral("dot11RuleAction"), QStringLiteral("0"));
    rule_->SetAccess(QStringLiteral("dot11RuleName"), SnmpAccess::ReadWrite);
    rule_->SetAccess(QStringLiteral("dot11RuleAction"), SnmpAccess::ReadWrite);
    rule_->OnSet = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, rule_->Variables.Label));
        ReadRules([](bool) {});
    };
    rule_->StartWrite();
}
