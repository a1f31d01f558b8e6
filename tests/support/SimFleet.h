#pragma once
#include "support/ChildProcess.h"
#include "support/SimTrace.h"
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace TestSupport {

// A simulated fleet for a test: nxa-sim as a child process with `devices`
// devices on consecutive loopback addresses from `base`, all on one free UDP
// port. Ready once the simulator has printed "nxa-sim: ready"; always ended
// by the destructor. Further simulator arguments go in `extra`, e.g.
//   SimFleet fleet;
//   fleet.Start("127.0.40.1", 2, {"--trace", fleet.PrivateFile("trace.tsv"), "--silent", "2"});
//   ... fleet.TraceSets(fleet.Address(1)) ...
class SimFleet {
public:
    SimFleet() = default;
    // Starts at once; Ready() tells whether it came up.
    SimFleet(const std::string& base, const std::vector<std::string>& extra, int devices = 1);
    ~SimFleet();
    SimFleet(const SimFleet&) = delete;
    SimFleet& operator=(const SimFleet&) = delete;

    // Starts the fleet (ending one started before) and waits up to
    // `readySeconds` until it is ready; false when it is not. The bound is
    // generous: many devices start slowly under the sanitizers.
    bool Start(const QString& base, int devices = 1, const QStringList& extra = {}, int readySeconds = 120);
    bool Ready() const { return ready_; }
    // Stops with SIGTERM and waits; the simulator's exit status, or -1.
    int Stop();

    uint16_t Port() const { return port_; }
    pid_t Pid() const { return process_.Pid(); }
    int Devices() const { return devices_; }
    // The address of device n (1-based), and "address:port" for net-snmp's tools.
    QString Address(int n = 1) const;
    std::string Target(int n = 1) const;

    // Everything the simulator printed so far (with --verbose: every device action).
    std::string Output() const { return process_.Output(); }
    QString Log() const;
    // The lines the simulator printed for device n, without their "address:port " prefix.
    QStringList DeviceLines(int n) const;

    // A path in the fleet's private folder (for --trace, --state, backups ...).
    QString PrivateFile(const QString& name) const;
    // The trace file given with "--trace FILE" (empty without), and its records.
    QString TraceFile() const { return traceFile_; }
    std::vector<SimTraceRecord> Trace() const;
    // The SET records that the device at `address` received, in order.
    std::vector<SimTraceRecord> TraceSets(const QString& address) const;

    // The simulator program: nxa-sim beside the test program.
    static std::string Binary();

private:
    QTemporaryDir dir_;
    ChildProcess process_;
    QString base_;
    QString traceFile_;
    uint16_t port_ = 0;
    int devices_ = 0;
    bool ready_ = false;
};

}  // namespace TestSupport
