#pragma once
#include "snmp/SnmpRequest.h"
#include <functional>

// A request whose enumerated values travel as their value-map texts: a value
// read is turned into its text, a text to write into its number.
class MappedRequest : public SnmpRequest {
public:
    // Sees the list of every write just before it goes out (values as sent).
    std::function<void(const MibVariableList& list)> WriteObserver;
    // A dry run: a write only shows its list to WriteObserver and sends
    // nothing (reads still go out).
    bool DryRun = false;

    // Hides SnmpRequest::Write for the dry run; the appliers always write
    // through a MappedRequest. A dry run ignores `selection`.
    void Write(const QString& selection = {});

protected:
    void ExchangeValue(MibVariableList& list, int index, bool arrived) override;
};
