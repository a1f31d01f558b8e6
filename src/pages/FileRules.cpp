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

}  // namespace FileRules
