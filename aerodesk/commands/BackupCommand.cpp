// aerodesk backup ADDRESS... --to DIR: each device stores its configuration
// backup ADDRESS.dcf in DIR through the host's FTP server (PlugCmdAPI 3).
// With --history, DIR is a git repository of key files, one commit per run
// (BackupHistory); --log shows it.
#include "BackupHistory.h"
#include "CommandRegistry.h"
#include "FleetReport.h"
#include "HostDeviceList.h"
#include "HostFtp.h"
#include "InterruptWatch.h"
#include "MaintenanceCommand.h"
#include "servers/FtpServer.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Backups {
    int Done = 0;
    QSet<QString> Answered;
    QMap<QString, QString> Failed;   // address -> the device's message
};

void BackupDone(int32_t, CmdResult* result, int32_t, RogueApRecord**, uintptr_t context) {
    auto* backups = reinterpret_cast<Backups*>(context);
    ++backups->Done;
    const QString address = QString::fromUtf8(result->DeviceIp ? result->DeviceIp : "");
    backups->Answered.insert(address);
    if (result->Status != 0)
        backups->Failed.insert(address, QString::fromUtf8(result->Message ? result->Message : "failed"));
    std::printf("%s: %s\n", qPrintable(address),
                result->Status == 0 ? (result->Message ? result->Message : "OK!")
                                    : (result->Message ? result->Message : "failed"));
    std::fflush(stdout);
}

class BackupCommand : public MaintenanceCommand {
public:
    QString Name() const override { return QStringLiteral("backup"); }
    QString Summary() const override { return QStringLiteral("configuration backup of devices into a folder (command 3)"); }

    int Run(const QStringList& arguments) override {
        if (arguments.contains(QStringLiteral("--log")) && !arguments.contains(QStringLiteral("--help")))
            return RunLog(arguments);
        int code = MaintenanceCommand::Run(arguments);
        // One commit for the whole run, whatever SNMP sets the devices came in.
        if (history_.IsOpen() && code < 2) {
            const DeviceOptions& options = options_;
            if (!history_.Commit([&](const QString& address) { return options.NameOf(address); })) {
                std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(history_.Error()));
                code = std::max(code, 1);
            }
        }
        return code;
    }

protected:
    QString Description() const override {
        return QStringLiteral(
            "Tells each device to store its configuration backup ADDRESS.dcf in the folder --to, through the host's "
            "FTP server, and waits for the files (at most --wait seconds). A backup already in the folder is replaced "
            "only by a new one that arrived whole; Ctrl-C stops the wait, drops the transfers not finished and "
            "reports each device.\n\n"
            "--history keeps --to as a backup history: a git repository with one key file per device, ADDRESS.keys "
            "(the backup turned into template keys, lines sorted), and one commit per run naming the devices whose "
            "key file changed; nothing is committed when none changed. A device that fails keeps its last key file, "
            "is named in the output, and the exit status is 1. A new or empty folder starts a history; a folder "
            "that is not a history of aerodesk's (a git repository without its .aerodesk-backups marker, a folder "
            "with other files) is refused before any device is asked.\n"
            "'aerodesk backup --to DIR --log [ADDRESS]' shows the history of one device (each run's change to its "
            "key file) or, without ADDRESS, of every run.\n\n"
            "Devices connect to the FTP server on the port they are set to (a real device: 21); the server's port "
            "is --ftp-port, 0 picks a free one (for devices set to reach that port).");
    }
    void AddOptions(QCommandLineParser& parser) override {
        parser.addOption({QStringLiteral("to"), QStringLiteral("Folder for the backups."), QStringLiteral("DIR")});
        parser.addOption({QStringLiteral("ftp-address"), QStringLiteral("Address the FTP server listens on (default 127.0.0.1)."),
                          QStringLiteral("A"), QStringLiteral("127.0.0.1")});
        parser.addOption({QStringLiteral("ftp-port"), QStringLiteral("FTP port (default 21; 0 picks a free port)."),
                          QStringLiteral("N"), QStringLiteral("21")});
        parser.addOption({QStringLiteral("history"),
                          QStringLiteral("Keep DIR as a git history of the devices' key files (one commit per run).")});
        parser.addOption({QStringLiteral("log"), QStringLiteral("Show the history in DIR (of the device ADDRESS when given).")});
    }
    int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) override {
        if (!parser.isSet(QStringLiteral("to"))) {
            std::fprintf(stderr, "aerodesk backup: give --to DIR\n");
            return 2;
        }
        bool portOk = false;
        const uint port = parser.value(QStringLiteral("ftp-port")).toUInt(&portOk);
        if (!portOk || port > 65535) {
            std::fprintf(stderr, "aerodesk backup: bad --ftp-port: %s\n", qPrintable(parser.value(QStringLiteral("ftp-port"))));
            return 2;
        }
        const QString folder = QDir(parser.value(QStringLiteral("to"))).absolutePath();
        const bool history = parser.isSet(QStringLiteral("history"));
        options_ = options;
        if (history && !history_.IsOpen() && !history_.Open(folder)) {
            std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(history_.Error()));
            return 2;
        }
        // The devices store into a staging folder: a backup already in the
        // folder is replaced only by a whole new one (never taken for the new
        // one, never lost to a transfer that breaks off). With a history only
        // key files of good backups reach the history; without, the staging
        // folder sits in the folder itself, so the new file is renamed over
        // the old one in one step.
        if (!history && !QDir().mkpath(folder)) {
            std::fprintf(stderr, "aerodesk backup: cannot create %s\n", qPrintable(folder));
            return 3;
        }
        auto staging = history ? std::make_unique<QTemporaryDir>()
                               : std::make_unique<QTemporaryDir>(QDir(folder).filePath(QStringLiteral(".aerodesk-staging-XXXXXX")));
        if (!staging->isValid()) {
            std::fprintf(stderr, "aerodesk backup: no staging folder: %s\n", qPrintable(staging->errorString()));
            return 3;
        }
        const QString home = staging->path();
        HostFtp ftp;
        if (!ftp.Start(parser.value(QStringLiteral("ftp-address")), static_cast<quint16>(port), home)) {
            std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(ftp.Error()));
            return 3;
        }
        std::printf("FTP server on %s port %u, home %s\n", qPrintable(parser.value(QStringLiteral("ftp-address"))),
                    ftp.Server()->Port(), qPrintable(home));
        // Devices are told the server's address, not its port.
        const QString portHint = ftp.Server()->Port() == 21
                                     ? QString()
                                     : QStringLiteral(" (the device connects to the FTP port it is set to; this "
                                                      "server listens on port %1)")
                                           .arg(ftp.Server()->Port());
        auto cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(Export(session, "PlugCmdAPI"));
        if (!cmdApi)
            return 3;
        session.Module().SetFtpServer(ftp.Server());
        HostDeviceList list;
        list.Probe(session.Module(), options.Addresses, QString::fromLatin1(session.Caps().ModelName));
        // A member: a late answer may still arrive after the wait gave up.
        backups_ = std::make_shared<Backups>();
        keep_.push_back(backups_);
        Backups& backups = *backups_;
        for (int row = 0; row < list.Rows(); ++row) {
            const QString mask = list.Text(row, HostDeviceList::Netmask).isEmpty() ? QStringLiteral("255.255.255.0")
                                                                                     : list.Text(row, HostDeviceList::Netmask);
            const QByteArray parameter = (mask + QLatin1Char('|') + home + QLatin1Char('/')).toUtf8();
            cmdApi(3, list.Text(row, HostDeviceList::Address).toUtf8().constData(), parameter.constData(),
                   reinterpret_cast<uintptr_t>(&backups), reinterpret_cast<void*>(&BackupDone));
        }
        // Ctrl-C: stop waiting; what has not arrived whole is dropped with the
        // server, and each device is reported.
        const InterruptWatch interrupt;
        WaitUntil([&] { return backups.Done >= list.Rows() || interrupt.Interrupted(); }, options.WaitSeconds);
        // The devices store the files after they answered; one that failed stores none.
        auto fileOf = [&](const QString& address) { return QDir(home).filePath(address + QStringLiteral(".dcf")); };
        auto stored = [&] {
            for (const QString& address : options.Addresses)
                if (backups.Answered.contains(address) && !backups.Failed.contains(address) &&
                    !QFileInfo::exists(fileOf(address)))
                    return false;
            return true;
        };
        WaitUntil([&] { return stored() || interrupt.Interrupted(); }, options.WaitSeconds);
        if (interrupt.Interrupted()) {
            ftp.Server()->Close();
            std::printf("interrupted: transfers not finished were dropped\n");
        }
        int failures = 0;
        for (const QString& address : options.Addresses) {
            const QString file = fileOf(address);
            QString problem;
            const QString kept = QDir(folder).filePath(address + QStringLiteral(".dcf"));
            if (!backups.Answered.contains(address) && !QFileInfo::exists(file))
                problem = interrupt.Interrupted() ? QStringLiteral("interrupted before the device answered")
                                                  : QStringLiteral("no answer within %1 s").arg(options.WaitSeconds);
            else if (backups.Failed.contains(address))
                problem = QStringLiteral("backup failed: %1%2").arg(backups.Failed.value(address), portHint);
            else if (!QFileInfo::exists(file))
                problem = interrupt.Interrupted() ? QStringLiteral("interrupted before its backup arrived")
                                                  : QStringLiteral("no %1").arg(kept);
            else if (history && !history_.Store(session.Module(), address, file))
                problem = history_.Error();
            else if (!history && std::rename(QFile::encodeName(file).constData(), QFile::encodeName(kept).constData()) != 0)
                problem = QStringLiteral("cannot store %1: %2").arg(kept, QString::fromLocal8Bit(std::strerror(errno)));
            if (!problem.isEmpty() && !history && QFileInfo::exists(kept))
                problem += QStringLiteral("; the earlier backup %1 is kept").arg(kept);
            if (!problem.isEmpty()) {
                ++failures;
                if (history)
                    problem += QFileInfo::exists(QDir(folder).filePath(BackupHistory::FileName(address)))
                                   ? QStringLiteral("; its last good backup %1 is kept").arg(BackupHistory::FileName(address))
                                   : QStringLiteral("; it has no backup in the history yet");
                std::printf("%s: FAILED: %s\n", qPrintable(address), qPrintable(problem));
                FleetReport::Instance().Record(address, false, problem);
            } else if (history) {
                const QString keys = QDir(folder).filePath(BackupHistory::FileName(address));
                std::printf("%s: %s\n", qPrintable(address), qPrintable(keys));
                FleetReport::Instance().Record(address, true, keys);
            } else {
                std::printf("%s: %s (%lld bytes)\n", qPrintable(address), qPrintable(kept), QFileInfo(kept).size());
                FleetReport::Instance().Record(address, true, kept);
            }
        }
        std::fflush(stdout);
        session.Module().SetFtpServer(nullptr);
        return failures == 0 ? 0 : 1;
    }

private:
    static int RunLog(const QStringList& arguments) {
        QCommandLineParser parser;
        parser.addOption({QStringLiteral("to"), QStringLiteral("The history folder."), QStringLiteral("DIR")});
        parser.addOption({QStringLiteral("log"), QStringLiteral("Show the history.")});
        parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The device (optional)."), QStringLiteral("[ADDRESS]"));
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk backup");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (!parser.isSet(QStringLiteral("to")) || parser.positionalArguments().size() > 1) {
            std::fprintf(stderr, "aerodesk backup: --log takes --to DIR and at most one ADDRESS\n");
            return 2;
        }
        return BackupHistory::PrintLog(QDir(parser.value(QStringLiteral("to"))).absolutePath(),
                                       parser.positionalArguments().value(0));
    }

    BackupHistory history_;
    DeviceOptions options_;
    std::shared_ptr<Backups> backups_;
    std::vector<std::shared_ptr<Backups>> keep_;
};

}  // namespace

AERODESK_COMMAND(BackupCommand, "backup", "configuration backup of devices into a folder (command 3)")
