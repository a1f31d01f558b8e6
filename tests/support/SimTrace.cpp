#include "support/SimTrace.h"
#include <QFile>
#include <QStringList>

namespace TestSupport {
namespace {

QString Unescape(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += c;
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('t'))
            plain += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            plain += QLatin1Char('\r');
        else if (next == QLatin1Char('n'))
            plain += QLatin1Char('\n');
        else
            plain += next;   // "\\", and any other escaped character as itself
    }
    return plain;
}

bool IsTypeName(const QString& type) {
    if (type.isEmpty())
        return false;
    for (const QChar c : type)
        if (!c.isUpper() && !c.isDigit() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    return true;
}

bool SameDevice(const QString& recorded, const QString& wanted) {
    if (recorded == wanted)
        return true;
    const auto withoutPort = [](const QString& a) { return a.section(QLatin1Char(':'), 0, 0); };
    // One side with a port, the other without.
    if (recorded.contains(QLatin1Char(':')) != wanted.contains(QLatin1Char(':')))
        return withoutPort(recorded) == withoutPort(wanted);
    return false;
}

}  // namespace

bool ParseSimTraceLine(const QString& line, SimTraceRecord& record) {
    QStringList fields = line.split(QLatin1Char('\t'));
    // The security field (--trace-security) starts with a lower-case v; a type never does.
    QString security;
    if (fields.size() > 3 && fields[2].startsWith(QLatin1Char('v')))
        security = fields.takeAt(2);
    if (fields.size() < 3 || fields[0].isEmpty() || fields[1].isEmpty() || !IsTypeName(fields[2]))
        return false;
    record = SimTraceRecord{fields[0], fields[1], fields[2], security, {}};
    const bool set = record.Type == QLatin1String("SET");
    for (qsizetype i = 3; i < fields.size(); ++i) {
        const QString& field = fields[i];
        if (!set) {
            record.Varbinds.push_back({field, {}});
            continue;
        }
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return false;
        record.Varbinds.push_back({field.left(equals), Unescape(field.mid(equals + 1))});
    }
    return true;
}

std::vector<SimTraceRecord> ReadSimTrace(const QString& path) {
    std::vector<SimTraceRecord> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QByteArray text = file.readAll();
    // Only whole lines: the simulator may be writing the last one.
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        SimTraceRecord record;
        if (ParseSimTraceLine(QString::fromUtf8(line), record))
            records.push_back(std::move(record));
    }
    return records;
}

std::vector<SimTraceRecord> SimTraceSets(const std::vector<SimTraceRecord>& records, const QString& address) {
    std::vector<SimTraceRecord> sets;
    for (const SimTraceRecord& record : records)
        if (record.Type == QLatin1String("SET") && SameDevice(record.Address, address))
            sets.push_back(record);
    return sets;
}

}  // namespace TestSupport
