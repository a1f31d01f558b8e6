#include "FtpServer.h"
#include "FtpSession.h"
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

FtpServer::FtpServer(QObject* parent) : QObject(parent), listener_(new QTcpServer(this)) {
    connect(listener_, &QTcpServer::newConnection, this, &FtpServer::OnNewConnection);
}

FtpServer::~FtpServer() {
    Close();
    // Delete the sessions while this object is whole: their "destroyed"
    // signal updates the count.
    qDeleteAll(findChildren<FtpSession*>(Qt::FindDirectChildrenOnly));
}

bool FtpServer::Listen(const QHostAddress& address, quint16 port) {
    if (listener_->isListening())
        listener_->close();
    const bool ok = listener_->listen(address, port);
    const QHostAddress bound = listener_->serverAddress();
    QMutexLocker lock(&mutex_);
    const bool any = bound == QHostAddress::Any || bound == QHostAddress::AnyIPv4 || bound == QHostAddress::AnyIPv6;
    listenAddress_ = !ok || any ? QStringLiteral("0.0.0.0") : bound.toString();
    return ok;
}

void FtpServer::Close() {
    listener_->close();
    for (FtpSession* session : findChildren<FtpSession*>(Qt::FindDirectChildrenOnly))
        session->Shutdown();
}

bool FtpServer::IsListening() const {
    return listener_->isListening();
}

quint16 FtpServer::Port() const {
    return listener_->serverPort();
}

QHostAddress FtpServer::Address() const {
    return listener_->serverAddress();
}

QString FtpServer::ErrorString() const {
    return listener_->errorString();
}

namespace {

// IPv4 clients may arrive as IPv4-mapped IPv6 addresses on a dual-stack socket.
QString ClientKey(const QHostAddress& address) {
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : address.toString();
}

void TurnAway(QTcpSocket* socket, const char* reply) {
    socket->write(reply);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    // A client that never reads must not keep the socket.
    QTimer::singleShot(5000, socket, [socket] { socket->abort(); socket->deleteLater(); });
}

}  // namespace

int FtpServer::SessionsFrom(const QHostAddress& address) const {
    return perClient_.value(ClientKey(address));
}

void FtpServer::OnNewConnection() {
    while (listener_->hasPendingConnections()) {
        QTcpSocket* socket = listener_->nextPendingConnection();
        const QString client = ClientKey(socket->peerAddress());
        if (sessionCount_ >= maxSessions_) {
            TurnAway(socket, "421 Too many connections; try again later.\r\n");
            continue;
        }
        if (maxPerClient_ > 0 && perClient_.value(client) >= maxPerClient_) {
            emit LogMessage(QStringLiteral("[%1] connection refused: too many from this address").arg(client));
            TurnAway(socket, "421 Too many connections from your address; try again later.\r\n");
            continue;
        }
        auto* session = new FtpSession(socket, this);
        ++sessionCount_;
        ++perClient_[client];
        connect(session, &QObject::destroyed, this, [this, client] {
            --sessionCount_;
            if (--perClient_[client] <= 0)
                perClient_.remove(client);
        });
    }
}

QString FtpServer::CleanFolder(const QString& folder) {
    QString f = QDir::fromNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    return f;
}

bool FtpServer::IsAnonymousName(const QString& user) {
    return user.compare(QLatin1String("anonymous"), Qt::CaseInsensitive) == 0 ||
           user.compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0;
}

FtpAccount* FtpServer::Find(const QString& user) {
    for (FtpAccount& account : accounts_) {
        if (account.User == user)
            return &account;
    }
    return nullptr;
}

const FtpAccount* FtpServer::Find(const QString& user) const {
    for (const FtpAccount& account : accounts_) {
        if (account.User == user)
            return &account;
    }
    return nullptr;
}

bool FtpServer::AddAccount(const QString& user, const QString& password, const QString& home) {
    if (user.isEmpty() || IsAnonymousName(user) || !QFileInfo(home).isDir())
        return false;
    QMutexLocker lock(&mutex_);
    if (FtpAccount* existing = Find(user)) {
        existing->Password = password;
        existing->Home = CleanFolder(home);
        return true;
    }
    accounts_.push_back(FtpAccount{user, password, CleanFolder(home), false});
    if (currentUser_.isEmpty())
        currentUser_ = user;
    return true;
}

bool FtpServer::RemoveAccount(const QString& user) {
    QMutexLocker lock(&mutex_);
    for (auto it = accounts_.begin(); it != accounts_.end(); ++it) {
        if (it->User == user) {
            accounts_.erase(it);
            if (currentUser_ == user)
                currentUser_ = accounts_.empty() ? QString() : accounts_.front().User;
            return true;
        }
    }
    return false;
}

bool FtpServer::SetCurrentUser(const QString& user) {
    QMutexLocker lock(&mutex_);
    if (!Find(user))
        return false;
    currentUser_ = user;
    return true;
}

bool FtpServer::SetAnonymousHome(const QString& home) {
    if (!home.isEmpty() && !QFileInfo(home).isDir())
        return false;
    QMutexLocker lock(&mutex_);
    anonymousHome_ = home.isEmpty() ? QString() : CleanFolder(home);
    return true;
}

void FtpServer::SetAdvertisedAddress(const QString& address) {
    QMutexLocker lock(&mutex_);
    advertised_ = address;
    advertisedSet_ = true;
}

bool FtpServer::Authenticate(const QString& user, const QString& password, FtpAccount& account) const {
    QMutexLocker lock(&mutex_);
    if (IsAnonymousName(user)) {
        if (anonymousHome_.isEmpty())
            return false;
        account = FtpAccount{user, QString(), anonymousHome_, true};
        return true;
    }
    const FtpAccount* found = Find(user);
    if (!found)
        return false;
    // Compare every character so that timing tells nothing about the password.
    const QByteArray a = found->Password.toUtf8();
    const QByteArray b = password.toUtf8();
    unsigned diff = a.size() == b.size() ? 0u : 1u;
    for (qsizetype i = 0; i < b.size(); ++i)
        diff |= static_cast<unsigned>(static_cast<unsigned char>(b[i]) ^ static_cast<unsigned char>(a.isEmpty() ? 0 : a[i % a.size()]));
    if (diff != 0)
        return false;
    account = *found;
    return true;
}

QString FtpServer::GetIpAddress() const {
    QMutexLocker lock(&mutex_);
    return advertisedSet_ ? advertised_ : listenAddress_;
}

void FtpServer::GetCurrentUser(QString& user, QString& password) const {
    QMutexLocker lock(&mutex_);
    const FtpAccount* found = Find(currentUser_);
    user = found ? found->User : QString();
    password = found ? found->Password : QString();
}

bool FtpServer::GetHomeDir(const QString& user, QString& folder) const {
    QMutexLocker lock(&mutex_);
    const FtpAccount* found = Find(user);
    folder = found ? found->Home : QString();
    return found != nullptr;
}

bool FtpServer::UpdateHomeDir(const QString& user, const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QMutexLocker lock(&mutex_);
    FtpAccount* found = Find(user);
    if (!found)
        return false;
    found->Home = CleanFolder(folder);
    return true;
}
