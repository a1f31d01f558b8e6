#pragma once
#include "PageTable.h"
#include "ValueBinding.h"
#include "snmp/MibVariable.h"
#include "snmp/SnmpRequest.h"
#include <functional>
#include <vector>

class CPage;

// A page's request: the variables of one descriptor table, each optionally
// bound to a field or list column, with the page's handlers for the
// completions. Failures to start are caught and posted as the status line;
// the page stays usable.
class PageRequest : public SnmpRequest {
public:
    // Receives the outcome; the values that arrived are in Variables.
    using Handler = std::function<void(const RequestResult& result)>;

    PageRequest(CPage* owner, const PageTable& table, int32_t timeoutHundredths, const QString& label = {});

    CPage* Owner() const { return owner_; }
    const PageTable& Table() const { return table_; }

    // The index of a variable; a name the table does not hold throws
    // PageDeclarationError.
    int IndexOf(const QString& name) const;
    // The value text of a variable as it last arrived or was sent.
    QString Value(const QString& name) const;
    void SetValue(const QString& name, const QString& value);

    // Ties a variable to a binding (not owned); one binding per variable.
    void Bind(int index, ValueBinding* binding);
    ValueBinding* BindingOf(int index) const;

    void SetAccessAll(int32_t access);
    void SetAccess(const QString& name, int32_t access);
    // Whether refreshing the page reads this request, and the Access word
    // its variables take for that read (2 for values the page never writes).
    bool ReadOnRefresh = true;
    int32_t RefreshAccess = 0x06;
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
    // The longest a single operation of this request may take, in ms.
    int LongestWaitMs() const;

protected:
    void ExchangeValue(MibVariableList& list, int index, bool arrived) override;

private:
    void Completed(bool write, RequestResult* result, MibVariableList* list);

    CPage* owner_;
    PageTable table_;
    std::vector<ValueBinding*> bindings_;
};
