#pragma once
#include <string>
#include <vector>

// What a device holds, read with net-snmp's own tools (snmpget, snmpwalk),
// so that the module's answers can be compared with it.
namespace DeviceValues {

inline const std::string kRoot = "1.3.6.1.4.1.171.10.37.36";

// The value of one OID at "address:port" as net-snmp prints it without type
// (numbers and enumerations in decimal, strings without quotes), or "" on failure.
std::string Get(const std::string& target, const std::string& oid, const std::string& community = "public");
// An octet string as upper-case hexadecimal digits without spaces.
std::string GetHex(const std::string& target, const std::string& oid, const std::string& community = "public");
// The values of one column, in row order (octet strings as hexadecimal when `hex`).
std::vector<std::string> WalkColumn(const std::string& target, const std::string& column, bool hex = false,
                                    const std::string& community = "public");

}  // namespace DeviceValues
