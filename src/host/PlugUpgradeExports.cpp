// Fleet firmware upgrade exports: PlugUpgradeFirmware and PlugUpFirCallBack.
#include "AP_PlugIn.h"
#include "HostText.h"
#include "MaintenanceSettings.h"
#include "ModuleApp.h"
#include "maintenance/FirmwareUpgrade.h"

NXA_PLUG_API int32_t PlugUpgradeFirmware(CFTPServer* ftpServer, QAbstractItemView* deviceList, uintptr_t,
                                         const char* firmwarePath, int32_t settingsTimeout, int32_t updateTimeout,
                                         int32_t margin, int32_t rebootWait) {
    ModuleApp::Instance().EnsureStarted();
    FirmwareUpgrade::Limits limits{settingsTimeout, updateTimeout, margin, rebootWait};
    return FirmwareUpgrade::Run(ftpServer, deviceList, HostText::FromHost(firmwarePath), limits,
                                MaintenanceSettings::Current(ftpServer));
}

NXA_PLUG_API int32_t PlugUpFirCallBack(void) { return FirmwareUpgrade::Abort(); }
