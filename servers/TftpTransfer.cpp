#include "TftpTransfer.h"
#include "TftpPacket.h"
#include <QDir>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

TftpTransfer::TftpTransfer(const Settings& settings, Notify notify, QObject* parent)
    : QObject(parent), settings_(settings), notify_(std::move(notify)), socket_(new QUdpSocket(this)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TftpTransfer::OnTimeout);
    connect(socket_, &QUdpSocket::readyRead, this, &TftpTransfer::OnReadyRead);
}

TftpTransfer::~TftpTransfer() {
    if (file_)
        file_->cancelWriting();
}

bool TftpTransfer::IsFor(const QHostAddress& address, quint16 port) const {
    return port == settings_.PeerPort && address.isEqual(settings_.PeerAddress, QHostAddress::TolerantConversion);
}

ZrTFTPMsg TftpTransfer::Message(int kind, const QString& text) const {
    ZrTFTPMsg m;
    m.Kind = kind;
    m.PeerAddress = settings_.PeerAddress.toString();
    m.PeerPort = settings_.PeerPort;
    m.RequestedName = settings_.RequestedName;
    m.Mode = settings_.Netascii ? QStringLiteral("netascii") : QStringLiteral("octet");
    m.LocalPath = settings_.LocalPath;
    m.Bytes = bytes_;
    m.Blocks = blocks_;
    m.Text = text;
    return m;
}

bool TftpTransfer::Start(QString& error) {
    const QFileInfo info(settings_.LocalPath);
    if (info.isDir()) {
        error = QStringLiteral("The local path is a folder.");
        return false;
    }
    QDir().mkpath(info.absolutePath());
    // The file is written under a temporary name and renamed when the last
    // block is in, so a broken transfer leaves the previous file untouched.
    file_ = std::make_unique<QSaveFile>(settings_.LocalPath);
    if (!file_->open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot create the file.");
        file_.reset();
        return false;
    }
    if (!socket_->bind(settings_.LocalAddress, 0)) {
        error = QStringLiteral("No transfer port available.");
        file_->cancelWriting();
        file_.reset();
        return false;
    }
    if (notify_(Message(ZrTFTPMsg::Started))) {
        Fail(TftpPacket::AccessViolation, QStringLiteral("Transfer refused."), true);
        error.clear();
        return true;  // the refusal went out from the transfer port
    }
    retriesLeft_ = settings_.Retries;
    SendAck(0);
    return true;
}

void TftpTransfer::SendAck(quint16 block) {
    lastAck_ = block;
    socket_->writeDatagram(TftpPacket::MakeAck(block), settings_.PeerAddress, settings_.PeerPort);
    timer_.start(settings_.TimeoutMs);
}

void TftpTransfer::RepeatRequest() {
    if (state_ == State::Receiving && blocks_ == 0)
        SendAck(0);
}

void TftpTransfer::OnReadyRead() {
    // A packet that ends the transfer closes the socket; stop reading then.
    while (state_ != State::Over && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_->receiveDatagram(TftpPacket::kBlockSize + 64);
        if (!IsFor(datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()))) {
            // Another client's packet: tell it, and carry on (RFC 1350, 4).
            if (TftpPacket::OpcodeOf(datagram.data()) != TftpPacket::Error)
                socket_->writeDatagram(TftpPacket::MakeError(TftpPacket::UnknownTransferId,
                                                             QStringLiteral("Unknown transfer ID.")),
                                       datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
            continue;
        }
        const QByteArray packet = datagram.data();
        switch (TftpPacket::OpcodeOf(packet)) {
        case TftpPacket::Data:
            OnData(packet);
            break;
        case TftpPacket::Error:
            Fail(0, QStringLiteral("The client ended the transfer: %1")
                        .arg(QString::fromUtf8(packet.mid(4)).section(QChar(0), 0, 0)),
                 false);
            break;
        case TftpPacket::Wrq:
            RepeatRequest();
            break;
        default:
            Fail(TftpPacket::IllegalOperation, QStringLiteral("Illegal TFTP operation."), true);
            break;
        }
    }
}

void TftpTransfer::OnData(const QByteArray& packet) {
    if (packet.size() < 4 || packet.size() > 4 + TftpPacket::kBlockSize) {
        Fail(TftpPacket::IllegalOperation, QStringLiteral("Malformed DATA packet."), true);
        return;
    }
    const quint16 block = TftpPacket::BlockOf(packet);
    // After block 65535 clients go on with 0 or with 1; take either once.
    const bool next = block == expected_ || (wrapped_ && expected_ == 0 && block == 1);
    if (!next) {
        // A repeat of the block we acknowledged last: our ACK was lost.
        if (block == lastAck_ && (blocks_ > 0 || block == 0))
            SendAck(lastAck_);
        return;
    }
    if (state_ == State::Dallying)
        return;
    const QByteArray payload = TftpPacket::PayloadOf(packet);
    if (settings_.MaxBytes > 0 && bytes_ + payload.size() > settings_.MaxBytes) {
        Fail(TftpPacket::DiskFull, QStringLiteral("File too large."), true);
        return;
    }
    const QByteArray bytes = settings_.Netascii ? decoder_.Feed(payload) : payload;
    if (file_->write(bytes) != bytes.size()) {
        Fail(TftpPacket::DiskFull, QStringLiteral("Cannot write the file."), true);
        return;
    }
    bytes_ += payload.size();
    ++blocks_;
    wrapped_ = block == 0xffff;
    expected_ = static_cast<quint16>(block + 1);
    retriesLeft_ = settings_.Retries;
    if (payload.size() < TftpPacket::kBlockSize) {
        if (settings_.Netascii) {
            const QByteArray rest = decoder_.Finish();
            file_->write(rest);
        }
        if (!file_->commit()) {
            file_.reset();
            Fail(TftpPacket::DiskFull, QStringLiteral("Cannot store the file."), true);
            return;
        }
        file_.reset();
        SendAck(block);
        // Stay a while to acknowledge the last block again if our ACK is lost.
        state_ = State::Dallying;
        notify_(Message(ZrTFTPMsg::Completed));
        return;
    }
    if (notify_(Message(ZrTFTPMsg::Progress))) {
        Fail(TftpPacket::NotDefined, QStringLiteral("Transfer cancelled."), true);
        return;
    }
    SendAck(block);
}

void TftpTransfer::OnTimeout() {
    if (state_ == State::Dallying) {
        End();
        return;
    }
    if (state_ != State::Receiving)
        return;
    if (retriesLeft_ <= 0) {
        Fail(TftpPacket::NotDefined, QStringLiteral("Timed out."), true);
        return;
    }
    --retriesLeft_;
    SendAck(lastAck_);
}

void TftpTransfer::Abort(const QString& reason) {
    if (state_ == State::Receiving)
        Fail(TftpPacket::NotDefined, reason, true);
    else
        End();
}

void TftpTransfer::Fail(quint16 code, const QString& text, bool tellPeer) {
    if (state_ != State::Receiving)
        return;
    if (tellPeer)
        socket_->writeDatagram(TftpPacket::MakeError(code, text), settings_.PeerAddress, settings_.PeerPort);
    if (file_) {
        file_->cancelWriting();
        file_.reset();
    }
    state_ = State::Over;
    notify_(Message(ZrTFTPMsg::Failed, text));
    End();
}

void TftpTransfer::End() {
    state_ = State::Over;
    timer_.stop();
    socket_->close();
    emit Finished();
}
