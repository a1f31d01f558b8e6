// nxa-sim: a simulated fleet of NXA-7310 access points on loopback addresses.
#include "Actions.h"
#include "Agent.h"
#include "BackupFile.h"
#include "Device.h"
#include "DeviceModel.h"
#include "FileTransfer.h"
#include "SimOptions.h"
#include "StateFile.h"
#include "TraceLog.h"
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <tuple>
#include <cstdio>

namespace {
volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
    gStop = 1;
}

struct Fleet {
    std::vector<std::unique_ptr<Device>> Devices;
    std::string StatePath;
};

void SaveIfDirty(void* data) {
    auto* fleet = static_cast<Fleet*>(data);
    bool dirty = false;
    for (auto& device : fleet->Devices)
        dirty |= device->Dirty;
    if (!dirty || fleet->StatePath.empty())
        return;
    std::string error;
    if (StateFile::Save(fleet->StatePath, fleet->Devices, error))
        for (auto& device : fleet->Devices)
            device->Dirty = false;
    else
        std::fprintf(stderr, "nxa-sim: %s\n", error.c_str());
}

void DumpModel(Device& device) {
    DeviceState& state = device.State();
    OidPath at;
    while (const auto* next = state.Next(at)) {
        std::printf("%s\t%s\t%d\t%s\t%s\n", Oids::Format(next->first).c_str(), next->second.Def->Name.c_str(),
                    next->second.Value.Syntax, next->second.Def->Writable ? "rw" : "ro", next->second.Value.ToText().c_str());
        at = next->first;
    }
}
}  // namespace

int main(int argc, char** argv) {
    // First of all, so that a stop during start-up still ends cleanly.
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("nxa-sim");
    QCoreApplication::setApplicationVersion("1.10");

    SimOptions options;
    std::string error;
    if (!options.Parse(app.arguments(), error)) {
        std::fprintf(stderr, "nxa-sim: %s (see --help)\n", error.c_str());
        return 2;
    }

    FaultInjection::SetTransferRate(options.TransferRate);
    std::unique_ptr<DeviceModel> model = DeviceModel::Build();
    Fleet fleet;
    fleet.StatePath = options.StateFile;
    for (int i = 0; i < options.Devices; ++i) {
        DeviceIdentity id = DeviceIdentity::ForIndex(i, options.Base, static_cast<uint16_t>(options.Port), options.PortStep, options.Firmware);
        for (int key : {0, i + 1}) {   // "all" first, a device's own value over it
            if (auto it = options.ApModes.find(key); it != options.ApModes.end())
                id.ApModes = it->second;
            if (auto it = options.ModeStringChange.find(key); it != options.ModeStringChange.end())
                id.ModeStringChange = it->second;
        }
        id.ReadCommunity = options.ReadCommunity;
        id.WriteCommunity = options.WriteCommunity;
        if (auto it = options.Communities.find(i + 1); it != options.Communities.end())
            std::tie(id.ReadCommunity, id.WriteCommunity) = it->second;
        auto device = std::make_unique<Device>(*model, id, options.Clients, options.TableRows);
        if (options.AppliesTo(options.DropDevices, i + 1))
            device->Faults().DropShare = options.DropPercent / 100.0;
        if (options.AppliesTo(options.DelayDevices, i + 1))
            device->Faults().DelayMs = options.DelayMs;
        device->Faults().Silent = options.Silent.count(i + 1) > 0;
        device->Faults().Seed(options.Seed + static_cast<uint32_t>(i));
        for (const VariableFault& fault : options.Faults) {
            if (!fault.AppliesTo(i + 1))
                continue;
            device->Faults().Variables.push_back(fault);
            // A scalar named without ".0" (or with it where the leaf has none) means its leaf.
            if (const OidPath* leaf = model->AliasOf(fault.Prefix)) {
                VariableFault same = fault;
                same.Prefix = *leaf;
                device->Faults().Variables.push_back(same);
            }
        }
        for (const ForgetfulVariable& forget : options.Forgetful) {
            if (!forget.AppliesTo(i + 1))
                continue;
            device->Faults().Forgetful.push_back(forget);
            if (const OidPath* leaf = model->AliasOf(forget.Prefix)) {
                ForgetfulVariable same = forget;
                same.Prefix = *leaf;
                device->Faults().Forgetful.push_back(same);
            }
        }
        FaultInjection::Configure(*device, i + 1, options.RestartAts, options.AnswerDelayDevices, options.AnswerDelayMs,
                                  options.RestartMs);
        fleet.Devices.push_back(std::move(device));
    }
    if (options.DumpModel) {
        DumpModel(*fleet.Devices.front());
        return 0;
    }
    if (!fleet.StatePath.empty() && !StateFile::Load(fleet.StatePath, fleet.Devices, error)) {
        std::fprintf(stderr, "nxa-sim: %s\n", error.c_str());
        return 1;
    }

    if (!options.RestoreBackup.empty()) {
        Device& device = *fleet.Devices[static_cast<size_t>(options.BackupDevice - 1)];
        if (!BackupFile::Restore(device.State(), options.RestoreBackup, error)) {
            std::fprintf(stderr, "nxa-sim: %s: %s\n", options.RestoreBackup.c_str(), error.c_str());
            return 1;
        }
        device.State().TakeSnapshot();
        device.Dirty = true;
    }
    if (!options.WriteBackup.empty()) {
        Device& device = *fleet.Devices[static_cast<size_t>(options.BackupDevice - 1)];
        if (!BackupFile::Write(device.State(), options.WriteBackup, error)) {
            std::fprintf(stderr, "nxa-sim: %s\n", error.c_str());
            return 1;
        }
        SaveIfDirty(&fleet);
        return 0;
    }

    QTemporaryDir work(QDir::tempPath() + "/nxa-sim-XXXXXX");
    if (!work.isValid()) {
        std::fprintf(stderr, "nxa-sim: cannot make a private work folder\n");
        return 1;
    }
    TraceLog trace;
    if (!options.TraceFile.empty() && !trace.Open(options.TraceFile, error)) {
        std::fprintf(stderr, "nxa-sim: %s\n", error.c_str());
        return 1;
    }
    trace.SetSecurity(options.TraceSecurity);
    Agent::Options agentOptions;
    agentOptions.WorkDir = work.path().toStdString();
    agentOptions.Trace = trace.IsOpen() ? &trace : nullptr;
    agentOptions.Users = options.Users;
    agentOptions.Verbose = options.Verbose;
    FileTransfer::Settings transferSettings;
    transferSettings.FtpPort = options.FtpPort;
    transferSettings.TftpPort = options.TftpPort;
    transferSettings.TimeoutMs = options.TransferTimeoutMs;
    FileTransfer transfers(transferSettings);
    Agent agent(fleet.Devices, Actions(Actions::Timing{options.RestartMs, options.ResetMs}, &transfers));
    agent.SetPoll([&] {
        std::vector<FileTransfer::Finished> finished = transfers.Collect(options.RestartMs);
        if (options.Verbose)
            for (const FileTransfer::Finished& done : finished)
                if (!done.Result.Line.empty())
                    std::printf("%s:%u %s\n", done.Target->Identity().Address.c_str(), done.Target->Identity().Port,
                                done.Result.Line.c_str());
        std::fflush(stdout);
        agent.TransfersFinished(finished);
    });
    transfers.SetFinishedNotice([&agent] { agent.Wake(); });
    if (!agent.Start(agentOptions, error)) {
        transfers.SetFinishedNotice({});
        std::fprintf(stderr, "nxa-sim: %s\n", error.c_str());
        return 1;
    }

    std::printf("nxa-sim: %d NXA-7310 device(s), %zu variables each\n", options.Devices,
                static_cast<size_t>(model->Leaves().size()));
    for (auto& device : fleet.Devices) {
        const DeviceIdentity& id = device->Identity();
        std::printf("device %d %s:%u mac %s name %s firmware %s%s\n", id.Index + 1, id.Address.c_str(), id.Port,
                    id.MacText().c_str(), id.SystemName.c_str(), id.Firmware.c_str(), device->Faults().Silent ? " (silent)" : "");
    }
    std::printf("nxa-sim: ready\n");
    std::fflush(stdout);

    agent.Run(gStop, SaveIfDirty, &fleet);
    transfers.SetFinishedNotice({});   // the agent goes before the transfers
    SaveIfDirty(&fleet);
    agent.Shutdown();
    std::printf("nxa-sim: stopped\n");
    return 0;
}
