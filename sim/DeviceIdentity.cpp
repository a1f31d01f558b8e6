#include "DeviceIdentity.h"
#include "SimValue.h"
#include <arpa/inet.h>
#include <cstdio>

std::string DeviceIdentity::AddressPlus(const std::string& base, int n) {
    in_addr address{};
    if (inet_pton(AF_INET, base.c_str(), &address) != 1)
        return {};
    uint32_t value = ntohl(address.s_addr) + static_cast<uint32_t>(n);
    if ((value >> 24) != 127)
        return {};
    address.s_addr = htonl(value);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

DeviceIdentity DeviceIdentity::ForIndex(int index, const std::string& baseAddress, uint16_t port, int portStep,
                                        const std::string& firmware) {
    DeviceIdentity id;
    id.Index = index;
    id.Address = portStep ? baseAddress : AddressPlus(baseAddress, index);
    id.Port = static_cast<uint16_t>(port + portStep * index);
    // Locally administered unicast prefix 02:4E:58, then the device number.
    uint32_t serial = static_cast<uint32_t>(index + 1);
    id.MacBytes = std::string{'\x02', '\x4E', '\x58', static_cast<char>((serial >> 16) & 0xFF),
                              static_cast<char>((serial >> 8) & 0xFF), static_cast<char>(serial & 0xFF)};
    id.SystemName = "NXA-7310-" + Syntaxes::HexOf(id.MacBytes.substr(3));
    id.Firmware = firmware;
    return id;
}

std::string DeviceIdentity::MacBytesPlus(int plus) const {
    std::string bytes = MacBytes;
    uint64_t value = 0;
    for (unsigned char c : bytes)
        value = (value << 8) | c;
    value += static_cast<uint64_t>(plus);
    for (int i = 5; i >= 0; --i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

std::string DeviceIdentity::MacText(int plus) const {
    return Syntaxes::HexOf(MacBytesPlus(plus));
}
