#include "ZrTFTPServer.h"
#include "TftpPacket.h"
#include "TftpTransfer.h"
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <algorithm>

namespace {
// Transfers at once; more requests are told the server is busy.
constexpr size_t kMaxTransfers = 16;
}  // namespace

ZrTFTPServer::ZrTFTPServer(QObject* owner) : QObject(owner) {}

ZrTFTPServer::~ZrTFTPServer() {
    Stop();
}

void ZrTFTPServer::SetTimeout(int timeout, int retries) {
    timeoutMs_ = std::max(1, timeout) * 10;
    retries_ = std::max(0, retries);
}

void ZrTFTPServer::SetTransferringMsgCallback(ZrTFTPMsgCallback callback) {
    callback_ = std::move(callback);
}

void ZrTFTPServer::SetListenAddress(const QHostAddress& address) {
    listenAddress_ = address;
}

bool ZrTFTPServer::IsRunning() const {
    return socket_ != nullptr;
}

quint16 ZrTFTPServer::Port() const {
    return socket_ ? socket_->localPort() : 0;
}

int ZrTFTPServer::ActiveTransfers() const {
    return static_cast<int>(std::count_if(transfers_.begin(), transfers_.end(),
                                          [](const TftpTransfer* t) { return !t->IsDone(); }));
}

bool ZrTFTPServer::Run(const QString& localPath, quint16 port, const QString& expectedName,
                       const QHostAddress& peer) {
    expectedName_ = expectedName;
    allowedPeer_ = peer;
    stopAfterFile_ = true;
    return Run(localPath, port);
}

bool ZrTFTPServer::Run(const QString& localPath, quint16 port) {
    localPath_ = localPath;
    if (socket_ && (port == requestedPort_ || port == socket_->localPort()) &&
        socket_->localAddress() == listenAddress_)
        return true;
    if (socket_) {
        socket_->close();
        socket_->deleteLater();
        socket_ = nullptr;
    }
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(listenAddress_, port)) {
        error_ = socket->errorString();
        delete socket;
        return false;
    }
    error_.clear();
    requestedPort_ = port;
    socket_ = socket;
    connect(socket_, &QUdpSocket::readyRead, this, &ZrTFTPServer::OnReadyRead);
    return true;
}

void ZrTFTPServer::CloseSocket() {
    if (socket_) {
        socket_->close();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void ZrTFTPServer::Stop() {
    CloseSocket();
    const std::vector<TftpTransfer*> transfers = std::move(transfers_);
    transfers_.clear();
    for (TftpTransfer* transfer : transfers) {
        transfer->disconnect();
        transfer->Abort(QStringLiteral("Server stopped."));
        delete transfer;
    }
}

bool ZrTFTPServer::Notify(const ZrTFTPMsg& message) {
    bool cancel = false;
    if (callback_)
        callback_(message, cancel);
    // The file the operation waited for is in: nothing more is let in. The
    // transfer itself stays to acknowledge its last block again if need be.
    if (message.Kind == ZrTFTPMsg::Completed && stopAfterFile_)
        CloseSocket();
    return cancel;
}

bool ZrTFTPServer::NameExpected(const QString& name) const {
    if (expectedName_.isEmpty())
        return true;
    const auto bare = [](QString n) {
        while (n.startsWith(QLatin1Char('/')))
            n.remove(0, 1);
        return n;
    };
    return bare(name) == bare(expectedName_);
}

void ZrTFTPServer::Refuse(quint16 code, const QString& text, const QHostAddress& peer, quint16 port) {
    SendError(code, text, peer, port);
    emit RequestRefused(peer.toString(), text);
}

void ZrTFTPServer::SendError(quint16 code, const QString& text, const QHostAddress& peer, quint16 port) {
    socket_->writeDatagram(TftpPacket::MakeError(code, text), peer, port);
}

void ZrTFTPServer::OnReadyRead() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_->receiveDatagram(TftpPacket::kBlockSize + 64);
        if (!datagram.isValid())
            continue;
        OnRequest(datagram.data(), datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
    }
}

void ZrTFTPServer::OnRequest(const QByteArray& packet, const QHostAddress& peer, quint16 port) {
    if (port == 0)
        return;
    TftpPacket::Request request;
    const quint16 opcode = TftpPacket::OpcodeOf(packet);
    if (opcode == TftpPacket::Error)
        return;  // never answer an error, or two servers could bounce them forever
    // Only the device the operation asked may send; others learn nothing more.
    if (!allowedPeer_.isNull() && !peer.isEqual(allowedPeer_, QHostAddress::TolerantConversion)) {
        Refuse(TftpPacket::AccessViolation, QStringLiteral("Access denied."), peer, port);
        return;
    }
    if (!TftpPacket::ParseRequest(packet, request)) {
        Refuse(TftpPacket::IllegalOperation, QStringLiteral("Illegal TFTP operation."), peer, port);
        return;
    }
    if (request.Opcode == TftpPacket::Rrq) {
        Refuse(TftpPacket::AccessViolation, QStringLiteral("Only write requests are served."), peer, port);
        return;
    }
    if (request.Mode != QLatin1String("octet") && request.Mode != QLatin1String("netascii")) {
        Refuse(TftpPacket::IllegalOperation, QStringLiteral("Unsupported transfer mode."), peer, port);
        return;
    }
    if (!NameExpected(request.FileName)) {
        Refuse(TftpPacket::AccessViolation, QStringLiteral("Unexpected file name."), peer, port);
        return;
    }
    for (TftpTransfer* transfer : transfers_) {
        if (!transfer->IsDone() && transfer->IsFor(peer, port)) {
            transfer->RepeatRequest();
            return;
        }
    }
    if (static_cast<size_t>(ActiveTransfers()) >= kMaxTransfers) {
        Refuse(TftpPacket::NotDefined, QStringLiteral("Server busy."), peer, port);
        return;
    }
    TftpTransfer::Settings settings;
    settings.LocalAddress = socket_->localAddress();
    settings.PeerAddress = peer;
    settings.PeerPort = port;
    settings.LocalPath = localPath_;
    settings.RequestedName = request.FileName;
    settings.Netascii = request.Mode == QLatin1String("netascii");
    settings.TimeoutMs = timeoutMs_;
    settings.Retries = retries_;
    settings.MaxBytes = maxFileSize_;
    auto* transfer = new TftpTransfer(settings, [this](const ZrTFTPMsg& m) { return Notify(m); }, this);
    // Queued, with the transfer as context: it is deleted only after its own
    // signal handling is over, and a transfer that Stop() deleted is never seen.
    connect(transfer, &TftpTransfer::Finished, transfer, [this, transfer] { OnTransferFinished(transfer); },
            Qt::QueuedConnection);
    transfers_.push_back(transfer);
    QString error;
    if (!transfer->Start(error)) {
        transfers_.pop_back();
        delete transfer;
        SendError(TftpPacket::AccessViolation, error, peer, port);
    }
}

void ZrTFTPServer::OnTransferFinished(TftpTransfer* transfer) {
    const auto it = std::find(transfers_.begin(), transfers_.end(), transfer);
    if (it == transfers_.end())
        return;
    transfers_.erase(it);
    transfer->deleteLater();
}
