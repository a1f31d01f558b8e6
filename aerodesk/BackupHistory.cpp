#include "BackupHistory.h"
#include "PlugInModule.h"
#include "host/AP_PlugIn.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

namespace {

// Commits carry aerodesk's name whatever the user's git settings hold.
const QStringList kIdentity = {QStringLiteral("-c"), QStringLiteral("user.name=aerodesk"), QStringLiteral("-c"),
                               QStringLiteral("user.email=aerodesk@localhost"), QStringLiteral("-c"),
                               QStringLiteral("commit.gpgsign=false")};

}  // namespace

bool BackupHistory::Git(const QString& folder, const QStringList& arguments, QString* output, QString& error) {
    const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
    if (git.isEmpty()) {
        error = QStringLiteral("the git program is not installed (the backup history is a git repository)");
        return false;
    }
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(git, kIdentity + arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        error = QStringLiteral("git %1 in %2 failed: %3")
                    .arg(arguments.join(QLatin1Char(' ')), folder, QString::fromUtf8(p.readAllStandardError()).trimmed());
        return false;
    }
    if (output)
        *output = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

bool BackupHistory::Open(const QString& folder) {
    const QDir dir(folder);
    const bool repository = QFileInfo(dir.filePath(QStringLiteral(".git"))).isDir();
    const bool marked = QFileInfo(dir.filePath(MarkerName())).isFile();
    if (repository && marked) {
        folder_ = folder;
        return true;
    }
    if (repository) {
        error_ = QStringLiteral("%1 is a git repository but no backup history of aerodesk (it has no %2): refused")
                     .arg(folder, MarkerName());
        return false;
    }
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        error_ = QStringLiteral("%1 is neither empty nor a backup history of aerodesk: refused (give a new or empty "
                                "folder to start a history)")
                     .arg(folder);
        return false;
    }
    if (!QDir().mkpath(folder)) {
        error_ = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    // The key files hold the devices' passwords and keys, and so do the
    // repository's objects: only the owner may read either.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!Git(folder, {QStringLiteral("init"), QStringLiteral("-q"), QStringLiteral("--shared=0600")}, nullptr, error_))
        return false;
    QFile marker(dir.filePath(MarkerName()));
    if (!marker.open(QIODevice::WriteOnly) ||
        marker.write("aerodesk configuration backup history: one key file per device, one commit per run\n") < 0) {
        error_ = QStringLiteral("cannot write %1").arg(marker.fileName());
        return false;
    }
    marker.close();
    folder_ = folder;
    stored_ << MarkerName();
    std::printf("history: started in %s\n", qPrintable(folder));
    return true;
}

bool BackupHistory::Store(PlugInModule& module, const QString& address, const QString& backupPath) {
    auto parseFile = reinterpret_cast<decltype(&PlugParseFile)>(module.Symbol("PlugParseFile"));
    if (!parseFile) {
        error_ = QStringLiteral("the module has no PlugParseFile");
        return false;
    }
    // The parse replaces the backup with the flat key file and writes the
    // sectioned template beside it, both in the staging folder.
    const QByteArray backup = backupPath.toUtf8();
    const QByteArray templ = (backupPath + QStringLiteral(".template.txt")).toUtf8();
    if (!parseFile(backup.constData(), templ.constData())) {
        error_ = QStringLiteral("the backup could not be turned into a key file");
        return false;
    }
    QFile flat(backupPath);
    if (!flat.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("cannot read the key file %1").arg(backupPath);
        return false;
    }
    QStringList lines = QString::fromUtf8(flat.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
    lines.sort();
    QSaveFile out(QDir(folder_).filePath(FileName(address)));
    if (!out.open(QIODevice::WriteOnly) || out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !out.commit()) {
        error_ = QStringLiteral("cannot write %1").arg(out.fileName());
        return false;
    }
    // A key file holds the device's passwords and keys.
    QFile::setPermissions(out.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    stored_ << FileName(address);
    return true;
}

bool BackupHistory::Commit(const std::function<QString(const QString&)>& nameOf) {
    if (stored_.isEmpty()) {
        std::printf("history: no device stored a backup, nothing committed\n");
        return true;
    }
    QString changed;
    if (!Git(folder_, QStringList{QStringLiteral("add"), QStringLiteral("--")} + stored_, nullptr, error_) ||
        !Git(folder_, {QStringLiteral("diff"), QStringLiteral("--cached"), QStringLiteral("--name-only")}, &changed, error_))
        return false;
    QStringList devices;
    for (const QString& file : changed.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!file.endsWith(QStringLiteral(".keys")))
            continue;
        const QString address = file.chopped(5);
        const QString name = nameOf(address);
        devices << (name.isEmpty() ? address : QStringLiteral("%1 (%2)").arg(address, name));
    }
    if (changed.trimmed().isEmpty()) {
        std::printf("history: no device changed, nothing committed\n");
        return true;
    }
    const QString message = devices.isEmpty() ? QStringLiteral("Backup history started")
                                              : QStringLiteral("Backup: %1 device(s) changed: %2")
                                                    .arg(devices.size())
                                                    .arg(devices.join(QStringLiteral(", ")));
    QString head;
    if (!Git(folder_, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"), message}, nullptr, error_) ||
        !Git(folder_, {QStringLiteral("rev-parse"), QStringLiteral("--short"), QStringLiteral("HEAD")}, &head, error_))
        return false;
    std::printf("history: committed %s: %s\n", qPrintable(head.trimmed()), qPrintable(message));
    return true;
}

int BackupHistory::PrintLog(const QString& folder, const QString& address) {
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(QStringLiteral(".git"))).isDir() || !QFileInfo(dir.filePath(MarkerName())).isFile()) {
        std::fprintf(stderr, "aerodesk backup: %s is no backup history of aerodesk\n", qPrintable(folder));
        return 2;
    }
    QStringList arguments{QStringLiteral("log"), QStringLiteral("--date=iso"),
                          QStringLiteral("--format=commit %h  %ad%n    %s%n")};
    if (!address.isEmpty()) {
        if (!QFileInfo(dir.filePath(FileName(address))).isFile()) {
            std::fprintf(stderr, "aerodesk backup: the history in %s has no device %s\n", qPrintable(folder),
                         qPrintable(address));
            return 2;
        }
        arguments << QStringLiteral("-p") << QStringLiteral("--") << FileName(address);
    } else {
        arguments << QStringLiteral("--stat");
    }
    QString output, error;
    if (!Git(folder, arguments, &output, error)) {
        std::fprintf(stderr, "aerodesk backup: %s\n", qPrintable(error));
        return 1;
    }
    std::fputs(output.toUtf8().constData(), stdout);
    return 0;
}
