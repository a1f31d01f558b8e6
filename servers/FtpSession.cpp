#include "FtpSession.h"
#include "FtpListing.h"
#include "FtpServer.h"
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <sys/socket.h>

namespace {

constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kWriteAhead = 256 * 1024;
// How long a transfer waits for its data connection.
constexpr int kDataConnectMs = 30000;

// Commands that need no login.
bool IsOpenCommand(const QByteArray& verb) {
    return verb == "USER" || verb == "PASS" || verb == "QUIT" || verb == "NOOP" || verb == "SYST" ||
           verb == "FEAT" || verb == "OPTS";
}

bool IsKnownCommand(const QByteArray& verb) {
    static const char* const known[] = {"USER", "PASS", "SYST", "FEAT", "TYPE", "PWD",  "XPWD", "CWD",
                                        "CDUP", "PASV", "EPSV", "PORT", "RETR", "STOR", "SIZE", "LIST",
                                        "NLST", "DELE", "QUIT", "NOOP", "ABOR", "OPTS", "MODE", "STRU"};
    for (const char* k : known) {
        if (verb == k)
            return true;
    }
    return false;
}

QString Quoted(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + p + QLatin1Char('"');
}

// IPv4 addresses may arrive as IPv4-mapped IPv6 ones on a dual-stack socket.
QHostAddress Plain(const QHostAddress& address) {
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4) : address;
}

QByteArray ToNetworkLines(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size() + in.size() / 16);
    for (const char c : in) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

FtpSession::FtpSession(QTcpSocket* control, FtpServer* server)
    : QObject(server), control_(control), server_(server) {
    control_->setParent(this);
    // Replies are short lines, often two in a row ("150" then "226"): with
    // Nagle's algorithm the second waits for the client's delayed ACK (about
    // 40 ms on Linux) on every transfer.
    control_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    idleTimer_.setSingleShot(true);
    dataTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &FtpSession::OnIdleTimeout);
    connect(&dataTimer_, &QTimer::timeout, this, [this] {
        if (transfer_ != Transfer::None && !begun_)
            FinishTransfer(425, QStringLiteral("Can't open data connection."), false);
    });
    // A connection that never logs in must not hold a session for the whole
    // idle time: a flood of them would keep real clients out.
    loginTimer_.setSingleShot(true);
    connect(&loginTimer_, &QTimer::timeout, this, [this] {
        if (loggedIn_ || closing_)
            return;
        Log(QStringLiteral("no login in time"));
        Reply(421, QStringLiteral("Login time-out; closing the connection."));
        CloseAfterReply();
    });
    if (server_->LoginTimeout() > 0)
        loginTimer_.start(server_->LoginTimeout());
    connect(control_, &QTcpSocket::readyRead, this, &FtpSession::OnControlReadyRead);
    connect(control_, &QTcpSocket::disconnected, this, &FtpSession::Shutdown);
    Log(QStringLiteral("connected from %1").arg(Plain(control_->peerAddress()).toString()));
    Touch();
    Reply(220, QStringLiteral("NXA FTP server ready."));
}

FtpSession::~FtpSession() {
    if (target_)
        target_->cancelWriting();
}

void FtpSession::Log(const QString& text) const {
    emit server_->LogMessage(QStringLiteral("[%1:%2] %3")
                                 .arg(Plain(control_->peerAddress()).toString())
                                 .arg(control_->peerPort())
                                 .arg(text));
}

void FtpSession::Shutdown() {
    if (ended_)
        return;
    ended_ = true;
    closing_ = true;
    idleTimer_.stop();
    dataTimer_.stop();
    loginTimer_.stop();
    if (transfer_ == Transfer::Store)
        Log(QStringLiteral("upload of %1 discarded (%2 bytes; connection lost)").arg(transferName_).arg(bytes_));
    else if (transfer_ != Transfer::None)
        Log(QStringLiteral("transfer of %1 aborted (connection lost)").arg(transferName_));
    source_.reset();
    if (target_) {
        target_->cancelWriting();
        target_.reset();
    }
    transfer_ = Transfer::None;
    ResetDataChannel();
    control_->disconnect(this);
    control_->abort();
    deleteLater();
}

void FtpSession::Touch() {
    if (server_->IdleTimeout() > 0)
        idleTimer_.start(server_->IdleTimeout());
}

void FtpSession::OnIdleTimeout() {
    Log(QStringLiteral("idle time-out"));
    Reply(421, QStringLiteral("Idle time-out; closing the connection."));
    CloseAfterReply();
}

void FtpSession::ReplyRaw(const QByteArray& text) {
    if (control_->state() == QAbstractSocket::ConnectedState)
        control_->write(text);
}

void FtpSession::Reply(int code, const QString& text) {
    // Texts may echo what the client sent; a stray CR must not end the line.
    QByteArray line = text.toUtf8();
    line.replace('\r', ' ').replace('\n', ' ');
    ReplyRaw(QByteArray::number(code) + ' ' + line + "\r\n");
    CountBadCommand(code);
}

void FtpSession::CountBadCommand(int code) {
    // A client that sends nothing but garbage is sent away instead of being
    // answered for as long as it likes.
    const bool bad = (code >= 500 && code <= 504) || code == 530;
    if (!bad) {
        if (code < 400)
            badCommands_ = 0;
        return;
    }
    const int limit = server_->MaxBadCommands();
    if (closing_ || limit <= 0 || ++badCommands_ < limit)
        return;
    Log(QStringLiteral("too many rejected commands"));
    ReplyRaw("421 Too many rejected commands; closing the connection.\r\n");
    CloseAfterReply();
}

void FtpSession::CloseAfterReply() {
    if (transfer_ != Transfer::None)
        FinishTransfer(426, QStringLiteral("Connection closed; transfer aborted."), false);
    closing_ = true;
    input_.clear();
    idleTimer_.stop();
    control_->disconnectFromHost();  // sends what is queued, then "disconnected" ends the session
    // A client that reads nothing more must not keep the session.
    QTimer::singleShot(5000, this, &FtpSession::Shutdown);
    if (control_->state() == QAbstractSocket::UnconnectedState)
        Shutdown();
}

void FtpSession::OnControlReadyRead() {
    if (closing_) {
        control_->readAll();
        return;
    }
    input_ += control_->readAll();
    Touch();
    ProcessLines();
}

void FtpSession::ProcessLines() {
    const int maxLine = server_->MaxLineLength();
    while (!closing_) {
        const qsizetype end = input_.indexOf('\n');
        if (end < 0) {
            // Commands queued behind a transfer may take a few lines' room.
            const qsizetype limit = transfer_ == Transfer::None ? maxLine + 2 : 8LL * (maxLine + 2);
            if (input_.size() > limit) {
                Reply(500, QStringLiteral("Command line too long."));
                CloseAfterReply();
            }
            return;
        }
        QByteArray line = input_.left(end);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > maxLine) {
            Reply(500, QStringLiteral("Command line too long."));
            CloseAfterReply();
            return;
        }
        // Telnet controls (IAC sequences) that some clients send before ABOR.
        qsizetype start = 0;
        while (start < line.size() && (static_cast<unsigned char>(line[start]) >= 0xf0))
            ++start;
        line = line.mid(start);
        const qsizetype space = line.indexOf(' ');
        const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
        if (transfer_ != Transfer::None && verb != "ABOR")
            return;  // wait for the transfer to end
        input_.remove(0, end + 1);
        const QString argument = space < 0 ? QString() : QString::fromUtf8(line.mid(space + 1));
        Execute(verb, argument);
    }
}

void FtpSession::Execute(const QByteArray& verb, const QString& argument) {
    Log(verb == "PASS" ? QStringLiteral("PASS ****") : QString::fromLatin1(verb) + QLatin1Char(' ') + argument);
    if (verb.isEmpty()) {
        Reply(500, QStringLiteral("Empty command."));
        return;
    }
    if (!IsKnownCommand(verb)) {
        Reply(502, QStringLiteral("Command not implemented."));
        return;
    }
    if (!loggedIn_ && !IsOpenCommand(verb)) {
        Reply(530, QStringLiteral("Please login with USER and PASS."));
        return;
    }
    if (verb == "USER") {
        DoUser(argument);
    } else if (verb == "PASS") {
        DoPass(argument);
    } else if (verb == "QUIT") {
        Reply(221, QStringLiteral("Goodbye."));
        CloseAfterReply();
    } else if (verb == "NOOP") {
        Reply(200, QStringLiteral("NOOP ok."));
    } else if (verb == "SYST") {
        Reply(215, QStringLiteral("UNIX Type: L8"));
    } else if (verb == "FEAT") {
        ReplyRaw("211-Features:\r\n EPSV\r\n PASV\r\n SIZE\r\n UTF8\r\n211 End\r\n");
    } else if (verb == "OPTS") {
        if (argument.trimmed().compare(QLatin1String("UTF8 ON"), Qt::CaseInsensitive) == 0)
            Reply(200, QStringLiteral("Always in UTF8 mode."));
        else
            Reply(501, QStringLiteral("Option not understood."));
    } else if (verb == "TYPE") {
        DoType(argument);
    } else if (verb == "MODE") {
        if (argument.trimmed().compare(QLatin1String("S"), Qt::CaseInsensitive) == 0)
            Reply(200, QStringLiteral("Mode set to S."));
        else
            Reply(504, QStringLiteral("Only stream mode is supported."));
    } else if (verb == "STRU") {
        if (argument.trimmed().compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
            Reply(200, QStringLiteral("Structure set to F."));
        else
            Reply(504, QStringLiteral("Only file structure is supported."));
    } else if (verb == "PWD" || verb == "XPWD") {
        Reply(257, Quoted(cwd_) + QStringLiteral(" is the current directory."));
    } else if (verb == "CWD") {
        DoCwd(argument);
    } else if (verb == "CDUP") {
        DoCwd(QStringLiteral(".."));
    } else if (verb == "PASV") {
        DoPassive(false, argument);
    } else if (verb == "EPSV") {
        DoPassive(true, argument);
    } else if (verb == "PORT") {
        DoPort(argument);
    } else if (verb == "RETR") {
        DoRetrieve(argument);
    } else if (verb == "STOR") {
        DoStore(argument);
    } else if (verb == "LIST") {
        DoList(argument, false);
    } else if (verb == "NLST") {
        DoList(argument, true);
    } else if (verb == "SIZE") {
        DoSize(argument);
    } else if (verb == "DELE") {
        DoDelete(argument);
    } else if (verb == "ABOR") {
        DoAbort();
    }
}

void FtpSession::DoUser(const QString& argument) {
    loggedIn_ = false;
    paths_ = FtpPathResolver();
    pendingUser_ = argument;
    if (argument.isEmpty()) {
        Reply(501, QStringLiteral("User name required."));
        return;
    }
    FtpAccount anonymous;
    if (FtpServer::IsAnonymousName(argument) && !server_->Authenticate(argument, QString(), anonymous)) {
        pendingUser_.clear();
        Reply(530, QStringLiteral("Anonymous login is not allowed."));
        return;
    }
    Reply(331, QStringLiteral("Password required for %1.").arg(argument));
}

void FtpSession::DoPass(const QString& argument) {
    if (loggedIn_) {
        Reply(503, QStringLiteral("Already logged in."));
        return;
    }
    if (pendingUser_.isEmpty()) {
        Reply(503, QStringLiteral("Login with USER first."));
        return;
    }
    FtpAccount account;
    const QString user = pendingUser_;
    pendingUser_.clear();
    if (!server_->Authenticate(user, argument, account)) {
        Log(QStringLiteral("login of %1 refused").arg(user));
        if (++failedLogins_ >= 3) {
            Reply(421, QStringLiteral("Too many failed logins; closing the connection."));
            CloseAfterReply();
        } else {
            Reply(530, QStringLiteral("Login incorrect."));
        }
        return;
    }
    // The home folder is taken at login; a later UpdateHomeDir serves later logins.
    FtpPathResolver paths(account.Home);
    if (!paths.IsValid()) {
        Reply(530, QStringLiteral("Home folder not available."));
        return;
    }
    account_ = account;
    paths_ = paths;
    cwd_ = QStringLiteral("/");
    loggedIn_ = true;
    failedLogins_ = 0;
    loginTimer_.stop();
    Reply(230, QStringLiteral("User %1 logged in.").arg(user));
}

QString FtpSession::VirtualPath(const QString& argument) const {
    return FtpPathResolver::Normalize(cwd_, argument);
}

void FtpSession::DoCwd(const QString& argument) {
    const QString path = VirtualPath(argument.isEmpty() ? QStringLiteral("/") : argument);
    const QString local = path.isEmpty() ? QString() : paths_.Existing(path);
    if (local.isEmpty() || !QFileInfo(local).isDir()) {
        Reply(550, QStringLiteral("%1: No such directory.").arg(argument));
        return;
    }
    cwd_ = path;
    Reply(250, QStringLiteral("Directory changed to %1.").arg(Quoted(cwd_)));
}

void FtpSession::DoType(const QString& argument) {
    const QString type = argument.simplified().toUpper();
    if (type == QLatin1String("A") || type == QLatin1String("A N")) {
        ascii_ = true;
        Reply(200, QStringLiteral("Type set to A."));
    } else if (type == QLatin1String("I") || type == QLatin1String("L 8")) {
        ascii_ = false;
        Reply(200, QStringLiteral("Type set to I."));
    } else {
        Reply(504, QStringLiteral("Type not supported."));
    }
}

QHostAddress FtpSession::PeerAddress() const {
    return Plain(control_->peerAddress());
}

void FtpSession::DoPassive(bool extended, const QString& argument) {
    if (extended && argument.trimmed().compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
        epsvAll_ = true;
        Reply(200, QStringLiteral("EPSV ALL ok."));
        return;
    }
    if (extended && !argument.trimmed().isEmpty() && argument.trimmed() != QLatin1String("1") &&
        argument.trimmed() != QLatin1String("2")) {
        Reply(522, QStringLiteral("Network protocol not supported, use (1,2)."));
        return;
    }
    if (!extended && epsvAll_) {
        Reply(500, QStringLiteral("Only EPSV is allowed after EPSV ALL."));
        return;
    }
    ResetDataChannel();
    const QHostAddress local = Plain(control_->localAddress());
    if (!extended && local.protocol() != QAbstractSocket::IPv4Protocol) {
        Reply(425, QStringLiteral("PASV needs IPv4; use EPSV."));
        return;
    }
    passive_ = new QTcpServer(this);
    passive_->setMaxPendingConnections(1);
    if (!passive_->listen(local, 0)) {
        delete passive_;
        passive_ = nullptr;
        Reply(425, QStringLiteral("Can't open a passive port."));
        return;
    }
    connect(passive_, &QTcpServer::newConnection, this, &FtpSession::OnPassiveConnection);
    const quint16 port = passive_->serverPort();
    if (extended) {
        Reply(229, QStringLiteral("Entering Extended Passive Mode (|||%1|).").arg(port));
    } else {
        const quint32 ip = local.toIPv4Address();
        Reply(227, QStringLiteral("Entering Passive Mode (%1,%2,%3,%4,%5,%6).")
                       .arg(ip >> 24)
                       .arg((ip >> 16) & 0xff)
                       .arg((ip >> 8) & 0xff)
                       .arg(ip & 0xff)
                       .arg(port >> 8)
                       .arg(port & 0xff));
    }
}

void FtpSession::DoPort(const QString& argument) {
    if (epsvAll_) {
        Reply(500, QStringLiteral("Only EPSV is allowed after EPSV ALL."));
        return;
    }
    const QStringList fields = argument.trimmed().split(QLatin1Char(','));
    quint32 values[6] = {};
    bool valid = fields.size() == 6;
    for (int i = 0; valid && i < 6; ++i) {
        bool ok = false;
        const uint v = fields[i].trimmed().toUInt(&ok);
        valid = ok && v <= 255;
        values[i] = v;
    }
    if (!valid) {
        Reply(501, QStringLiteral("Syntax error in PORT arguments."));
        return;
    }
    const QHostAddress host((values[0] << 24) | (values[1] << 16) | (values[2] << 8) | values[3]);
    const quint16 port = static_cast<quint16>((values[4] << 8) | values[5]);
    // Data goes only back to the client itself, never to a third host (no
    // "bounce"), and never to a privileged port.
    if (host != PeerAddress() || port < 1024) {
        Reply(500, QStringLiteral("Illegal PORT command."));
        return;
    }
    ResetDataChannel();
    activeHost_ = host;
    activePort_ = port;
    Reply(200, QStringLiteral("PORT command successful."));
}

void FtpSession::DoRetrieve(const QString& argument) {
    const QString path = VirtualPath(argument);
    const QString local = path.isEmpty() ? QString() : paths_.Existing(path);
    auto file = std::make_unique<QFile>(local);
    if (local.isEmpty() || !QFileInfo(local).isFile() || !file->open(QIODevice::ReadOnly)) {
        Reply(550, QStringLiteral("%1: No such file or permission denied.").arg(argument));
        return;
    }
    if (!HasDataChannel()) {
        Reply(425, QStringLiteral("Use PORT, PASV or EPSV first."));
        return;
    }
    source_ = std::move(file);
    transferName_ = path;
    Reply(150, QStringLiteral("Opening %1 mode data connection for %2 (%3 bytes).")
                   .arg(ascii_ ? QStringLiteral("ASCII") : QStringLiteral("BINARY"), argument)
                   .arg(source_->size()));
    StartTransfer(Transfer::Retrieve);
}

void FtpSession::DoStore(const QString& argument) {
    if (account_.ReadOnly) {
        Reply(550, QStringLiteral("Permission denied."));
        return;
    }
    const QString path = VirtualPath(argument);
    const QString local = path.isEmpty() ? QString() : paths_.Writable(path);
    if (local.isEmpty()) {
        Reply(553, QStringLiteral("%1: Permission denied or invalid file name.").arg(argument));
        return;
    }
    if (!HasDataChannel()) {
        Reply(425, QStringLiteral("Use PORT, PASV or EPSV first."));
        return;
    }
    // Written under a temporary name and renamed when complete, so a broken
    // upload never leaves a partial file under the real name.
    auto file = std::make_unique<QSaveFile>(local);
    if (!file->open(QIODevice::WriteOnly)) {
        Reply(553, QStringLiteral("%1: Cannot create the file.").arg(argument));
        return;
    }
    target_ = std::move(file);
    transferName_ = path;
    pendingCr_ = false;
    Reply(150, QStringLiteral("Opening %1 mode data connection for %2.")
                   .arg(ascii_ ? QStringLiteral("ASCII") : QStringLiteral("BINARY"), argument));
    StartTransfer(Transfer::Store);
}

void FtpSession::DoList(const QString& argument, bool namesOnly) {
    // Options such as "-la" that clients pass as if to ls are ignored.
    QStringList words = argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (!words.isEmpty() && words.first().startsWith(QLatin1Char('-')))
        words.removeFirst();
    const QString name = words.join(QLatin1Char(' '));
    const QString path = VirtualPath(name.isEmpty() ? QStringLiteral(".") : name);
    const QString local = path.isEmpty() ? QString() : paths_.Existing(path);
    if (local.isEmpty()) {
        Reply(550, QStringLiteral("%1: No such file or directory.").arg(name));
        return;
    }
    if (!HasDataChannel()) {
        Reply(425, QStringLiteral("Use PORT, PASV or EPSV first."));
        return;
    }
    listing_ = FtpListing::Build(local, namesOnly);
    transferName_ = path;
    Reply(150, QStringLiteral("Here comes the directory listing."));
    StartTransfer(Transfer::Listing);
}

void FtpSession::DoSize(const QString& argument) {
    const QString path = VirtualPath(argument);
    const QString local = path.isEmpty() ? QString() : paths_.Existing(path);
    const QFileInfo info(local);
    if (local.isEmpty() || !info.isFile()) {
        Reply(550, QStringLiteral("%1: No such file.").arg(argument));
        return;
    }
    Reply(213, QString::number(info.size()));
}

void FtpSession::DoDelete(const QString& argument) {
    if (account_.ReadOnly) {
        Reply(550, QStringLiteral("Permission denied."));
        return;
    }
    const QString path = VirtualPath(argument);
    const QString local = path.isEmpty() ? QString() : paths_.Entry(path);
    const QFileInfo info(local);
    // A link is removed itself; its target, wherever it is, stays.
    if (local.isEmpty() || (!info.exists() && !info.isSymLink()) || (info.isDir() && !info.isSymLink())) {
        Reply(550, QStringLiteral("%1: No such file.").arg(argument));
        return;
    }
    if (!QFile::remove(local)) {
        Reply(550, QStringLiteral("%1: Permission denied.").arg(argument));
        return;
    }
    Reply(250, QStringLiteral("File deleted."));
}

void FtpSession::DoAbort() {
    if (transfer_ == Transfer::None) {
        Reply(225, QStringLiteral("No transfer to abort."));
        return;
    }
    FinishTransfer(426, QStringLiteral("Transfer aborted."), false);
    Reply(226, QStringLiteral("ABOR successful."));
}

bool FtpSession::HasDataChannel() const {
    return passive_ != nullptr || data_ != nullptr || activePort_ != 0;
}

void FtpSession::ResetDataChannel() {
    if (passive_) {
        passive_->disconnect(this);
        passive_->close();
        passive_->deleteLater();
        passive_ = nullptr;
    }
    if (data_) {
        data_->disconnect(this);
        data_->abort();
        data_->deleteLater();
        data_ = nullptr;
    }
    activePort_ = 0;
    activeHost_.clear();
    begun_ = false;
}

void FtpSession::OnPassiveConnection() {
    while (passive_ && passive_->hasPendingConnections()) {
        QTcpSocket* socket = passive_->nextPendingConnection();
        // Only the client of this session may use its data port.
        if (data_ || Plain(socket->peerAddress()) != PeerAddress()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        data_ = socket;
        data_->setParent(this);
        passive_->close();
    }
    if (data_ && transfer_ != Transfer::None && !begun_)
        BeginTransfer();
}

void FtpSession::StartTransfer(Transfer kind) {
    transfer_ = kind;
    begun_ = false;
    sourceDone_ = false;
    bytes_ = 0;
    dataTimer_.start(kDataConnectMs);
    if (data_) {
        BeginTransfer();
        return;
    }
    if (activePort_ != 0) {
        data_ = new QTcpSocket(this);
        connect(data_, &QTcpSocket::connected, this, &FtpSession::BeginTransfer);
        connect(data_, &QTcpSocket::errorOccurred, this, &FtpSession::OnDataError);
        data_->connectToHost(activeHost_, activePort_);
    }
    // Passive: BeginTransfer runs when the client connects.
}

void FtpSession::BeginTransfer() {
    if (begun_ || !data_)
        return;
    begun_ = true;
    dataTimer_.stop();
    if (passive_) {
        passive_->deleteLater();
        passive_->disconnect(this);
        passive_ = nullptr;
    }
    data_->disconnect(this);
    connect(data_, &QTcpSocket::errorOccurred, this, &FtpSession::OnDataError);
    connect(data_, &QTcpSocket::disconnected, this, &FtpSession::OnDataDisconnected);
    if (transfer_ == Transfer::Store) {
        connect(data_, &QTcpSocket::readyRead, this, &FtpSession::OnDataReadyRead);
        OnDataReadyRead();
        // The client may have sent everything and closed before the transfer began.
        if (transfer_ == Transfer::Store && data_->state() == QAbstractSocket::UnconnectedState)
            OnDataDisconnected();
    } else {
        connect(data_, &QTcpSocket::bytesWritten, this, &FtpSession::PumpOut);
        PumpOut();
    }
}

void FtpSession::PumpOut() {
    if (!data_ || sourceDone_ || transfer_ == Transfer::None)
        return;
    Touch();
    if (transfer_ == Transfer::Listing) {
        bytes_ = listing_.size();
        data_->write(listing_);
        listing_.clear();
        sourceDone_ = true;
    } else {
        while (data_->bytesToWrite() < kWriteAhead) {
            QByteArray chunk = source_->read(kChunk);
            if (chunk.isEmpty()) {
                if (source_->error() != QFileDevice::NoError) {
                    FinishTransfer(451, QStringLiteral("Read error; transfer aborted."), false);
                    return;
                }
                sourceDone_ = true;
                break;
            }
            bytes_ += chunk.size();
            data_->write(ascii_ ? ToNetworkLines(chunk) : chunk);
        }
    }
    if (sourceDone_) {
        // "disconnected" follows once everything queued has gone out.
        data_->disconnectFromHost();
        if (data_ && data_->state() == QAbstractSocket::UnconnectedState && transfer_ != Transfer::None)
            OnDataDisconnected();
    }
}

void FtpSession::OnDataReadyRead() {
    if (!data_ || transfer_ != Transfer::Store || !target_)
        return;
    Touch();
    QByteArray chunk = data_->readAll();
    if (chunk.isEmpty())
        return;
    bytes_ += chunk.size();
    const qint64 cap = server_->MaxUploadSize();
    if (cap > 0 && bytes_ > cap) {
        Log(QStringLiteral("upload of %1 is larger than %2 bytes").arg(transferName_).arg(cap));
        FinishTransfer(552, QStringLiteral("Upload larger than %1 bytes; file discarded.").arg(cap), false);
        return;
    }
    if (ascii_) {
        // CRLF becomes LF; a CR at the end of a chunk waits for the next one.
        QByteArray out;
        out.reserve(chunk.size() + 1);
        for (const char c : chunk) {
            if (pendingCr_) {
                pendingCr_ = false;
                if (c == '\n') {
                    out += '\n';
                    continue;
                }
                out += '\r';
            }
            if (c == '\r')
                pendingCr_ = true;
            else
                out += c;
        }
        chunk = out;
    }
    if (target_->write(chunk) != chunk.size())
        FinishTransfer(451, QStringLiteral("Write error; transfer aborted."), false);
}

bool FtpSession::ControlPeerGone() const {
    if (control_->state() != QAbstractSocket::ConnectedState)
        return true;
    // A client that dies mid-upload closes both connections at once; its
    // data connection's end then looks like a complete file. The control
    // connection's end, already queued by then, tells the two apart.
    char probe = 0;
    const ssize_t n = ::recv(static_cast<int>(control_->socketDescriptor()), &probe, 1, MSG_PEEK | MSG_DONTWAIT);
    if (n == 0)
        return true;
    return n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
}

void FtpSession::OnDataDisconnected() {
    if (transfer_ == Transfer::None)
        return;
    if (transfer_ == Transfer::Store) {
        OnDataReadyRead();
        if (transfer_ != Transfer::Store)
            return;
        if (ControlPeerGone()) {
            FinishTransfer(426, QStringLiteral("Connection closed; transfer aborted."), false);
            return;
        }
        if (pendingCr_ && target_)
            target_->write("\r", 1);
        FinishTransfer(226, QStringLiteral("Transfer complete."), true);
        return;
    }
    if (sourceDone_ && (!data_ || data_->bytesToWrite() == 0))
        FinishTransfer(226, QStringLiteral("Transfer complete."), true);
    else
        FinishTransfer(426, QStringLiteral("Connection closed; transfer aborted."), false);
}

void FtpSession::OnDataError() {
    if (!data_ || transfer_ == Transfer::None)
        return;
    const QAbstractSocket::SocketError error = data_->error();
    // The peer's orderly close ends an upload; "disconnected" handles it.
    if (error == QAbstractSocket::RemoteHostClosedError && transfer_ == Transfer::Store)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError && sourceDone_)
        return;
    if (!begun_)
        FinishTransfer(425, QStringLiteral("Can't open data connection."), false);
    else
        FinishTransfer(426, QStringLiteral("Connection closed; transfer aborted."), false);
}

void FtpSession::FinishTransfer(int code, const QString& text, bool keepUpload) {
    if (transfer_ == Transfer::None)
        return;
    const Transfer kind = transfer_;
    transfer_ = Transfer::None;
    dataTimer_.stop();
    bool ok = keepUpload;
    QString message = text;
    if (target_) {
        if (keepUpload && !target_->commit()) {
            code = 451;
            message = QStringLiteral("Could not store the file.");
            ok = false;
        } else if (!keepUpload) {
            target_->cancelWriting();
        }
        target_.reset();
    }
    source_.reset();
    listing_.clear();
    ResetDataChannel();
    if (kind == Transfer::Store)
        Log(QStringLiteral("upload of %1 %2 (%3 bytes)")
                .arg(transferName_, ok ? QStringLiteral("stored") : QStringLiteral("discarded"))
                .arg(bytes_));
    Reply(code, message);
    // Commands that came in during the transfer.
    if (!closing_)
        QTimer::singleShot(0, this, &FtpSession::ProcessLines);
}
