#pragma once
#include <cstdint>

namespace TestSupport {
// A UDP (or TCP) port on 127.0.0.1 that was free a moment ago.
uint16_t FreeUdpPort();
uint16_t FreeTcpPort();
}  // namespace TestSupport
