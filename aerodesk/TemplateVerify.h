#pragma once
#include "TemplatePlan.h"
#include <QMap>
#include <QString>
#include <cstdint>

class DeviceOptions;

// --verify of apply and template: before the application, each device's plan
// (the application run dry: which variables it writes, with what); after it,
// those variables read back and compared.
class TemplateVerify {
public:
    // Starts the host's SNMP layer; false with a message on standard error.
    static bool Start();
    // The device's plan; false with a message on standard error when the
    // device cannot be planned (it is then not verified).
    bool Plan(const DeviceOptions& options, const QString& address, const QString& keyFile, uint32_t flags);
    // Reads the planned variables back and prints each that did not take
    // ("ADDRESS: did not take: ..."), then "ADDRESS: verified N variable(s)"
    // when all did; true when all did.
    bool Check(const DeviceOptions& options, const QString& address);

private:
    QMap<QString, TemplatePlan> plans_;
};
