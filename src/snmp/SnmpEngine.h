#pragma once
#include "WireTypes.h"
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

// The module's SNMP thread. The SNMP library is not thread-safe, so this
// thread makes every call into it: it opens the sessions, sends, watches the
// sockets and drives the time-outs. Other threads hand it exchanges.
class SnmpEngine {
public:
    using Completion = std::function<void(std::shared_ptr<SnmpExchange>)>;

    static SnmpEngine& Instance();

    // Starts the thread and initialises the library; false when it fails.
    bool Start(const QString& persistentFolder);
    void Stop();
    bool IsRunning() const;

    // Sends the exchange and waits for its outcome (any thread but the SNMP thread).
    void Execute(SnmpExchange& exchange);
    // Sends the exchange; `done` runs on the SNMP thread with the outcome.
    void Submit(std::shared_ptr<SnmpExchange> exchange, Completion done);

    // Number of sessions kept open (for tests).
    int OpenSessionCount() const;
    // When the SNMP thread last took in an answer (steady clock); for the
    // benchmarks that time what follows an answer.
    std::chrono::steady_clock::time_point LastAnswerTime() const;

    SnmpEngine(const SnmpEngine&) = delete;
    SnmpEngine& operator=(const SnmpEngine&) = delete;

private:
    SnmpEngine();
    ~SnmpEngine();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
