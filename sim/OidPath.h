#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A numeric OID as the device model keys its variables. Comparison of two
// paths with operator< is the lexicographic SNMP order.
using OidPath = std::vector<uint32_t>;

namespace Oids {
// Parses "1.3.6.1" (a leading "." is allowed); false on anything else.
bool Parse(std::string_view text, OidPath& out);
OidPath MustParse(std::string_view text);
std::string Format(const OidPath& path);
bool StartsWith(const OidPath& path, const OidPath& prefix);
OidPath Join(const OidPath& a, const OidPath& b);
}  // namespace Oids
