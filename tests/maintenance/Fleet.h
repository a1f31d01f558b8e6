#pragma once
#include "../support/ChildProcess.h"
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A simulated fleet (nxa-sim as a child process) on consecutive loopback
// addresses and one port, and blocking reads and writes of its variables.
class Fleet {
public:
    Fleet(const QString& base, int devices, const QStringList& extra = {});
    ~Fleet();

    bool Ready() const { return ready_; }
    QString Log() const;
    uint16_t Port() const { return port_; }
    pid_t Pid() const { return process_.Pid(); }
    // Address of device n (1-based).
    QString Address(int n) const;

    // The value of a full OID (with instance) as text; "" on failure.
    QString Read(const QString& address, const QString& oid, int syntax = 0x4C, int timeout = 100) const;
    // Read, asked again until the device gives a value (a device may restart
    // on its own after an update); "" after `ms`.
    QString ReadWhenUp(const QString& address, const QString& oid, int syntax = 0x4C, int ms = 10000) const;
    // Waits up to `ms` until the device answers again.
    bool WaitAnswering(const QString& address, int ms) const;

private:
    QString base_;
    uint16_t port_ = 0;
    bool ready_ = false;
    QTemporaryDir dir_;
    mutable TestSupport::ChildProcess process_;
};

inline constexpr char kNxaRoot[] = "1.3.6.1.4.1.171.10.37.36";
// Full OID of a variable under the device's enterprise root.
QString NxaOid(const char* tail);
