// aerodesk fwversion ADDRESS...: each device's firmware version (PlugCmdAPI 5).
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include <cstdio>
#include <map>

namespace {

struct Outcome {
    bool Done = false;
    QString Line;
};

void VersionDone(CmdResult* result, const char* text, uintptr_t context) {
    auto* outcomes = reinterpret_cast<std::map<QString, Outcome>*>(context);
    const QString address = QString::fromUtf8(result->DeviceIp ? result->DeviceIp : "");
    Outcome& o = (*outcomes)[address];
    o.Done = true;
    o.Line = result->Status == 0 ? QString::fromUtf8(text ? text : "")
                                 : QStringLiteral("error: %1").arg(QString::fromUtf8(result->Message ? result->Message : ""));
}

class FwVersionCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("fwversion"); }
    QString Summary() const override { return QStringLiteral("firmware version of devices (command 5)"); }

protected:
    QString Description() const override { return QStringLiteral("Reads the firmware version of each device."); }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        std::map<QString, Outcome> outcomes;
        for (const QString& address : options.Addresses) {
            outcomes[address];
            cmdApi(5, address.toUtf8().constData(), "", reinterpret_cast<uintptr_t>(&outcomes),
                   reinterpret_cast<void*>(&VersionDone));
        }
        WaitUntil([&] {
            for (const auto& [a, o] : outcomes)
                if (!o.Done)
                    return false;
            return true;
        }, options.WaitSeconds);
        int failures = 0;
        for (const QString& address : options.Addresses) {
            const Outcome& o = outcomes[address];
            if (!o.Done || o.Line.startsWith(QLatin1String("error")))
                ++failures;
            std::printf("%s: %s\n", qPrintable(address), o.Done ? qPrintable(o.Line) : "no answer in time");
            std::fflush(stdout);
        }
        return failures == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(FwVersionCommand, "fwversion", "firmware version of devices (command 5)")
