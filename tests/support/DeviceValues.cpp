#include "support/DeviceValues.h"
#include <QProcess>
#include <QString>
#include <QStringList>

namespace DeviceValues {
namespace {

// "-Oqv": values only; "-Ox": octet strings as hex; "-Oe": enums as numbers.
QStringList Run(const QString& tool, const std::string& target, const std::string& community, const std::string& oid,
                bool hex = false) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("MIBDIRS"), QStringLiteral("/dev/null"));
    p.setProcessEnvironment(env);
    p.start(tool, {QStringLiteral("-v2c"), QStringLiteral("-c"), QString::fromStdString(community), QStringLiteral("-t"),
                   QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("1"), hex ? QStringLiteral("-Oqvx") : QStringLiteral("-Oqve"),
                   QString::fromStdString(target), QString::fromStdString(oid)});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::string Clean(QString v) {
    v = v.trimmed();
    if (v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')) && v.size() >= 2)
        v = v.mid(1, v.size() - 2);
    return v.toStdString();
}

}  // namespace

std::string Get(const std::string& target, const std::string& oid, const std::string& community) {
    const QStringList lines = Run(QStringLiteral("snmpget"), target, community, oid);
    return lines.isEmpty() ? std::string() : Clean(lines.first());
}

std::string GetHex(const std::string& target, const std::string& oid, const std::string& community) {
    QStringList lines = Run(QStringLiteral("snmpget"), target, community, oid, true);
    return lines.isEmpty() ? std::string() : Clean(lines.first().remove(QLatin1Char(' ')).toUpper());
}

std::vector<std::string> WalkColumn(const std::string& target, const std::string& column, bool hex,
                                    const std::string& community) {
    std::vector<std::string> values;
    for (QString line : Run(QStringLiteral("snmpwalk"), target, community, column, hex))
        values.push_back(Clean(hex ? line.remove(QLatin1Char(' ')).toUpper() : line));
    return values;
}

}  // namespace DeviceValues
