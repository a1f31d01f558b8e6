#include "support/SimFleet.h"
#include "support/FreePort.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <chrono>
#include <thread>

namespace TestSupport {
namespace {

const char kReady[] = "nxa-sim: ready";

QString ProgramFolder() {
    // Tests, benchmarks and the programs they start share one output folder.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

}  // namespace

SimFleet::SimFleet(const std::string& base, const std::vector<std::string>& extra, int devices) {
    QStringList arguments;
    for (const std::string& a : extra)
        arguments << QString::fromStdString(a);
    Start(QString::fromStdString(base), devices, arguments);
}

SimFleet::~SimFleet() { process_.Stop(); }

std::string SimFleet::Binary() { return (ProgramFolder() + QStringLiteral("/nxa-sim")).toStdString(); }

bool SimFleet::Start(const QString& base, int devices, const QStringList& extra, int readySeconds) {
    process_.Stop();
    ready_ = false;
    base_ = base;
    devices_ = devices;
    const qsizetype trace = extra.indexOf(QStringLiteral("--trace"));
    traceFile_ = trace >= 0 ? extra.value(trace + 1) : QString();
    // A port taken by someone else between the look-up and the simulator's
    // bind makes it exit at once: then it is tried again on another port. A
    // simulator still starting when the time is up is not restarted.
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = FreeUdpPort(base.toStdString());
        QStringList arguments = {QStringLiteral("--devices"), QString::number(devices), QStringLiteral("--base"), base,
                                 QStringLiteral("--port"), QString::number(port_)};
        arguments += extra;
        if (!process_.Start(QString::fromStdString(Binary()), arguments, {}, dir_.filePath(QStringLiteral("sim.log"))))
            return false;
        ready_ = process_.WaitForOutput(kReady, readySeconds);
        if (ready_)
            break;
        if (process_.IsRunning()) {
            process_.Stop();
            break;
        }
    }
    return ready_;
}

int SimFleet::Stop() {
    ready_ = false;
    return process_.Stop();
}

QString SimFleet::Address(int n) const {
    return QHostAddress(QHostAddress(base_).toIPv4Address() + static_cast<quint32>(n - 1)).toString();
}

std::string SimFleet::Target(int n) const { return Address(n).toStdString() + ":" + std::to_string(port_); }

QString SimFleet::Log() const { return QString::fromStdString(process_.Output()); }

QStringList SimFleet::DeviceLines(int n) const {
    const QString prefix = QString::fromStdString(Target(n)) + QLatin1Char(' ');
    QStringList lines;
    for (const QString& line : Log().split(QLatin1Char('\n')))
        if (line.startsWith(prefix))
            lines << line.mid(prefix.size());
    return lines;
}

QString SimFleet::PrivateFile(const QString& name) const { return dir_.filePath(name); }

std::vector<SimTraceRecord> SimFleet::Trace() const {
    return traceFile_.isEmpty() ? std::vector<SimTraceRecord>{} : ReadSimTrace(traceFile_);
}

std::vector<SimTraceRecord> SimFleet::TraceSets(const QString& address) const {
    return SimTraceSets(Trace(), address);
}

}  // namespace TestSupport
