#pragma once
#include "Command.h"
#include "DeviceOptions.h"
#include "HostSession.h"
#include <QCommandLineParser>
#include <functional>

// The common frame of the maintenance commands: the device options, the
// module session, and waiting on the event loop for the module's callbacks.
class MaintenanceCommand : public Command {
public:
    int Run(const QStringList& arguments) override;

protected:
    virtual QString Description() const = 0;
    // Further options of the command.
    virtual void AddOptions(QCommandLineParser&) {}
    // Runs with the module open; returns the exit code.
    virtual int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) = 0;

    // Processes events until `done` holds or the --wait time has passed.
    static bool WaitUntil(const std::function<bool()>& done, int seconds);
    // An export that Symbol finds, or null with a message on standard error.
    static void* Export(HostSession& session, const char* name);
};
