// aerodesk rogue ADDRESS...: the rogue access point survey of each device (PlugCmdAPI 0).
#include "CommandRegistry.h"
#include "MaintenanceCommand.h"
#include "QueryReport.h"
#include "ReportPrinter.h"
#include <cstdio>

namespace {

QString Text(const char* text) { return QString::fromUtf8(text ? text : ""); }

void SurveyDone(int32_t, CmdResult* result, int32_t count, RogueApRecord** rows, uintptr_t context) {
    auto* report = reinterpret_cast<QueryReport*>(context);
    QueryReport::Device* device = report->Answer(Text(result->DeviceIp), result->Status == 0, Text(result->Message));
    if (!device || !device->Ok)
        return;
    for (int i = 0; i < count; ++i)
        device->Rows << QStringList{Text(rows[i]->Type),     Text(rows[i]->Channel), Text(rows[i]->Bssid),
                                    Text(rows[i]->Security), Text(rows[i]->Mode),    Text(rows[i]->Ssid),
                                    Text(rows[i]->Signal)};
}

class RogueCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("rogue"); }
    QString Summary() const override { return QStringLiteral("rogue access point survey of devices (command 0)"); }

protected:
    bool OffersJson() const override { return true; }
    QString Description() const override {
        return QStringLiteral("Asks each device to survey the air and prints the access points it found. Exit 1 when "
                              "a device failed or did not answer in time.");
    }
    int Execute(QCommandLineParser&, DeviceOptions& options, HostSession& session) override {
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        // A member: late answers may still arrive while the module ends.
        report_ = QueryReport::For(
            options.Addresses, {QStringLiteral("TYPE"), QStringLiteral("CHANNEL"), QStringLiteral("BSSID"),
                                QStringLiteral("SECURITY"), QStringLiteral("MODE"), QStringLiteral("SSID"),
                                QStringLiteral("SIGNAL")});
        for (const QString& address : options.Addresses)
            cmdApi(0, address.toUtf8().constData(), "", reinterpret_cast<uintptr_t>(&report_),
                   reinterpret_cast<void*>(&SurveyDone));
        return PrintReport(report_, options, [](const QueryReport::Device& d) {
            std::printf("%s: %d access points\n", qPrintable(d.Address), static_cast<int>(d.Rows.size()));
            for (const QStringList& r : d.Rows)
                std::printf("  %s\tCH %s\t%s\t%s\t%s\t%s\t%s\n", qPrintable(r[0]), qPrintable(r[1]), qPrintable(r[2]),
                            qPrintable(r[3]), qPrintable(r[4]), qPrintable(r[5]), qPrintable(r[6]));
        });
    }

private:
    QueryReport report_;
};

}  // namespace

AERODESK_COMMAND(RogueCommand, "rogue", "rogue access point survey of devices (command 0)")
