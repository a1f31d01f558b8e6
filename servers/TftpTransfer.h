#pragma once
#include "NetasciiDecoder.h"
#include "ZrTFTPMsg.h"
#include <QHostAddress>
#include <QObject>
#include <QSaveFile>
#include <QTimer>
#include <functional>
#include <memory>

class QUdpSocket;

// One write request of the TFTP server: receives the DATA blocks on a port
// of its own (the transfer ID), acknowledges them in lock step, and stores
// the file under its local path only once the last block is in.
class TftpTransfer : public QObject {
    Q_OBJECT
public:
    struct Settings {
        QHostAddress LocalAddress;
        QHostAddress PeerAddress;
        quint16 PeerPort = 0;
        QString LocalPath;
        QString RequestedName;
        bool Netascii = false;
        int TimeoutMs = 5000;
        int Retries = 3;
        qint64 MaxBytes = 0;  // 0: no limit
    };
    // Returns true when the owner wants the transfer cancelled.
    using Notify = std::function<bool(const ZrTFTPMsg&)>;

    TftpTransfer(const Settings& settings, Notify notify, QObject* parent = nullptr);
    ~TftpTransfer() override;

    // Opens the file and the transfer port and acknowledges the request.
    bool Start(QString& error);
    // The client sent its request again (our first ACK was lost).
    void RepeatRequest();
    // Ends the transfer at once; an unfinished file is discarded.
    void Abort(const QString& reason);

    bool IsFor(const QHostAddress& address, quint16 port) const;
    bool IsDone() const { return state_ != State::Receiving; }

signals:
    // The transfer is over (after the final dally); the owner deletes it.
    void Finished();

private:
    enum class State { Receiving, Dallying, Over };

    void OnReadyRead();
    void OnData(const QByteArray& packet);
    void OnTimeout();
    void SendAck(quint16 block);
    void Fail(quint16 code, const QString& text, bool tellPeer);
    void End();
    ZrTFTPMsg Message(int kind, const QString& text = {}) const;

    Settings settings_;
    Notify notify_;
    QUdpSocket* socket_;
    QTimer timer_;
    std::unique_ptr<QSaveFile> file_;
    NetasciiDecoder decoder_;
    State state_ = State::Receiving;
    quint16 expected_ = 1;
    quint16 lastAck_ = 0;
    bool wrapped_ = false;  // the block counter just went past 65535
    int retriesLeft_ = 0;
    qint64 bytes_ = 0;
    quint32 blocks_ = 0;
};
