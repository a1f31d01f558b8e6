#include "MappedRequest.h"
#include "snmp/ValueMap.h"

void MappedRequest::ExchangeValue(MibVariableList& list, int index, bool arrived) {
    MibVariableEntry& entry = list.Entry(index);
    if (entry.Map)
        entry.Value = arrived ? entry.Map->TextForValue(entry.Value) : entry.Map->ValueForText(entry.Value);
    // The engine prepares a write entry by entry; after the last the list is as sent.
    if (!arrived && WriteObserver && index == list.Count() - 1)
        WriteObserver(list);
}

void MappedRequest::Write(const QString& selection) {
    if (!DryRun) {
        SnmpRequest::Write(selection);
        return;
    }
    if (!Enabled)
        return;
    MibVariableList sent = Variables;
    for (int i = 0; i < sent.Count(); ++i)
        ExchangeValue(sent, i, false);
}
