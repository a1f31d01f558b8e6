#include "DeviceAddress.h"
#include "shell/DeviceSettings.h"

namespace DeviceAddress {
namespace {
QString& Stored() {
    static QString address;
    return address;
}
}  // namespace

QString Current() {
    const QString& stored = Stored();
    return stored.isEmpty() ? DeviceSettings::Current().DeviceIpAddress : stored;
}

void Set(const QString& address) { Stored() = address; }
}  // namespace DeviceAddress
