#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// A helper server for the transfer tests (nxa-ftpd, a Debian FTP server):
// started with its arguments, its output collected, killed by the destructor.
class ChildProcess {
public:
    explicit ChildProcess(std::vector<std::string> args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // Waits (at most seconds) until the output holds text.
    bool WaitForOutput(const std::string& text, int seconds);
    const std::string& Output();

    static int FreeTcpPort();
    // True once a TCP connection to 127.0.0.1:port succeeds (at most seconds).
    static bool WaitForTcp(int port, int seconds);

private:
    void ReadAvailable(int waitMs);
    pid_t pid_ = -1;
    int outFd_ = -1;
    std::string output_;
};
