#pragma once
#include "snmp/MibVariable.h"
#include <cstdint>

// A descriptor table as a page loads it: the variables with the list kind and
// key count that the table registry records for them, so that a page names
// the table once and never repeats its kind.
struct PageTable {
    const MibVariable* Variables = nullptr;
    int32_t Kind = 0;
    int32_t KeyCount = 0;
    const char* Name = "";

    // The registry's entry for this table; a table the registry does not know
    // throws PageDeclarationError.
    static PageTable Of(const MibVariable* variables);
};
