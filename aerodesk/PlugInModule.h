#pragma once
#include "host/AP_PlugIn.h"
#include <QString>

// The module file loaded with dlopen and its exports resolved by name.
class PlugInModule {
public:
    PlugInModule() = default;
    ~PlugInModule();
    PlugInModule(const PlugInModule&) = delete;
    PlugInModule& operator=(const PlugInModule&) = delete;

    // Loads the module; false with Error() set when the file or an export is missing.
    bool Load(const QString& path);
    void Unload();
    const QString& Error() const { return error_; }

    // The module beside the program, unless AERODESK_MODULE names another.
    static QString DefaultPath();

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

    // Resolves any further export by name (later command families).
    void* Symbol(const char* name) const;

private:
    template <typename T>
    bool Resolve(T& slot, const char* name);

    void* handle_ = nullptr;
    QString error_;
};
