#pragma once
#include "aerodesk/PlugInModule.h"
#include <QString>
#include <QStringList>
#include <functional>

namespace TestSupport {

// AP_PlugIn.plx loaded with dlopen as the reference host loads it (the same
// export table), once per test program; its message boxes are recorded
// (and answered OK).
class ModuleUnderTest : public PlugInModule {
public:
    static ModuleUnderTest& Get();
    // The module beside the test program.
    static QString Path();

    bool Loaded() const { return loaded_; }

    // Message box texts shown since the last Clear.
    QStringList Messages;
    void ClearMessages() { Messages.clear(); }

    // PlugSetSnmpParameter with a dotted address.
    void SetSnmp(const char* address, const char* read, const char* write, uint32_t port, uint32_t timeout);

private:
    ModuleUnderTest();
    bool loaded_ = false;
};

// Runs the event loop until `done` holds or `ms` have passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int ms = 60000);

}  // namespace TestSupport
