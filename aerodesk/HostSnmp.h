#pragma once
#include "snmp/DeviceTarget.h"
#include <QString>

class DeviceOptions;

// aerodesk's own SNMP layer, beside the module's: the dry run and the
// read-back of a template application use the template code directly.
namespace HostSnmp {

// Starts the layer once per process; false with `error` set when it cannot.
bool Start(QString& error);
// Stops the layer when a command started it; aerodesk's main calls it before
// the application goes, so the library frees what it holds (its crypto
// objects would be left to the end of the process otherwise).
void Stop();
// The device's target: its address, port, communities and time-out, as
// SNMPv1 like the module's own requests.
DeviceTarget TargetFor(const DeviceOptions& options, const QString& address);

}  // namespace HostSnmp
