#pragma once
#include <QString>

// The host's FTP server as the module sees it: a running server that the host
// owns. The module only reads the account and address and points an account's
// home folder at the folder of the file that a device is to fetch or store.
// Every operation may be called from any thread. Header-only, so that the
// module needs no link to the server library to use it.
class CFTPServer {
public:
    virtual ~CFTPServer() = default;

    // The address at which devices reach the server. Empty or "0.0.0.0" means
    // none is fixed; the caller then picks the station's own address.
    virtual QString GetIpAddress() const = 0;

    // Fills the account that devices log in with. Both are empty when the
    // server has no account.
    virtual void GetCurrentUser(QString& user, QString& password) const = 0;

    // Fills the account's current home folder as it was last set; clears it
    // and returns false for an unknown user.
    virtual bool GetHomeDir(const QString& user, QString& folder) const = 0;

    // Points the account's home folder at an existing folder (with or without
    // a trailing "/"); sessions that log in afterwards are served from it.
    // Returns false, changing nothing, for an unknown user or a folder that
    // does not exist.
    virtual bool UpdateHomeDir(const QString& user, const QString& folder) = 0;
};
