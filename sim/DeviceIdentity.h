#pragma once
#include <cstdint>
#include <string>

// Who one simulated access point is: where it listens and the values that
// make it distinct from its neighbours in the fleet.
struct DeviceIdentity {
    int Index = 0;                 // 0-based position in the fleet
    std::string Address;           // loopback address it listens on, e.g. "127.0.1.1"
    uint16_t Port = 161;
    std::string MacBytes;          // 6 octets of the LAN MAC address
    std::string SystemName;        // e.g. "NXA-7310-4E0001"
    std::string Firmware;          // e.g. "1.10"
    std::string ReadCommunity = "public";
    std::string WriteCommunity = "private";
    int ApModes = 0x7F;            // apModesSupported: every mode bit (client, repeater, WDS with AP, AP, WDS)
    int ModeStringChange = 1;      // admodestringchangesupported: 1 names the repeater "Universal Repeater"

    // The identity of device number index of a fleet whose first device
    // listens on baseAddress; addresses count up from there.
    static DeviceIdentity ForIndex(int index, const std::string& baseAddress, uint16_t port, int portStep,
                                   const std::string& firmware);
    // The LAN MAC as 12 upper-case hex digits, optionally plus an offset.
    std::string MacText(int plus = 0) const;
    std::string MacBytesPlus(int plus) const;
    // The address "base + n" in the IPv4 space; empty when it leaves 127.0.0.0/8.
    static std::string AddressPlus(const std::string& base, int n);
};
