#pragma once
#include "AP_PlugIn.h"

class MibVariableList;
struct RequestResult;

// PlugGetTrafficInfor: an asynchronous get with the second shared request;
// the answer goes to the remembered callback as one TrafficRecord.
class TrafficQuery {
public:
    static constexpr int kTimeout = 2000;   // hundredths of a second

    static void Start(const char* address, TrafficCallback callback, uintptr_t context);

private:
    static void Complete(RequestResult* result, MibVariableList* list, uintptr_t context);
    static void Deliver(TrafficCallback callback, CmdResult& cmd, TrafficRecord* record, uintptr_t context);

    static TrafficCallback remembered_;
};
