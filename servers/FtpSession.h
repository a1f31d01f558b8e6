#pragma once
#include "FtpAccount.h"
#include "FtpPathResolver.h"
#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QObject>
#include <QSaveFile>
#include <QTimer>
#include <memory>

class FtpServer;
class QTcpServer;
class QTcpSocket;

// One control connection of the FTP server: reads command lines, answers
// them, and runs at most one data transfer at a time. Commands that arrive
// during a transfer wait for its end, except ABOR. The session deletes itself
// when the connection ends.
class FtpSession : public QObject {
    Q_OBJECT
public:
    FtpSession(QTcpSocket* control, FtpServer* server);
    ~FtpSession() override;

    // Ends the session at once, discarding an unfinished upload.
    void Shutdown();

private:
    enum class Transfer { None, Retrieve, Store, Listing };

    void OnControlReadyRead();
    void ProcessLines();
    void Execute(const QByteArray& verb, const QString& argument);
    void Reply(int code, const QString& text);
    void ReplyRaw(const QByteArray& text);
    void CountBadCommand(int code);
    void CloseAfterReply();
    void Touch();
    void OnIdleTimeout();
    void Log(const QString& text) const;

    void DoUser(const QString& argument);
    void DoPass(const QString& argument);
    void DoCwd(const QString& argument);
    void DoType(const QString& argument);
    void DoPassive(bool extended, const QString& argument);
    void DoPort(const QString& argument);
    void DoRetrieve(const QString& argument);
    void DoStore(const QString& argument);
    void DoList(const QString& argument, bool namesOnly);
    void DoSize(const QString& argument);
    void DoDelete(const QString& argument);
    void DoAbort();

    // Data connection.
    bool HasDataChannel() const;
    void ResetDataChannel();
    void OnPassiveConnection();
    void StartTransfer(Transfer kind);
    void BeginTransfer();
    void PumpOut();
    void OnDataReadyRead();
    void OnDataDisconnected();
    void OnDataError();
    void FinishTransfer(int code, const QString& text, bool keepUpload);
    bool ControlPeerGone() const;
    QString VirtualPath(const QString& argument) const;
    QHostAddress PeerAddress() const;

    QTcpSocket* control_;
    FtpServer* server_;
    QTimer idleTimer_;
    QTimer dataTimer_;
    QTimer loginTimer_;
    int badCommands_ = 0;  // rejected commands in a row
    QByteArray input_;
    bool closing_ = false;
    bool ended_ = false;

    QString pendingUser_;
    bool loggedIn_ = false;
    int failedLogins_ = 0;
    FtpAccount account_;
    FtpPathResolver paths_;
    QString cwd_ = QStringLiteral("/");
    // Sessions start in type I: a device that never sends TYPE must get its
    // firmware unchanged. TYPE A turns on line-end conversion.
    bool ascii_ = false;
    bool epsvAll_ = false;

    QTcpServer* passive_ = nullptr;
    QTcpSocket* data_ = nullptr;
    QHostAddress activeHost_;
    quint16 activePort_ = 0;
    bool begun_ = false;

    Transfer transfer_ = Transfer::None;
    QString transferName_;
    std::unique_ptr<QFile> source_;
    std::unique_ptr<QSaveFile> target_;
    QByteArray listing_;
    bool sourceDone_ = false;
    bool pendingCr_ = false;
    qint64 bytes_ = 0;
};
