#pragma once
#include "Command.h"
#include "DeviceOptions.h"
#include "HostSession.h"
#include "QueryReport.h"
#include <QCommandLineParser>
#include <functional>

// The common frame of the maintenance commands: the device options, the
// module session, and waiting on the event loop for the module's callbacks.
class MaintenanceCommand : public Command {
public:
    int Run(const QStringList& arguments) override;

protected:
    virtual QString Description() const = 0;
    // Whether the command prints its result as JSON with --json.
    virtual bool OffersJson() const { return false; }
    // How many positional arguments come before the devices (a verb, a file).
    virtual int LeadingArguments() const { return 0; }
    // Further options of the command.
    virtual void AddOptions(QCommandLineParser&) {}
    // Runs with the module open; returns the exit code.
    virtual int Execute(QCommandLineParser& parser, DeviceOptions& options, HostSession& session) = 0;

    // Processes events until `done` holds or the --wait time has passed.
    static bool WaitUntil(const std::function<bool()>& done, int seconds);
    // Waits for every device of the report (at most --wait), then prints it:
    // one JSON document with --json, else `printText` for each device. The
    // exit code: 0 when every device answered well, else 1.
    static int PrintReport(QueryReport& report, const DeviceOptions& options,
                      const std::function<void(const QueryReport::Device&)>& printText);
    // An export that Symbol finds, or null with a message on standard error.
    static void* Export(HostSession& session, const char* name);
};
