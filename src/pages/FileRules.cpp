#include "FileRules.h"
#include <QStringList>

namespace FileRules {

QString FileName(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

QString FolderOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? QString() : path.left(cut);
}

bool Accepts(Kind kind, const QString& fileName) {
    QStringList endings;
    switch (kind) {
    case Kind::Firmware:
    case Kind::LanguagePack: endings = {".tfp", ".had", ".bin"}; break;
    case Kind::Certificate:
    case Kind::Key: endings = {".der", ".pem"}; break;
    case Kind::Configuration: endings = {".dcf"}; break;
    }
    for (const QString& ending : endings) {
        if (fileName.contains(ending, Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString DownloadPath(const QString& path) {
    const QString name = FileName(path);
    if (name.contains(QLatin1String(".dcf")) || name.contains(QLatin1String(".DCF")))
        return path;
    return path + QStringLiteral(".dcf");
}

QString NameFilter(const QString& classic) {
    const QStringList parts = classic.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString text = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (text.isEmpty() && patterns.isEmpty())
            continue;
        // The text names its patterns where it carries them in parentheses.
        const qsizetype open = text.indexOf(QLatin1Char('('));
        const QString label = open < 0 ? text : text.left(open).trimmed();
        filters << (label.isEmpty() ? patterns : label) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace FileRules
