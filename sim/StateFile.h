#pragma once
#include "Device.h"
#include <memory>
#include <string>
#include <vector>

// The --state file: one JSON object per device, keyed by its number (1, 2, ...),
// holding the settings that differ from the factory state. Written atomically.
class StateFile {
public:
    static bool Load(const std::string& path, std::vector<std::unique_ptr<Device>>& devices, std::string& error);
    static bool Save(const std::string& path, const std::vector<std::unique_ptr<Device>>& devices, std::string& error);
};
