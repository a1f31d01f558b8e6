#pragma once
#include "OidPath.h"
#include <cstdint>
#include <string>
#include <string_view>

// One value held by a simulated device, kept in the form it has on the wire:
// numbers for the integer kinds, raw octets for strings, MAC (6 octets) and
// IP addresses (4 octets), sub-identifiers for object identifiers.
struct SimValue {
    int32_t Syntax = 2;
    int64_t Number = 0;
    std::string Bytes;
    OidPath Oid;

    // Reads the catalogue's text form: decimal numbers, dotted addresses,
    // MAC addresses as 12 hexadecimal digits (":" or "-" allowed between
    // pairs), dotted OIDs; any text for strings. False when the text does not
    // fit the syntax.
    static bool FromText(int32_t syntax, std::string_view text, SimValue& out);
    static SimValue Make(int32_t syntax, std::string_view text);   // throws on bad text
    static SimValue Integer(int32_t syntax, int64_t number);
    static SimValue Octets(int32_t syntax, std::string bytes);

    // The text form (strings as they are, MAC as 12 upper-case hex digits).
    std::string ToText() const;
    // A lossless text for the state file (strings hex-encoded).
    std::string ToStored() const;
    static bool FromStored(int32_t syntax, std::string_view text, SimValue& out);

    bool operator==(const SimValue& other) const = default;
};

namespace Syntaxes {
bool IsNumber(int32_t syntax);   // integer, counters, gauges, time ticks, booleans
bool IsOctets(int32_t syntax);   // strings, MAC and IP addresses
std::string HexOf(std::string_view bytes);
bool FromHex(std::string_view hex, std::string& out);
}  // namespace Syntaxes
