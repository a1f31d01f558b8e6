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

inline AerodeskOutcome RunAerodesk(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("AERODESK_MODULE"), QStringLiteral(NXA_MODULE_PATH));
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
