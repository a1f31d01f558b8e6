#pragma once
#include "snmp/DeviceTarget.h"
#include <QString>
#include <cstdint>

// Reads a device's current settings and writes them as lower-case key lines
// (system 0x1, radio 0x2, security 0x4 by the flags). The file is written
// only after every read succeeded; a failed read raises the engine's
// CZRException and leaves no file, a file that cannot be written raises -10000.
class TemplateExport {
public:
    enum Flags : uint32_t { SystemGroup = 0x1, WirelessGroup = 0x2, SecurityGroup = 0x4 };
    static constexpr int kUnwritable = -10000;

    static void Export(const DeviceTarget& target, const QString& path, uint32_t flags);
};
