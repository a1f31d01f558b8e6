// aerodesk upgrade FIRMWARE ADDRESS...: the fleet firmware upgrade
// (PlugUpgradeFirmware) on the host's device list, printing the rows' step
// and status as they change and a summary; Ctrl-C aborts (PlugUpFirCallBack).
#include "CommandRegistry.h"
#include "FleetReport.h"
#include "HostDeviceList.h"
#include "HostFtp.h"
#include "HostLogWindow.h"
#include "MaintenanceCommand.h"
#include "QueryReport.h"
#include "ReportPrinter.h"
#include <QJsonObject>
#include "servers/FtpServer.h"
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <map>

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) { interrupted = true; }

int Number(const QCommandLineParser& parser, const char* name) {
    return parser.value(QLatin1String(name)).toInt();
}

class UpgradeFirmwareCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("upgrade"); }
    QString Summary() const override { return QStringLiteral("upgrade the firmware of devices (Ctrl-C aborts)"); }

protected:
    int LeadingArguments() const override { return 1; }
    bool OffersJson() const override { return true; }
    QString Description() const override {
        return QStringLiteral(
            "Upgrades the firmware of the devices with the image FIRMWARE, served by the host's FTP server. The "
            "device list comes from --devices FILE (tab-separated: address, model, MAC, netmask, firmware) or from "
            "asking each address. Times in hundredths of a second. Arguments: FIRMWARE ADDRESS...\n"
            "Progress goes to standard output, or with --json to standard error and the result as one JSON "
            "document to standard output. Exit 0 when every device was upgraded, 1 when one was not (or the run "
            "was aborted), 2 for a bad command line, 3 when the module or the FTP server cannot start.");
    }
    void AddOptions(QCommandLineParser& parser) override {
        parser.addOptions({
            {QStringLiteral("devices"), QStringLiteral("The host's device file."), QStringLiteral("FILE")},
            {QStringLiteral("settings-timeout"), QStringLiteral("SNMP time-out of the FTP settings (default 300)."),
             QStringLiteral("CS"), QStringLiteral("300")},
            {QStringLiteral("update-timeout"), QStringLiteral("SNMP time-out of the firmware command (default 500)."),
             QStringLiteral("CS"), QStringLiteral("500")},
            {QStringLiteral("margin"), QStringLiteral("Added to the time-outs for the acknowledgement waits (default 200)."),
             QStringLiteral("CS"), QStringLiteral("200")},
            {QStringLiteral("reboot-wait"), QStringLiteral("Pause after the reboot commands (default 500)."),
             QStringLiteral("CS"), QStringLiteral("500")},
            {QStringLiteral("ftp-address"), QStringLiteral("Address the FTP server listens on (default 127.0.0.1)."),
             QStringLiteral("A"), QStringLiteral("127.0.0.1")},
            {QStringLiteral("ftp-port"), QStringLiteral("FTP port (default 21)."), QStringLiteral("N"), QStringLiteral("21")},
        });
    }
    int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) override {
        if (options.Addresses.size() < 2) {
            std::fprintf(stderr, "aerodesk upgrade: give FIRMWARE and ADDRESS...\n");
            return 2;
        }
        const QString firmware = QFileInfo(options.Addresses.takeFirst()).absoluteFilePath();
        auto upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(Export(session, "PlugUpgradeFirmware"));
        auto abort = reinterpret_cast<decltype(&PlugUpFirCallBack)>(Export(session, "PlugUpFirCallBack"));
        if (!upgrade || !abort)
            return 3;
        if (!QFileInfo::exists(firmware))
            std::fprintf(stderr, "aerodesk upgrade: warning: %s does not exist\n", qPrintable(firmware));

        HostFtp ftp;
        if (!ftp.Start(parser.value(QStringLiteral("ftp-address")),
                       static_cast<quint16>(parser.value(QStringLiteral("ftp-port")).toUInt()),
                       QFileInfo(firmware).absolutePath())) {
            std::fprintf(stderr, "aerodesk upgrade: %s\n", qPrintable(ftp.Error()));
            return 3;
        }
        // With --json, standard output carries only the result document.
        FILE* progress = options.Json ? stderr : stdout;
        std::fprintf(progress, "FTP server on %s port %u\n", qPrintable(parser.value(QStringLiteral("ftp-address"))),
                     ftp.Server()->Port());

        HostLogWindow logWindow(progress);
        HostDeviceList list;
        if (parser.isSet(QStringLiteral("devices"))) {
            if (!list.LoadFile(parser.value(QStringLiteral("devices")))) {
                std::fprintf(stderr, "aerodesk upgrade: %s\n", qPrintable(list.Error()));
                return 2;
            }
        } else {
            list.Probe(session.Module(), options.Addresses, QString::fromLatin1(session.Caps().ModelName));
        }
        const int selected = list.Select(options.Addresses);
        std::fprintf(progress, "%d of %d devices selected\n", selected, static_cast<int>(options.Addresses.size()));

        // Live progress: each change of a row's step or status.
        QObject::connect(&list.Model(), &QAbstractItemModel::dataChanged, [&list, progress](const QModelIndex& from) {
            const int column = from.column();
            if (column != HostDeviceList::Step && column != HostDeviceList::Status)
                return;
            const int row = from.row();
            std::fprintf(progress, "%-16s step %-16s status %s\n", qPrintable(list.Text(row, HostDeviceList::Address)),
                         qPrintable(list.Text(row, HostDeviceList::Step)),
                         qPrintable(list.Text(row, HostDeviceList::Status)));
            std::fflush(progress);
        });
        interrupted = false;
        auto previous = std::signal(SIGINT, &OnInterrupt);
        QTimer watch;
        bool aborted = false;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!interrupted || aborted)
                return;
            aborted = true;
            std::fprintf(progress, "aborting...\n");
            std::fflush(progress);
            abort();
        });
        watch.start(50);
        const QByteArray path = firmware.toUtf8();
        const int result = upgrade(ftp.Server(), &list.View(), 0, path.constData(), Number(parser, "settings-timeout"),
                                   Number(parser, "update-timeout"), Number(parser, "margin"),
                                   Number(parser, "reboot-wait"));
        watch.stop();
        std::signal(SIGINT, previous);

        QueryReport report = QueryReport::For(
            options.Addresses, {QStringLiteral("FW-VERSION"), QStringLiteral("STEP"), QStringLiteral("STATUS"),
                                QStringLiteral("MAC")});
        std::map<QString, int> counts;
        for (QueryReport::Device& d : report.Devices) {
            d.Done = true;
            for (int row = 0; row < list.Rows(); ++row) {
                if (list.Text(row, HostDeviceList::Address) != d.Address)
                    continue;
                const QString status = list.Text(row, HostDeviceList::Status);
                d.Ok = status == QLatin1String("OK");
                d.Message = status.isEmpty() ? QStringLiteral("(not upgraded)") : status;
                d.Rows << QStringList{list.Text(row, HostDeviceList::Firmware), list.Text(row, HostDeviceList::Step),
                                      status, list.Text(row, HostDeviceList::Mac)};
                break;
            }
            if (d.Rows.isEmpty())
                d.Message = QStringLiteral("not in the device list");
            ++counts[d.Message];
        }
        FleetReport::Instance().Close(report);
        if (options.Json) {
            QJsonObject countObject;
            for (const auto& [status, count] : counts)
                countObject.insert(status, count);
            const QJsonObject run{{QStringLiteral("code"), result},
                                  {QStringLiteral("aborted"), aborted},
                                  {QStringLiteral("counts"), countObject},
                                  {QStringLiteral("logMessages"), logWindow.Received()}};
            std::fputs(ReportPrinter::Json(report, {{QStringLiteral("result"), run}}).toUtf8().constData(), stdout);
        } else {
            std::printf("\n%-16s %-12s %-12s %-12s %s\n", "ADDRESS", "FW-VERSION", "STEP", "STATUS", "MAC");
            for (const QueryReport::Device& d : report.Devices) {
                const QStringList r = d.Rows.value(0, QStringList{QString(), QString(), QString(), QString()});
                std::printf("%-16s %-12s %-12s %-12s %s\n", qPrintable(d.Address), qPrintable(r[0]), qPrintable(r[1]),
                            qPrintable(r[2]), qPrintable(r[3]));
            }
            std::printf("\nresult %d;", result);
            for (const auto& [status, count] : counts)
                std::printf(" %s: %d;", qPrintable(status), count);
            std::printf(" log messages: %d\n", logWindow.Received());
        }
        std::fflush(stdout);
        return result == 0 && report.AllOk() ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(UpgradeFirmwareCommand, "upgrade", "upgrade the firmware of devices (Ctrl-C aborts)")
