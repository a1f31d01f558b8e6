// aerodesk probe ADDRESS...: the device probe (PlugCmdAPI 2): LAN MAC of each device.
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include <cstdio>

namespace {

struct Probes {
    int Done = 0;
    int Failed = 0;
};

void ProbeDone(CmdResult* result, const ProbeList* list, uintptr_t context) {
    auto* probes = reinterpret_cast<Probes*>(context);
    ++probes->Done;
    const char* address = result->DeviceIp ? result->DeviceIp : "";
    if (result->Status != 0) {
        ++probes->Failed;
        std::printf("%s: error: %s\n", address, result->Message ? result->Message : "");
    } else {
        std::printf("%s:", address);
        for (int i = 0; i < list->Count; ++i)
            if (list->Variables[i].Value && *list->Variables[i].Value)
                std::printf(" %s=%s", list->Variables[i].Oid, list->Variables[i].Value);
        std::printf("\n");
    }
    std::fflush(stdout);
}

class ProbeCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("probe"); }
    QString Summary() const override { return QStringLiteral("probe devices for their LAN MAC (command 2)"); }

protected:
    QString Description() const override {
        return QStringLiteral("Probes each device: prints the probe record (the MAC read from the device, and the "
                              "parameter, which is the address asked).");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        Probes probes;
        for (const QString& address : options.Addresses) {
            const QByteArray a = address.toUtf8();
            cmdApi(2, a.constData(), a.constData(), reinterpret_cast<uintptr_t>(&probes),
                   reinterpret_cast<void*>(&ProbeDone));
        }
        const bool all = WaitUntil([&] { return probes.Done >= options.Addresses.size(); }, options.WaitSeconds);
        return all && probes.Failed == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(ProbeCommand, "probe", "probe devices for their LAN MAC (command 2)")
