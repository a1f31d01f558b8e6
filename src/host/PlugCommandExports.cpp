// Device command exports: PlugSystemCmd and PlugCmdAPI.
#include "AP_PlugIn.h"
#include "HostText.h"
#include "MaintenanceSettings.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "maintenance/CommandApi.h"
#include "maintenance/SystemCommand.h"
#include "maintenance/TemplateCommand.h"
#include "snmp/CZRException.h"
#include "templates/TemplateApplier.h"

namespace {

// Command 9 applies the key file with the template application's blocking
// requests, on the worker thread that calls it.
void ApplyTemplate(const QString& address, const QString& keyFile, uint32_t flags, const CommandSettings& settings) {
    DeviceTarget target;
    target.Address = address;
    settings.ApplyTo(target);
    target.Timeout = static_cast<int32_t>(ModuleSettings::Instance().SnmpTimeout);
    TemplateApplier applier(target, [](const QString&) {});
    applier.Apply(keyFile, flags);
}

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
