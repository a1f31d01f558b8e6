#pragma once
#include "snmp/MibVariable.h"
#include "snmp/SnmpSyntax.h"

// A full OID under the device's enterprise root, from the part below it.
#define NXA_OID(below) "1.3.6.1.4.1.171.10.37.36." below

// One descriptor record of a constant table: the optional texts and the values
// stay empty in every static table.
constexpr MibVariable MibRecord(const char* oid, const char* name, int32_t syntax, int32_t access,
                                const ValueMap* map = nullptr) {
    return {oid, name, syntax, access, map, nullptr, nullptr, nullptr, nullptr, nullptr};
}
