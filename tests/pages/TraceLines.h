#pragma once
// The SET requests a simulated device received, from nxa-sim's trace file
// (TAB-separated: time, device address, PDU type, varbinds; a set's varbind
// is OID=VALUE).
#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

namespace PageTest {

struct SetRequest {
    QString Address;
    QStringList Varbinds;   // "OID=VALUE"
};

inline std::vector<SetRequest> SetsIn(const QString& traceFile, const QString& address) {
    std::vector<SetRequest> sets;
    QFile file(traceFile);
    if (!file.open(QIODevice::ReadOnly))
        return sets;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() < 4 || fields[1] != address || fields[2] != QLatin1String("SET"))
            continue;
        sets.push_back({fields[1], fields.mid(3)});
    }
    return sets;
}

}  // namespace PageTest
