// Device command exports: PlugSystemCmd and PlugCmdAPI.
#include "AP_PlugIn.h"
#include "ConfigFileApplication.h"
#include "HostText.h"
#include "MaintenanceSettings.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "maintenance/CommandApi.h"
#include "maintenance/SystemCommand.h"
#include "maintenance/TemplateCommand.h"
#include "snmp/CZRException.h"

namespace {

// Command 9 applies the key file as PlugSetConfigFile does, to the target
// taken on the host's thread when the command started; failures reach the
// worker as CZRException, whose text ends with the groups written before the
// failure, so that the host learns what a half-way application left behind.
void ApplyTemplate(const DeviceTarget& target, const QString& keyFile, uint32_t flags, TemplateJob* job) {
    ApplyConfigFile(target, keyFile, flags, job, true);
}

// Template workers run module code until they have counted themselves out,
// even after their last report reached the host; the module must not be
// unmapped under them. Destroyed when the module unloads.
struct TemplateWorkersAtUnload {
    ~TemplateWorkersAtUnload() { TemplateCommand::WaitForWorkers(30000); }
} gTemplateWorkersAtUnload;

}  // namespace

NXA_PLUG_API int32_t PlugSystemCmd(const char* address, int32_t command) {
    ModuleApp::Instance().EnsureStarted();
    try {
        SystemCommand::Send(HostText::FromHost(address), command,
                            MaintenanceSettings::Current(ModuleSettings::Instance().HostFtpServer));
    } catch (const CZRException& e) {
        throw CZRException(e.Number(), e.Text());
    }
    return 0;
}

NXA_PLUG_API int32_t PlugCmdAPI(int32_t command, const char* address, const char* parameter, uintptr_t context,
                                void* callback) {
    ModuleApp::Instance().EnsureStarted();
    static const bool applierSet = [] {
        TemplateCommand::SetApplier(&ApplyTemplate);
        return true;
    }();
    (void)applierSet;
    try {
        CommandApi::Start(command, HostText::FromHost(address), HostText::FromHost(parameter), context, callback,
                          MaintenanceSettings::Current(ModuleSettings::Instance().HostFtpServer));
    } catch (const CZRException& e) {
        throw CZRException(e.Number(), e.Text());
    }
    return 0;
}
