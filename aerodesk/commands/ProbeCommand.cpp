// aerodesk probe ADDRESS...: the device probe (PlugCmdAPI 2): LAN MAC of each device.
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include "QueryReport.h"
#include "ReportPrinter.h"
#include <cstdio>

namespace {

void ProbeDone(CmdResult* result, const ProbeList* list, uintptr_t context) {
    auto* report = reinterpret_cast<QueryReport*>(context);
    QueryReport::Device* device = report->Answer(QString::fromUtf8(result->DeviceIp ? result->DeviceIp : ""),
                                                 result->Status == 0,
                                                 QString::fromUtf8(result->Message ? result->Message : ""));
    if (!device || !device->Ok)
        return;
    for (int i = 0; i < list->Count; ++i) {
        const ProbeVariable& v = list->Variables[i];
        if (v.Value && *v.Value)
            device->Rows << QStringList{QString::fromUtf8(v.Oid ? v.Oid : ""), QString::fromUtf8(v.Name ? v.Name : ""),
                                        QString::fromUtf8(v.Value)};
    }
}

class ProbeCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("probe"); }
    QString Summary() const override { return QStringLiteral("probe devices for their LAN MAC (command 2)"); }

protected:
    bool OffersJson() const override { return true; }
    QString Description() const override {
        return QStringLiteral("Probes each device: prints the probe record (the MAC read from the device, and the "
                              "parameter, which is the address asked). Exit 1 when a device failed or did not answer "
                              "in time.");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        // A member: late answers may still arrive while the module ends.
        report_ =
            QueryReport::For(options.Addresses, {QStringLiteral("OID"), QStringLiteral("NAME"), QStringLiteral("VALUE")});
        for (const QString& address : options.Addresses) {
            const QByteArray a = address.toUtf8();
            cmdApi(2, a.constData(), a.constData(), reinterpret_cast<uintptr_t>(&report_),
                   reinterpret_cast<void*>(&ProbeDone));
        }
        return PrintReport(report_, options, [](const QueryReport::Device& d) {
            std::printf("%s:", qPrintable(d.Address));
            for (const QStringList& row : d.Rows)
                std::printf(" %s=%s", qPrintable(row[0]), qPrintable(row[2]));
            std::printf("\n");
        });
    }

private:
    QueryReport report_;
};

}  // namespace

AERODESK_COMMAND(ProbeCommand, "probe", "probe devices for their LAN MAC (command 2)")
