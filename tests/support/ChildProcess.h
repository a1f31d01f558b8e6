#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace TestSupport {

// A child process of a test (a simulator, a server, an agent): its standard
// output and error go to a log file (its own, or the one given), and it is
// always ended (SIGTERM, then SIGKILL) when the object goes, so that no test
// leaves a server behind; it also ends when the test process dies.
class ChildProcess {
public:
    ChildProcess() = default;
    // Starts `args` (program first, looked up in PATH) at once; Started() tells.
    explicit ChildProcess(std::vector<std::string> args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` with `arguments`; extra environment as "NAME=value".
    // Standard output and error go to `logFile`, or to a private file when
    // none is given. False when the process could not be made.
    bool Start(const QString& program, const QStringList& arguments, const QStringList& environment = {},
               const QString& logFile = {});
    // Ends the process (SIGTERM, then SIGKILL after 2 s) and returns its exit
    // status, or -1 when it was killed by a signal or was not running.
    int Stop();
    bool IsRunning();
    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }

    // Everything the process printed so far.
    std::string Output() const;
    QString LogFile() const { return logFile_; }
    // Waits (at most `seconds`) until the output holds `text`.
    bool WaitForOutput(const std::string& text, int seconds);

    // True once a TCP connection to 127.0.0.1:port succeeds (at most `seconds`).
    static bool WaitForTcp(int port, int seconds);

private:
    pid_t pid_ = -1;
    int exitStatus_ = -1;
    QString logFile_;
    std::unique_ptr<QTemporaryDir> logDir_;
};

}  // namespace TestSupport
