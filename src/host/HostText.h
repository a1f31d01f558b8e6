#pragma once
#include <QString>

struct MibVariableEntry;
class MibVariableList;

// Texts between the host and the module.
namespace HostText {
// A host text (UTF-8, null for none) as a QString.
QString FromHost(const char* text);
// An entry's value as shown: through its value map where it has one.
QString Display(const MibVariableEntry& entry);
// The shown value of the first entry with this name ("" when there is none).
QString Display(const MibVariableList& list, const char* name);
}  // namespace HostText
