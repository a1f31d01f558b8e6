#include "templates/BackupToTemplate.h"
#include "templates/BackupUnpacker.h"
#include "templates/ConfigXmlMapper.h"
#include "templates/TemplateConverter.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <memory>

namespace {

bool WriteWhole(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(data) == data.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        return false;
    }
    return true;
}

// The key file is written beside the backup first and replaces it only when
// the whole conversion has succeeded, so a failure never costs the backup.
// Where no file can be created beside it, the key file goes straight to the
// backup's path.
class KeyFileTarget {
public:
    explicit KeyFileTarget(const QString& backupPath)
    {
        const QString canonical = QFileInfo(backupPath).canonicalFilePath();
        finalPath_ = canonical.isEmpty() ? backupPath : canonical;
        temp_ = std::make_unique<QTemporaryFile>(finalPath_ + QStringLiteral(".keys-XXXXXX"));
        if (temp_->open()) {
            temp_->close();
            temp_->setPermissions(QFile::permissions(finalPath_));
            path_ = temp_->fileName();
        } else {
            temp_.reset();
            path_ = backupPath;
        }
    }

    const QString& Path() const { return path_; }

    bool Commit()
    {
        if (!temp_)
            return true;
        if (std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(finalPath_).constData()) != 0)
            return false;
        temp_->setAutoRemove(false);
        temp_.reset();
        return true;
    }

private:
    QString finalPath_;
    QString path_;
    std::unique_ptr<QTemporaryFile> temp_;
};

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath()
        || (QFileInfo::exists(a) && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath());
}

} // namespace

bool ParseBackupToTemplate(const QString& backupPath, const QString& templatePath)
{
    if (backupPath.isEmpty() || templatePath.isEmpty() || SameFile(backupPath, templatePath))
        return false;

    QByteArray xml;
    if (!BackupUnpacker::Unpack(backupPath, templatePath, &xml))
        return false;
    // The template path holds the XML until the template replaces it.
    if (!WriteWhole(templatePath, xml))
        return false;

    KeyFileTarget keyFile(backupPath);
    bool converted = false;
    {
        ConfigXmlMapper mapper;
        converted = mapper.MapDeviceConfig(templatePath, keyFile.Path()) == ConfigXmlMapper::Outcome::Mapped;
    }
    if (converted) {
        TemplateConverter converter;
        converted = converter.ReadLines(keyFile.Path());
        if (converted) {
            converter.SortByBand();
            converter.ApplyRules();
            converted = converter.WriteTemplate(templatePath) && keyFile.Commit();
        }
    }
    if (!converted)
        QFile::remove(templatePath);
    return converted;
}
