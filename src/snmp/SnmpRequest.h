#pragma once
#include "DeviceTarget.h"
#include "MibVariableList.h"
#include "RequestResult.h"
#include "WireTypes.h"
#include <QMap>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

// One device operation: the target settings (the DeviceTarget fields), the
// variables to read or write, and the blocking and asynchronous operations.
// The steps that turn values into varbinds and back are virtual so that a use
// can override them. Every failure raises CZRException; an exception leaves
// the request usable.
class SnmpRequest : public DeviceTarget {
public:
    // Receives the result, the list with the received values and the
    // caller's context word; runs on the user-interface thread.
    using Completion = std::function<void(RequestResult* result, MibVariableList* list, uintptr_t context)>;

    SnmpRequest();
    // Waits up to 6000 ms for outstanding completions (pumping events); a
    // destroyed request never calls back.
    virtual ~SnmpRequest();
    SnmpRequest(const SnmpRequest&) = delete;
    SnmpRequest& operator=(const SnmpRequest&) = delete;

    bool UseGetNext = false;
    MibVariableList Variables;
    QString RowFilter;
    bool Enabled = true;
    QMap<QString, QString> Extra;

    // Asynchronous operations sent and not yet completed.
    int Pending() const;

    DeviceTarget& Target() { return *this; }
    const DeviceTarget& Target() const { return *this; }

    // One blocking get (kinds 0 and 1) or get-next step (tables). Returns
    // whether a table walk may go on (true: the entries hold one row).
    bool Read(bool firstStep);
    // One blocking set; `selection` lists entry indexes ("0,3"), empty for all.
    void Write(const QString& selection = {});
    // Asynchronous forms: start them on the user-interface thread; the
    // completion runs there too. Nothing follows when Enabled is false.
    void ReadAsync(Completion done, bool firstStep, uintptr_t context = 0);
    void WriteAsync(Completion done, const QString& selection = {}, uintptr_t context = 0);

    // True when the condition holds for the current values of Variables.
    virtual bool MatchCondition(const QString& condition);
    bool MatchCondition(const QString& condition, const MibVariableList& list);

protected:
    // Sets a key entry's Value from the leading sub-identifiers of `instance`
    // and returns the rest (dotted text).
    virtual QString DecodeKey(MibVariableEntry& entry, bool implied, const QString& instance);
    // The instance sub-identifiers (dotted text) of a key entry's Value.
    virtual QString EncodeKey(const MibVariableEntry& entry, bool implied);
    virtual void StoreValue(MibVariableEntry& entry, const WireVarbind& received);
    virtual WireVarbind EncodeValue(const MibVariableEntry& entry);
    // Hands a value to its user after values arrived (`arrived` set) or takes
    // it from its user just before a write.
    virtual void ExchangeValue(MibVariableList& list, int index, bool arrived);
    virtual bool IsBeyondColumn(const QString& columnOid, const QString& returnedOid);

private:
    struct Life;
    struct Outcome {
        int Status = 0;
        QString Message;
        bool More = false;   // a table row was read and the walk may go on
    };

    // An exchange ready to send and the entries its varbinds stand for.
    struct Prepared {
        std::shared_ptr<SnmpExchange> Exchange;
        std::vector<int> Sent;
    };

    Prepared BuildRead(MibVariableList& list, bool firstStep);
    Prepared BuildWrite(MibVariableList& list);
    Prepared NewExchange(const MibVariableList& list, int command);
    Outcome Decode(MibVariableList& list, const SnmpExchange& exchange, const std::vector<int>& sent,
                   bool write, bool throwErrors);
    void ApplySelection(MibVariableList& list, const QString& selection) const;
    void SendAsync(Prepared prepared, MibVariableList list, bool write, Completion done, uintptr_t context);

    std::shared_ptr<Life> life_;
};
