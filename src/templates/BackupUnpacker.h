#pragma once
#include <QByteArray>
#include <QString>

// Unpacks a device configuration backup: a short header ending with "0"
// directly followed by a gzip stream of the configuration XML.
class BackupUnpacker {
public:
    // Where the gzip data starts in a backup that begins with these bytes
    // (at least the first 33 bytes of the file when it has them).
    static qsizetype GzipStart(const QByteArray& head);
    // The temporary file beside the template: the template path with the part
    // from its last "." (at most 10 characters of it) replaced by
    // "__tmpFile.tmp". Empty when the file name has no ".".
    static QString TemporaryPath(const QString& templatePath);
    // Every LF becomes CR LF.
    static QByteArray ToCrLf(const QByteArray& text);

    // Copies the gzip data of the backup into the temporary file, reads it
    // back through zlib's gzip reader and gives the text with CR LF line ends.
    // The temporary file is always removed. False (with a reason) when the
    // backup is unreadable, the data is not a complete gzip stream, or it
    // holds nothing.
    static bool Unpack(const QString& backupPath, const QString& templatePath, QByteArray* xml,
                       QString* reason = nullptr);

    // Largest configuration text accepted, against decompression bombs.
    static constexpr qint64 kMaxTextBytes = 64 * 1024 * 1024;

private:
    static bool CopyGzipData(const QString& backupPath, const QString& tempPath, QString* reason);
    static bool ReadGzip(const QString& tempPath, QByteArray* text, QString* reason);
};
