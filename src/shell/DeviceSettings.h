#pragma once
#include "WindowSettings.h"
#include <functional>

struct DeviceTarget;

// Where the window's requests take the device and its SNMP parameters from,
// before each use: the host's current settings when a source is installed
// (the host may hand them in after the window opened), otherwise the
// settings the window was opened with.
namespace DeviceSettings {
using Source = std::function<WindowSettings()>;
void SetSource(Source source);
void SetFixed(const WindowSettings& settings);
WindowSettings Current();
// Address, port and communities into a request's target.
void ApplyTo(DeviceTarget& target);
}  // namespace DeviceSettings
