#include "DateTimePage.h"
#include "ClockText.h"
#include "DateTimeField.h"
#include "SideBySide.h"
#include "mib/pages/DateTimeLogPageTables.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QPushButton>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;

// Each public time server with its name; the address is what is copied.
const QStringList kServerItems = {
    QStringLiteral("129.6.15.28 (time-a-g.nist.gov)"),  QStringLiteral("129.6.15.29 (time-b-g.nist.gov)"),
    QStringLiteral("132.163.97.1 (time-a-wwv.nist.gov)"), QStringLiteral("128.138.140.44 (utcnist.colorado.edu)"),
    QStringLiteral("192.53.103.108 (ptbtime1.ptb.de)"),
};
}  // namespace

const QStringList& CDateTimePage::NtpServers() {
    static const QStringList addresses = [] {
        QStringList list;
        for (const QString& item : kServerItems)
            list << item.section(QLatin1Char(' '), 0, 0);
        return list;
    }();
    return addresses;
}

CDateTimePage::CDateTimePage(CMainView* view, const PageRow& row) : CPage(view, row) {
    settings_ = &AddRequest(kSntpSettingsVars, kTimeout);
    clock_ = &AddRequest(kSntpSystemTimeVars, kTimeout);
    clock_->RefreshAccess = SnmpAccess::ReadOnly;
    manual_ = &AddRequest(kSntpManualTimeVars, kTimeout);
    manual_->ReadOnRefresh = false;   // the same clock the system time reads

    auto ntpOn = [this] { return NtpEnabled(); };
    auto dstOn = [this] { return DaylightSavingEnabled(); };

    PageForm& ntp = Form(QStringLiteral("SNTP/NTP Settings"));
    ntpBox_ = ntp.Box();
    ntp_ = &ntp.Add<CheckField>(*settings_, "sntpStatus", QStringLiteral("Enable NTP Server"));
    server_ = &ntp.Add<IpAddressField>(*settings_, "sntpServerIpAddress", QStringLiteral("SNTP/NTP Server IP"));
    server_->Check(Checks::IpAddress(QString::fromLatin1(Validators::Messages::IpAddressNoStop))).WrittenWhen(ntpOn);
    serverList_ = &ntp.Add<ComboField>(QStringLiteral("Public NTP Servers"));
    serverList_->Items(kServerItems);
    PlaceBesideServer(DeclareButton(QStringLiteral("<<"), ntp.Title(), [this] { CopyServer(); }));
    ntp.Add<ComboField>(*settings_, "sntpTimeZoneIndex", QStringLiteral("SNTP/NTP Time Zone"));
    ntp.Add<ComboField>(*settings_, "sntpInterval", QStringLiteral("Interval")).WrittenWhen(ntpOn);

    PageForm& dst = Form(QStringLiteral("Daylight Saving Time"));
    dst_ = &dst.Add<CheckField>(*settings_, "sntpDayLightSaving", QStringLiteral("Enable "));
    dst.Add<ComboField>(*settings_, "sntpDayLightSavingOffset", QStringLiteral("Daylight Saving Offset"))
        .WrittenWhen(dstOn);
    const std::pair<const char*, const char*> starts[] = {{"sntpDstStartMonth", "Month"},
                                                          {"sntpDstStartWeek", "Week"},
                                                          {"sntpDstStartDayOfWeek", "Day of Week"},
                                                          {"sntpDstStartTime", "Current Time"}};
    const std::pair<const char*, const char*> ends[] = {{"sntpDstEndMonth", "Month"},
                                                        {"sntpDstEndWeek", "Week"},
                                                        {"sntpDstEndDayOfWeek", "Day of Week"},
                                                        {"sntpDstEndCurrentTime", "Current Time"}};
    PageForm& start = Form(QStringLiteral("DST Start"));
    for (const auto& [variable, label] : starts)
        start.Add<ComboField>(*settings_, variable, QString::fromLatin1(label)).WrittenWhen(dstOn);
    PageForm& end = Form(QStringLiteral("DST End"));
    for (const auto& [variable, label] : ends)
        end.Add<ComboField>(*settings_, variable, QString::fromLatin1(label)).WrittenWhen(dstOn);
    SideBySide(this, {&dst, &start, &end});

    PageForm& manual = Form(QStringLiteral("Set Date and Time manually"));
    manualBox_ = manual.Box();
    Hidden<StaticField>(*clock_, "systemTime");
    deviceTime_ = &manual.Add<StaticField>(QStringLiteral("Current Gateway Time :"));
    timeToSet_ = &manual.Add<DateTimeField>(QStringLiteral("Current Time to Set"));
    timeToSet_->SetDateTime(QDateTime::currentDateTime());
    manual.Button(QStringLiteral("Copy Your Computer's Time Settings"), [this] { CopyComputerTime(); });
    manual.Button(QStringLiteral("Set Time"), [this] { SetTimeManually(); });
    // Save writes the SNTP/NTP and daylight-saving settings.
    AddButton(QStringLiteral("Save"), [this] {
        SaveFields(*settings_, [this] {
            PostStatus(QStringLiteral("Set..."));
            return true;
        });
    });

    settings_->OnGot = [this](const RequestResult& result) {
        PostStatus(result.Status == 0 ? QString::fromLatin1(ShellTexts::GetOk)
                                      : StatusText::Format(false, result.Message, settings_->Variables.Label));
    };
    clock_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0)
            ShowDeviceTime();
        else
            PostStatus(StatusText::Format(false, result.Message, clock_->Variables.Label));
    };
    connect(ntp_->Box(), &QCheckBox::toggled, this, [this] { FollowModes(); });
    connect(dst_->Box(), &QCheckBox::toggled, this, [this] { FollowModes(); });
    FollowModes();
}

// The "<<" button sits right of the server's address.
void CDateTimePage::PlaceBesideServer(QPushButton* copy) {
    auto* grid = qobject_cast<QGridLayout*>(ntpBox_->layout()->itemAt(0)->layout());
    const int at = grid ? grid->indexOf(server_->Widget()) : -1;
    if (at < 0)
        return;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(at, &row, &column, &rows, &columns);
    auto* line = new QWidget(ntpBox_);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    grid->removeWidget(server_->Widget());
    layout->addWidget(server_->Widget());
    copy->setParent(line);
    copy->setMinimumWidth(0);
    copy->setMaximumWidth(40);
    layout->addWidget(copy);
    layout->addStretch(1);
    grid->addWidget(line, row, column);
}

bool CDateTimePage::NtpEnabled() const { return ntp_->IsChecked(); }

bool CDateTimePage::DaylightSavingEnabled() const { return dst_->IsChecked(); }

// The server settings serve only with NTP on; a time set by hand only with it off.
void CDateTimePage::FollowModes() {
    const bool ntp = NtpEnabled();
    for (PageField* field : Fields()) {
        const QString name = field->Variable();
        if (name == QLatin1String("sntpServerIpAddress") || name == QLatin1String("sntpInterval") ||
            field == serverList_)
            field->Widget()->setEnabled(ntp);
        else if (name.startsWith(QLatin1String("sntpDst")) || name == QLatin1String("sntpDayLightSavingOffset"))
            field->Widget()->setEnabled(DaylightSavingEnabled());
    }
    if (QPushButton* copy = FindButton(QStringLiteral("<<")))
        copy->setEnabled(ntp);
    manualBox_->setEnabled(!ntp);
}

void CDateTimePage::CopyServer() {
    const int index = serverList_->Combo()->currentIndex();
    if (index >= 0 && index < NtpServers().size())
        server_->SetText(NtpServers().at(index));
}

void CDateTimePage::CopyComputerTime() { timeToSet_->SetDateTime(QDateTime::currentDateTime()); }

void CDateTimePage::SetTimeManually() {
    Save(*manual_, [this] {
        manual_->SetValue(QStringLiteral("setTimeManually"), ClockText::ManualSetting(timeToSet_->DateTime()));
        manual_->SetAccess(QStringLiteral("setTimeManually"), SnmpAccess::ReadWrite);
        PostStatus(QStringLiteral("Set..."));
        return true;
    }, [this](const RequestResult& result) {
        // The clock as the device now reports it.
        if (result.Status == 0) {
            clock_->SetAccessAll(clock_->RefreshAccess);
            clock_->StartRead();
        }
    });
}

void CDateTimePage::ShowDeviceTime() { deviceTime_->SetText(ClockText::Shown(clock_->Value("systemTime"))); }
