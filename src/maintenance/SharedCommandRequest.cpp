#include "SharedCommandRequest.h"
#include "RogueSurvey.h"
#include "snmp/SnmpRequest.h"
#include <QCoreApplication>
#include <memory>

namespace SharedCommandRequest {

namespace {
std::unique_ptr<SnmpRequest> request;
bool routineAdded = false;

void OnApplicationEnd() {
    routineAdded = false;
    Release();
}

// When the host unloads the module before its application ends, the
// application must not call into the unloaded module.
struct UnloadGuard {
    ~UnloadGuard() {
        if (routineAdded)
            qRemovePostRoutine(&OnApplicationEnd);
        routineAdded = false;
        Release();
    }
} unloadGuard;
}  // namespace

SnmpRequest& Get() {
    if (!request) {
        request = std::make_unique<SnmpRequest>();
        // Added after the module's own start, so it runs before the SNMP layer stops.
        if (!routineAdded && QCoreApplication::instance()) {
            qAddPostRoutine(&OnApplicationEnd);
            routineAdded = true;
        }
    }
    return *request;
}

void Release() {
    RogueSurvey::DropAll();
    request.reset();
}

}  // namespace SharedCommandRequest
