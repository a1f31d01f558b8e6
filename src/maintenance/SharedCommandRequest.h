#pragma once

class SnmpRequest;

// The module's request for the device commands, made at first use and
// dropped before the SNMP layer stops (when the host's application ends).
namespace SharedCommandRequest {
SnmpRequest& Get();
void Release();
}  // namespace SharedCommandRequest
