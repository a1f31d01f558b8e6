#pragma once
#include "AP_PlugIn.h"
#include <QString>
#include <cstdint>

class MibVariableList;
struct RequestResult;

// PlugGetClinetInfor: a refresh set, then a get-next walk of the client table
// with the third shared request; the clients go to the remembered callback.
class ClientQuery {
public:
    static void Start(const char* address, ClientCallback callback, uintptr_t context);

private:
    // Each query is one walk with its own collection entry (`walk`), so that
    // queries of one device at the same time never mix their rows.
    static void RefreshDone(uint64_t walk, RequestResult* result, uintptr_t context);
    static void StepDone(uint64_t walk, RequestResult* result, MibVariableList* list, uintptr_t context);
    // Sends the next walk step from `row`; false (after reporting) when it cannot be sent.
    static bool SendStep(uint64_t walk, const QString& address, const MibVariableList& row, bool first,
                         uintptr_t context);
    // Drops the walk's rows and tells the host.
    static void Fail(uint64_t walk, const QString& address, const QString& message, uintptr_t context);
    static void DeliverCollected(uint64_t walk, const QString& address, const QString& message, uintptr_t context);
    static bool IsClientMac(const QString& mac);

    static ClientCallback remembered_;
};
