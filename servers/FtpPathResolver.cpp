#include "FtpPathResolver.h"
#include <QFileInfo>
#include <QStringList>

FtpPathResolver::FtpPathResolver(const QString& home) {
    const QFileInfo info(home);
    if (info.exists() && info.isDir())
        root_ = info.canonicalFilePath();
}

QString FtpPathResolver::Normalize(const QString& cwd, const QString& path) {
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return {};
    }
    const QString joined = path.startsWith(QLatin1Char('/')) ? path : cwd + QLatin1Char('/') + path;
    QStringList parts;
    for (const QString& part : joined.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return {};
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

bool FtpPathResolver::Inside(const QString& canonical) const {
    if (root_.isEmpty() || canonical.isEmpty())
        return false;
    if (canonical == root_)
        return true;
    const QString prefix = root_.endsWith(QLatin1Char('/')) ? root_ : root_ + QLatin1Char('/');
    return canonical.startsWith(prefix);
}

QString FtpPathResolver::Existing(const QString& virtualPath) const {
    if (root_.isEmpty() || !virtualPath.startsWith(QLatin1Char('/')))
        return {};
    const QString local = virtualPath == QLatin1String("/") ? root_ : root_ + virtualPath;
    const QString canonical = QFileInfo(local).canonicalFilePath();
    return Inside(canonical) ? canonical : QString();
}

QString FtpPathResolver::Writable(const QString& virtualPath) const {
    const QString local = Entry(virtualPath);
    if (local.isEmpty())
        return {};
    const QFileInfo info(local);
    if (!info.exists() && !info.isSymLink())
        return local;
    // An existing name: a dangling link or one leading outside has no
    // canonical path inside; folders are never replaced.
    const QString canonical = info.canonicalFilePath();
    if (!Inside(canonical) || QFileInfo(canonical).isDir())
        return {};
    return canonical;
}

QString FtpPathResolver::Entry(const QString& virtualPath) const {
    if (root_.isEmpty() || !virtualPath.startsWith(QLatin1Char('/')) || virtualPath == QLatin1String("/"))
        return {};
    const qsizetype slash = virtualPath.lastIndexOf(QLatin1Char('/'));
    const QString name = virtualPath.mid(slash + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    const QString folder = Existing(slash == 0 ? QStringLiteral("/") : virtualPath.left(slash));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return folder + QLatin1Char('/') + name;
}
