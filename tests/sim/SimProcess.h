#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// One nxa-sim child process for a test: started with the given arguments on
// a loopback address and a free port, ready once it has printed its device
// list, always killed by the destructor.
class SimProcess {
public:
    // address: the first device's address; extra: further arguments.
    SimProcess(const std::string& address, std::vector<std::string> extra, int devices = 1);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Ready() const { return ready_; }
    int Port() const { return port_; }
    const std::string& Output() const { return output_; }
    // "address:port" of device n (1-based).
    std::string Target(int n = 1) const;
    // Stops with SIGTERM and waits; the exit status, or -1.
    int Stop();

    static std::string Binary();
    static int FreeUdpPort(const std::string& address);

private:
    std::string address_;
    int port_ = 0;
    pid_t pid_ = -1;
    int outFd_ = -1;
    bool ready_ = false;
    std::string output_;
};

// Runs a shell command (net-snmp's tools) with a time limit; returns its
// exit status and fills output with standard output and error.
int RunTool(const std::string& command, std::string& output);
