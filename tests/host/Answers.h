#pragma once
#include "host/AP_PlugIn.h"
#include <optional>
#include <string>
#include <vector>

// Copies of what the module hands to the host callbacks; each callback
// checks the record array's layout as it copies.
struct CmdCopy {
    int32_t Status = -1;
    std::optional<std::string> Message, DeviceIp, Extra, ModelName;
};

struct BasicConfigAnswer {
    int Calls = 0;
    CmdCopy Result;
    int32_t Count = -1;
    bool NullArray = false;
    bool ArrayEndsWithNull = false;
    BasicConfigRecord Raw{};   // pointers valid only during the callback
    std::string WirelessMode, Authentication, ApMode, Ssid, Channel, TransmitPower;
    int32_t AuthenticationNumber = 0, ApModeNumber = 0, TransmitPowerNumber = 0;
    static void Callback(CmdResult* result, int32_t count, BasicConfigRecord** records, uintptr_t context);
};

struct TrafficAnswer {
    int Calls = 0;
    CmdCopy Result;
    int32_t Count = -1;
    bool NullArray = false;
    std::string Band, Empty, IpAddress, UpTime, FrameCount, SuccessRate, RetryRate;
    bool ReservedNull = false;
    static void Callback(CmdResult* result, int32_t count, TrafficRecord** records, uintptr_t context);
};

struct ClientCopy {
    std::string Band, MacAddress, Authentication, PowerSaving, SsidIndex;
    int32_t Rssi = 0;
    bool ReservedNull = false;
};

struct ClientAnswer {
    int Calls = 0;
    CmdCopy Result;
    int32_t Count = -1;
    bool NullArray = false;
    std::vector<ClientCopy> Clients;
    static void Callback(CmdResult* result, int32_t count, ClientRecord** records, uintptr_t context);
};

// One answer per device address, for queries of several devices at once.
template <typename Answer>
uintptr_t Context(Answer& answer) {
    return reinterpret_cast<uintptr_t>(&answer);
}
