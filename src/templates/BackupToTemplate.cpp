#include "templates/BackupToTemplate.h"
#include "templates/BackupUnpacker.h"
#include "templates/ConfigXmlMapper.h"
#include "templates/ReplacementFile.h"
#include "templates/TemplateConverter.h"
#include <QFile>
#include <QFileInfo>

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

    // The key file replaces the backup only once the template is written.
    ReplacementFile keyFile(backupPath);
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
