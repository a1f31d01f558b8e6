#include "LogReceiver.h"
#include "platform/ModulePaths.h"
#include "servers/ZrTFTPServer.h"
#include <QHostAddress>
#include "shell/ShellTexts.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

LogReceiver::LogReceiver(QObject* owner) : QObject(owner), server_(std::make_unique<ZrTFTPServer>()) {
    server_->SetTimeout(500, 3);
    server_->SetTransferringMsgCallback([this](const ZrTFTPMsg& m, bool& cancel) { Message(m, cancel); });
    bound_.setSingleShot(true);
    connect(&bound_, &QTimer::timeout, this, [this] { End(Outcome::TimedOut); });
}

LogReceiver::~LogReceiver() { Stop(); }

QString LogReceiver::FilePath() {
    return ModulePaths::ModuleFolder() + QLatin1Char('/') + QLatin1String(ShellTexts::ModelName) +
           QStringLiteral("/LogFile.RD");
}

quint16 LogReceiver::Port() {
    bool ok = false;
    const int port = qEnvironmentVariable("NXA_TFTP_PORT").toInt(&ok);
    return ok && port > 0 && port < 65536 ? static_cast<quint16>(port) : 69;
}

bool LogReceiver::Listen(QString* error, const QString& expectedName, const QString& device) {
    Stop();
    outcome_ = Outcome::None;
    failure_.clear();
    const QString folder = QFileInfo(FilePath()).absolutePath();
    QDir().mkpath(folder);
    received_ = QStringLiteral("%1/LogFile.RD.%2.%3").arg(folder).arg(QCoreApplication::applicationPid()).arg(++fetches_);
    QFile::remove(received_);
    // Nothing but the one file from the one device; the port closes once it
    // is stored.
    server_->SetStopAfterFile(true);
    if (!server_->Run(received_, Port(), expectedName, QHostAddress(device))) {
        if (error)
            *error = QStringLiteral("The TFTP server cannot start on port %1: %2").arg(Port()).arg(server_->ErrorString());
        return false;
    }
    return true;
}

void LogReceiver::Keep() {
    if (!QFile::exists(received_))
        return;
    QFile::remove(FilePath());
    if (!QFile::rename(received_, FilePath()))
        QFile::remove(received_);
}

void LogReceiver::ExpectWithin(int ms) {
    if (outcome_ != Outcome::None || !Listening())
        return;
    bound_.start(ms);
}

void LogReceiver::Stop() {
    bound_.stop();
    server_->Stop();
    // A file that was never kept is not left behind.
    if (!received_.isEmpty())
        QFile::remove(received_);
}

bool LogReceiver::Listening() const { return server_->IsRunning(); }

bool LogReceiver::Waiting() const { return Listening() && outcome_ == Outcome::None; }

void LogReceiver::Message(const ZrTFTPMsg& message, bool& cancel) {
    switch (message.Kind) {
    case ZrTFTPMsg::Progress:
        // A log far beyond what the device keeps is not stored.
        if (message.Bytes > kMaxTransferBytes)
            cancel = true;
        break;
    case ZrTFTPMsg::Completed:
        End(Outcome::Arrived);
        break;
    case ZrTFTPMsg::Failed:
        End(Outcome::Failed, message.Bytes > kMaxTransferBytes
                                 ? QStringLiteral("the file is larger than %1 MB").arg(kMaxTransferBytes >> 20)
                                 : message.Text);
        break;
    default:
        break;
    }
}

void LogReceiver::End(Outcome outcome, const QString& failure) {
    if (outcome_ != Outcome::None)
        return;
    outcome_ = outcome;
    failure_ = failure;
    bound_.stop();
    // Told from the event loop: the TFTP server may be inside its own callback now.
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
            if (Ended)
                Ended(outcome);
        },
        Qt::QueuedConnection);
}
