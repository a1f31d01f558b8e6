// libFuzzer target for the backup-to-template conversion. The first byte picks
// what the rest of the input is:
//   0: a whole backup file, as the host would hand it in;
//   1: the configuration XML, packed behind a valid header and gzip stream so
//      that the mapping and the dependency rules see it;
//   2: a key file, sorted, filtered and written as a template.
#include "templates/BackupToTemplate.h"
#include "templates/TemplateConverter.h"
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <zlib.h>

namespace {

const QTemporaryDir& WorkDir()
{
    static const QTemporaryDir dir;
    return dir;
}

bool WriteBytes(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray GzipOf(const QByteArray& data)
{
    const QString path = WorkDir().filePath(QStringLiteral("payload.gz"));
    gzFile gz = gzopen(QFile::encodeName(path).constData(), "wb");
    if (!gz)
        return {};
    if (!data.isEmpty())
        gzwrite(gz, data.constData(), static_cast<unsigned>(data.size()));
    gzclose(gz);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1024 * 1024 || !WorkDir().isValid())
        return 0;
    const QByteArray body(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const QString backup = WorkDir().filePath(QStringLiteral("fuzz.dcf"));
    const QString templ = WorkDir().filePath(QStringLiteral("fuzz.ini"));
    switch (data[0] % 3) {
    case 0:
        if (WriteBytes(backup, body))
            ParseBackupToTemplate(backup, templ);
        break;
    case 1:
        if (WriteBytes(backup, QByteArray("NXA-7310 CFG 0") + GzipOf(body)))
            ParseBackupToTemplate(backup, templ);
        break;
    default: {
        const QString keys = WorkDir().filePath(QStringLiteral("fuzz.keys"));
        TemplateConverter converter;
        if (WriteBytes(keys, body) && converter.ReadLines(keys)) {
            converter.SortByBand();
            converter.ApplyRules();
            converter.WriteTemplate(templ);
        }
        break;
    }
    }
    QFile::remove(backup);
    QFile::remove(templ);
    return 0;
}
