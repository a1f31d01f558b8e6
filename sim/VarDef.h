#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the simulator knows about one variable (a scalar leaf or a table
// column): built once from the catalogue and shared by every device.
struct VarDef {
    std::string Name;                 // first catalogue name at this OID
    std::vector<std::string> Names;   // every catalogue name at this OID
    std::string Group;                // catalogue group, e.g. "2.1"
    int32_t Syntax = 2;
    std::vector<int32_t> AllowedKeys; // enumeration keys from its value maps; empty: any number
    bool Writable = true;
    std::string Default;              // factory default as text, may hold identity tokens
    bool HasName(const std::string& name) const {
        for (const auto& n : Names)
            if (n == name)
                return true;
        return false;
    }
};
