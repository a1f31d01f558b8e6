#pragma once
#include "AP_PlugIn.h"
#include "snmp/DeviceTarget.h"
#include <QString>
#include <cstdint>

// Applies a template key file to the device at `target`: the body of
// PlugSetConfigFile, which takes its target from the host's settings, and of
// command 9, whose worker gets the target taken when the command started.
// Rejections go to the job's callback; SNMP failures raise CZRException,
// whose text, with `reportWritten`, ends with the groups written before it.
void ApplyConfigFile(const DeviceTarget& target, const QString& keyFilePath, uint32_t flags, TemplateJob* job,
                     bool reportWritten = false);
