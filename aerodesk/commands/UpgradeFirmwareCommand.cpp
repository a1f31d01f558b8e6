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
#include "UpgradeBatch.h"
#include "UpgradeState.h"
#include "UpgradeWaves.h"
#include <cstdio>
#include <map>

namespace {

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
            "was aborted), 2 for a bad command line or a missing image, 3 when the module or the FTP server cannot "
            "start.\n\n"
            "Waves (--canary, --wave, --keep-going, --state): devices that already run the image's version are "
            "skipped; of the others the first --canary N are upgraded first, then --wave K at a time. A wave in which "
            "a device fails stops the run (the devices not started are named) unless --keep-going. With --state FILE "
            "the outcome of every device is kept after each wave, and the same command again goes on where the run "
            "stopped: devices upgraded before are skipped, the failed and the not started ones are upgraded. A state "
            "file written for another image (by its SHA-256) is refused before any device is asked.");
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
            {QStringLiteral("canary"), QStringLiteral("Waves: upgrade the first N devices first, alone."), QStringLiteral("N")},
            {QStringLiteral("wave"), QStringLiteral("Waves: then K devices at a time (default: all the rest at once)."),
             QStringLiteral("K")},
            {QStringLiteral("keep-going"), QStringLiteral("Waves: go on after a wave in which a device failed.")},
            {QStringLiteral("state"),
             QStringLiteral("Waves: record the image and each device's outcome in FILE after every wave; a later run "
                            "with the same FILE and image skips the devices upgraded before (another image's file is "
                            "refused)."),
             QStringLiteral("FILE")},
            {QStringLiteral("image-version"),
             QStringLiteral("Waves: the version the image installs (default: its \"version=\" line); devices already "
                            "running it are skipped."),
             QStringLiteral("V")},
        });
    }
    int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) override {
        if (options.Addresses.size() < 2) {
            std::fprintf(stderr, "aerodesk upgrade: give FIRMWARE and ADDRESS...\n");
            return 2;
        }
        const QString firmware = QFileInfo(options.Addresses.takeFirst()).absoluteFilePath();
        if (!QFileInfo(firmware).isFile()) {
            std::fprintf(stderr, "aerodesk upgrade: the image %s does not exist: refused\n", qPrintable(firmware));
            return 2;
        }
        const bool waves = parser.isSet(QStringLiteral("canary")) || parser.isSet(QStringLiteral("wave")) ||
                           parser.isSet(QStringLiteral("state")) || parser.isSet(QStringLiteral("keep-going"));
        UpgradeWaves::Plan plan;
        UpgradeState state;
        if (waves && !ReadWavePlan(parser, firmware, plan, state))
            return 2;

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
        UpgradeBatch::Settings settings;
        settings.Server = ftp.Server();
        settings.Firmware = firmware;
        settings.DevicesFile = parser.value(QStringLiteral("devices"));
        settings.SettingsTimeout = Number(parser, "settings-timeout");
        settings.UpdateTimeout = Number(parser, "update-timeout");
        settings.Margin = Number(parser, "margin");
        settings.RebootWait = Number(parser, "reboot-wait");
        settings.Progress = progress;
        if (waves)
            return RunWaves(session, options, settings, plan, state, logWindow);

        UpgradeBatch batch;
        if (!batch.Run(session, options.Addresses, settings)) {
            std::fprintf(stderr, "aerodesk upgrade: %s\n", qPrintable(batch.Error()));
            return 2;
        }
        const int result = batch.Result();
        const bool aborted = batch.Aborted();

        QueryReport report = QueryReport::For(
            options.Addresses, {QStringLiteral("FW-VERSION"), QStringLiteral("STEP"), QStringLiteral("STATUS"),
                                QStringLiteral("MAC")});
        std::map<QString, int> counts;
        for (QueryReport::Device& d : report.Devices) {
            d.Done = true;
            for (const UpgradeBatch::Row& r : batch.Rows()) {
                if (r.Address != d.Address || !r.InList)
                    continue;
                d.Ok = r.Ok();
                d.Message = r.Status.isEmpty() ? QStringLiteral("(not upgraded)") : r.Status;
                d.Rows << QStringList{r.Firmware, r.Step, r.Status, r.Mac};
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

private:
    // The wave options and the state file, all checked before anything is sent.
    static bool ReadWavePlan(QCommandLineParser& parser, const QString& firmware, UpgradeWaves::Plan& plan,
                             UpgradeState& state) {
        bool ok = true;
        plan.Canary = parser.isSet(QStringLiteral("canary")) ? parser.value(QStringLiteral("canary")).toInt(&ok) : 0;
        if (!ok || plan.Canary < 0) {
            std::fprintf(stderr, "aerodesk upgrade: bad --canary: %s\n", qPrintable(parser.value(QStringLiteral("canary"))));
            return false;
        }
        plan.Wave = parser.isSet(QStringLiteral("wave")) ? parser.value(QStringLiteral("wave")).toInt(&ok) : 0;
        if (!ok || plan.Wave < 0) {
            std::fprintf(stderr, "aerodesk upgrade: bad --wave: %s\n", qPrintable(parser.value(QStringLiteral("wave"))));
            return false;
        }
        plan.KeepGoing = parser.isSet(QStringLiteral("keep-going"));
        plan.ImageVersion = parser.isSet(QStringLiteral("image-version")) ? parser.value(QStringLiteral("image-version"))
                                                                           : UpgradeWaves::VersionOfImage(firmware);
        if (parser.isSet(QStringLiteral("state"))) {
            const QString hash = UpgradeState::ImageHash(firmware);
            if (hash.isEmpty()) {
                std::fprintf(stderr, "aerodesk upgrade: cannot read the image %s\n", qPrintable(firmware));
                return false;
            }
            if (!state.Load(parser.value(QStringLiteral("state")), firmware, hash)) {
                std::fprintf(stderr, "aerodesk upgrade: %s\n", qPrintable(state.Error()));
                return false;
            }
        }
        return true;
    }

    static int RunWaves(HostSession& session, const DeviceOptions& options, const UpgradeBatch::Settings& settings,
                        const UpgradeWaves::Plan& plan, UpgradeState& state, const HostLogWindow& logWindow) {
        UpgradeWaves waves;
        QueryReport report;
        if (!waves.Run(session, options.Addresses, settings, plan, state, report)) {
            std::fprintf(stderr, "aerodesk upgrade: %s\n", qPrintable(waves.Error()));
            return waves.Error().contains(QStringLiteral("state file")) ? 1 : 2;
        }
        FleetReport::Instance().Close(report);
        if (options.Json) {
            const QJsonObject run{{QStringLiteral("stopped"), waves.Stopped()},
                                  {QStringLiteral("aborted"), waves.Aborted()},
                                  {QStringLiteral("logMessages"), logWindow.Received()}};
            std::fputs(ReportPrinter::Json(report, {{QStringLiteral("result"), run}}).toUtf8().constData(), stdout);
        } else {
            std::printf("\n%-16s %-12s %s\n", "ADDRESS", "FW-VERSION", "OUTCOME");
            for (const QueryReport::Device& d : report.Devices)
                std::printf("%-16s %-12s %s\n", qPrintable(d.Address), qPrintable(d.Rows.value(0).value(0)),
                            qPrintable(d.Message.isEmpty() ? QStringLiteral("not started") : d.Message));
        }
        std::fflush(stdout);
        return report.AllOk() ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(UpgradeFirmwareCommand, "upgrade", "upgrade the firmware of devices (Ctrl-C aborts)")
