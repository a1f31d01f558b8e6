// aerodesk rogue ADDRESS...: the rogue access point survey of each device (PlugCmdAPI 0).
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include <cstdio>

namespace {

struct Surveys {
    int Done = 0;
    int Failed = 0;
};

void SurveyDone(int32_t, CmdResult* result, int32_t count, RogueApRecord** rows, uintptr_t context) {
    auto* surveys = reinterpret_cast<Surveys*>(context);
    ++surveys->Done;
    const char* address = result->DeviceIp ? result->DeviceIp : "";
    if (result->Status != 0) {
        ++surveys->Failed;
        std::printf("%s: error: %s\n", address, result->Message ? result->Message : "");
    } else {
        std::printf("%s: %d access points\n", address, count);
        for (int i = 0; i < count; ++i)
            std::printf("  %s\tCH %s\t%s\t%s\t%s\t%s\t%s\n", rows[i]->Type, rows[i]->Channel, rows[i]->Bssid,
                        rows[i]->Security, rows[i]->Mode, rows[i]->Ssid, rows[i]->Signal);
    }
    std::fflush(stdout);
}

class RogueCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("rogue"); }
    QString Summary() const override { return QStringLiteral("rogue access point survey of devices (command 0)"); }

protected:
    QString Description() const override {
        return QStringLiteral("Asks each device to survey the air and prints the access points it found.");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        Surveys surveys;
        for (const QString& address : options.Addresses)
            cmdApi(0, address.toUtf8().constData(), "", reinterpret_cast<uintptr_t>(&surveys),
                   reinterpret_cast<void*>(&SurveyDone));
        const bool all = WaitUntil([&] { return surveys.Done >= options.Addresses.size(); }, options.WaitSeconds);
        return all && surveys.Failed == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(RogueCommand, "rogue", "rogue access point survey of devices (command 0)")
