#include "TemplateKeyReader.h"
#include "TextLineFile.h"
#include "snmp/CZRException.h"
#include <QByteArray>
#include <QList>

QMap<QString, QString> TemplateKeyReader::Read(const QString& path) {
    QList<QByteArray> lines;
    if (!TextLineFile::Read(path, &lines))
        throw CZRException(kUnreadable, QStringLiteral("The template file cannot be read!"));
    QMap<QString, QString> keys;
    for (const QByteArray& line : lines) {
        const int eq = line.indexOf('=');
        if (eq < 0)
            keys.insert(QString(), QString::fromUtf8(line));
        else
            keys.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return keys;
}
