#include "UpgradeQueue.h"
#include "CommandTiming.h"
#include "EntryValue.h"
#include "HostLog.h"
#include "UpgradeTexts.h"
#include "mib/MaintenanceTables.h"
#include "platform/MessageBox.h"
#include "servers/CFTPServer.h"
#include "snmp/CZRException.h"
#include "snmp/RequestResult.h"
#include "snmp/SnmpRequest.h"
#include <QEventLoop>
#include <algorithm>

namespace {

UpgradeQueue* current = nullptr;

const QString kIpAddress = QStringLiteral("IP Address");

// Device errors come prefixed with the class that raised them; the list shows
// them without it.
QString ShownError(const QString& message) {
    return message.contains(QLatin1String("(SNMPClass) ")) ? message.mid(12) : message;
}

}  // namespace

UpgradeQueue::UpgradeQueue(CFTPServer* ftpServer, QAbstractItemView* deviceList, CommandSettings settings)
    : ftpServer_(ftpServer), rows_(deviceList), settings_(std::move(settings)), request_(std::make_unique<SnmpRequest>()) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { ResponseTimerExpired(); });
    current = this;
}

UpgradeQueue::~UpgradeQueue() {
    timer_.stop();
    request_.reset();
    if (current == this)
        current = nullptr;
}

UpgradeQueue* UpgradeQueue::Current() { return current; }

void UpgradeQueue::Enqueue(int code, int row, int requestTimeout, int wait, const QStringList& texts) {
    auto command = std::make_unique<UpgradeCommand>();
    command->Code = code;
    command->Row = row;
    command->RequestTimeout = requestTimeout;
    command->Wait = wait;
    command->Texts = texts;
    commands_.push_back(std::move(command));
}

void UpgradeQueue::Run() {
    while (!commands_.empty()) {
        if (timerActive_) {
            WaitForTimer(10);
            continue;
        }
        std::unique_ptr<UpgradeCommand> command = std::move(commands_.front());
        commands_.pop_front();
        busy_ = true;
        Execute(*command);
        busy_ = false;
    }
}

void UpgradeQueue::Abort() {
    commands_.clear();
    StopResponseTimer();
}

void UpgradeQueue::Pump(int tens) {
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(CommandTiming::TimerMilliseconds(tens));
    loop.exec();
}

void UpgradeQueue::WaitForTimer(int tens) {
    // As Pump, but over as soon as the response timer stops: an answer that
    // arrives early lets the next command go at once.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(CommandTiming::TimerMilliseconds(tens));
    QEventLoop* outer = timerWait_;
    timerWait_ = &loop;
    if (timerActive_)
        loop.exec();
    timerWait_ = outer;
}

void UpgradeQueue::StartResponseTimer(int row, int wait) {
    timerRow_ = row;
    timerActive_ = true;
    timer_.start(CommandTiming::TimerMilliseconds(wait));
}

void UpgradeQueue::StopResponseTimer() {
    timerActive_ = false;
    timer_.stop();
    if (timerWait_)
        timerWait_->quit();
}

void UpgradeQueue::ResponseTimerExpired() {
    // Every recorded row is marked, the first one (row 0) included.
    if (timerRow_ >= 0)
        rows_.SetStatus(timerRow_, QString::fromLatin1(UpgradeTexts::NoResponse));
    StopResponseTimer();
}

void UpgradeQueue::Execute(const UpgradeCommand& command) {
    switch (command.Code) {
    case Sleep: Pump(command.Wait); return;
    case AwaitAcknowledgements: AwaitAcknowledgementsOf(command); return;
    case StartTimer: StartResponseTimer(command.Row, command.Wait); return;
    case StopTimer: StopResponseTimer(); return;
    case ResetCount: inProgress_ = 0; return;
    case AbortAtCount:
        if (inProgress_ == command.Text(0).toInt())
            Abort();
        return;
    case PromoteStatus:
        if (rows_.Status(command.Row) == command.Text(0))
            rows_.SetStatus(command.Row, command.Text(1));
        return;
    default: break;
    }
    if (command.Code < SetRetryText || command.Code > FactoryReset)
        return;
    // Device steps act only on a ready row; a row that failed keeps its text.
    if (rows_.Status(command.Row) != QLatin1String(UpgradeTexts::Ready))
        return;
    ++inProgress_;
    switch (command.Code) {
    case SetRetryText: rows_.SetText(command.Row, QStringLiteral("Retry"), command.Text(0)); break;
    case SendFtpSettings: SendFtpSettingsFor(command); break;
    case MarkUpgraded: MarkUpgradedRow(command.Row); break;
    case StartFirmwareUpdate:
        DeviceStep(command, QStringLiteral("firmwareUpdate"), QString::fromLatin1(UpgradeTexts::StepUpdateFirmware));
        break;
    case Reboot: DeviceStep(command, QStringLiteral("reboot"), QString::fromLatin1(UpgradeTexts::StepReset)); break;
    case FactoryReset:
        DeviceStep(command, QStringLiteral("factoryReset"), QString::fromLatin1(UpgradeTexts::StepReset));
        break;
    default: break;
    }
}

void UpgradeQueue::AwaitAcknowledgementsOf(const UpgradeCommand& command) {
    const QString waiting = command.Text(0);
    StartResponseTimer(-1, command.Wait);
    for (;;) {
        Pump(20);
        const std::vector<int> selected = rows_.SelectedRows();
        const bool anyWaiting = std::any_of(selected.begin(), selected.end(),
                                            [&](int row) { return rows_.Status(row) == waiting; });
        if (!anyWaiting) {
            StopResponseTimer();
            return;
        }
        if (!timerActive_)
            break;
    }
    for (int row : rows_.SelectedRows())
        if (rows_.Status(row) == waiting)
            rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::NoResponse));
}

void UpgradeQueue::SendFtpSettingsFor(const UpgradeCommand& command) {
    const int row = command.Row;
    StartResponseTimer(row, command.Wait);
    request_->Variables = MibVariableList::FromCatalogue(kQueueFtpSettingsVars, MibVariableList::SVT_SV);
    request_->Address = rows_.Text(row, kIpAddress);
    request_->AddressSpare.clear();
    settings_.ApplyTo(*request_);

    const QString server = command.Text(0);
    if (server.isEmpty()) {
        rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::InvalidIp));
        StopResponseTimer();
        return;
    }
    const QString user = command.Text(1);
    const QString password = command.Text(2);
    const QString path = command.Text(3);
    QString remoteName = path;
    const int cut = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
    if (cut > 0) {
        if (ftpServer_)
            ftpServer_->UpdateHomeDir(user, path.left(cut));
        remoteName = path.mid(cut + 1);
    }
    MibVariableList& list = request_->Variables;
    EntryValue::Set(list, "ftpServerIPAddress", server);
    EntryValue::Set(list, "ftpUserName", user);
    EntryValue::Set(list, "ftpPassword", password);
    EntryValue::Set(list, "ftpRemoteFileName", remoteName);
    EntryValue::Set(list, "ftpCommand", QStringLiteral("get"));   // the map ignores case: 2

    rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::Waiting));
    rows_.SetStep(row, QString::fromLatin1(UpgradeTexts::StepWriteConfig));
    request_->Timeout = command.RequestTimeout;
    try {
        request_->WriteAsync([this](RequestResult* result, MibVariableList*, uintptr_t) { SettingsAcknowledged(*result); });
    } catch (const CZRException& e) {
        SendFailed(row, e.Text(), true);
    }
}

void UpgradeQueue::DeviceStep(const UpgradeCommand& command, const QString& value, const QString& stepText) {
    const int row = command.Row;
    request_->Variables = MibVariableList::FromCatalogue(kUpgradeCommandVars, MibVariableList::SVT_SV);
    EntryValue::Set(request_->Variables, "ftpUpgradeSettingCommand", value);
    rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::Waiting));
    rows_.SetStep(row, stepText);
    request_->Address = rows_.Text(row, kIpAddress);
    request_->AddressSpare.clear();
    settings_.ApplyTo(*request_);
    request_->Timeout = command.RequestTimeout;
    try {
        request_->WriteAsync([this](RequestResult* result, MibVariableList*, uintptr_t) { StepAcknowledged(*result); });
    } catch (const CZRException& e) {
        SendFailed(row, e.Text(), false);
    }
}

void UpgradeQueue::SendFailed(int row, const QString& message, bool stopTimer) {
    MessageBox::Show(message);
    rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::Unsuccess));
    if (stopTimer)
        StopResponseTimer();
}

void UpgradeQueue::MarkUpgradedRow(int row) {
    rows_.SetStep(row, QString::fromLatin1(UpgradeTexts::StepUpdated));
    rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::Ok));
    rows_.SetText(row, QStringLiteral("FW Version"), QString::fromLatin1(UpgradeTexts::UpdatedVersion));
    HostLog::Send(rows_.Text(row, QStringLiteral("Mac Address")) + QStringLiteral(" Update F/W OK."));
}

void UpgradeQueue::SettingsAcknowledged(const RequestResult& result) {
    const int row = rows_.SelectedRowOf(result.DeviceAddress);
    const bool waiting = rows_.Status(row) == QLatin1String(UpgradeTexts::Waiting);
    if (result.Status != 0) {
        const QString text = ShownError(result.Message);
        if (waiting)
            rows_.SetStatus(row, text);
        HostLog::Send(QStringLiteral(" Snmp Ack: Firmware update ") + text);
    } else if (waiting) {
        rows_.SetStatus(row, QString::fromLatin1(UpgradeTexts::Ready));
    }
    // A late answer from a row that already timed out leaves the timer of
    // the row now being served alone.
    if (row >= 0 && row == timerRow_)
        StopResponseTimer();
}

void UpgradeQueue::StepAcknowledged(const RequestResult& result) {
    const int row = rows_.SelectedRowOf(result.DeviceAddress);
    if (rows_.Status(row) != QLatin1String(UpgradeTexts::Waiting))
        return;
    rows_.SetStatus(row, result.Status != 0 ? ShownError(result.Message) : QString::fromLatin1(UpgradeTexts::Ready));
}
