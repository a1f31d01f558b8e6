// aerodesk apply: applies a template key file to devices (PlugSetConfigFile),
// one device after the other, each on a worker thread as the command export
// runs it; rejected settings are printed as they arrive.
#include "CommandRegistry.h"
#include "DeviceOptions.h"
#include "FleetReport.h"
#include "HostSession.h"
#include "TemplateVerify.h"
#include "platform/EventWait.h"
#include "snmp/CZRException.h"
#include <QCommandLineParser>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void CopyField(char* field, size_t size, const QByteArray& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), std::min(size - 1, static_cast<size_t>(text.size())));
}

void PrintRejection(CmdResult* result, const char* report, uintptr_t context) {
    const char* address = reinterpret_cast<const char*>(context);
    std::printf("%s: rejected: %s  [%s]\n", address, result && result->Message ? result->Message : "",
                report ? report : "");
    std::fflush(stdout);
}

class ApplyCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("apply"); }
    QString Summary() const override { return QStringLiteral("apply a template key file to devices"); }

    int Run(const QStringList& arguments) override {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Applies the template key file KEYFILE to each device. --flags chooses the groups: 1 system, 2 radio, "
            "4 MAC filter and security (default 65535, all). With --verify, every variable the application writes is "
            "read back afterwards and each one that did not take is named (exit status 1). Arguments: KEYFILE ADDRESS..."));
        DeviceOptions options;
        options.AddTo(parser, false);
        parser.addOption({QStringLiteral("flags"), QStringLiteral("Groups to apply (default 65535)."), QStringLiteral("N"),
                          QStringLiteral("65535")});
        parser.addOption({QStringLiteral("verify"), QStringLiteral("Read every written variable back after the application "
                                                                   "and name those that did not take.")});
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk apply");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk apply: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (!options.Read(parser) || !options.SetLeading(1) || options.Addresses.size() < 2) {
            std::fprintf(stderr, "aerodesk apply: %s\n",
                         qPrintable(options.Error().isEmpty() ? QStringLiteral("give KEYFILE and ADDRESS...")
                                                              : options.Error()));
            return 2;
        }
        bool ok = false;
        const uint32_t flags = parser.value(QStringLiteral("flags")).toUInt(&ok, 0);
        if (!ok) {
            std::fprintf(stderr, "aerodesk apply: bad --flags: %s\n", qPrintable(parser.value(QStringLiteral("flags"))));
            return 2;
        }
        const QByteArray keyFile = options.Addresses.first().toUtf8();

        HostSession session;
        if (!session.Open(options)) {
            std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
            return 3;
        }
        auto setConfigFile = reinterpret_cast<decltype(&PlugSetConfigFile)>(session.Module().Symbol("PlugSetConfigFile"));
        if (!setConfigFile) {
            std::fprintf(stderr, "aerodesk: the module has no PlugSetConfigFile\n");
            return 3;
        }
        const bool verify = parser.isSet(QStringLiteral("verify"));
        if (verify && !TemplateVerify::Start())
            return 3;
        TemplateVerify verifier;
        FleetReport& fleet = FleetReport::Instance();
        fleet.Begin(options);
        int failures = 0;
        for (const QString& device : options.DeviceAddresses()) {
            // Each device with its own SNMP port and communities (from an inventory).
            session.UseSnmp(options.ForDevice(device));
            fleet.Started({device});
            // What the application is going to write, read before it does.
            const bool planned = verify && verifier.Plan(options, device, QString::fromUtf8(keyFile), flags);
            const QByteArray address = device.toUtf8();
            TemplateJob job{};
            job.HostCallback = &PrintRejection;
            job.Context = reinterpret_cast<uintptr_t>(address.constData());
            CopyField(job.Field1, sizeof job.Field1, address);
            CopyField(job.Field5, sizeof job.Field5, keyFile);
            QString outcome;
            std::atomic<bool> done{false};
            std::thread worker([&] {
                try {
                    setConfigFile(address.constData(), keyFile.constData(), flags, &job);
                    outcome = QStringLiteral("OK");
                } catch (const CZRException& e) {
                    outcome = QStringLiteral("error %1: %2").arg(e.Number()).arg(e.Text());
                } catch (const std::exception& e) {
                    outcome = QStringLiteral("error: %1").arg(QString::fromUtf8(e.what()));
                }
                done = true;
            });
            EventWait::Until([&] { return done.load(); }, -1);
            worker.join();
            std::printf("%s: %s\n", address.constData(), qPrintable(outcome));
            if (outcome == QLatin1String("OK") && verify && !(planned && verifier.Check(options, device)))
                outcome = QStringLiteral("applied, but not every value took");
            if (outcome != QLatin1String("OK"))
                ++failures;
            fleet.Record(device, outcome == QLatin1String("OK"), outcome);
            std::fflush(stdout);
            std::free(job.Progress);
        }
        if (!fleet.WriteIfAsked(options))
            return 1;
        return failures == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(ApplyCommand, "apply", "apply a template key file to devices")
