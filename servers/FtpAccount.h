#pragma once
#include <QString>

// One login of the FTP server. Anonymous accounts accept any password and
// may only read.
struct FtpAccount {
    QString User;
    QString Password;
    QString Home;  // as set, without a trailing "/"
    bool ReadOnly = false;
};
