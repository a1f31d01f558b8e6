#include "QueryReport.h"

bool QueryReport::AllDone() const {
    for (const Device& d : Devices)
        if (!d.Done)
            return false;
    return true;
}

bool QueryReport::AllOk() const {
    for (const Device& d : Devices)
        if (!d.Done || !d.Ok)
            return false;
    return true;
}

QueryReport::Device* QueryReport::Waiting(const QString& address) {
    for (Device& d : Devices)
        if (d.Address == address && !d.Done)
            return &d;
    return nullptr;
}

void QueryReport::MarkLate(int seconds) {
    for (Device& d : Devices)
        if (!d.Done)
            d.Message = QStringLiteral("no answer within %1 s").arg(seconds);
}

QueryReport QueryReport::For(const QStringList& addresses, const QStringList& columns) {
    QueryReport report;
    report.Columns = columns;
    for (const QString& address : addresses) {
        report.Devices.emplace_back();
        report.Devices.back().Address = address;
    }
    return report;
}

QueryReport::Device* QueryReport::Answer(const QString& address, bool ok, const QString& message) {
    Device* d = Waiting(address);
    if (!d)
        return nullptr;
    d->Done = true;
    d->Ok = ok;
    if (!ok)
        d->Message = message;
    return d;
}
