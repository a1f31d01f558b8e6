#include "EntryValue.h"
#include "snmp/MibVariableList.h"
#include "snmp/ValueMap.h"

namespace EntryValue {

void Set(MibVariableEntry& entry, const QString& text) { entry.Value = entry.Map ? entry.Map->ValueForText(text) : text; }

void Set(MibVariableList& list, const char* name, const QString& text) {
    const int i = list.IndexOf(QLatin1String(name));
    if (i >= 0)
        Set(list.Entry(i), text);
}

}  // namespace EntryValue
