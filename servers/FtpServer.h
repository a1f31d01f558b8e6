#pragma once
#include "CFTPServer.h"
#include "FtpAccount.h"
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QHash>
#include <QString>
#include <vector>

class QTcpServer;

// An FTP server (RFC 959 with passive, extended passive and active data
// connections) on the event loop of the thread that owns it. Each account is
// confined to its home folder. The account operations of CFTPServer may be
// called from any thread; everything else from the owning thread.
class FtpServer : public QObject, public CFTPServer {
    Q_OBJECT
public:
    explicit FtpServer(QObject* parent = nullptr);
    ~FtpServer() override;

    // Starts listening; port 0 picks any free port (see Port()).
    bool Listen(const QHostAddress& address = QHostAddress::Any, quint16 port = 21);
    // Stops listening and ends every session.
    void Close();
    bool IsListening() const;
    quint16 Port() const;
    QHostAddress Address() const;
    QString ErrorString() const;

    // Adds or replaces an account. The first account added becomes the
    // current one unless SetCurrentUser names another. Fails for an empty or
    // anonymous user name or a home folder that does not exist.
    bool AddAccount(const QString& user, const QString& password, const QString& home);
    bool RemoveAccount(const QString& user);
    bool SetCurrentUser(const QString& user);
    // Lets "anonymous" and "ftp" log in with any password, read-only, into
    // this folder; an empty folder (the default) refuses them.
    bool SetAnonymousHome(const QString& home);
    // The address reported by GetIpAddress(); by default the listen address,
    // or "0.0.0.0" when listening on every address.
    void SetAdvertisedAddress(const QString& address);

    // A session (or a stalled transfer) without traffic for this long is
    // closed. Default 300 s.
    void SetIdleTimeout(int msecs) { idleTimeoutMs_ = msecs; }
    int IdleTimeout() const { return idleTimeoutMs_; }
    // Longest command line accepted, without its line end. Default 1024.
    void SetMaxLineLength(int bytes) { maxLineLength_ = bytes; }
    int MaxLineLength() const { return maxLineLength_; }
    // Sessions at once; further connections are told 421 and closed. Default 64.
    void SetMaxSessions(int count) { maxSessions_ = count; }
    int SessionCount() const { return sessionCount_; }
    int MaxSessions() const { return maxSessions_; }
    // Sessions at once from one address; further connections from it are
    // told 421 and closed, so one client cannot take every session.
    // Default 0: no limit besides the total.
    void SetMaxSessionsPerClient(int count) { maxPerClient_ = count; }
    int MaxSessionsPerClient() const { return maxPerClient_; }
    int SessionsFrom(const QHostAddress& address) const;
    // Largest upload kept, in bytes; an upload that goes beyond it is cut off
    // with 552 and discarded. Default 0: no limit.
    void SetMaxUploadSize(qint64 bytes) { maxUpload_ = bytes; }
    qint64 MaxUploadSize() const { return maxUpload_; }
    // A connection that has not logged in within this time is closed with
    // 421. Default 60 s; 0: only the idle time-out.
    void SetLoginTimeout(int msecs) { loginTimeoutMs_ = msecs; }
    int LoginTimeout() const { return loginTimeoutMs_; }
    // Rejected commands (500-504, 530) in a row before the connection is
    // closed with 421. Default 20; 0: no limit.
    void SetMaxBadCommands(int count) { maxBadCommands_ = count; }
    int MaxBadCommands() const { return maxBadCommands_; }

    // Checks a login. On success fills the account (anonymous logins get the
    // anonymous folder, read-only).
    bool Authenticate(const QString& user, const QString& password, FtpAccount& account) const;
    static bool IsAnonymousName(const QString& user);

    QString GetIpAddress() const override;
    void GetCurrentUser(QString& user, QString& password) const override;
    bool GetHomeDir(const QString& user, QString& folder) const override;
    bool UpdateHomeDir(const QString& user, const QString& folder) override;

signals:
    // One line about what a session did, for a log.
    void LogMessage(const QString& text);

private:
    void OnNewConnection();
    FtpAccount* Find(const QString& user);
    const FtpAccount* Find(const QString& user) const;
    static QString CleanFolder(const QString& folder);

    QTcpServer* listener_;
    mutable QMutex mutex_;  // guards the accounts and the texts below
    std::vector<FtpAccount> accounts_;
    QString currentUser_;
    QString anonymousHome_;
    QString advertised_;
    QString listenAddress_ = QStringLiteral("0.0.0.0");
    bool advertisedSet_ = false;
    int idleTimeoutMs_ = 300000;
    int maxLineLength_ = 1024;
    int maxSessions_ = 64;
    int sessionCount_ = 0;
    int maxPerClient_ = 0;
    qint64 maxUpload_ = 0;
    int loginTimeoutMs_ = 60000;
    int maxBadCommands_ = 20;
    QHash<QString, int> perClient_;  // open sessions by client address
};
