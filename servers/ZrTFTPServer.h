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
// error. The owner may narrow what it lets in to the one file its operation
// waits for (name, sender, size). Runs on the event loop of the thread that
// owns it.
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

    // What the current operation lets in. A write request for another file
    // name (a leading "/" aside) or from another address is refused with an
    // access violation; an empty name or a null address lets in any.
    void SetExpectedName(const QString& name) { expectedName_ = name; }
    QString ExpectedName() const { return expectedName_; }
    void SetAllowedPeer(const QHostAddress& peer) { allowedPeer_ = peer; }
    QHostAddress AllowedPeer() const { return allowedPeer_; }
    // Largest file taken, in bytes; a transfer that goes beyond it is ended
    // with "disk full" and nothing is stored. Default 64 MiB; 0: no limit.
    void SetMaxFileSize(qint64 bytes) { maxFileSize_ = bytes; }
    qint64 MaxFileSize() const { return maxFileSize_; }
    // With this set, the server closes its port once a file has been stored:
    // the operation that asked for it is over. Default off.
    void SetStopAfterFile(bool stop) { stopAfterFile_ = stop; }

    // Serves on the UDP port (0 picks any free port, see Port()) and stores
    // what clients send at the local path. Called again while running, it
    // takes the new path for later requests and moves to another port only
    // when a different one is asked for. Returns false when the port cannot
    // be opened.
    bool Run(const QString& localPath, quint16 port = 69);
    // Run for one operation: only `expectedName` from `peer` is let in, and
    // the port closes once that file is stored. These settings stay in force
    // for later calls of the plain Run.
    bool Run(const QString& localPath, quint16 port, const QString& expectedName, const QHostAddress& peer);
    // Stops serving and ends every transfer; unfinished files are discarded.
    void Stop();

    bool IsRunning() const;
    quint16 Port() const;
    QString LocalPath() const { return localPath_; }
    QString ErrorString() const { return error_; }
    int ActiveTransfers() const;

signals:
    // A request was turned away (wrong sender, name, mode, or server busy).
    void RequestRefused(const QString& peer, const QString& reason);

private:
    void CloseSocket();
    void Refuse(quint16 code, const QString& text, const QHostAddress& peer, quint16 port);
    bool NameExpected(const QString& name) const;
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
    QString expectedName_;
    QHostAddress allowedPeer_;
    qint64 maxFileSize_ = 64LL * 1024 * 1024;
    bool stopAfterFile_ = false;
};
