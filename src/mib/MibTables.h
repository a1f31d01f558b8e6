#pragma once
#include "snmp/MibVariable.h"
#include <cstdint>
#include <span>

// Every constant descriptor table of the module with the list kind and key
// count that its users load it with. The simulator builds its device model
// from these, and the consistency tests check them against the catalogue.
struct MibTableInfo {
    const char* Name;           // the table's C++ name, e.g. "kWirelessBasicVars"
    const MibVariable* Table;   // ends with MIB_TABLE_END
    int32_t Kind;               // MibVariableList kind: 0 scalars, 1 complete OIDs, 2/3 table
    int32_t KeyCount;           // leading index entries of a table (kinds 2, 3)
};

namespace MibTables {
std::span<const MibTableInfo> All();
}  // namespace MibTables
