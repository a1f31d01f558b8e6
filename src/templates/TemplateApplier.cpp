#include "TemplateApplier.h"
#include "FilterGroupApplier.h"
#include "SecurityGroupApplier.h"
#include "SystemGroupApplier.h"
#include "TemplateApplyContext.h"
#include "TemplateKeyReader.h"
#include "WirelessGroupApplier.h"
#include "mib/MaintenanceTables.h"
#include "mib/TemplateTables.h"
#include "snmp/CZRException.h"
#include "MappedRequest.h"
#include "snmp/SnmpSyntax.h"
#include <atomic>

namespace {

QString ReadOne(TemplateApplyContext& context, const MibVariable* table) {
    auto request = context.NewRequest(table);
    request->Variables.Entry(0).Access = SnmpAccess::ReadOnly;
    request->Read(true);
    return request->Variables.Entry(0).Value;
}

// A template has data for a band when it holds a system key or a key of that band.
bool HasDataForBand(const QMap<QString, QString>& keys, bool band5GHz) {
    const QLatin1String marker(band5GHz ? "11a_" : "11g_");
    for (auto it = keys.keyBegin(); it != keys.keyEnd(); ++it)
        if (it->contains(QLatin1String("SYS_")) || it->contains(marker))
            return true;
    return false;
}

}  // namespace

TemplateApplier::TemplateApplier(const DeviceTarget& target, RejectHandler reject, int32_t* progress)
    : target_(target), reject_(std::move(reject)), progress_(progress) {}

void TemplateApplier::RaiseProgress() {
    if (progress_)
        std::atomic_ref<int32_t>(*progress_).fetch_add(1, std::memory_order_relaxed);
}

void TemplateApplier::Apply(const QString& keyFilePath, uint32_t flags) {
    groups_ = WrittenGroups();
    if (!reportWritten_) {
        ApplyGroups(keyFilePath, flags);
        return;
    }
    try {
        ApplyGroups(keyFilePath, flags);
    } catch (const CZRException& e) {
        throw CZRException(e.Number(), e.Text() + groups_.Summary());
    }
}

void TemplateApplier::ApplyGroups(const QString& keyFilePath, uint32_t flags) {
    if (progress_)
        std::atomic_ref<int32_t>(*progress_).store(1, std::memory_order_relaxed);
    TemplateApplyContext context;
    context.Target = target_;
    context.Reject = [this](const QString& message) {
        if (reject_)
            reject_(message);
    };
    context.RaiseProgress = [this] { RaiseProgress(); };
    context.ObserveWrite = observer_;
    context.DryRun = dryRun_;
    context.ObserveKey = keyObserver_;
    context.ObserveGroup = groupObserver_;
    context.ObserveUse = useObserver_;

    if (ReadOne(context, kMultiSsidStateVars) != QLatin1String("Disable"))
        throw CZRException(kRefused, QStringLiteral("Setting are rejected when Multi-SSID is enabled!"));
    context.Keys = TemplateKeyReader::Read(keyFilePath);
    context.ApMode = ReadOne(context, kApModeVars);

    if (flags & SystemGroup) {
        context.StartGroup("SYS");
        groups_.Start(QStringLiteral("system settings"));
        SystemGroupApplier::Apply(context);
        groups_.Done();
    }
    if (flags & (WirelessGroup | SecurityGroup)) {
        // The access protection comes along in the band's table and is not used.
        auto band = context.NewRequest(kRadioBandVars);
        band->Variables.Entry(0).Access = SnmpAccess::ReadOnly;
        band->Variables.Entry(1).Access = SnmpAccess::ReadOnly;
        band->Read(true);
        context.Band5GHz = band->Variables.Entry(0).Value == QLatin1String("5GHz");
        if (!HasDataForBand(context.Keys, context.Band5GHz))
            throw CZRException(kRefused, context.Band5GHz ? QStringLiteral("No data for 5GHz mode in template!")
                                                          : QStringLiteral("No data for 2.4GHz mode in template!"));
    }
    if (flags & WirelessGroup) {
        context.StartGroup("AWS");
        groups_.Start(QStringLiteral("wireless settings"));
        WirelessGroupApplier::Apply(context);
        groups_.Done();
    }
    if (flags & SecurityGroup) {
        context.StartGroup("Flt");
        groups_.Start(QStringLiteral("MAC filter"));
        FilterGroupApplier::Apply(context);
        groups_.Done();
        context.StartGroup("SCR");
        groups_.Start(QStringLiteral("security settings"));
        SecurityGroupApplier::Apply(context);
        groups_.Done();
    }

    auto apply = context.NewRequest(nullptr);
    apply->Variables = MibVariableList::FromCatalogue(kSettingApplyVars, MibVariableList::SVT_SV);
    SelectEntry(apply->Variables, 0, QStringLiteral("apply"));
    groups_.Start(QStringLiteral("apply"));
    apply->Write();
    groups_.Done();
}
