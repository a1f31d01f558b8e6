#pragma once
#include "AP_PlugIn.h"
#include <QString>

class MibVariableList;
struct RequestResult;

// PlugGetClinetInfor: a refresh set, then a get-next walk of the client table
// with the third shared request; the clients go to the remembered callback.
class ClientQuery {
public:
    static void Start(const char* address, ClientCallback callback, uintptr_t context);

private:
    static void RefreshDone(RequestResult* result, MibVariableList* list, uintptr_t context);
    static void StepDone(RequestResult* result, MibVariableList* list, uintptr_t context);
    // Sends the next walk step from `row`; false (after reporting) when it cannot be sent.
    static bool SendStep(const QString& address, const MibVariableList& row, bool first, uintptr_t context);
    static void Fail(const QString& address, const QString& message, uintptr_t context);
    static void DeliverCollected(const QString& address, const QString& message, uintptr_t context);
    static bool IsClientMac(const QString& mac);

    static ClientCallback remembered_;
};
