#include "PerformancePage.h"
#include "FieldLabel.h"
#include "RateField.h"
#include "mib/pages/PerformancePageTables.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/StaticField.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QComboBox>
#include <QLabel>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;

FieldCheck NumberCheck(long long low, long long high) {
    return Checks::Range(low, high, Validators::NumberRangeMessage(low, high));
}
}  // namespace

CPerformancePage::CPerformancePage(CMainView* view, const PageRow& row) : CPage(view, row) {
    settings_ = &AddRequest(kPerformanceVars, kTimeout);
    PageRequest& security = AddRequest(kPerformanceSecurityVars, kTimeout);
    security.RefreshAccess = SnmpAccess::ReadOnly;
    band_ = &AddRequest(kPerformanceBandVars, kTimeout);
    band_->RefreshAccess = SnmpAccess::ReadOnly;
    PageRequest& rates = AddRequest(kPerformanceDataRateListVars, kTimeout);
    rates.RefreshAccess = SnmpAccess::ReadOnly;

    PageForm& form = Form(QStringLiteral("Performance Settings"));
    bandText_ = &form.Add<StaticField>(*band_, "dot11Band", "Wireless Band");
    form.Add<ComboField>(*settings_, "dot11RadioWave", "Radio");
    modeA_ = &form.Add<ComboField>(*settings_, "dot11WifiModeA", "Wireless Mode (2.4GHz)");
    modeA_->WrittenWhen([this] { return !FiveGhz(); });
    modeG_ = &form.Add<ComboField>(*settings_, "dot11WifiModeG", "Wireless Mode (5GHz)");
    modeG_->WrittenWhen([this] { return FiveGhz(); });
    rate_ = &form.Add<RateField>(*settings_, "dot11DataRate", "Data Rate");
    rate_->WrittenWhen([this] { return !rate_->Text().isEmpty(); });   // no rate list, no current rate: nothing to send
    form.Add<EditField>(*settings_, "dot11BeaconInterval", "Beacon interval (25-500)").Check(NumberCheck(25, 500));
    form.Add<EditField>(*settings_, "dot11Dtim", "DTIM interval (1-15)").Check(NumberCheck(1, 15));
    fragment_ = &form.Add<EditField>(*settings_, "dot11FragmentLength", "Fragmentation (256-2346)");
    fragment_->Check(NumberCheck(256, 2346)).WrittenWhen([this] { return !fragment_->Widget()->isHidden(); });
    rts_ = &form.Add<EditField>(*settings_, "dot11RtsLength", "RTS Threshold (256-2346)");
    rts_->Check(NumberCheck(1, 2346)).WrittenWhen([this] { return !rts_->Widget()->isHidden(); });
    form.Add<ComboField>(*settings_, "dot11TransmitPower", "Transmit Power");
    form.Add<ComboField>(*settings_, "dot11Wmm", "WMM (Wi-Fi Multimedia)");
    form.Add<ComboField>(*settings_, "dot11ShortGI", "Short GI");
    form.Add<ComboField>(*settings_, "dot11LoadBalance", "Connection Limit");
    form.Add<EditField>(*settings_, "dot11UserLimit", "User Limit (0 - 64)").Check(NumberCheck(0, 64));
    form.Add<ComboField>(*settings_, "dot11Igmpsnooping", "IGMP Snooping");
    ack_ = &form.Add<EditField>(*settings_, "dot11AckTimeout", "Ack Timeout");
    ack_->Check(Checks::Holds([](const QString& text) { return text.trimmed().size() >= 2 && Validators::IsNumberInRange(text.trimmed(), 25, 200); },
                              Validators::NumberRangeMessage(25, 200)))
        .WrittenWhen([this] { return !ack_->Widget()->isHidden(); });
    form.Add<ComboField>(*settings_, "dot11LinkIntegrate", "Link Integrity");
    form.Add<ComboField>(*settings_, "dot11NetworkUtilization", "Network Utilization");
    form.Button(QStringLiteral("Save"), [this] {
        SaveFields(
            *settings_,
            [this] {
                // The other band's mode variable is read back, never written.
                settings_->SetAccess(FiveGhz() ? QStringLiteral("dot11WifiModeA") : QStringLiteral("dot11WifiModeG"),
                                     SnmpAccess::ReadOnly);
                return true;
            },
            [this](const RequestResult&) { Refresh(); });
    });

    settings_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0)
            ModesArrived();
        PostStatus(StatusText::Format(false, result.Message, settings_->Variables.Label));
    };
    band_->OnGot = [this](const RequestResult&) { ShowFieldsForMode(); };
    rates.OnGot = [this, &rates](const RequestResult& result) {
        rate_->SetRates(result.Status == 0 ? rates.Value(QStringLiteral("dot11DataRateList")) : QString());
    };
    for (ComboField* mode : {modeA_, modeG_})
        connect(mode->Combo(), &QComboBox::currentIndexChanged, this, [this] { ShowFieldsForMode(); });
    ShowFieldsForMode();
}

// The rate list is read on its own: a device that cannot give it still
// shows the page's settings.
void CPerformancePage::Refresh() {
    for (int i = 0; i < RequestCount(); ++i) {
        PageRequest& request = Request(i);
        request.SetAccessAll(request.RefreshAccess);
        if (&request == settings_)
            request.SetAccess(QStringLiteral("dot11RateList"), SnmpAccess::Invalid);
        request.StartRead();
    }
}

bool CPerformancePage::FiveGhz() const { return band_->Value(QStringLiteral("dot11Band")).trimmed() == QLatin1String("1"); }

bool CPerformancePage::ModeHasN() const {
    return (FiveGhz() ? modeG_ : modeA_)->Text().contains(QLatin1String("802.11n"));
}

// A mode value of the other band has no entry in this band's list: that
// (hidden) selector shows the value as the device gives it, never a mode of
// its own list the device is not in.
void CPerformancePage::ModesArrived() {
    for (ComboField* mode : {modeA_, modeG_}) {
        const MibVariableEntry& entry = settings_->Variables.Entry(mode->VariableIndex());
        if (!entry.Map)
            continue;
        QStringList items;
        for (int i = 0; i < entry.Map->Count(); ++i)
            items << entry.Map->GetPair(i).Text;
        const QString shown = entry.Map->TextForValue(entry.Value);
        if (!items.contains(shown))
            items << shown;
        mode->Items(items);
        mode->SetText(shown);
    }
    ShowFieldsForMode();
}

void CPerformancePage::ShowFieldsForMode() {
    const bool five = FiveGhz();
    ShowField(*modeA_, !five);
    ShowField(*modeG_, five);
    ShowField(*fragment_, !ModeHasN());
    ShowField(*rts_, true);
    ShowField(*ack_, true);
    if (QLabel* label = FieldLabel::Of(*this, *ack_))
        label->setText(five ? QStringLiteral("Ack Time Out (5GHz, 25~200) :") : QStringLiteral("Ack Time Out (2.4GHz, 48~200) :"));
}
