#pragma once
#include "maintenance/CommandSettings.h"

class CFTPServer;

// The maintenance operations' view of ModuleSettings, with the remote FTP
// account read afresh from the settings store.
namespace MaintenanceSettings {
CommandSettings Current(CFTPServer* ftpServer);
}
