#pragma once
#include "snmp/SnmpRequest.h"
#include <functional>

// A request whose enumerated values travel as their value-map texts: a value
// read is turned into its text, a text to write into its number.
class MappedRequest : public SnmpRequest {
public:
    // Sees the list of every write just before it goes out (values as sent).
    std::function<void(const MibVariableList& list)> WriteObserver;

protected:
    void ExchangeValue(MibVariableList& list, int index, bool arrived) override;
};
