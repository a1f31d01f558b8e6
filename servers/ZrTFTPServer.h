#pragma once
#include "ZrTFTPMsg.h"
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <vector>

class QUdpSocket;
class TftpTransfer;

// A TFTP server (RFC 1350) that takes write requests in octet and netascii
// mode and stores every received file under the one local path it was given,
// whatever name the client asks for. Read requests are answered with an
// error. Runs on the event loop of the thread that owns it.
class ZrTFTPServer : public QObject {
    Q_OBJECT
public:
    explicit ZrTFTPServer(QObject* owner = nullptr);
    ~ZrTFTPServer() override;

    // Time-out in hundredths of a second before the last ACK is sent again,
    // and how often it is sent again before the transfer is given up.
    // Default 500 and 3.
    void SetTimeout(int timeout, int retries);
    void SetTransferringMsgCallback(ZrTFTPMsgCallback callback);
    // The address to serve on; by default every IPv4 address. Takes effect
    // at the next Run.
    void SetListenAddress(const QHostAddress& address);

    // Serves on the UDP port (0 picks any free port, see Port()) and stores
    // what clients send at the local path. Called again while running, it
    // takes the new path for later requests and moves to another port only
    // when a different one is asked for. Returns false when the port cannot
    // be opened.
    bool Run(const QString& localPath, quint16 port = 69);
    // Stops serving and ends every transfer; unfinished files are discarded.
    void Stop();

    bool IsRunning() const;
    quint16 Port() const;
    QString LocalPath() const { return localPath_; }
    QString ErrorString() const { return error_; }
    int ActiveTransfers() const;

private:
    void OnReadyRead();
    void OnRequest(const QByteArray& packet, const QHostAddress& peer, quint16 port);
    void SendError(quint16 code, const QString& text, const QHostAddress& peer, quint16 port);
    void OnTransferFinished(TftpTransfer* transfer);
    bool Notify(const ZrTFTPMsg& message);

    QUdpSocket* socket_ = nullptr;
    QHostAddress listenAddress_ = QHostAddress::AnyIPv4;
    quint16 requestedPort_ = 0;
    QString localPath_;
    QString error_;
    int timeoutMs_ = 5000;
    int retries_ = 3;
    ZrTFTPMsgCallback callback_;
    std::vector<TftpTransfer*> transfers_;
};
