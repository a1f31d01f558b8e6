#pragma once
#include <string>

// The simulator's own knowledge of variables that the catalogue does not
// carry: realistic factory defaults and which variables a device refuses to
// write. Defaults may hold identity tokens that each device fills in:
// {ip} {mac} {mac+1} {name} {firmware} {now} {apmodes} {modestring}.
namespace VariableRules {
struct Special {
    const char* Name;
    const char* Default;   // nullptr: the syntax's plain default
    bool ReadOnly;
};

const Special* Find(const std::string& name);
// Read-only by the catalogue group: device information, statistics,
// capabilities (names ending in "Clear" stay writable).
bool ReadOnlyGroup(const std::string& group, const std::string& name);
}  // namespace VariableRules
