#pragma once
#include "support/SimFleet.h"
#include <QString>
#include <QStringList>

// A simulated fleet started at once (TestSupport::SimFleet: Ready, Log,
// Port, Pid, Address ...), and blocking reads of its variables through the
// module's SNMP engine.
class Fleet : public TestSupport::SimFleet {
public:
    Fleet(const QString& base, int devices, const QStringList& extra = {});

    // The value of a full OID (with instance) as text; "" on failure.
    QString Read(const QString& address, const QString& oid, int syntax = 0x4C, int timeout = 100) const;
    // Read, asked again until the device gives a value (a device may restart
    // on its own after an update); "" after `ms`.
    QString ReadWhenUp(const QString& address, const QString& oid, int syntax = 0x4C, int ms = 10000) const;
    // Waits up to `ms` until the device answers again.
    bool WaitAnswering(const QString& address, int ms) const;
};

inline constexpr char kNxaRoot[] = "1.3.6.1.4.1.171.10.37.36";
// Full OID of a variable under the device's enterprise root.
QString NxaOid(const char* tail);
