// aerodesk fwversion ADDRESS...: each device's firmware version (PlugCmdAPI 5).
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include "QueryReport.h"
#include "ReportPrinter.h"
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
        return QStringLiteral("Reads the firmware version of each device. Exit 1 when a device failed or did not "
                              "answer in time.");
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
        return PrintReport(report_, options, [](const QueryReport::Device& d) {
            std::printf("%s: %s\n", qPrintable(d.Address), qPrintable(d.Rows.value(0).value(0)));
        });
    }

private:
    QueryReport report_;
};

}  // namespace

AERODESK_COMMAND(FwVersionCommand, "fwversion", "firmware version of devices (command 5)")
