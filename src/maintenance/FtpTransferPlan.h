#pragma once
#include <QString>

class CFTPServer;

// What a device is told for a transfer through the host's FTP server: the
// server address, the account and the bare file name. Preparing it points
// the account's home folder at the folder of the local file.
struct FtpTransferPlan {
    QString ServerAddress;
    QString User;
    QString Password;
    QString RemoteFileName;
    QString Folder;

    // parameter: the device's subnet mask, "|", then a local path: a folder
    // ending in "/" for a backup (the file is ADDRESS.dcf in it), the file
    // itself for a download. Without a server every text stays empty.
    static FtpTransferPlan Prepare(CFTPServer* server, const QString& deviceAddress, const QString& parameter,
                                   bool backup);
};
