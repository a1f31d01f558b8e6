#pragma once
#include "CommandSettings.h"
#include "DeviceList.h"
#include "UpgradeCommand.h"
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <memory>

class CFTPServer;
class QAbstractItemView;
class QEventLoop;
class SnmpRequest;
struct RequestResult;

// The commands of one upgrade run against the rows of the host's device list,
// run in order on the user-interface thread. Every wait processes the
// thread's events, so SNMP answers, the response timer and the host's own
// windows go on while the queue runs. Only one queue exists at a time.
class UpgradeQueue {
public:
    enum Codes {
        Sleep = 1,
        AwaitAcknowledgements = 2,
        StartTimer = 3,
        StopTimer = 4,
        ResetCount = 5,
        AbortAtCount = 6,
        PromoteStatus = 9,
        SetRetryText = 10,
        SendFtpSettings = 11,
        MarkUpgraded = 12,
        StartFirmwareUpdate = 13,
        Reboot = 14,
        FactoryReset = 15,
    };

    UpgradeQueue(CFTPServer* ftpServer, QAbstractItemView* deviceList, CommandSettings settings);
    ~UpgradeQueue();
    UpgradeQueue(const UpgradeQueue&) = delete;
    UpgradeQueue& operator=(const UpgradeQueue&) = delete;

    // The queue that exists, or nullptr.
    static UpgradeQueue* Current();

    void Enqueue(int code, int row, int requestTimeout, int wait, const QStringList& texts = {});
    // Executes the commands until none is left.
    void Run();
    // Drops every queued command and stops the response timer.
    void Abort();
    // Processes the thread's events for `tens` × 10 ms.
    void Pump(int tens);

    bool IsEmpty() const { return commands_.empty(); }
    bool TimerActive() const { return timerActive_; }
    // Milliseconds until the response timer runs out; -1 when it is not running.
    int ResponseTimeLeft() const { return timer_.remainingTime(); }
    bool Busy() const { return busy_; }
    int InProgress() const { return inProgress_; }
    DeviceList& Rows() { return rows_; }

private:
    void Execute(const UpgradeCommand& command);
    void WaitForTimer(int tens);
    void StartResponseTimer(int row, int wait);
    void StopResponseTimer();
    void ResponseTimerExpired();
    void AwaitAcknowledgementsOf(const UpgradeCommand& command);
    void SendFtpSettingsFor(const UpgradeCommand& command);
    void DeviceStep(const UpgradeCommand& command, const QString& value, const QString& stepText);
    void MarkUpgradedRow(int row);
    void SendFailed(int row, const QString& message, bool stopTimer);
    void SettingsAcknowledged(const RequestResult& result);
    void StepAcknowledged(const RequestResult& result);

    std::deque<std::unique_ptr<UpgradeCommand>> commands_;
    CFTPServer* ftpServer_;
    DeviceList rows_;
    CommandSettings settings_;
    bool timerActive_ = false;
    int timerRow_ = 0;
    QTimer timer_;
    QEventLoop* timerWait_ = nullptr;
    bool busy_ = false;
    int inProgress_ = 0;
    // Last member, so that it goes first: no answer reaches a half-destroyed queue.
    std::unique_ptr<SnmpRequest> request_;
};
