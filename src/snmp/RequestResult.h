#pragma once
#include <QString>
#include <cstdint>

// What an asynchronous completion receives.
struct RequestResult {
    int32_t Status = 0;        // module error number, 0 on success
    int32_t Reserved1 = 0;
    QString Message;           // the message of Status
    QString DeviceAddress;     // the request's Address
    QString SpareAddress;      // the request's AddressSpare
    int32_t Reserved2 = 0;
    int32_t Reserved3 = 0;
    bool Done = true;          // no further walk step follows
};
