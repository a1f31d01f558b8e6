// aerodesk template KEYFILE ADDRESS...: template application by the command
// interface (PlugCmdAPI 9), each on the module's own worker thread; the
// "OVER" report ends each device.
#include "CommandRegistry.h"
#include "FleetReport.h"
#include "MaintenanceCommand.h"
#include "TemplateVerify.h"
#include <QSet>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

struct Reports {
    std::mutex Mutex;
    std::atomic<int> Over{0};
    std::atomic<int> Failed{0};
    QSet<QString> Applied;   // devices whose application ended well (under Mutex)
};

void Report(CmdResult* result, const char* report, uintptr_t context) {
    auto* reports = reinterpret_cast<Reports*>(context);
    const QByteArray text(report ? report : "");
    const bool over = text.startsWith("OVER");
    {
        std::lock_guard<std::mutex> lock(reports->Mutex);
        if (over) {
            if (result->Status != 0)
                ++reports->Failed;
            else
                reports->Applied.insert(QString::fromUtf8(result->DeviceIp ? result->DeviceIp : ""));
            std::printf("%s: %s (%d %s)\n", result->DeviceIp ? result->DeviceIp : "", text.constData(),
                        result->Status, result->Message ? result->Message : "");
            FleetReport::Instance().Record(QString::fromUtf8(result->DeviceIp ? result->DeviceIp : ""), result->Status == 0,
                                           QString::fromUtf8(result->Message ? result->Message : ""));
        } else {
            std::printf("rejected: %s  [%s]\n", result->Message ? result->Message : "", text.constData());
        }
        std::fflush(stdout);
    }
    // Last touch of the record: once every device is over, the command
    // returns and the record is gone.
    if (over)
        ++reports->Over;
}

class TemplateCmdCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("template"); }
    QString Summary() const override { return QStringLiteral("apply a template key file by the command interface (command 9)"); }

protected:
    int LeadingArguments() const override { return 1; }
    QString Description() const override {
        return QStringLiteral("Applies the template key file KEYFILE to each device through the command interface "
                              "(a worker thread per device). With --verify, every variable the application writes is "
                              "read back once all devices are over and each one that did not take is named (exit "
                              "status 1). Arguments: KEYFILE ADDRESS...");
    }
    void AddOptions(QCommandLineParser& parser) override {
        parser.addOption({QStringLiteral("verify"), QStringLiteral("Read every written variable back after the application "
                                                                   "and name those that did not take.")});
    }
    int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) override {
        if (options.Addresses.size() < 2) {
            std::fprintf(stderr, "aerodesk template: give KEYFILE and ADDRESS...\n");
            return 2;
        }
        const QString keyFile = options.Addresses.takeFirst();
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        const bool verify = parser.isSet(QStringLiteral("verify"));
        if (verify && !TemplateVerify::Start())
            return 3;
        // What the application is going to write, read before it does.
        TemplateVerify verifier;
        QSet<QString> planned;
        for (const QString& address : options.Addresses)
            if (verify && verifier.Plan(options, address, keyFile, 0xFFFF))
                planned.insert(address);
        Reports reports;
        for (const QString& address : options.Addresses) {
            const QByteArray fields = (address + QStringLiteral("||")).toUtf8();
            const QByteArray parameter = (QStringLiteral("template|") + keyFile).toUtf8();
            cmdApi(9, fields.constData(), parameter.constData(), reinterpret_cast<uintptr_t>(&reports),
                   reinterpret_cast<void*>(&Report));
        }
        const bool all = WaitUntil([&] { return reports.Over >= options.Addresses.size(); }, options.WaitSeconds);
        if (!all) {
            // The workers still hold the reports record: wait for them without a limit.
            while (reports.Over < options.Addresses.size())
                WaitUntil([&] { return reports.Over >= options.Addresses.size(); }, 1);
        }
        bool taken = true;
        if (verify) {
            for (const QString& address : options.Addresses) {
                if (reports.Applied.contains(address))
                    taken = planned.contains(address) && verifier.Check(options, address) && taken;
            }
        }
        return all && reports.Failed == 0 && taken ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(TemplateCmdCommand, "template", "apply a template key file by the command interface (command 9)")
