// Device information query exports.
#include "AP_PlugIn.h"
#include "BasicConfigQuery.h"
#include "ClientQuery.h"
#include "SystemInfoQuery.h"
#include "TrafficQuery.h"

NXA_PLUG_API void PlugGetSystemInfo(const char* address, char* firmwareVersion, char* macAddress,
                                    uint32_t* subnetMask) {
    try {
        SystemInfoQuery::Run(address, firmwareVersion, macAddress, subnetMask);
    } catch (...) {
    }
}

NXA_PLUG_API void PlugGetBasicConfigInfor(const char* address, BasicConfigCallback callback, const char* macAddress,
                                          uintptr_t context) {
    try {
        BasicConfigQuery::Start(address, callback, macAddress, context);
    } catch (...) {
    }
}

NXA_PLUG_API void PlugGetTrafficInfor(const char* address, TrafficCallback callback, uintptr_t, uintptr_t context) {
    try {
        TrafficQuery::Start(address, callback, context);
    } catch (...) {
    }
}

NXA_PLUG_API void PlugGetClinetInfor(const char* address, ClientCallback callback, uintptr_t, uintptr_t context) {
    try {
        ClientQuery::Start(address, callback, context);
    } catch (...) {
    }
}
