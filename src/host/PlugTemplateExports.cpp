// Template exports: a backup turned into a template, a device's settings
// exported, a template key file applied to a device.
#include "AP_PlugIn.h"
#include "ConfigFileApplication.h"
#include "HostText.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "snmp/DeviceTarget.h"
#include "templates/BackupToTemplate.h"
#include "templates/TemplateApplier.h"
#include "templates/TemplateExport.h"
#include <QByteArray>
#include <cstdlib>
#include <cstring>

namespace {

// A target for the device from the host's SNMP settings.
DeviceTarget TargetFor(const char* address) {
    const ModuleSettings& settings = ModuleSettings::Instance();
    DeviceTarget target;
    target.Address = HostText::FromHost(address);
    target.AddressSpare.clear();
    target.Timeout = static_cast<int32_t>(settings.SnmpTimeout);
    settings.ApplyTo(target);
    return target;
}

// A field of the record up to its NUL, never beyond its slot.
QByteArray Field(const char* field, size_t size) { return QByteArray(field, static_cast<qsizetype>(strnlen(field, size))); }

// "NOEND" and the five fields, each after a "|".
QByteArray ReportText(const TemplateJob& job) {
    QByteArray text("NOEND");
    text += '|' + Field(job.Field1, sizeof job.Field1);
    text += '|' + Field(job.Field2, sizeof job.Field2);
    text += '|' + Field(job.Field3, sizeof job.Field3);
    text += '|' + Field(job.Field4, sizeof job.Field4);
    text += '|' + Field(job.Field5, sizeof job.Field5);
    return text;
}

}  // namespace

NXA_PLUG_API bool PlugParseFile(const char* deviceConfigPath, const char* templatePath) {
    if (!deviceConfigPath || !templatePath)
        return false;
    try {
        return ParseBackupToTemplate(HostText::FromHost(deviceConfigPath), HostText::FromHost(templatePath));
    } catch (...) {
        return false;
    }
}

NXA_PLUG_API int32_t PlugGetConfigFile(const char* address, const char* path, uint32_t flags) {
    ModuleApp::Instance().EnsureStarted();
    TemplateExport::Export(TargetFor(address), HostText::FromHost(path), flags);
    return 0;
}

NXA_PLUG_API int32_t PlugSetConfigFile(const char* address, const char* keyFilePath, uint32_t flags,
                                       TemplateJob* job) {
    ModuleApp::Instance().EnsureStarted();
    ApplyConfigFile(TargetFor(address), HostText::FromHost(keyFilePath), flags, job);
    return 0;
}

void ApplyConfigFile(const DeviceTarget& target, const QString& keyFilePath, uint32_t flags, TemplateJob* job,
                     bool reportWritten) {
    CmdResult result{};
    result.Status = 1;
    QByteArray report;
    int32_t* progress = nullptr;
    if (job) {
        report = ReportText(*job);
        // The counter stays with the record's owner, who frees it with free().
        progress = static_cast<int32_t*>(std::malloc(sizeof(int32_t)));
        if (progress)
            *progress = 1;
        job->Progress = progress;
    }
    auto reject = [&](const QString& message) {
        if (!job || !job->HostCallback)
            return;
        const QByteArray text = message.toUtf8();
        result.Message = text.constData();
        job->HostCallback(&result, report.constData(), job->Context);
        result.Message = nullptr;
    };
    TemplateApplier applier(target, reject, progress);
    applier.SetReportWrittenGroups(reportWritten);
    applier.Apply(keyFilePath, flags);
}
