// aerodesk fwversion ADDRESS...: each device's firmware version (PlugCmdAPI 5).
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include "QueryReport.h"
#include "ReportPrinter.h"
#include <algorithm>
#include <cstdio>

namespace {

void VersionDone(CmdResult* result, const char* text, uintptr_t context) {
    auto* report = reinterpret_cast<QueryReport*>(context);
    QueryReport::Device* device = report->Answer(QString::fromUtf8(result->DeviceIp ? result->DeviceIp : ""),
                                                 result->Status == 0,
                                                 QString::fromUtf8(result->Message ? result->Message : ""));
    if (device && device->Ok)
        device->Rows << QStringList{QString::fromUtf8(text ? text : "")};
}

class FwVersionCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("fwversion"); }
    QString Summary() const override { return QStringLiteral("firmware version of devices (command 5)"); }

protected:
    bool OffersJson() const override { return true; }
    QString Description() const override {
        return QStringLiteral("Reads the firmware version of each device. A device that has not answered once "
                              "--timeout has passed twice (the request and its retry, plus a second) is reported as "
                              "not answering. Exit 1 when a device failed or did not answer in time.");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        // A member: late answers may still arrive while the module ends.
        report_ = QueryReport::For(options.Addresses, {QStringLiteral("FIRMWARE")});
        for (const QString& address : options.Addresses)
            cmdApi(5, address.toUtf8().constData(), "", reinterpret_cast<uintptr_t>(&report_),
                   reinterpret_cast<void*>(&VersionDone));
        // The module asks with its own fixed time-out of the command; the
        // host gives up on a device after the time-out it was given (the
        // request and its one retry), so --timeout holds here too.
        DeviceOptions waitOptions = options;
        const int tries = 2;
        waitOptions.WaitSeconds =
            std::min(options.WaitSeconds, static_cast<int>((options.Timeout * tries + 99) / 100) + 1);
        return PrintReport(report_, waitOptions, [](const QueryReport::Device& d) {
            std::printf("%s: %s\n", qPrintable(d.Address), qPrintable(d.Rows.value(0).value(0)));
        });
    }

private:
    QueryReport report_;
};

}  // namespace

AERODESK_COMMAND(FwVersionCommand, "fwversion", "firmware version of devices (command 5)")
