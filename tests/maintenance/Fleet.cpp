#include "Fleet.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <chrono>
#include <thread>

QString NxaOid(const char* tail) { return QStringLiteral("%1.%2").arg(QLatin1String(kNxaRoot), QLatin1String(tail)); }

Fleet::Fleet(const QString& base, int devices, const QStringList& extra) { Start(base, devices, extra); }

QString Fleet::Read(const QString& address, const QString& oid, int syntax, int timeout) const {
    SnmpRequest request;
    request.Address = address;
    request.Port = Port();
    request.Timeout = timeout;
    request.Retries = 0;
    request.Variables.Add(oid, QStringLiteral("v"), syntax, SnmpAccess::ReadOnly);
    request.Variables.Kind = MibVariableList::MVT_SV;
    try {
        request.Read(true);
    } catch (const CZRException&) {
        return {};
    }
    return request.Variables.Entry(0).Value;
}

bool Fleet::WaitAnswering(const QString& address, int ms) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!Read(address, QStringLiteral("1.3.6.1.2.1.1.5.0"), SnmpSyntax::DisplayString, 20).isEmpty())
            return true;
    }
    return false;
}

QString Fleet::ReadWhenUp(const QString& address, const QString& oid, int syntax, int ms) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    QString value;
    while (value.isEmpty() && std::chrono::steady_clock::now() < deadline)
        value = Read(address, oid, syntax);
    return value;
}
