#pragma once
#include "snmp/SnmpRequest.h"

// A request whose enumerated values travel as their value-map texts: a value
// read is turned into its text, a text to write into its number.
class MappedRequest : public SnmpRequest {
protected:
    void ExchangeValue(MibVariableList& list, int index, bool arrived) override;
};
