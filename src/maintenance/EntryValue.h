#pragma once
#include <QString>

class MibVariableList;
struct MibVariableEntry;

// Values to write are given as their value-map texts where the variable has a
// map (compared as the map compares); the request sends the number.
namespace EntryValue {
void Set(MibVariableEntry& entry, const QString& text);
// The first entry with this name; nothing when there is none.
void Set(MibVariableList& list, const char* name, const QString& text);
}  // namespace EntryValue
