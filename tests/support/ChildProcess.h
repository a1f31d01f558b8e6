#pragma once
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace TestSupport {

// A child process that is always ended (SIGTERM, then SIGKILL) when the
// object goes, so that no test leaves a server behind.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` with `arguments`; extra environment as "NAME=value".
    // Standard output and error go to `logFile` when given.
    bool Start(const QString& program, const QStringList& arguments, const QStringList& environment = {},
               const QString& logFile = {});
    void Stop();
    bool IsRunning();
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

// Runs a command to completion (at most `timeoutMs`) and returns its exit
// code (-1 on time-out or failure); its standard output goes to `output`.
int RunCommand(const QString& program, const QStringList& arguments, QString* output = nullptr,
               int timeoutMs = 10000);

}  // namespace TestSupport
