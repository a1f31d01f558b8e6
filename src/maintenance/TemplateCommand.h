#pragma once
#include "CommandSettings.h"
#include "host/AP_PlugIn.h"
#include <QString>
#include <cstdint>
#include <functional>

// Command 9: applies a template to a device on a worker thread of its own and
// reports "OVER" with the five fields to the host callback from that thread.
namespace TemplateCommand {

// Applies the key file to the device (the module's PlugSetConfigFile); raises
// CZRException. Runs on the worker.
using Applier = std::function<void(const char* address, const char* keyFile, uint32_t flags, TemplateJob* job)>;
void SetApplier(Applier applier);

// address: "ADDRESS|FIELD2|FIELD3"; parameter: "FIELD4|KEYFILE".
void Start(const QString& address, const QString& parameter, uintptr_t context, void* callback);

// Waits (at most `ms`) until no worker is running; true when none is.
bool WaitForWorkers(int ms);

}  // namespace TemplateCommand
