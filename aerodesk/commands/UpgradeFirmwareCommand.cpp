// aerodesk upgrade FIRMWARE ADDRESS...: the fleet firmware upgrade
// (PlugUpgradeFirmware) on the host's device list, printing the rows' step
// and status as they change and a summary; Ctrl-C aborts (PlugUpFirCallBack).
#include "CommandRegistry.h"
#include "HostDeviceList.h"
#include "HostFtp.h"
#include "HostLogWindow.h"
#include "MaintenanceCommand.h"
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
    QString Description() const override {
        return QStringLiteral(
            "Upgrades the firmware of the devices with the image FIRMWARE, served by the host's FTP server. The "
            "device list comes from --devices FILE (tab-separated: address, model, MAC, netmask, firmware) or from "
            "asking each address. Times in hundredths of a second. Arguments: FIRMWARE ADDRESS...");
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
        std::printf("FTP server on %s port %u\n", qPrintable(parser.value(QStringLiteral("ftp-address"))),
                    ftp.Server()->Port());

        HostLogWindow logWindow;
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
        std::printf("%d of %d devices selected\n", selected, static_cast<int>(options.Addresses.size()));

        // Live progress: each change of a row's step or status.
        QObject::connect(&list.Model(), &QAbstractItemModel::dataChanged, [&list](const QModelIndex& from) {
            const int column = from.column();
            if (column != HostDeviceList::Step && column != HostDeviceList::Status)
                return;
            const int row = from.row();
            std::printf("%-16s step %-16s status %s\n", qPrintable(list.Text(row, HostDeviceList::Address)),
                        qPrintable(list.Text(row, HostDeviceList::Step)),
                        qPrintable(list.Text(row, HostDeviceList::Status)));
            std::fflush(stdout);
        });
        interrupted = false;
        auto previous = std::signal(SIGINT, &OnInterrupt);
        QTimer watch;
        bool aborted = false;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!interrupted || aborted)
                return;
            aborted = true;
            std::printf("aborting...\n");
            std::fflush(stdout);
            abort();
        });
        watch.start(50);
        const QByteArray path = firmware.toUtf8();
        const int result = upgrade(ftp.Server(), &list.View(), 0, path.constData(), Number(parser, "settings-timeout"),
                                   Number(parser, "update-timeout"), Number(parser, "margin"),
                                   Number(parser, "reboot-wait"));
        watch.stop();
        std::signal(SIGINT, previous);

        std::map<QString, int> counts;
        int ok = 0;
        std::printf("\n%-16s %-12s %-12s %-12s %s\n", "ADDRESS", "FW-VERSION", "STEP", "STATUS", "MAC");
        for (int row = 0; row < list.Rows(); ++row) {
            if (!options.Addresses.contains(list.Text(row, HostDeviceList::Address)))
                continue;
            const QString status = list.Text(row, HostDeviceList::Status);
            ++counts[status.isEmpty() ? QStringLiteral("(not upgraded)") : status];
            if (status == QLatin1String("OK"))
                ++ok;
            std::printf("%-16s %-12s %-12s %-12s %s\n", qPrintable(list.Text(row, HostDeviceList::Address)),
                        qPrintable(list.Text(row, HostDeviceList::Firmware)),
                        qPrintable(list.Text(row, HostDeviceList::Step)), qPrintable(status),
                        qPrintable(list.Text(row, HostDeviceList::Mac)));
        }
        std::printf("\nresult %d;", result);
        for (const auto& [status, count] : counts)
            std::printf(" %s: %d;", qPrintable(status), count);
        std::printf(" log messages: %d\n", logWindow.Received());
        std::fflush(stdout);
        return result == 0 && ok == options.Addresses.size() ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(UpgradeFirmwareCommand, "upgrade", "upgrade the firmware of devices (Ctrl-C aborts)")
