#include "LogPage.h"
#include "LogFileReader.h"
#include "SideBySide.h"
#include "mib/pages/DateTimeLogPageTables.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/CheckField.h"
#include "shell/DeviceSettings.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/ShellTexts.h"
#include "shell/ShellTiming.h"
#include "shell/StaticField.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StationAddress.h"
#include "snmp/StatusText.h"
#include <QTreeWidget>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;

bool IsNoAddress(const QString& text) { return text.isEmpty() || text == QLatin1String("0.0.0.0"); }
}  // namespace

CLogPage::CLogPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    settings_ = &AddRequest(kLogSettingsVars, kTimeout);
    mail_ = &AddRequest(kEmailNotificationVars, kTimeout);
    fetch_ = &AddRequest(kLogFetchVars, kTimeout);
    fetch_->ReadOnRefresh = false;
    clear_ = &AddRequest(kLogClearVars, kTimeout);
    clear_->ReadOnRefresh = false;
    // The device's own mask, for finding the station address that faces it
    // while the LAN page has not read it.
    mask_ = &AddRequest(kDeviceInfoEthernetVars, kTimeout);
    mask_->ReadOnRefresh = false;

    PageForm& logView = Form(QStringLiteral("Log View"));
    server_ = &logView.Add<StaticField>(*fetch_, "systemLogTFTPServerIPAddress", QStringLiteral("TFTP Server IP"));
    list_ = &logView.List(QStringLiteral("Log"));
    list_->Column(QStringLiteral("Time")).Column(QStringLiteral("Priority")).Column(QStringLiteral("Message"));
    list_->View()->setMinimumHeight(150);
    list_->View()->setColumnWidth(0, 140);
    list_->View()->setColumnWidth(1, 70);
    logView.Button(QStringLiteral("Refresh"), [this] { FetchLog(); });
    logView.Button(QStringLiteral("Clear"), [this] { ClearLog(); });

    auto emailOn = [this] { return EmailEnabled(); };
    PageForm& log = Form(QStringLiteral("Log Settings"));
    log.Add<CheckField>(*settings_, "systemLogSystemLevel", QStringLiteral("System Activity"));
    log.Add<CheckField>(*settings_, "systemLogWirelessLevel", QStringLiteral("Wireless Activity"));
    log.Add<CheckField>(*settings_, "systemLogNoticeLevel", QStringLiteral("Notice"));
    logServer_ = &log.Add<IpAddressField>(*settings_, "systemLogServerIPAddress", QStringLiteral("Log Server / IP Address"));
    // No address means no remote log server; an address given must be valid.
    logServer_->Check(Checks::Holds([](const QString& text) { return IsNoAddress(text) || Validators::IsValidIpAddress(text); },
                                    QStringLiteral("Invalid Log Server / IP Address!")));

    PageForm& mail = Form(QStringLiteral("Email Notification"));
    email_ = &mail.Add<CheckField>(*mail_, "emailNtfStatus", QStringLiteral("Enable Email Notification"));
    mail.Add<EditField>(*mail_, "emailNtfFromIPAddress", QStringLiteral("From Email Address")).WrittenWhen(emailOn);
    mail.Add<EditField>(*mail_, "emailNtfToIPAddress", QStringLiteral("To Email Address")).WrittenWhen(emailOn);
    mail.Add<EditField>(*mail_, "smtpAccountingName", QStringLiteral("User Name"))
        .Check(Checks::NotEmpty(QStringLiteral("Please input the User Name.")))
        .WrittenWhen(emailOn);
    password_ = &mail.Add<EditField>(*mail_, "emailNtfPassword", QStringLiteral("Password"));
    password_->Secret();
    password_->Check(Checks::NotEmpty(QStringLiteral("You must enter the password!")))
        .Check(Checks::Holds([this](const QString& text) { return text == confirm_->Text(); },
                             QStringLiteral("The Password is not match,Please enter again.")))
        .WrittenWhen(emailOn);
    confirm_ = &mail.Add<EditField>(QStringLiteral("Confirm Password"));
    confirm_->Secret();
    mail.Add<IpAddressField>(*mail_, "emailNtfServerIPAddress", QStringLiteral("Mail Server / IP Address"))
        .Check(Checks::IpAddress(QStringLiteral("Invalid Mail Server / IP Address!")))
        .WrittenWhen(emailOn);
    mail.Add<EditField>(*mail_, "emailNtfPort", QStringLiteral("SMTP Port"))
        .Check(Checks::Range(1, 65535, QStringLiteral("Invalid SMTP Port")))
        .WrittenWhen(emailOn);
    mail.Add<EditField>(*mail_, "emailNtfOnSchedule", QStringLiteral("Send on Schedule")).WrittenWhen(emailOn);
    // Each group is saved on its own: a set that fails leaves the other group as it was.
    log.Button(QStringLiteral("Save"), [this] { SaveLogSettings(); });
    mail.Button(QStringLiteral("Save"), [this] { SaveFields(*mail_); });
    SideBySide(this, {&log, &mail});

    settings_->OnGot = [this](const RequestResult& result) {
        PostStatus(QString::fromLatin1(result.Status == 0 ? ShellTexts::RefreshOk : "Refresh Error!"));
    };
    mail_->OnGot = [this](const RequestResult& result) {
        // The confirmation starts equal to the password the device holds.
        if (result.Status == 0)
            confirm_->SetText(password_->Text());
        else
            PostStatus(QStringLiteral("Refresh Error!"));
    };
    mask_->OnGot = [this](const RequestResult& result) {
        FetchWithMask(result.Status == 0 ? mask_->Value(QStringLiteral("ifSubnetMask")) : QString());
    };
    fetch_->OnSet = [this](const RequestResult& result) { FetchAnswered(result); };
    receiver_.Ended = [this](LogReceiver::Outcome) {
        if (fetching_ && answered_)
            Conclude();
    };
}

bool CLogPage::EmailEnabled() const { return email_->IsChecked(); }

void CLogPage::Refresh() {
    CPage::Refresh();
    FetchLog();
}

bool CLogPage::IsBusy() const { return fetching_ || CPage::IsBusy(); }

void CLogPage::SaveLogSettings() {
    SaveFields(*settings_, [this] {
        // A blank address is sent as "no server".
        if (logServer_->Text().isEmpty())
            logServer_->SetText(QStringLiteral("0.0.0.0"));
        return true;
    });
}

void CLogPage::FetchLog() {
    if (fetching_)
        return;
    PostStatus(QStringLiteral("Refresh..."));
    QString error;
    if (!receiver_.Listen(&error, QString::fromLatin1(kFileName), DeviceSettings::Current().DeviceIpAddress)) {
        PostStatus(error);
        return;
    }
    fetching_ = true;
    answered_ = false;
    const QString mask = StationAddress::DeviceSubnetMask();
    if (!mask.isEmpty()) {
        FetchWithMask(mask);
        return;
    }
    mask_->SetAccessAll(SnmpAccess::ReadOnly);
    if (!mask_->StartRead())
        Finish();
}

void CLogPage::FetchWithMask(const QString& deviceMask) {
    const StationAddress::Choice station =
        StationAddress::StationAddressForDevice(DeviceSettings::Current().DeviceIpAddress, deviceMask);
    if (!station.Ok) {
        PostStatus(QStringLiteral("Get Server IP fail."));
        Finish();
        return;
    }
    server_->SetText(station.Address);
    fetch_->SetAccessAll(SnmpAccess::ReadWrite);
    fetch_->SetValue(QStringLiteral("systemLogFileName"), QString::fromLatin1(kFileName));
    fetch_->SetValue(QStringLiteral("systemLogGetLog"), QStringLiteral("1"));
    if (!fetch_->StartWrite())
        Finish();
}

void CLogPage::FetchAnswered(const RequestResult& result) {
    if (!fetching_)
        return;
    answered_ = true;
    if (result.Status != 0) {
        PostStatus(StatusText::Format(true, result.Message, fetch_->Variables.Label));
        Finish();
        return;
    }
    // The device sends its file after answering, or has sent it already.
    if (receiver_.Result() != LogReceiver::Outcome::None)
        Conclude();
    else
        receiver_.ExpectWithin(ShellTiming::Ms(kLogWaitMs));
}

void CLogPage::Conclude() {
    list_->Clear();
    switch (receiver_.Result()) {
    case LogReceiver::Outcome::Arrived: {
        const LogFileReader::Contents contents = LogFileReader::Read(receiver_.ReceivedPath());
        receiver_.Keep();
        for (const LogFileReader::Entry& entry : contents.Entries)
            list_->AddRow({entry.Time, entry.Priority, entry.Message});
        PostStatus(LogFileReader::Summary(contents));
        break;
    }
    case LogReceiver::Outcome::Failed:
        PostStatus(QStringLiteral("The log file transfer failed: %1").arg(receiver_.FailureText()));
        break;
    case LogReceiver::Outcome::TimedOut:
        PostStatus(QStringLiteral("The device did not send its log file."));
        break;
    case LogReceiver::Outcome::None:
        return;
    }
    Finish();
}

void CLogPage::Finish() {
    receiver_.Stop();
    fetching_ = false;
}

void CLogPage::ClearLog() {
    PostStatus(QStringLiteral("Clear..."));
    clear_->SetAccessAll(SnmpAccess::ReadWrite);
    clear_->SetValue(QStringLiteral("systemLogClearLocalLog"), QStringLiteral("1"));
    clear_->OnSet = [this](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, clear_->Variables.Label));
        if (result.Status == 0)
            list_->Clear();
    };
    clear_->StartWrite();
}
