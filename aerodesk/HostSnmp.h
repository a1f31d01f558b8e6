#pragma once
#include "snmp/DeviceTarget.h"
#include <QString>

class DeviceOptions;

// aerodesk's own SNMP layer, beside the module's: the dry run and the
// read-back of a template application use the template code directly.
namespace HostSnmp {

// Starts the layer once per process; false with `error` set when it cannot.
bool Start(QString& error);
// The device's target: its address, port, communities and time-out, as
// SNMPv1 like the module's own requests.
DeviceTarget TargetFor(const DeviceOptions& options, const QString& address);

}  // namespace HostSnmp
