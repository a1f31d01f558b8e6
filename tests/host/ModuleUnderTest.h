#pragma once
#include "host/AP_PlugIn.h"
#include <QString>
#include <QStringList>
#include <functional>

// AP_PlugIn.plx loaded with dlopen, as a host loads it, once per test
// program; its exports resolved by name. The module's message boxes are
// recorded (and answered OK).
class ModuleUnderTest {
public:
    static ModuleUnderTest& Get();

    bool Loaded() const { return handle_ != nullptr; }
    QString Error() const { return error_; }
    void* Symbol(const char* name) const;

    decltype(&PlugInit) Init = nullptr;
    decltype(&PlugExit) Exit = nullptr;
    decltype(&PlugShow) Show = nullptr;
    decltype(&PlugGetModuleCaps) GetModuleCaps = nullptr;
    decltype(&PlugSetSnmpParameter) SetSnmpParameter = nullptr;
    decltype(&PlugSetFtpServer) SetFtpServer = nullptr;
    decltype(&PlugGetWepErr) GetWepErr = nullptr;
    decltype(&PlugSetAsIndividual) SetAsIndividual = nullptr;
    decltype(&PlugSetAsMultiple) SetAsMultiple = nullptr;
    decltype(&PlugSetMessageBoxHandler) SetMessageBoxHandler = nullptr;
    decltype(&PlugGetSystemInfo) GetSystemInfo = nullptr;
    decltype(&PlugGetBasicConfigInfor) GetBasicConfigInfor = nullptr;
    decltype(&PlugGetTrafficInfor) GetTrafficInfor = nullptr;
    decltype(&PlugGetClinetInfor) GetClinetInfor = nullptr;

    // Message box texts shown since the last Clear.
    QStringList Messages;
    void ClearMessages() { Messages.clear(); }

    // PlugSetSnmpParameter with a dotted address.
    void SetSnmp(const char* address, const char* read, const char* write, uint32_t port, uint32_t timeout);

private:
    ModuleUnderTest();
    void* handle_ = nullptr;
    QString error_;
};

// Runs the event loop until `done` holds or `ms` have passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int ms = 60000);
