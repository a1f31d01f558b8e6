#pragma once
#include <cstdint>
#include <string>

namespace TestSupport {
// A UDP (or TCP) port on a loopback address (127.0.0.1 unless given) that was
// free a moment ago; 0 when none could be had.
uint16_t FreeUdpPort(const std::string& address = "127.0.0.1");
uint16_t FreeTcpPort(const std::string& address = "127.0.0.1");
}  // namespace TestSupport
