#include "templates/BackupUnpacker.h"
#include <QFile>
#include <QFileInfo>
#include <zlib.h>

namespace {

constexpr qsizetype kHeaderScanBytes = 32;
constexpr char kHeaderEnd = 0x30;
constexpr char kGzipMagic = 0x1F;

void SetReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

} // namespace

qsizetype BackupUnpacker::GzipStart(const QByteArray& head)
{
    qsizetype start = 1;
    const qsizetype scanEnd = qMin(head.size(), kHeaderScanBytes);
    for (qsizetype pos = 0; pos < scanEnd; ++pos) {
        if (head.at(pos) != kHeaderEnd)
            continue;
        start = pos + 1;
        // The scan ends at "0" followed by the gzip magic; the byte after
        // position 31 is the file's own 33rd byte, never memory beyond it.
        if (pos + 1 < head.size() && head.at(pos + 1) == kGzipMagic)
            break;
    }
    return start;
}

QString BackupUnpacker::TemporaryPath(const QString& templatePath)
{
    const qsizetype dot = templatePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = templatePath.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < slash)
        return QString();
    QString path = templatePath;
    return path.replace(dot, qMin<qsizetype>(10, path.size() - dot), QStringLiteral("__tmpFile.tmp"));
}

QByteArray BackupUnpacker::ToCrLf(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() + text.count('\n'));
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool BackupUnpacker::Unpack(const QString& backupPath, const QString& templatePath, QByteArray* xml,
                            QString* reason)
{
    xml->clear();
    const QString tempPath = TemporaryPath(templatePath);
    if (tempPath.isEmpty()) {
        SetReason(reason, QStringLiteral("template path has no extension"));
        return false;
    }
    // A temporary name that is the backup itself would truncate it.
    if (QFileInfo(tempPath).absoluteFilePath() == QFileInfo(backupPath).absoluteFilePath()) {
        SetReason(reason, QStringLiteral("temporary file would replace the backup"));
        return false;
    }
    QByteArray text;
    const bool read = CopyGzipData(backupPath, tempPath, reason) && ReadGzip(tempPath, &text, reason);
    QFile::remove(tempPath);
    if (!read)
        return false;
    *xml = ToCrLf(text);
    return true;
}

bool BackupUnpacker::CopyGzipData(const QString& backupPath, const QString& tempPath, QString* reason)
{
    QFile backup(backupPath);
    if (!backup.open(QIODevice::ReadOnly)) {
        SetReason(reason, QStringLiteral("backup cannot be read"));
        return false;
    }
    const QByteArray head = backup.peek(kHeaderScanBytes + 1);
    const qsizetype start = GzipStart(head);
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        SetReason(reason, QStringLiteral("temporary file cannot be created"));
        return false;
    }
    if (start >= backup.size() || !backup.seek(start)) {
        SetReason(reason, QStringLiteral("backup holds no data after its header"));
        return false;
    }
    while (!backup.atEnd()) {
        const QByteArray chunk = backup.read(64 * 1024);
        if (chunk.isEmpty() || temp.write(chunk) != chunk.size()) {
            SetReason(reason, QStringLiteral("backup data cannot be copied"));
            return false;
        }
    }
    if (!temp.flush() || backup.error() != QFileDevice::NoError) {
        SetReason(reason, QStringLiteral("backup data cannot be copied"));
        return false;
    }
    return true;
}

bool BackupUnpacker::ReadGzip(const QString& tempPath, QByteArray* text, QString* reason)
{
    const qint64 length = QFileInfo(tempPath).size();
    if (length <= 0) {
        SetReason(reason, QStringLiteral("backup holds no data after its header"));
        return false;
    }
    gzFile gz = gzopen(QFile::encodeName(tempPath).constData(), "rb");
    if (!gz) {
        SetReason(reason, QStringLiteral("temporary file cannot be opened"));
        return false;
    }
    // Each read asks for as many bytes as the compressed data is long.
    const unsigned chunkSize = static_cast<unsigned>(qMin<qint64>(length, 1024 * 1024));
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    bool failed = false;
    for (;;) {
        const int got = gzread(gz, chunk.data(), chunkSize);
        if (got < 0) {
            failed = true;
            SetReason(reason, QStringLiteral("gzip data is damaged"));
            break;
        }
        if (got == 0)
            break;
        // zlib passes data that is not gzip through unchanged; a backup's
        // payload must be a gzip stream.
        if (gzdirect(gz)) {
            failed = true;
            SetReason(reason, QStringLiteral("backup data is not gzip"));
            break;
        }
        if (text->size() + got > kMaxTextBytes) {
            failed = true;
            SetReason(reason, QStringLiteral("configuration text is too large"));
            break;
        }
        text->append(chunk.constData(), got);
    }
    // A stream that ends early is only reported when the reader is closed.
    const int closed = gzclose_r(gz);
    if (!failed && closed != Z_OK) {
        failed = true;
        SetReason(reason, QStringLiteral("gzip data is truncated or damaged"));
    }
    if (!failed && text->isEmpty()) {
        failed = true;
        SetReason(reason, QStringLiteral("gzip data holds nothing"));
    }
    if (failed)
        text->clear();
    return !failed;
}
