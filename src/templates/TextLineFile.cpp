#include "templates/TextLineFile.h"
#include <QFile>

namespace {

// Key files and templates are small; a larger file is not one of them.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

} // namespace

bool TextLineFile::Read(const QString& path, QList<QByteArray>* lines)
{
    lines->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        QByteArray line = data.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines->append(line);
        start = next;
    }
    return true;
}

QByteArray TextLineFile::Join(const QList<QByteArray>& lines)
{
    QByteArray data;
    for (const QByteArray& line : lines) {
        data += line;
        data += "\r\n";
    }
    return data;
}

bool TextLineFile::Write(const QString& path, const QList<QByteArray>& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = Join(lines);
    const bool written = file.write(data) == data.size() && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    // A half-written file must not pass for a complete one.
    QFile::remove(path);
    return false;
}
