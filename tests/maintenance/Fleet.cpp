#include "Fleet.h"
#include "SimProcess.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QFile>
#include <QHostAddress>
#include <QThread>
#include <chrono>
#include <thread>

QString NxaOid(const char* tail) { return QStringLiteral("%1.%2").arg(QLatin1String(kNxaRoot), QLatin1String(tail)); }

Fleet::Fleet(const QString& base, int devices, const QStringList& extra) : base_(base) {
    port_ = static_cast<uint16_t>(SimProcess::FreeUdpPort(base.toStdString()));
    QStringList args = {QStringLiteral("--devices"), QString::number(devices), QStringLiteral("--base"), base,
                        QStringLiteral("--port"), QString::number(port_)};
    args += extra;
    if (!process_.Start(QStringLiteral(NXA_SIM_BINARY), args, {}, dir_.filePath(QStringLiteral("sim.log"))))
        return;
    for (int i = 0; i < 200 && !ready_; ++i) {
        ready_ = Log().contains(QLatin1String("nxa-sim: ready"));
        if (!ready_)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

Fleet::~Fleet() { process_.Stop(); }

QString Fleet::Log() const {
    QFile f(dir_.filePath(QStringLiteral("sim.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString Fleet::Address(int n) const {
    return QHostAddress(QHostAddress(base_).toIPv4Address() + static_cast<quint32>(n - 1)).toString();
}

QString Fleet::Read(const QString& address, const QString& oid, int syntax, int timeout) const {
    SnmpRequest request;
    request.Address = address;
    request.Port = port_;
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
