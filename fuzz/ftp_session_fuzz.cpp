// libFuzzer target for the FTP server's session: the input is everything a
// client sends on the control connection, a whole session of command lines
// (logins, folder changes, transfers asked for, garbage). The session runs on
// one end of a local socket pair, so it parses and answers exactly as on a
// TCP connection; data connections are not opened (the pair has no IPv4
// address, so PASV and PORT are turned down and EPSV waits for a client that
// never comes).
// Checked after each session: every reply line is a well-formed FTP reply
// (nothing the client sent can start a line of its own), and nothing outside
// the account's home folder was touched.
#include "FuzzFiles.h"
#include "servers/FtpServer.h"
#include "servers/FtpSession.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTcpSocket>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QString Home()
{
    return FuzzFiles::PathOf(QStringLiteral("home"));
}

QString Outside()
{
    return FuzzFiles::PathOf(QStringLiteral("outside.txt"));
}

// The home folder as each session finds it: a file, a folder with a file,
// and a link that leads out of the home folder.
void PrepareHome()
{
    QDir().mkpath(Home() + QStringLiteral("/fw"));
    const QString file = Home() + QStringLiteral("/config.bin");
    if (!QFileInfo::exists(file))
        FuzzFiles::WriteBytes(file, QByteArray("NXA-7310 CFG 0 backup data\n"));
    const QString firmware = Home() + QStringLiteral("/fw/image.bin");
    if (!QFileInfo::exists(firmware))
        FuzzFiles::WriteBytes(firmware, QByteArray(2000, 'F'));
    const QString link = Home() + QStringLiteral("/out");
    if (!QFileInfo(link).isSymLink())
        QFile::link(Outside(), link);
    if (!QFileInfo::exists(Outside()))
        FuzzFiles::WriteBytes(Outside(), QByteArray("not to be served\n"));
}

FtpServer& Server()
{
    static FtpServer* server = [] {
        auto* s = new FtpServer;
        PrepareHome();
        if (!s->AddAccount(QStringLiteral("admin"), QStringLiteral("secret"), Home()) ||
            !s->SetAnonymousHome(Home() + QStringLiteral("/fw")))
            std::abort();
        s->SetMaxLineLength(200);  // short, so that the limit is reached
        return s;
    }();
    return *server;
}

void Settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Reads what the session sent so far.
void ReadReplies(int fd, QByteArray& replies)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n <= 0)
            return;
        replies.append(buffer, n);
    }
}

void CheckReplies(const QByteArray& replies)
{
    qsizetype from = 0;
    while (from < replies.size()) {
        const qsizetype end = replies.indexOf("\r\n", from);
        if (end < 0) {
            std::fprintf(stderr, "a reply without its line end: %s\n", replies.mid(from).constData());
            std::abort();
        }
        const QByteArray line = replies.mid(from, end - from);
        from = end + 2;
        if (line.contains('\n') || line.contains('\r'))
            std::abort();
        // "ddd text", "ddd-text" (a first line of several) or " text" (a line of FEAT).
        const bool coded = line.size() >= 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
                           std::isdigit(static_cast<unsigned char>(line[1])) &&
                           std::isdigit(static_cast<unsigned char>(line[2])) && (line[3] == ' ' || line[3] == '-');
        if (!coded && !line.startsWith(' ')) {
            std::fprintf(stderr, "not an FTP reply: %s\n", line.constData());
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Within what a socket buffer takes at once.
    if (size > 16 * 1024 || !FuzzFiles::WorkDir().isValid())
        return 0;
    FtpServer& server = Server();
    PrepareHome();
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0)
        std::abort();
    auto* control = new QTcpSocket;
    if (!control->setSocketDescriptor(pair[0]))
        std::abort();
    new FtpSession(control, &server);  // owned by the server; deletes itself at the end

    QByteArray replies;
    size_t sent = 0;
    while (sent < size) {
        const ssize_t n = ::send(pair[1], data + sent, size - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN)
                break;
            Settle();  // let the session read some of it first
            ReadReplies(pair[1], replies);
            continue;
        }
        sent += static_cast<size_t>(n);
    }
    // Until the session has nothing more to say.
    for (int round = 0; round < 64; ++round) {
        const qsizetype before = replies.size();
        Settle();
        ReadReplies(pair[1], replies);
        if (replies.size() == before && round > 2)
            break;
    }
    ::close(pair[1]);
    for (int round = 0; round < 4; ++round)
        Settle();
    for (FtpSession* session : server.findChildren<FtpSession*>(Qt::FindDirectChildrenOnly))
        session->Shutdown();
    Settle();
    if (!server.findChildren<FtpSession*>(Qt::FindDirectChildrenOnly).isEmpty())
        std::abort();

    if (std::getenv("NXA_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%s", replies.constData());  // what a reproduced input was told
    if (!replies.startsWith("220 "))
        std::abort();
    CheckReplies(replies);
    if (!QFileInfo::exists(Outside())) {
        std::fprintf(stderr, "a file outside the home folder was removed\n");
        std::abort();
    }
    return 0;
}
