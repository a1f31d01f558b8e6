#include "TemplateVerify.h"
#include "DeviceOptions.h"
#include "HostSnmp.h"
#include <cstdio>

bool TemplateVerify::Start() {
    QString error;
    if (HostSnmp::Start(error))
        return true;
    std::fprintf(stderr, "aerodesk: --verify: %s\n", qPrintable(error));
    return false;
}

bool TemplateVerify::Plan(const DeviceOptions& options, const QString& address, const QString& keyFile, uint32_t flags) {
    TemplatePlan plan;
    if (!plan.Make(HostSnmp::TargetFor(options, address), keyFile, flags)) {
        std::printf("%s: cannot verify: %s\n", qPrintable(address),
                    qPrintable(plan.Refusal().isEmpty() ? QStringLiteral("the device cannot be read: ") + plan.Error()
                                                        : plan.Refusal()));
        std::fflush(stdout);
        return false;
    }
    plans_.insert(address, plan);
    return true;
}

bool TemplateVerify::Check(const DeviceOptions& options, const QString& address) {
    auto it = plans_.find(address);
    if (it == plans_.end())
        return false;
    TemplatePlan& plan = it.value();
    plan.ReadCurrent(HostSnmp::TargetFor(options, address));
    const std::vector<TemplatePlan::Write> missed = plan.NotTaken();
    for (const TemplatePlan::Write& w : missed) {
        std::printf("%s: did not take: %s (%s %s): wrote %s, reads %s\n", qPrintable(address),
                    qPrintable(w.Keys.join(QLatin1Char(','))), qPrintable(w.Entry.Name), qPrintable(w.Entry.Oid),
                    qPrintable(w.Entry.Value), qPrintable(w.Read ? w.Current : QStringLiteral("nothing (") + w.Current + ')'));
    }
    if (missed.empty())
        std::printf("%s: verified %d variable(s)\n", qPrintable(address), static_cast<int>(plan.Writes().size()));
    std::fflush(stdout);
    return missed.empty();
}
