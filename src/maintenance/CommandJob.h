#pragma once
#include "host/AP_PlugIn.h"
#include <QString>
#include <cstddef>

// The text slots of the TemplateJob record that the probe (command 2) and the
// template application (command 9) keep their texts in. Every copy into a
// slot is bounded by the slot and NUL-terminated.
namespace CommandJob {

inline constexpr size_t kSlot = 255;

// Copies `text` (UTF-8) into `slot` of `size` bytes, cut to fit at a
// character boundary.
void Put(char* slot, size_t size, const QString& text);
// The text of a slot of `size` bytes (up to its NUL or its end).
QString Get(const char* slot, size_t size);

// The probe keeps its parameter behind the first 255 bytes of Field5, in the
// 255 bytes that are left of it.
inline char* ProbeParameter(TemplateJob& job) { return job.Field5 + kSlot; }
inline constexpr size_t kProbeParameterSize = sizeof(TemplateJob::Field5) - kSlot;

}  // namespace CommandJob
