#include "FirmwareUpgrade.h"
#include "CommandTiming.h"
#include "UpgradeQueue.h"
#include "UpgradeTexts.h"
#include "servers/CFTPServer.h"
#include "snmp/StationAddress.h"
#include <vector>

namespace FirmwareUpgrade {

namespace {

constexpr char kModelName[] = "NXA-7310";
constexpr int kRebootTimeout = 500;

struct FtpAccount {
    QString Address;
    QString User;
    QString Password;
};

bool Qualifies(DeviceList& rows, int row) {
    return rows.Step(row).isEmpty() && rows.TextAt(row, DeviceList::ModelColumn) == QLatin1String(kModelName);
}

FtpAccount AccountFor(CFTPServer* server, DeviceList& rows, int row, const CommandSettings& settings) {
    FtpAccount account;
    if (server) {
        server->GetCurrentUser(account.User, account.Password);
        account.Address = server->GetIpAddress();
        if (account.Address.isEmpty() || account.Address == QLatin1String("0.0.0.0")) {
            const StationAddress::Choice choice = StationAddress::StationAddressForDevice(
                rows.Text(row, QStringLiteral("IP Address")), rows.Text(row, QStringLiteral("Netmask")));
            account.Address = choice.Ok ? choice.Address : QString();
        }
    } else if (settings.ReadRemoteFtp) {
        const CommandSettings::RemoteFtp remote = settings.ReadRemoteFtp();
        account = {remote.Address, remote.User, remote.Password};
    }
    return account;
}

}  // namespace

int Run(CFTPServer* ftpServer, QAbstractItemView* deviceList, const QString& firmwarePath, const Limits& limits,
        CommandSettings settings) {
    if (UpgradeQueue::Current())
        return -1;
    const CommandSettings rowSettings = settings;
    UpgradeQueue queue(ftpServer, deviceList, std::move(settings));
    DeviceList& rows = queue.Rows();

    // The rows are chosen once, before anything runs, so every later step
    // serves the same rows.
    std::vector<int> chosen;
    for (int row : rows.SelectedRows()) {
        if (!Qualifies(rows, row))
            continue;
        chosen.push_back(row);
        const FtpAccount account = AccountFor(ftpServer, rows, row, rowSettings);
        rows.SetStep(row, QString());
        rows.SetStatus(row, QString::fromLatin1(UpgradeTexts::Ready));
        queue.Enqueue(UpgradeQueue::SendFtpSettings, row, limits.SettingsTimeout,
                      CommandTiming::SaturatedSum(limits.SettingsTimeout, limits.Margin),
                      {account.Address, account.User, account.Password, firmwarePath});
        queue.Enqueue(UpgradeQueue::StartFirmwareUpdate, row, limits.UpdateTimeout, 0);
    }
    if (chosen.empty())
        return -1;
    queue.Enqueue(UpgradeQueue::AwaitAcknowledgements, -1, 0,
                  CommandTiming::SaturatedSum(limits.UpdateTimeout, limits.Margin),
                  {QString::fromLatin1(UpgradeTexts::Waiting)});
    queue.Enqueue(UpgradeQueue::ResetCount, -1, 0, 0);
    for (int row : chosen)
        queue.Enqueue(UpgradeQueue::Reboot, row, CommandTiming::Scaled(kRebootTimeout), 0);
    queue.Enqueue(UpgradeQueue::Sleep, -1, 0, limits.RebootWait);
    for (int row : chosen)
        queue.Enqueue(UpgradeQueue::PromoteStatus, row, 0, 0,
                      {QString::fromLatin1(UpgradeTexts::Waiting), QString::fromLatin1(UpgradeTexts::Ready)});
    for (int row : chosen)
        queue.Enqueue(UpgradeQueue::MarkUpgraded, row, 0, 0);
    queue.Run();
    return 0;
}

int Abort() {
    UpgradeQueue* queue = UpgradeQueue::Current();
    if (!queue)
        return 0;
    if (queue->IsEmpty())
        return 1;
    while (queue->TimerActive())
        queue->Pump(200);
    // The run may have ended while the events were processed.
    if (UpgradeQueue::Current() != queue)
        return 1;
    queue->Abort();
    DeviceList& rows = queue->Rows();
    for (int row : rows.SelectedRows())
        if (rows.Status(row) != QLatin1String(UpgradeTexts::Ok))
            rows.SetStatus(row, QString::fromLatin1(UpgradeTexts::Aborted));
    return 1;
}

}  // namespace FirmwareUpgrade
