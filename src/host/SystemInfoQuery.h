#pragma once
#include <cstdint>

// PlugGetSystemInfo: one blocking get of firmware version, MAC, address,
// mask and gateway with a request of its own.
class SystemInfoQuery {
public:
    // The most characters written into each text buffer.
    static constexpr int kTextLimit = 255;

    // Writes nothing when the device does not answer or the address is bad;
    // a null output is skipped.
    static void Run(const char* address, char* firmwareVersion, char* macAddress, uint32_t* subnetMask);
};
