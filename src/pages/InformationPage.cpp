#include "InformationPage.h"
#include "ApCapabilities.h"
#include "MacRange.h"
#include "mib/pages/StatusPageTables.h"
#include "platform/MessageBox.h"
#include "shell/MainFrame.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace MibPages;

namespace {
constexpr int32_t kSummaryTimeout = 10000;
constexpr int32_t kCapabilityTimeout = 500;
constexpr int32_t kApplyTimeout = 5000;
constexpr auto kScalar = MibVariableList::SVT_SV;     // instance ".0" added
constexpr auto kComplete = MibVariableList::MVT_SV;   // OIDs used as given

// The summary's fields in page order: label and variable.
const std::pair<const char*, const char*> kSummaryRows[] = {
    {"Model Name", "systemModelName"},     {"System Time", "systemTime"},
    {"Up Time", "systemUpTime"},           {"Firmware Version", "systemFirmwareVersion"},
    {"IP address", "lanIfIpAddress"},      {"Operation Mode", "dot11ApMode"},
    {"MAC Address", "lanIfMacAddress"},    {"System Name", "sysName"},
    {"Location", "sysLocation"},
};

// Capability requests that only fill hidden fields.
struct Capability {
    const MibVariable* Table;
    int32_t Kind;
};
const Capability kHiddenCapabilities[] = {
    {kInfoTurboModesVars, kComplete},
    {kInfoCountryCodeVars, kScalar},
    {kInfoMssidWdsSupportVars, kComplete},
    {kInfoRepeaterWpaVars, kComplete},
};
}  // namespace

CInformationPage::CInformationPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("System Information"), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addStretch(1);

    summary_ = &AddRequest(kInfoSummaryVars, kComplete, kSummaryTimeout);
    for (const auto& [label, variable] : kSummaryRows)
        summary_->Bind(QString::fromLatin1(variable), ControlBinding::ForStatic(AddRow(grid, label, variable)));
    fields_["systemModelName"]->setText(QString::fromLatin1(ShellTexts::ModelName));
    // The multi-SSID state itself is not shown; its row shows the MAC range.
    summary_->Bind(QStringLiteral("dot11MssidState"), ControlBinding::ForStatic(AddHidden("dot11MssidState")));
    const int ssidRow = grid->rowCount();
    ssidLabel_ = new QLabel(QStringLiteral("SSID 1~7 :"), group);
    ssidRange_ = new QLabel(group);
    ssidRange_->setObjectName(QStringLiteral("SsidRange"));
    grid->addWidget(ssidLabel_, ssidRow, 0);
    grid->addWidget(ssidRange_, ssidRow, 1);
    ssidLabel_->hide();   // until the device says multi-SSID is on
    ssidRange_->hide();
    summary_->OnGot = [this](PageRequest&, const RequestResult& result, MibVariableList&) { SummaryArrived(result); };

    for (const Capability& c : kHiddenCapabilities) {
        PageRequest& r = AddRequest(c.Table, c.Kind, kCapabilityTimeout);
        r.Bind(0, ControlBinding::ForStatic(AddHidden(r.Variables.Entry(0).Name)));
        r.OnGot = [](PageRequest&, const RequestResult&, MibVariableList&) {};   // the summary speaks for the page
    }
    PageRequest& apModes = AddRequest(kInfoApModesVars, kComplete, kCapabilityTimeout);
    apModes.Bind(0, ControlBinding::ForStatic(AddHidden("apModesSupported")));
    apModes.OnGot = [](PageRequest& r, const RequestResult& result, MibVariableList&) {
        if (result.Status == 0)
            ApCapabilities::SetApModeMask(r.Variables.Entry(0).Value);
    };
    PageRequest& modeString = AddRequest(kInfoModeStringVars, kComplete, kCapabilityTimeout);
    modeString.Bind(0, ControlBinding::ForStatic(AddHidden("admodestringchangesupported")));
    modeString.OnGot = [](PageRequest& r, const RequestResult& result, MibVariableList&) {
        ApCapabilities::SetModeStringChange(result.Status == 0 && r.Variables.Entry(0).Value.trimmed() == "1");
    };
    PageRequest& dhcp = AddRequest(kInfoDhcpFunctionVars, kScalar, kCapabilityTimeout);
    dhcp.Bind(0, ControlBinding::ForStatic(AddHidden("Dynamic IP Function")));
    dhcp.OnGot = [](PageRequest&, const RequestResult& result, MibVariableList&) {
        if (result.Status != 0) {
            if (CMainFrame* frame = CMainFrame::Instance())
                frame->RemoveDhcpServer();
        }
    };

    // Commands, not read on refresh.
    PageRequest& wdsRefresh = AddRequest(kInfoWdsRefreshVars, kComplete, kCapabilityTimeout);
    wdsRefresh.ReadOnRefresh = false;
    apply_ = &AddRequest(kInfoApplyVars, kScalar, kApplyTimeout);
    apply_->ReadOnRefresh = false;
    applyChoice_ = new QComboBox(this);
    applyChoice_->hide();
    apply_->Bind(0, ControlBinding::ForCombo(applyChoice_));
}

QLabel* CInformationPage::AddRow(QGridLayout* grid, const QString& label, const QString& variable) {
    const int row = grid->rowCount();
    auto* name = new QLabel(label + QStringLiteral(" :"), grid->parentWidget());
    auto* value = new QLabel(grid->parentWidget());
    value->setObjectName(variable);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(name, row, 0);
    grid->addWidget(value, row, 1);
    fields_[variable] = value;
    return value;
}

QLabel* CInformationPage::AddHidden(const QString& variable) {
    auto* value = new QLabel(this);
    value->setObjectName(variable);
    value->hide();
    fields_[variable] = value;
    return value;
}

void CInformationPage::Refresh() {
    for (int i = 0; i < RequestCount(); ++i) {
        PageRequest& r = Request(i);
        if (!r.ReadOnRefresh)
            continue;
        // The capabilities are read, never written.
        r.SetAccessAll(&r == summary_ ? SnmpAccess::ReadWrite : SnmpAccess::ReadOnly);
        r.StartRead();
    }
}

void CInformationPage::SummaryArrived(const RequestResult& result) {
    if (result.Status != 0) {
        // The fields keep what they showed; the status line says why.
        PostStatus(StatusText::Format(false, result.Message, summary_->Variables.Label));
        return;
    }
    ShowSsidRange();
    PostStatus(QString::fromLatin1(ShellTexts::GetOk));
}

void CInformationPage::ShowSsidRange() {
    const int state = summary_->Variables.IndexOf(QStringLiteral("dot11MssidState"));
    const bool enabled = state >= 0 && summary_->Variables.Entry(state).Value.trimmed() == "1";
    ssidLabel_->setVisible(enabled);
    ssidRange_->setVisible(enabled);
    if (!enabled)
        return;
    const int mac = summary_->Variables.IndexOf(QStringLiteral("lanIfMacAddress"));
    const QString address = mac >= 0 ? summary_->Variables.Entry(mac).Value.toUpper() : QString();
    bool overflow = false;
    const QString range = MacRange::SsidRange(address, &overflow);
    ssidRange_->setText(range);
    if (overflow)
        MessageBox::Show(QStringLiteral("Invalid MAC!"));
}

void CInformationPage::SaveAndActivate() {
    Wait().BeginWait(true);
    apply_->SetAccessAll(SnmpAccess::ReadWrite);
    applyChoice_->clear();   // refilled from the value map: 0 "nothing", 1 "apply"
    apply_->Variables.Entry(0).Value = QStringLiteral("0");
    if (const ControlBinding* b = apply_->BindingOf(0))
        b->ToControl(apply_->Variables.Entry(0));
    applyChoice_->setCurrentIndex(1);
    apply_->OnSet = [this](PageRequest& r, const RequestResult& result, MibVariableList&) {
        PostStatus(StatusText::Format(true, result.Message, r.Variables.Label));
        Wait().EndWait(true, result.Status == 0);
    };
    if (!apply_->StartWrite())
        Wait().EndWait(true, false);
}

QString CInformationPage::FieldText(const QString& variable) const {
    const auto it = fields_.find(variable);
    return it == fields_.end() ? QString() : it->second->text();
}

bool CInformationPage::SsidRowShown() const { return !ssidRange_->isHidden(); }

QString CInformationPage::SsidRangeText() const { return ssidRange_->text(); }
