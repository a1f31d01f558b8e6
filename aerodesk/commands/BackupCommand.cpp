// aerodesk backup ADDRESS... --to DIR: each device stores its configuration
// backup ADDRESS.dcf in DIR through the host's FTP server (PlugCmdAPI 3).
#include "CommandRegistry.h"
#include "FleetReport.h"
#include "HostDeviceList.h"
#include "HostFtp.h"
#include "MaintenanceCommand.h"
#include "servers/FtpServer.h"
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

struct Backups {
    int Done = 0;
    int Failed = 0;
};

void BackupDone(int32_t, CmdResult* result, int32_t, RogueApRecord**, uintptr_t context) {
    auto* backups = reinterpret_cast<Backups*>(context);
    ++backups->Done;
    if (result->Status != 0)
        ++backups->Failed;
    std::printf("%s: %s\n", result->DeviceIp ? result->DeviceIp : "",
                result->Status == 0 ? (result->Message ? result->Message : "OK!")
                                    : (result->Message ? result->Message : "failed"));
    std::fflush(stdout);
}

class BackupCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("backup"); }
    QString Summary() const override { return QStringLiteral("configuration backup of devices into a folder (command 3)"); }

protected:
    QString Description() const override {
        return QStringLiteral("Tells each device to store its configuration backup ADDRESS.dcf in the folder --to, "
                              "through the host's FTP server, and waits for the files.");
    }
    void AddOptions(QCommandLineParser& parser) override {
        parser.addOption({QStringLiteral("to"), QStringLiteral("Folder for the backups."), QStringLiteral("DIR")});
        parser.addOption({QStringLiteral("ftp-address"), QStringLiteral("Address the FTP server listens on (default 127.0.0.1)."),
                          QStringLiteral("A"), QStringLiteral("127.0.0.1")});
        parser.addOption({QStringLiteral("ftp-port"), QStringLiteral("FTP port (default 21)."), QStringLiteral("N"),
                          QStringLiteral("21")});
    }
    int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) override {
        if (!parser.isSet(QStringLiteral("to"))) {
            std::fprintf(stderr, "aerodesk backup: give --to DIR\n");
            return 2;
        }
        const QString folder = QDir(parser.value(QStringLiteral("to"))).absolutePath();
        HostFtp ftp;
        if (!ftp.Start(parser.value(QStringLiteral("ftp-address")),
                       static_cast<quint16>(parser.value(QStringLiteral("ftp-port")).toUInt()), folder)) {
            std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(ftp.Error()));
            return 3;
        }
        std::printf("FTP server on %s port %u, home %s\n", qPrintable(parser.value(QStringLiteral("ftp-address"))),
                    ftp.Server()->Port(), qPrintable(folder));
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        session.Module().SetFtpServer(ftp.Server());
        HostDeviceList list;
        list.Probe(session.Module(), options.Addresses, QString::fromLatin1(session.Caps().ModelName));
        Backups backups;
        for (int row = 0; row < list.Rows(); ++row) {
            const QString mask = list.Text(row, HostDeviceList::Netmask).isEmpty() ? QStringLiteral("255.255.255.0")
                                                                                     : list.Text(row, HostDeviceList::Netmask);
            const QByteArray parameter = (mask + QLatin1Char('|') + folder + QLatin1Char('/')).toUtf8();
            cmdApi(3, list.Text(row, HostDeviceList::Address).toUtf8().constData(), parameter.constData(),
                   reinterpret_cast<uintptr_t>(&backups), reinterpret_cast<void*>(&BackupDone));
        }
        WaitUntil([&] { return backups.Done >= list.Rows(); }, options.WaitSeconds);
        // The devices store the files after they answered.
        auto stored = [&] {
            for (const QString& address : options.Addresses)
                if (!QFileInfo::exists(QDir(folder).filePath(address + QStringLiteral(".dcf"))))
                    return false;
            return true;
        };
        WaitUntil(stored, options.WaitSeconds);
        int missing = 0;
        for (const QString& address : options.Addresses) {
            const QString file = QDir(folder).filePath(address + QStringLiteral(".dcf"));
            if (QFileInfo::exists(file)) {
                std::printf("%s: %s (%lld bytes)\n", qPrintable(address), qPrintable(file), QFileInfo(file).size());
                FleetReport::Instance().Record(address, true, file);
            } else {
                ++missing;
                std::printf("%s: no %s\n", qPrintable(address), qPrintable(file));
                FleetReport::Instance().Record(address, false, QStringLiteral("no %1").arg(file));
            }
        }
        session.Module().SetFtpServer(nullptr);
        return backups.Failed == 0 && missing == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(BackupCommand, "backup", "configuration backup of devices into a folder (command 3)")
