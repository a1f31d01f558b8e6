#include "HostFtp.h"
#include "servers/FtpServer.h"
#include <QDir>

namespace {
// Device files stored here (configuration backups) are far smaller.
constexpr qint64 kMaxUpload = 64LL * 1024 * 1024;
// A device fetches or stores one file at a time.
constexpr int kSessionsPerDevice = 4;
}  // namespace

HostFtp::HostFtp() : server_(std::make_unique<FtpServer>()) {}
HostFtp::~HostFtp() = default;

bool HostFtp::Start(const QString& address, quint16 port, const QString& home) {
    QDir().mkpath(home);
    if (!server_->AddAccount(QStringLiteral("aerodesk"), QStringLiteral("aerodesk"), home)) {
        error_ = QStringLiteral("cannot use %1 as FTP home folder").arg(home);
        return false;
    }
    server_->SetMaxUploadSize(kMaxUpload);
    // Real devices each have their own address, and none may take every
    // session. Simulated ones may share one (nxa-sim --port-step), so on a
    // loopback address only the total applies.
    if (!QHostAddress(address).isLoopback())
        server_->SetMaxSessionsPerClient(kSessionsPerDevice);
    if (!server_->Listen(QHostAddress(address), port)) {
        error_ = QStringLiteral("FTP server: %1").arg(server_->ErrorString());
        return false;
    }
    // Devices are told the station's address on their own network.
    server_->SetAdvertisedAddress(QStringLiteral("0.0.0.0"));
    return true;
}
