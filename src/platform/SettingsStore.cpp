#include "SettingsStore.h"
#include <QSettings>
#include <atomic>

namespace SettingsStore {
namespace {

std::atomic<int> gReads{0};

constexpr const char* kOrganization = "Zorvane";
constexpr const char* kApplication = "Aerodesk";
constexpr const char* kGroup = "AdvanceSystem";

QByteArray Text(const QSettings& settings, const char* name) {
    QByteArray value = settings.value(QLatin1String(name)).toString().toUtf8();
    value.truncate(TextLimit);
    return value;
}

int32_t Number(const QSettings& settings, const char* name) {
    bool ok = false;
    const qlonglong value = settings.value(QLatin1String(name)).toLongLong(&ok);
    return ok ? static_cast<int32_t>(value) : 0;
}

}  // namespace

bool ReadAdvanceSystem(AdvanceSystem& values) {
    ++gReads;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganization),
                       QLatin1String(kApplication));
    if (settings.status() != QSettings::NoError || !settings.childGroups().contains(QLatin1String(kGroup)))
        return false;
    settings.beginGroup(QLatin1String(kGroup));
    AdvanceSystem read;
    read.FtpMethod = Number(settings, "FtpMethod");
    read.FtpPort = Number(settings, "FtpPort");
    read.FtpUserName = Text(settings, "FtpUserName");
    read.FtpPassword = Text(settings, "FtpPassword");
    read.RemoteFtpIpAddress = Text(settings, "RemoteFtpIpAddress");
    values = read;
    return true;
}

bool WriteAdvanceSystem(const AdvanceSystem& values) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganization),
                       QLatin1String(kApplication));
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QStringLiteral("FtpMethod"), values.FtpMethod);
    settings.setValue(QStringLiteral("FtpPort"), values.FtpPort);
    settings.setValue(QStringLiteral("FtpUserName"), QString::fromUtf8(values.FtpUserName));
    settings.setValue(QStringLiteral("FtpPassword"), QString::fromUtf8(values.FtpPassword));
    settings.setValue(QStringLiteral("RemoteFtpIpAddress"), QString::fromUtf8(values.RemoteFtpIpAddress));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

int ReadCount() { return gReads.load(); }

}  // namespace SettingsStore
