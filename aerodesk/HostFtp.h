#pragma once
#include <QString>
#include <memory>

class FtpServer;

// The host's FTP server while the host runs: one account ("aerodesk") whose
// home folder the module points at the files that devices fetch or store.
class HostFtp {
public:
    HostFtp();
    ~HostFtp();
    // Listens on `address` (port 0: any free port; devices are told port 21,
    // so a real device needs port 21).
    bool Start(const QString& address, quint16 port, const QString& home);
    FtpServer* Server() { return server_.get(); }
    QString Error() const { return error_; }

private:
    std::unique_ptr<FtpServer> server_;
    QString error_;
};
