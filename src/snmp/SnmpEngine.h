#pragma once
#include "WireTypes.h"
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class QObject;

// The module's SNMP thread. The SNMP library is not thread-safe, so this
// thread makes every call into it: it opens the sessions, sends, watches the
// sockets and drives the time-outs. Other threads hand it exchanges.
class SnmpEngine {
public:
    using Completion = std::function<void(std::shared_ptr<SnmpExchange>)>;
    // For a step of a table walk (get-next): the column each varbind walks.
    // While a column goes on, the engine reads the walk's next step ahead,
    // so that the step after this one finds its answer under way or there.
    using WalkColumns = std::vector<std::vector<uint32_t>>;

    static SnmpEngine& Instance();

    // Starts the thread and initialises the library; false when it fails.
    bool Start(const QString& persistentFolder);
    void Stop();
    bool IsRunning() const;

    // Sends the exchange and waits for its outcome (any thread but the SNMP thread).
    void Execute(SnmpExchange& exchange, WalkColumns columns = {});
    // Sends the exchange; `done` runs on the SNMP thread with the outcome,
    // or at once on the calling thread when the engine has read that walk
    // step ahead and holds its answer.
    void Submit(std::shared_ptr<SnmpExchange> exchange, Completion done, WalkColumns columns = {});
    // Sends the exchange; `deliver` runs on `receiver`'s thread once the
    // outcome is in the exchange (handed on by CompletionBatch). Nothing of
    // the delivery is made or freed on the SNMP thread.
    void Submit(std::shared_ptr<SnmpExchange> exchange, QObject* receiver, std::function<void()> deliver,
                WalkColumns columns = {});

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
