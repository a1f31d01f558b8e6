// libFuzzer target for the TFTP server: packet decoding, the server's request
// handling and the transfer state machine, driven over loopback UDP the way a
// device drives them. The first byte sets the server up (expected name,
// allowed sender, size cap, whether the owner cancels); then come frames:
//   'R' len(2) bytes   a raw packet to the server's port (so any other letter)
//   'T' len(2) bytes   a raw packet to the transfer's port (the one that answered)
//   'D' block(2) len(2) a DATA packet of len bytes to the transfer's port
// Whatever arrives, a file is stored only when the server reported it
// complete, and never larger than the cap.
#include "FuzzFiles.h"
#include "servers/TftpPacket.h"
#include "servers/ZrTFTPServer.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qint64 kCap = 3000;

// The client's socket, kept for the whole run.
int ClientSocket()
{
    static const int fd = [] {
        const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
            std::abort();
        return s;
    }();
    return fd;
}

void SendTo(quint16 port, const QByteArray& packet)
{
    if (port == 0)
        return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port);
    ::sendto(ClientSocket(), packet.constData(), static_cast<size_t>(packet.size()), 0,
             reinterpret_cast<sockaddr*>(&to), sizeof to);
}

// Reads what the server sent back; the port of a transfer's answer becomes
// the one 'T' and 'D' frames go to.
void Drain(quint16 serverPort, quint16& transferPort)
{
    char buffer[1024];
    for (;;) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n = ::recvfrom(ClientSocket(), buffer, sizeof buffer, MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr*>(&from), &length);
        if (n < 0)
            return;
        const quint16 port = ntohs(from.sin_port);
        const QByteArray packet(buffer, n);
        if (port != serverPort && TftpPacket::OpcodeOf(packet) == TftpPacket::Ack)
            transferPort = port;
    }
}

void Settle()
{
    // Loopback datagrams are queued at the receiver by the time sendto
    // returns: one pass of the event loop reads them.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Decoding on its own: what parses, made again, parses the same.
void CheckPacket(const QByteArray& packet)
{
    (void)TftpPacket::BlockOf(packet);
    (void)TftpPacket::PayloadOf(packet);
    TftpPacket::Request request;
    if (!TftpPacket::ParseRequest(packet, request))
        return;
    TftpPacket::Request again;
    if (!TftpPacket::ParseRequest(TftpPacket::MakeRequest(request.Opcode, request.FileName, request.Mode), again) ||
        again.FileName != request.FileName || again.Mode != request.Mode || again.Opcode != request.Opcode)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 64 * 1024 || !FuzzFiles::WorkDir().isValid())
        return 0;
    const uint8_t setup = data[0];
    const QString target = FuzzFiles::PathOf(QStringLiteral("received/config.bin"));
    QFile::remove(target);

    bool completed = false;
    int messages = 0;
    {
        ZrTFTPServer server;
        server.SetListenAddress(QHostAddress(QHostAddress::LocalHost));
        if (setup & 1)
            server.SetExpectedName(QStringLiteral("/nxa7310.cfg"));
        if (setup & 2)
            server.SetAllowedPeer(QHostAddress(QStringLiteral("127.0.0.2")));
        server.SetMaxFileSize((setup & 4) ? kCap : 0);
        server.SetStopAfterFile((setup & 8) != 0);
        const int cancelAt = (setup >> 4) & 7;  // 0: never
        server.SetTransferringMsgCallback([&](const ZrTFTPMsg& message, bool& cancel) {
            ++messages;
            if (std::getenv("NXA_FUZZ_VERBOSE"))
                std::fprintf(stderr, "message %d: %lld bytes %s\n", message.Kind,
                             static_cast<long long>(message.Bytes), message.Text.toUtf8().constData());
            if (message.Kind == ZrTFTPMsg::Completed)
                completed = true;
            cancel = cancelAt != 0 && messages == cancelAt;
        });
        if (!server.Run(target, 0))
            std::abort();
        const quint16 serverPort = server.Port();
        quint16 transferPort = 0;

        size_t at = 1;
        while (at + 3 <= size) {
            const char kind = static_cast<char>(data[at]);
            QByteArray packet;
            quint16 port = transferPort;
            if (kind == 'D') {
                if (at + 5 > size)
                    break;
                const quint16 block = static_cast<quint16>((data[at + 1] << 8) | data[at + 2]);
                const size_t length = ((data[at + 3] << 8) | data[at + 4]) % 600;
                at += 5;
                QByteArray payload(static_cast<qsizetype>(length), '\0');
                for (size_t i = 0; i < length; ++i)
                    payload[static_cast<qsizetype>(i)] = "ab\r\n\0xyz"[(i + block) % 8];
                packet = TftpPacket::MakeData(block, payload);
            } else {
                const size_t length = std::min<size_t>((data[at + 1] << 8) | data[at + 2], size - at - 3);
                packet = QByteArray(reinterpret_cast<const char*>(data + at + 3), static_cast<qsizetype>(length));
                at += 3 + length;
                if (kind != 'T')
                    port = serverPort;
            }
            CheckPacket(packet);
            SendTo(port, packet);
            Settle();
            Drain(serverPort, transferPort);
        }
        server.Stop();
        Settle();
    }
    const QFileInfo stored(target);
    if (stored.exists() && !completed) {
        std::fprintf(stderr, "a file was stored without a completed transfer\n");
        std::abort();
    }
    if ((setup & 4) && stored.exists() && stored.size() > kCap) {
        std::fprintf(stderr, "a file over the size cap was stored\n");
        std::abort();
    }
    quint16 ignored = 0;
    Drain(0, ignored);  // late answers must not reach the next input
    return 0;
}
