#include "HostText.h"
#include "snmp/MibVariableList.h"
#include "snmp/ValueMap.h"

namespace HostText {

QString FromHost(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString Display(const MibVariableEntry& entry) { return entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value; }

QString Display(const MibVariableList& list, const char* name) {
    const int index = list.IndexOf(QLatin1String(name));
    return index < 0 ? QString() : Display(list.Entry(index));
}

}  // namespace HostText
