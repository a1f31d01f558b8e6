#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class PlugInModule;

// aerodesk backup --history: a folder kept as a git repository (the git
// program) with one key file per device, ADDRESS.keys, its lines sorted so
// that a change reads as a short diff. A run stores the key files of the
// devices that answered and makes one commit naming those that changed (none
// when nothing changed). The marker file tells a history of aerodesk's from
// any other folder.
class BackupHistory {
public:
    static QString MarkerName() { return QStringLiteral(".aerodesk-backups"); }
    static QString FileName(const QString& address) { return address + QStringLiteral(".keys"); }

    // A missing or empty folder becomes a new history; a history of ours is
    // used; any other folder (a git repository without the marker, a folder
    // with files) is refused. False with Error() set; nothing is changed then.
    bool Open(const QString& folder);
    // Turns the device's configuration backup into its key file in the
    // history (through the module's parse export); false with Error() set,
    // the device's last key file left as it was.
    bool Store(PlugInModule& module, const QString& address, const QString& backupPath);
    // Commits the key files stored by this run that changed; prints what it
    // did. `nameOf` gives a device's inventory name (may be empty). False
    // with Error() set when git fails.
    bool Commit(const std::function<QString(const QString&)>& nameOf);
    // Prints the history of one device's key file (every run's with an empty
    // address); the exit code.
    static int PrintLog(const QString& folder, const QString& address);

    const QString& Error() const { return error_; }
    bool IsOpen() const { return !folder_.isEmpty(); }

private:
    static bool Git(const QString& folder, const QStringList& arguments, QString* output, QString& error);

    QString folder_;
    QStringList stored_;
    QString error_;
};
