#pragma once
#include "CommandSettings.h"
#include <QString>
#include <cstdint>

class CFTPServer;
class QAbstractItemView;

// The multi-device firmware upgrade that the host starts on the selected rows
// of its device list, and its abort.
namespace FirmwareUpgrade {

struct Limits {
    int32_t SettingsTimeout = 0;   // hundredths of a second
    int32_t UpdateTimeout = 0;
    int32_t Margin = 0;
    int32_t RebootWait = 0;
};

// Builds the queue for the qualifying rows and runs it to the end. Returns 0
// after a run, -1 when no selected row qualified (nothing is sent) or a run
// is already going on.
int Run(CFTPServer* ftpServer, QAbstractItemView* deviceList, const QString& firmwarePath, const Limits& limits,
        CommandSettings settings);

// Aborts the run in progress: 1 after an abort or when its queue is empty, 0
// when there is no run.
int Abort();

}  // namespace FirmwareUpgrade
