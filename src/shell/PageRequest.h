#pragma once
#include "ControlBinding.h"
#include "snmp/MibVariable.h"
#include "snmp/SnmpRequest.h"
#include <functional>
#include <optional>
#include <vector>

class CPage;

// A page's request: the variables of one descriptor table, each optionally
// bound to a control, with the page's handlers for the completions. Failures
// to start are caught and posted as the status line; the page stays usable.
class PageRequest : public SnmpRequest {
public:
    // Receives the outcome and the list with the values that arrived.
    using Handler = std::function<void(PageRequest& request, const RequestResult& result, MibVariableList& list)>;

    PageRequest(CPage* owner, const MibVariable* table, int32_t kind, int32_t timeoutHundredths,
                const QString& label = {});

    CPage* Owner() const { return owner_; }

    // Binds the variable of this name (or index); an unknown name binds nothing.
    void Bind(const QString& name, const ControlBinding& binding);
    void Bind(int index, const ControlBinding& binding);
    const ControlBinding* BindingOf(int index) const;

    void SetAccessAll(int32_t access);
    void SetAccess(const QString& name, int32_t access);
    // Whether refreshing the page reads this request.
    bool ReadOnRefresh = true;
    // Without a handler, the engine's outcome is posted as the status line.
    // For a table, OnGot runs for every row (result.Done clear) and once
    // more when the walk has ended or failed.
    Handler OnGot;
    Handler OnSet;

    // Asynchronous get (walking tables to their end); false when it could
    // not start (the message is posted).
    bool StartRead();
    // Asynchronous set of the variables whose Access says written.
    bool StartWrite();
    bool Busy() const { return Pending() > 0; }

protected:
    void ExchangeValue(MibVariableList& list, int index, bool arrived) override;

private:
    void Completed(bool write, RequestResult* result, MibVariableList* list);

    CPage* owner_;
    std::vector<std::optional<ControlBinding>> bindings_;
};
