#include "MappedRequest.h"
#include "snmp/ValueMap.h"

void MappedRequest::ExchangeValue(MibVariableList& list, int index, bool arrived) {
    MibVariableEntry& entry = list.Entry(index);
    if (!entry.Map)
        return;
    entry.Value = arrived ? entry.Map->TextForValue(entry.Value) : entry.Map->ValueForText(entry.Value);
}
