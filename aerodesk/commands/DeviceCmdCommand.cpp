// aerodesk cmd restart|factory|apply ADDRESS...: the one-shot device commands (PlugSystemCmd).
#include "CommandRegistry.h"
#include "FleetReport.h"
#include "MaintenanceCommand.h"
#include <cstdio>

namespace {

class DeviceCmdCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("cmd"); }
    QString Summary() const override { return QStringLiteral("restart, factory default or apply settings of devices"); }

protected:
    int LeadingArguments() const override { return 1; }
    QString Description() const override {
        return QStringLiteral("Sends one command to each device and waits for its answer: restart, factory (factory "
                              "default) or apply (apply the settings). Arguments: restart|factory|apply ADDRESS...");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        const QString verb = options.Addresses.takeFirst();
        const int command = verb == QLatin1String("restart") ? 1
                            : verb == QLatin1String("factory") ? 2
                            : verb == QLatin1String("apply")   ? 3
                                                               : 0;
        if (command == 0 || options.Addresses.isEmpty()) {
            std::fprintf(stderr, "aerodesk cmd: give restart, factory or apply, then ADDRESS...\n");
            return 2;
        }
        auto systemCmd = reinterpret_cast<decltype(&PlugSystemCmd)>(Export(session, "PlugSystemCmd"));
        if (!systemCmd)
            return 3;
        int failures = 0;
        for (const QString& address : options.Addresses) {
            try {
                systemCmd(address.toUtf8().constData(), command);
                std::printf("%s: %s sent\n", qPrintable(address), qPrintable(verb));
                FleetReport::Instance().Record(address, true, verb + QStringLiteral(" sent"));
            } catch (const std::exception& e) {
                ++failures;
                std::printf("%s: error: %s\n", qPrintable(address), e.what());
                FleetReport::Instance().Record(address, false, QString::fromUtf8(e.what()));
            }
            std::fflush(stdout);
        }
        return failures == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(DeviceCmdCommand, "cmd", "restart, factory default or apply settings of devices")
