#include "FtpListing.h"
#include <QDateTime>
#include <QDir>
#include <QLocale>

namespace {

QByteArray PermissionText(const QFileInfo& info) {
    const QFileDevice::Permissions p = info.permissions();
    QByteArray text;
    text += info.isSymLink() ? 'l' : (info.isDir() ? 'd' : '-');
    text += (p & QFileDevice::ReadOwner) ? 'r' : '-';
    text += (p & QFileDevice::WriteOwner) ? 'w' : '-';
    text += (p & QFileDevice::ExeOwner) ? 'x' : '-';
    text += (p & QFileDevice::ReadGroup) ? 'r' : '-';
    text += (p & QFileDevice::WriteGroup) ? 'w' : '-';
    text += (p & QFileDevice::ExeGroup) ? 'x' : '-';
    text += (p & QFileDevice::ReadOther) ? 'r' : '-';
    text += (p & QFileDevice::WriteOther) ? 'w' : '-';
    text += (p & QFileDevice::ExeOther) ? 'x' : '-';
    return text;
}

QByteArray DateText(const QDateTime& when) {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale c = QLocale::c();
    // Like ls: the time for the last half year, the year for older entries.
    const bool recent = when.isValid() && when.secsTo(now) < 180LL * 24 * 3600 && when <= now.addSecs(3600);
    return c.toString(when, recent ? QStringLiteral("MMM dd HH:mm") : QStringLiteral("MMM dd  yyyy")).toLatin1();
}

}  // namespace

QByteArray FtpListing::LongLine(const QFileInfo& info) {
    const qint64 size = info.isSymLink() ? info.symLinkTarget().toUtf8().size() : info.size();
    QByteArray line = PermissionText(info);
    line += " 1 ftp ftp ";
    line += QByteArray::number(size).rightJustified(12, ' ');
    line += ' ';
    line += DateText(info.lastModified());
    line += ' ';
    line += info.fileName().toUtf8();
    line += "\r\n";
    return line;
}

QByteArray FtpListing::Build(const QString& localPath, bool namesOnly) {
    QByteArray out;
    const QFileInfo target(localPath);
    QFileInfoList entries;
    if (target.isDir()) {
        entries = QDir(localPath).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                                QDir::Name);
    } else {
        entries.append(target);
    }
    for (const QFileInfo& entry : entries) {
        if (namesOnly)
            out += entry.fileName().toUtf8() + "\r\n";
        else
            out += LongLine(entry);
    }
    return out;
}
