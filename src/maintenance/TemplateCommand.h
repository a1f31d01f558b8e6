#pragma once
#include "CommandSettings.h"
#include "host/AP_PlugIn.h"
#include <QString>
#include <cstdint>
#include <functional>

// Command 9: applies a template to a device on a worker thread of its own and
// reports "OVER" with the five fields to the host callback from that thread.
namespace TemplateCommand {

// Applies the key file (its whole path) to the device at `target` (the
// module's template application); raises CZRException. Runs on the worker,
// so it must read nothing that the user-interface thread may change: the
// target was taken from the host's settings when the command was started.
using Applier =
    std::function<void(const DeviceTarget& target, const QString& keyFile, uint32_t flags, TemplateJob* job)>;
void SetApplier(Applier applier);

// address: "ADDRESS|FIELD2|FIELD3"; parameter: "FIELD4|KEYFILE". The target
// is ADDRESS with the port, communities and time-out of `settings`.
void Start(const QString& address, const QString& parameter, uintptr_t context, void* callback,
           const CommandSettings& settings);

// The target that a template application of `address` uses.
DeviceTarget TargetFor(const QString& address, const CommandSettings& settings);

// Waits (at most `ms`) until no worker is running; true when none is.
bool WaitForWorkers(int ms);

}  // namespace TemplateCommand
