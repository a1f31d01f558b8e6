#include "CommandApi.h"
#include "CommandCallbacks.h"
#include "CommandJob.h"
#include "CommandTiming.h"
#include "EntryValue.h"
#include "FtpTransferPlan.h"
#include "RogueSurvey.h"
#include "SharedCommandRequest.h"
#include "TemplateCommand.h"
#include "host/AP_PlugIn.h"
#include "mib/MaintenanceTables.h"
#include "snmp/RequestResult.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QByteArray>
#include <deque>
#include <memory>
#include <vector>

namespace CommandApi {

namespace {

constexpr char kModelName[] = "NXA-7310";
constexpr int kProbeTimeout = 1200;
constexpr int kBackupTimeout = 6500;
constexpr int kVersionTimeout = 3000;
constexpr int kLongTimeout = 20000;

void SetValue(MibVariableList& list, const char* name, const QString& value) { EntryValue::Set(list, name, value); }

// Commands 3 and 5 to 8: status, device address and, on failure, the message.
void Complete(int command, RequestResult* result, MibVariableList* list, uintptr_t context) {
    void* stored = CommandCallbacks::Stored(command);
    if (!stored)
        return;
    const QByteArray address = result->DeviceAddress.toUtf8();
    const QByteArray message = result->Message.toUtf8();
    CmdResult cmd{result->Status != 0 ? 1 : 0, nullptr, address.constData(), nullptr, nullptr};
    if (result->Status != 0)
        cmd.Message = message.constData();
    if (command == Backup) {
        if (result->Status == 0)
            cmd.Message = "OK!";
        reinterpret_cast<CmdRowsCallback>(stored)(0, &cmd, 0, nullptr, context);
        return;
    }
    if (command == StartFirmwareUpdate)
        cmd.ModelName = kModelName;
    QByteArray text;
    if (command == FirmwareVersion && result->Status == 0 && list && list->Count() > 0)
        text = list->Entry(0).Value.toUtf8();
    reinterpret_cast<CmdTextCallback>(stored)(&cmd, text.constData(), context);
}

SnmpRequest::Completion CompletionOf(int command) {
    return [command](RequestResult* r, MibVariableList* l, uintptr_t c) { Complete(command, r, l, c); };
}

void ProbeDone(const std::shared_ptr<TemplateJob>& job, RequestResult* result, MibVariableList* list) {
    auto callback = reinterpret_cast<CmdProbeCallback>(CommandCallbacks::Stored(Probe));
    if (!callback)
        return;
    MibVariableList shape = MibVariableList::FromCatalogue(kProbeResultVars, MibVariableList::MVT_SV);
    if (result->Status == 0 && list) {
        const int mac = list->IndexOf(QStringLiteral("lanIfMacAddress"));
        if (shape.Count() > 6 && mac >= 0)
            shape.Entry(6).Value = list->Entry(mac).Value;
    }
    if (shape.Count() > 7)
        shape.Entry(7).Value = CommandJob::Get(CommandJob::ProbeParameter(*job), CommandJob::kProbeParameterSize);
    std::deque<QByteArray> texts;   // a deque never moves its elements
    auto add = [&texts](const QString& text) {
        texts.push_back(text.toUtf8());
        return texts.back().constData();
    };
    std::vector<ProbeVariable> variables;
    for (int i = 0; i < shape.Count(); ++i)
        variables.push_back({add(shape.Entry(i).Oid), add(shape.Entry(i).Name), add(shape.Entry(i).Value)});
    ProbeList probe{static_cast<int32_t>(variables.size()), variables.data()};
    CmdResult cmd{result->Status != 0 ? 1 : 0, result->Status != 0 ? add(result->Message) : nullptr,
                  add(result->DeviceAddress), add(result->SpareAddress), nullptr};
    callback(&cmd, &probe, job->Context);
}

void Aim(SnmpRequest& request, const QString& address, const CommandSettings& settings) {
    request.Address = address;
    request.AddressSpare.clear();
    settings.ApplyTo(request);
}

void StartTransfer(int command, SnmpRequest& request, const QString& address, const QString& parameter,
                   uintptr_t context, const CommandSettings& settings) {
    const bool backup = command == Backup;
    const FtpTransferPlan plan = FtpTransferPlan::Prepare(settings.FtpServer, address, parameter, backup);
    request.Variables = MibVariableList::FromCatalogue(kFtpTransferVars, MibVariableList::SVT_SV);
    MibVariableList& list = request.Variables;
    SetValue(list, "ftpServerIPAddress", plan.ServerAddress);
    SetValue(list, "ftpUserName", plan.User);
    SetValue(list, "ftpPassword", plan.Password);
    SetValue(list, "ftpRemoteFileName", plan.RemoteFileName);
    const int upgrade = list.IndexOf(QStringLiteral("ftpUpgradeSettingCommand"));
    if (backup) {
        SetValue(list, "ftpUpgradeSettingCommand", QStringLiteral("configSave"));
        SetValue(list, "ftpCommand", QStringLiteral("Put"));
        request.Timeout = CommandTiming::Scaled(kBackupTimeout);
    } else {
        if (upgrade >= 0)
            list.Entry(upgrade).Access = SnmpAccess::Invalid;
        SetValue(list, "ftpCommand", QStringLiteral("Get"));
    }
    request.WriteAsync(CompletionOf(command), QString(), context);
}

}  // namespace

void Start(int command, const QString& address, const QString& parameter, uintptr_t context, void* callback,
           const CommandSettings& settings) {
    switch (command) {
    case RogueSurvey:
    case Probe:
    case Backup:
    case FirmwareVersion:
    case Download:
    case StartFirmwareUpdate:
    case Restart: break;
    case ApplyTemplate: TemplateCommand::Start(address, parameter, context, callback, settings); return;
    default: return;
    }
    CommandCallbacks::Store(command, callback);
    if (command == RogueSurvey) {
        RogueSurvey::Start(address, context, settings);
        return;
    }
    SnmpRequest& request = SharedCommandRequest::Get();
    Aim(request, address, settings);
    switch (command) {
    case Probe: {
        auto job = std::make_shared<TemplateJob>();
        job->Context = context;
        // The parameter goes behind the first slot of Field5, cut to what is left of it.
        CommandJob::Put(CommandJob::ProbeParameter(*job), CommandJob::kProbeParameterSize, parameter);
        request.Variables = MibVariableList::FromCatalogue(kDeviceProbeVars, MibVariableList::MVT_SV);
        request.AddressSpare = parameter;
        request.Timeout = CommandTiming::Scaled(kProbeTimeout);
        request.ReadAsync([job](RequestResult* r, MibVariableList* l, uintptr_t) { ProbeDone(job, r, l); }, true,
                          context);
        return;
    }
    case Backup:
    case Download: StartTransfer(command, request, address, parameter, context, settings); return;
    case FirmwareVersion:
        request.Variables = MibVariableList::FromCatalogue(kFirmwareVersionVars, MibVariableList::MVT_SV);
        request.Timeout = CommandTiming::Scaled(kVersionTimeout);
        request.ReadAsync(CompletionOf(command), true, context);
        return;
    case StartFirmwareUpdate:
        request.Variables = MibVariableList::FromCatalogue(kUpgradeCommandVars, MibVariableList::SVT_SV);
        SetValue(request.Variables, "ftpUpgradeSettingCommand", QStringLiteral("firmwareUpdate"));
        request.Timeout = CommandTiming::Scaled(kLongTimeout);
        request.WriteAsync(CompletionOf(command), QString(), context);
        return;
    case Restart:
        request.Variables = MibVariableList::FromCatalogue(kRestartVars, MibVariableList::SVT_SV);
        request.Variables.Entry(0).Value = QStringLiteral("1");
        if (request.Variables.Count() > 1)
            request.Variables.Entry(1).Access = SnmpAccess::Invalid;
        request.Timeout = CommandTiming::Scaled(kLongTimeout);
        request.WriteAsync(CompletionOf(command), QString(), context);
        return;
    default: return;
    }
}

}  // namespace CommandApi
