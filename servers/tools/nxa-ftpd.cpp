// nxa-ftpd: runs the host's FTP server (and, if asked, its TFTP server) by hand.
#include "servers/FtpServer.h"
#include "servers/ZrTFTPServer.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nxa-ftpd"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "FTP server of the reference host: serves one account confined to its home folder.\n"
        "With --tftp-file it also receives TFTP uploads into that file."));
    parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 0.0.0.0)."),
                                    QStringLiteral("ADDR"), QStringLiteral("0.0.0.0"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("FTP port; 0 picks a free one (default 21)."),
                                  QStringLiteral("N"), QStringLiteral("21"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Account name."), QStringLiteral("U"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Account password."),
                                      QStringLiteral("P"));
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Home folder of the account."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption anonymous(QStringLiteral("anonymous-home"),
                                       QStringLiteral("Allow read-only anonymous logins into this folder."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption idle(QStringLiteral("idle-timeout"),
                                  QStringLiteral("Seconds without traffic before a session is closed (default 300)."),
                                  QStringLiteral("S"), QStringLiteral("300"));
    const QCommandLineOption tftpFile(QStringLiteral("tftp-file"),
                                      QStringLiteral("Also run the TFTP server, storing uploads in this file."),
                                      QStringLiteral("PATH"));
    const QCommandLineOption tftpPort(QStringLiteral("tftp-port"),
                                      QStringLiteral("TFTP port; 0 picks a free one (default 69)."), QStringLiteral("N"),
                                      QStringLiteral("69"));
    const QCommandLineOption maxSessions(QStringLiteral("max-sessions"),
                                         QStringLiteral("FTP sessions at once (default 64)."), QStringLiteral("N"),
                                         QStringLiteral("64"));
    const QCommandLineOption perClient(QStringLiteral("max-per-client"),
                                       QStringLiteral("FTP sessions at once from one address (default 8; 0: no limit)."),
                                       QStringLiteral("N"), QStringLiteral("8"));
    const QCommandLineOption maxUpload(QStringLiteral("max-upload"),
                                       QStringLiteral("Largest FTP upload kept, in bytes (default 0: no limit)."),
                                       QStringLiteral("BYTES"), QStringLiteral("0"));
    const QCommandLineOption tftpName(QStringLiteral("tftp-name"),
                                      QStringLiteral("Take TFTP writes only of this file name."), QStringLiteral("NAME"));
    const QCommandLineOption tftpPeer(QStringLiteral("tftp-peer"),
                                      QStringLiteral("Take TFTP writes only from this address."), QStringLiteral("ADDR"));
    const QCommandLineOption tftpMax(QStringLiteral("tftp-max-size"),
                                     QStringLiteral("Largest TFTP file taken, in bytes (default 67108864; 0: no limit)."),
                                     QStringLiteral("BYTES"), QStringLiteral("67108864"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Print every command."));
    parser.addOptions({listen, port, user, password, home, anonymous, idle, maxSessions, perClient, maxUpload,
                       tftpFile, tftpPort, tftpName, tftpPeer, tftpMax, verbose});
    parser.process(app);

    const QHostAddress address(parser.value(listen));
    bool portOk = false;
    const uint ftpPort = parser.value(port).toUInt(&portOk);
    if (address.isNull() || !portOk || ftpPort > 65535) {
        err << "nxa-ftpd: bad --listen or --port\n";
        return 2;
    }
    if (!parser.isSet(user) || !parser.isSet(home)) {
        err << "nxa-ftpd: --user and --home are required (see --help)\n";
        return 2;
    }

    FtpServer server;
    if (!server.AddAccount(parser.value(user), parser.value(password), parser.value(home))) {
        err << "nxa-ftpd: cannot add the account (is the home folder there?)\n";
        return 2;
    }
    if (parser.isSet(anonymous) && !server.SetAnonymousHome(parser.value(anonymous))) {
        err << "nxa-ftpd: the anonymous folder does not exist\n";
        return 2;
    }
    server.SetIdleTimeout(parser.value(idle).toInt() * 1000);
    bool limitsOk = true;
    const auto number = [&](const QCommandLineOption& option) {
        bool ok = false;
        const qlonglong n = parser.value(option).toLongLong(&ok);
        limitsOk &= ok && n >= 0;
        return n;
    };
    server.SetMaxSessions(static_cast<int>(number(maxSessions)));
    server.SetMaxSessionsPerClient(static_cast<int>(number(perClient)));
    server.SetMaxUploadSize(number(maxUpload));
    const qint64 tftpMaxSize = number(tftpMax);
    const QHostAddress tftpFrom(parser.value(tftpPeer));
    if (!limitsOk || (parser.isSet(tftpPeer) && tftpFrom.isNull())) {
        err << "nxa-ftpd: bad --max-sessions, --max-per-client, --max-upload, --tftp-max-size or --tftp-peer\n";
        return 2;
    }
    if (parser.isSet(verbose)) {
        QObject::connect(&server, &FtpServer::LogMessage, &app, [&out](const QString& text) {
            out << text << Qt::endl;
        });
    }
    if (!server.Listen(address, static_cast<quint16>(ftpPort))) {
        err << "nxa-ftpd: cannot listen: " << server.ErrorString() << "\n";
        return 1;
    }
    out << "ftp listening on " << server.Address().toString() << ":" << server.Port() << Qt::endl;

    ZrTFTPServer tftp;
    if (parser.isSet(tftpFile)) {
        tftp.SetListenAddress(address);
        tftp.SetExpectedName(parser.value(tftpName));
        tftp.SetAllowedPeer(tftpFrom);
        tftp.SetMaxFileSize(tftpMaxSize);
        tftp.SetTransferringMsgCallback([&out](const ZrTFTPMsg& m, bool&) {
            if (m.Kind == ZrTFTPMsg::Completed)
                out << "tftp stored " << m.Bytes << " bytes from " << m.PeerAddress << " in " << m.LocalPath
                    << Qt::endl;
            else if (m.Kind == ZrTFTPMsg::Failed)
                out << "tftp transfer from " << m.PeerAddress << " failed: " << m.Text << Qt::endl;
        });
        QObject::connect(&tftp, &ZrTFTPServer::RequestRefused, &app, [&out](const QString& peer, const QString& why) {
            out << "tftp request from " << peer << " refused: " << why << Qt::endl;
        });
        if (!tftp.Run(parser.value(tftpFile), static_cast<quint16>(parser.value(tftpPort).toUInt()))) {
            err << "nxa-ftpd: cannot open the TFTP port: " << tftp.ErrorString() << "\n";
            return 1;
        }
        out << "tftp listening on " << address.toString() << ":" << tftp.Port() << Qt::endl;
    }

    // SIGINT and SIGTERM end the event loop cleanly.
    if (::pipe(signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, OnSignal);
        std::signal(SIGTERM, OnSignal);
    }
    const int rc = app.exec();
    tftp.Stop();
    server.Close();
    return rc;
}
