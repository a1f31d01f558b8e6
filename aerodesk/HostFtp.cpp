#include "HostFtp.h"
#include "servers/FtpServer.h"
#include <QDir>

HostFtp::HostFtp() : server_(std::make_unique<FtpServer>()) {}
HostFtp::~HostFtp() = default;

bool HostFtp::Start(const QString& address, quint16 port, const QString& home) {
    QDir().mkpath(home);
    if (!server_->AddAccount(QStringLiteral("aerodesk"), QStringLiteral("aerodesk"), home)) {
        error_ = QStringLiteral("cannot use %1 as FTP home folder").arg(home);
        return false;
    }
    if (!server_->Listen(QHostAddress(address), port)) {
        error_ = QStringLiteral("FTP server: %1").arg(server_->ErrorString());
        return false;
    }
    // Devices are told the station's address on their own network.
    server_->SetAdvertisedAddress(QStringLiteral("0.0.0.0"));
    return true;
}
