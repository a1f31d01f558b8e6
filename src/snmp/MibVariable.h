#pragma once
#include <cstdint>

class ValueMap;

// Constant descriptor of one device variable. A table is an array of these
// ended by a record whose Oid is nullptr.
struct MibVariable {
    const char* Oid;        // dotted OID (with the instance part where the table gives one)
    const char* Name;       // MIB object name
    int32_t Syntax;         // SnmpSyntax code
    int32_t Access;         // SnmpAccess flags
    const ValueMap* Map;    // enumeration map, or nullptr
    const char* Text1;      // three optional texts, copied when present
    const char* Text2;
    const char* Text3;
    const char* Value;      // initial value text
    const char* AltValue;   // second value text
};

// Ends a static table.
#define MIB_TABLE_END {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}
