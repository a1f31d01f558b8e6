#pragma once
#include "CommandSettings.h"
#include <QString>
#include <cstdint>

// The asynchronous device commands that the host starts one at a time:
// 0 rogue survey, 2 probe, 3 configuration backup, 5 firmware version,
// 6 file download, 7 firmware update start, 8 restart, 9 template
// application. The callback is stored per command number; other numbers do
// nothing. Raises CZRException when a request cannot be sent (no callback
// follows then).
namespace CommandApi {
enum Commands {
    RogueSurvey = 0,
    Probe = 2,
    Backup = 3,
    FirmwareVersion = 5,
    Download = 6,
    StartFirmwareUpdate = 7,
    Restart = 8,
    ApplyTemplate = 9,
};
void Start(int command, const QString& address, const QString& parameter, uintptr_t context, void* callback,
           const CommandSettings& settings);
}  // namespace CommandApi
