#pragma once
#include "AP_PlugIn.h"

class MibVariableList;
struct RequestResult;

// PlugGetBasicConfigInfor: an asynchronous get with the first shared request;
// the answer goes to the remembered callback as one BasicConfigRecord.
class BasicConfigQuery {
public:
    static constexpr int kTimeout = 2000;   // hundredths of a second

    static void Start(const char* address, BasicConfigCallback callback, const char* macAddress, uintptr_t context);

private:
    static void Complete(RequestResult* result, MibVariableList* list, uintptr_t context);
    static void Deliver(BasicConfigCallback callback, CmdResult& cmd, BasicConfigRecord* record, uintptr_t context);

    static BasicConfigCallback remembered_;
};
