#pragma once
// A simulated fleet for the template tests (TestSupport::SimFleet with
// --verbose), one fresh device per test, and plain reads and writes of single
// variables to prepare a device and to check what a template left on it.
#include "snmp/DeviceTarget.h"
#include "support/SimFleet.h"
#include <QString>
#include <QStringList>
#include <cstdint>

class SimulatedFleet {
public:
    // Starts `devices` devices from `base` on a free port; false when the
    // simulator does not answer.
    bool Start(const QString& base, int devices);
    void Stop();

    // A target for device n (1-based).
    DeviceTarget Target(int device) const;
    QString Address(int device) const;

    // The value text of one variable (full OID with its instance), as the
    // engine delivers it; `syntax` and `map` as in the descriptor tables.
    QString Get(int device, const QString& oid, int32_t syntax, const class ValueMap* map = nullptr) const;
    void Set(int device, const QString& oid, int32_t syntax, const QString& value,
             const class ValueMap* map = nullptr) const;

    // How often the device has been told to apply its settings.
    int AppliedCount(int device) const;
    // The device actions the simulator logged so far for device n.
    QStringList Actions(int device) const;

private:
    TestSupport::SimFleet sim_;
};
