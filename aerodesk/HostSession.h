#pragma once
#include "PlugInModule.h"
#include <QString>

class DeviceOptions;

// The module loaded and set up in the host's order: PlugInit,
// PlugSetSnmpParameter, PlugGetModuleCaps; PlugExit when it goes. The
// module's message boxes are printed to standard error.
class HostSession {
public:
    HostSession() = default;
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    bool Open(const DeviceOptions& options);
    // Gives the module the SNMP port and communities of the options (their
    // first address is the managed device); the module keeps one such set,
    // used by every request that starts after this call.
    void UseSnmp(const DeviceOptions& options);
    void Close();
    // Asks the module to close its window until it agrees (a busy page
    // refuses) or `seconds` have passed; true when closed.
    bool CloseWindow(int seconds);
    const QString& Error() const { return error_; }
    PlugInModule& Module() { return module_; }
    const ModuleCaps& Caps() const { return caps_; }
    // The last message box text the module showed.
    static QString LastMessage();

private:
    PlugInModule module_;
    ModuleCaps caps_{};
    bool open_ = false;
    QString error_;
};
