#pragma once
// The real aerodesk program run with the module under test, as an
// administrator runs it; at most two minutes.
#include <QProcess>
#include <QString>
#include <QStringList>

struct AerodeskOutcome {
    int Code = -1;   // -1: crashed or did not end in time
    QString Out;
    QString Err;
};

// `environment`: "NAME=VALUE" additions. The SNMPv3 pass phrases of the
// caller's own environment are never passed on.
inline AerodeskOutcome RunAerodesk(const QStringList& arguments, const QStringList& environment = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
    env.remove(QStringLiteral("NXA_AUTH_PASSPHRASE"));
    env.remove(QStringLiteral("NXA_PRIV_PASSPHRASE"));
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NXA_AERODESK_BINARY), arguments);
    AerodeskOutcome o;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.Out = QString::fromUtf8(p.readAllStandardOutput());
    o.Err = QString::fromUtf8(p.readAllStandardError());
    return o;
}
