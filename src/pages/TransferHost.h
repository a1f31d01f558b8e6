#pragma once
#include <QString>
#include <functional>

class CFTPServer;

// Where the maintenance pages take the file-transfer settings from: the
// host's FTP server, or else whether the stored remote FTP account is to be
// used and that account. The module installs a source that reads the host's
// settings at each use; without one there is no server and no account.
struct TransferHost {
    CFTPServer* FtpServer = nullptr;
    bool UseFtpMethod = false;
    QString FtpUserName;
    QString FtpPassword;
    QString RemoteFtpIpAddress;

    using Source = std::function<TransferHost()>;
    static void SetSource(Source source);
    static TransferHost Current();
};
