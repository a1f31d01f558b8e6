#pragma once
#include "Command.h"
#include "DeviceOptions.h"
#include "QueryReport.h"

class PlugInModule;

// The shared body of the device query commands: options, the module set up
// in the host's order, one query per address started at once, waiting for
// every answer (at most --wait seconds) and the report.
class DeviceQueryCommand : public Command {
public:
    int Run(const QStringList& arguments) override;

protected:
    // A line or two for --help.
    virtual QString Description() const = 0;
    // Sets the report's columns.
    virtual void Prepare(QueryReport& report) = 0;
    // Starts the query of one device; its answer fills `device` and sets Done.
    virtual void Start(PlugInModule& module, QueryReport::Device& device) = 0;
    // Called once every answer is in (or the wait is over).
    virtual void Finish() {}

    const DeviceOptions& Options() const { return options_; }

private:
    DeviceOptions options_;
};
