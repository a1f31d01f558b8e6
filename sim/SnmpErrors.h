#pragma once

// SNMP error-status numbers (RFC 3416) as the device answers them; the agent
// turns the v2 ones into their v1 counterparts for v1 requests.
namespace SnmpErrors {
inline constexpr int NoError = 0;
inline constexpr int GenErr = 5;
inline constexpr int NoAccess = 6;
inline constexpr int WrongType = 7;
inline constexpr int WrongLength = 8;
inline constexpr int WrongValue = 10;
inline constexpr int NoCreation = 11;
inline constexpr int InconsistentValue = 12;
inline constexpr int ResourceUnavailable = 13;
inline constexpr int NotWritable = 17;
}  // namespace SnmpErrors
