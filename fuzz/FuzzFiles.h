#pragma once
// Helpers shared by the libFuzzer targets that hand their input to a reader
// of files: one private folder for the whole run, and a way to put the input
// into a file there.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace FuzzFiles {

// In memory where the system offers it: rewriting a file on a disk file
// system may flush it at every close, which would make the disk the limit.
inline const QTemporaryDir& WorkDir()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/nxa-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/nxa-fuzz-XXXXXX"));
    return dir;
}

inline QString PathOf(const QString& name)
{
    return WorkDir().filePath(name);
}

inline bool WriteBytes(const QString& path, const QByteArray& data)
{
    QFile::remove(path);  // a new file, not a truncated one (see above)
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

inline QByteArray BytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace FuzzFiles
