#include "InformationPage.h"
#include "MacRange.h"
#include "mib/pages/StatusPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include <QComboBox>
#include "shell/MainDoc.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"

using namespace MibPages;

namespace {
constexpr int32_t kSummaryTimeout = 10000;
constexpr int32_t kCapabilityTimeout = 500;
constexpr int32_t kApplyTimeout = 5000;

// The summary's fields in page order: label and variable.
const std::pair<const char*, const char*> kSummaryRows[] = {
    {"Model Name", "systemModelName"},     {"System Time", "systemTime"},
    {"Up Time", "systemUpTime"},           {"Firmware Version", "systemFirmwareVersion"},
    {"IP address", "lanIfIpAddress"},      {"Operation Mode", "dot11ApMode"},
    {"MAC Address", "lanIfMacAddress"},    {"System Name", "sysName"},
    {"Location", "sysLocation"},
};

// Capabilities that are only kept, for other rules.
const MibVariable* const kKeptCapabilities[] = {kInfoTurboModesVars, kInfoCountryCodeVars,
                                                kInfoMssidWdsSupportVars, kInfoRepeaterWpaVars};
}  // namespace

CInformationPage::CInformationPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    summary_ = &AddRequest(kInfoSummaryVars, kSummaryTimeout);
    PageForm& form = Form(QStringLiteral("System Information"));
    for (const auto& [label, variable] : kSummaryRows)
        form.Add<StaticField>(*summary_, variable, label);
    FindField(QStringLiteral("Model Name"))->SetText(QString::fromLatin1(ShellTexts::ModelName));
    // The multi-SSID state is not shown; its row shows the MAC range.
    Hidden<StaticField>(*summary_, "dot11MssidState");
    ssidRange_ = &form.Add<StaticField>(QStringLiteral("SSID 1~7"));
    ShowField(*ssidRange_, false);   // until the device says multi-SSID is on
    summary_->OnGot = [this](const RequestResult& result) { SummaryArrived(result); };

    // The capabilities are read, never written; the summary speaks for the page.
    for (const MibVariable* table : kKeptCapabilities) {
        PageRequest& r = AddRequest(table, kCapabilityTimeout);
        r.RefreshAccess = SnmpAccess::ReadOnly;
        Hidden<StaticField>(r, r.Variables.Entry(0).Name);
        r.OnGot = [](const RequestResult&) {};
    }
    PageRequest& apModes = AddRequest(kInfoApModesVars, kCapabilityTimeout);
    apModes.RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(apModes, "apModesSupported");
    apModes.OnGot = [this, &apModes](const RequestResult& result) {
        if (result.Status == 0)
            Document()->SetApModeMask(apModes.Value("apModesSupported"));
    };
    PageRequest& modeString = AddRequest(kInfoModeStringVars, kCapabilityTimeout);
    modeString.RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(modeString, "admodestringchangesupported");
    modeString.OnGot = [this, &modeString](const RequestResult& result) {
        Document()->SetUniversalRepeater(result.Status == 0 &&
                                         modeString.Value("admodestringchangesupported").trimmed() == "1");
    };
    PageRequest& dhcp = AddRequest(kInfoDhcpFunctionVars, kCapabilityTimeout);
    dhcp.RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(dhcp, "Dynamic IP Function");
    dhcp.OnGot = [this](const RequestResult& result) {
        if (result.Status != 0)
            Document()->SetNoDhcpFunction();
    };

    // Commands, not read on refresh.
    AddRequest(kInfoWdsRefreshVars, kCapabilityTimeout).ReadOnRefresh = false;
    apply_ = &AddRequest(kInfoApplyVars, kApplyTimeout);
    apply_->ReadOnRefresh = false;
    applyChoice_ = &Hidden<ComboField>(*apply_, "deviceSettingApply");   // 0 "nothing", 1 "apply"
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
    const bool enabled = summary_->Value("dot11MssidState").trimmed() == "1";
    ShowField(*ssidRange_, enabled);
    if (!enabled)
        return;
    bool overflow = false;
    ssidRange_->SetText(MacRange::SsidRange(summary_->Value("lanIfMacAddress").toUpper(), &overflow));
    if (overflow)
        MessageBox::Show(QStringLiteral("Invalid MAC!"));
}

bool CInformationPage::HandleCommand(int commandId) {
    if (commandId != PageRegistry::CmdSaveAndActivate)
        return false;
    SaveAndActivate();
    return true;
}

void CInformationPage::SaveAndActivate() {
    Wait().BeginWait(true);
    apply_->SetAccessAll(SnmpAccess::ReadWrite);
    applyChoice_->Combo()->setCurrentIndex(1);
    apply_->OnSet = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, apply_->Variables.Label));
        Wait().EndWait(true, result.Status == 0);
    };
    if (!apply_->StartWrite())
        Wait().EndWait(true, false);
}

bool CInformationPage::SsidRowShown() const { return !ssidRange_->Widget()->isHidden(); }

QString CInformationPage::SsidRangeText() const { return ssidRange_->Text(); }
